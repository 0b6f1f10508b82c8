#include "records/save_records.h"

#include <gtest/gtest.h>

#include "records/load_records.h"
#include "tests/records/game_copy.h"

namespace {
class SaveRecordsTest : public ::testing::Test {
protected:
    void Finish(int hole, int strokes) { game_.Finish(hole, strokes); }
    // What a fresh start would load from the store.
    HoleOfFame Reloaded() {
        HoleOfFame loaded;
        RecordingPrompt prompt;
        LoadRecords(loaded, store_, prompt);
        EXPECT_TRUE(prompt.asked.empty());
        return loaded;
    }

    MemoryStore store_;
    GameCopy game_{store_, "Cy"};
    RecordingPrompt& prompt_ = game_.prompt;
    HoleOfFame& fame_ = game_.fame;
};

TEST_F(SaveRecordsTest, EveryFinishedHoleIsWrittenAtOnce) {
    Finish(4, 2);
    EXPECT_EQ(store_.ReadInt("hs_4_1"), 2);
    EXPECT_EQ(store_.ReadString("ns_4_1"), "Cy");
    EXPECT_EQ(Reloaded().holes[4][1].strokes[1], 2);
    // A hole that enters no list still writes the whole store.
    const int commits = store_.commits;
    Finish(5, 9);
    EXPECT_EQ(store_.commits, commits + 1);
    EXPECT_TRUE(prompt_.asked.empty());
}

TEST_F(SaveRecordsTest, FailedWritesWarnOnceKeepResultsAndALaterWriteSavesThemAll) {
    store_.failCommits = true;
    Finish(1, 2);
    Finish(2, 3);
    ASSERT_EQ(prompt_.asked.size(), 1u);
    EXPECT_EQ(prompt_.asked[0].caption, "Warning");
    EXPECT_EQ(prompt_.asked[0].buttons, Prompt::Buttons::Ok);
    EXPECT_NE(prompt_.asked[0].text.find("The results of this run are kept in memory"),
              std::string::npos);
    EXPECT_EQ(fame_.holes[1][1].strokes[1], 2);  // play goes on with the results in memory
    EXPECT_EQ(store_.ReadInt("hs_1_1"), 777);

    store_.failCommits = false;
    Finish(3, 4);
    EXPECT_EQ(prompt_.asked.size(), 1u);
    const HoleOfFame loaded = Reloaded();
    EXPECT_EQ(loaded.holes[1][1].strokes[1], 2);
    EXPECT_EQ(loaded.holes[2][1].strokes[1], 3);
    EXPECT_EQ(loaded.holes[3][1].strokes[1], 4);
    EXPECT_TRUE(fame_.unsaved.empty());
}

TEST_F(SaveRecordsTest, LockThatCannotBeHadKeepsResultsInMemory) {
    store_.failLocks = true;
    Finish(1, 2);
    EXPECT_EQ(prompt_.asked.size(), 1u);
    EXPECT_EQ(store_.ReadInt("hs_1_1"), 777);
    store_.failLocks = false;
    Finish(2, 2);
    EXPECT_EQ(Reloaded().holes[1][1].strokes[1], 2);
}

TEST_F(SaveRecordsTest, ResultsOfAnotherRunningCopyAreKept) {
    // Another copy of the game, started at the same time, finishes holes between this
    // copy's saves.
    GameCopy other(store_, "Di");
    const auto otherFinishes = [&](int hole, int strokes) { other.Finish(hole, strokes); };

    otherFinishes(1, 1);
    Finish(1, 2);
    HoleOfFame loaded = Reloaded();
    EXPECT_EQ(loaded.holes[1][1].name, "Di");
    EXPECT_EQ(loaded.holes[1][2].name, "Cy");
    EXPECT_EQ(loaded.holes[1][2].place, 2);
    EXPECT_TRUE(SameLists(loaded, fame_));  // this copy now shows both

    // This copy cannot write for a while; the other one can. Nothing of either is lost.
    store_.failCommits = true;
    Finish(2, 3);
    store_.failCommits = false;
    otherFinishes(2, 4);
    Finish(3, 2);
    loaded = Reloaded();
    EXPECT_EQ(loaded.holes[2][1].name, "Cy");
    EXPECT_EQ(loaded.holes[2][2].name, "Di");
    EXPECT_EQ(loaded.holes[3][1].name, "Cy");
    EXPECT_EQ(loaded.holes[1][2].name, "Cy");
    EXPECT_EQ(loaded.holes[1][3].name, "");
}
}  // namespace
