#include "records/load_records.h"

#include <gtest/gtest.h>

#include "records/enter_result.h"
#include "records/fame_values.h"
#include "records/records_io.h"
#include "tests/platform_doubles.h"
#include "tests/setup/recording_prompt.h"

namespace {
constexpr const char* kReadError = "Error reading Hole of Fame. Do you want to clear all records?";

class LoadRecordsTest : public ::testing::Test {
protected:
    // A store holding one result on hole 3 and a 6-hole series, written as the game writes.
    void StoreSomeResults() {
        HoleOfFame fame;
        FameResult hole;
        hole.hole = 3;
        hole.name = "Ann";
        hole.strokes[1] = 2;
        EnterResult(fame, hole);
        FameResult series;
        series.series = kSeries6;
        series.name = "Ann";
        series.total = 0;
        for (int k = 1; k <= 6; ++k) series.total += (series.strokes[k] = 3);
        EnterResult(fame, series);
        ASSERT_TRUE(WriteRecords(fame, store_));
        store_.writeOrder.clear();
        store_.commits = 0;
    }
    void Load() { LoadRecords(fame_, store_, prompt_); }

    MemoryStore store_;
    RecordingPrompt prompt_;
    HoleOfFame fame_;
};

TEST_F(LoadRecordsTest, FirstStartWritesAnEmptyStoreWithoutAsking) {
    Load();
    EXPECT_TRUE(prompt_.asked.empty());
    EXPECT_FALSE(fame_.closeOnPaint);
    ASSERT_EQ(store_.stored.size(), 1922u);
    EXPECT_EQ(store_.ReadInt("rcs1"), 17225000);
    EXPECT_EQ(store_.ReadInt("rcs2"), 17225000);
    EXPECT_EQ(store_.ReadInt("p36_10"), -1);
    EXPECT_EQ(store_.ReadInt("h36_36_10"), 777);
    EXPECT_EQ(store_.ReadInt("t6_1"), 777);
    EXPECT_EQ(store_.ReadString("ns_36_10"), "");
    // One write of every value in the fixed order, made durable by one commit.
    std::vector<std::string> order;
    for (const FameValue& value : FameValues()) order.push_back(value.name);
    EXPECT_EQ(store_.writeOrder, order);
    EXPECT_EQ(store_.commits, 1);
}

TEST_F(LoadRecordsTest, StoredResultsLoadWithoutAsking) {
    StoreSomeResults();
    Load();
    EXPECT_TRUE(prompt_.asked.empty());
    EXPECT_EQ(fame_.holes[3][1].strokes[1], 2);
    EXPECT_EQ(fame_.holes[3][1].name, "Ann");
    EXPECT_EQ(fame_.series[kSeries6][1].total, 18);
    EXPECT_EQ(store_.commits, 0);  // a sound store is only read
}

TEST_F(LoadRecordsTest, DamagedStoreAsksAndOkClearsIt) {
    struct Case {
        const char* what;
        void (*damage)(MemoryStore&);
    };
    const Case cases[] = {
        {"a number changed by hand", [](MemoryStore& s) { s.stored["t36_1"] = 776; }},
        {"rcs2 deleted", [](MemoryStore& s) { s.stored.erase("rcs2"); }},
        {"cut short after the places",
         [](MemoryStore& s) {
             for (const char* name : {"rcs1", "rcs2", "t6_1", "t36_10"}) s.stored.erase(name);
         }},
        {"a place deleted", [](MemoryStore& s) { s.stored.erase("ps_3_1"); }},
        {"a negative place", [](MemoryStore& s) { s.stored["p6_1"] = -5; }},
        {"a number stored as text", [](MemoryStore& s) { s.stored["hs_3_1"] = std::string("2"); }},
        {"a name stored as a number", [](MemoryStore& s) { s.stored["ns_3_1"] = 7; }},
        {"both check values equal but wrong",
         [](MemoryStore& s) {
             s.stored["rcs1"] = 5;
             s.stored["rcs2"] = 5;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        store_ = MemoryStore();
        prompt_ = RecordingPrompt();
        StoreSomeResults();
        c.damage(store_);
        Load();
        ASSERT_EQ(prompt_.asked.size(), 1u);
        EXPECT_EQ(prompt_.asked[0].text, kReadError);
        EXPECT_EQ(prompt_.asked[0].caption, "Error message");
        EXPECT_EQ(prompt_.asked[0].buttons, Prompt::Buttons::OkCancel);
        EXPECT_EQ(prompt_.asked[0].icon, Prompt::Icon::Stop);
        EXPECT_FALSE(fame_.closeOnPaint);
        EXPECT_EQ(fame_.holes[3], FameList{});
        EXPECT_EQ(store_.ReadInt("rcs1"), 17225000);
        EXPECT_EQ(store_.ReadInt("rcs2"), 17225000);
        EXPECT_EQ(store_.ReadInt("hs_3_1"), 777);
    }
}

TEST_F(LoadRecordsTest, CancelLeavesTheStoreAsItWasAndClosesTheGame) {
    StoreSomeResults();
    store_.stored["t36_1"] = 776;
    const auto before = store_.stored;
    prompt_.answer = Prompt::Answer::Cancel;
    Load();
    EXPECT_EQ(prompt_.asked.size(), 1u);
    EXPECT_TRUE(fame_.closeOnPaint);
    EXPECT_EQ(store_.stored, before);
    EXPECT_EQ(store_.commits, 0);
}

TEST_F(LoadRecordsTest, MissingFirstCheckValueClearsSilently) {
    StoreSomeResults();
    store_.stored.erase("rcs1");
    Load();
    EXPECT_TRUE(prompt_.asked.empty());
    EXPECT_EQ(fame_.holes[3], FameList{});
    EXPECT_EQ(store_.ReadInt("rcs1"), 17225000);
    EXPECT_EQ(store_.ReadInt("hs_3_1"), 777);
}

TEST_F(LoadRecordsTest, ChangedNameIsAccepted) {
    StoreSomeResults();
    store_.stored["ns_3_1"] = std::string("Zoë = [the best]");
    store_.stored.erase("n6_1");  // a missing name reads as empty
    Load();
    EXPECT_TRUE(prompt_.asked.empty());
    EXPECT_EQ(fame_.holes[3][1].name, "Zoë = [the best]");
    EXPECT_EQ(fame_.series[kSeries6][1].name, "");
    EXPECT_EQ(fame_.series[kSeries6][1].total, 18);
}

TEST_F(LoadRecordsTest, StoreThatCannotBeParsedAsksBeforeItIsReplaced) {
    StoreSomeResults();
    store_.openResult = KeyValueStore::OpenResult::Damaged;
    prompt_.answer = Prompt::Answer::Cancel;
    Load();
    ASSERT_EQ(prompt_.asked.size(), 1u);
    EXPECT_EQ(prompt_.asked[0].text, kReadError);
    EXPECT_TRUE(fame_.closeOnPaint);
    EXPECT_EQ(store_.commits, 0);
}

TEST_F(LoadRecordsTest, UnreadableStoreIsToldOnceAndPlayGoesOnInMemory) {
    StoreSomeResults();
    store_.openResult = KeyValueStore::OpenResult::Unavailable;
    Load();
    ASSERT_EQ(prompt_.asked.size(), 1u);
    EXPECT_EQ(prompt_.asked[0].caption, "Warning");
    EXPECT_NE(prompt_.asked[0].text.find("kept in memory"), std::string::npos);
    EXPECT_FALSE(fame_.closeOnPaint);
    EXPECT_EQ(fame_.holes[3], FameList{});
    EXPECT_EQ(store_.commits, 0);
}
}  // namespace
