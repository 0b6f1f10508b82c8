#include "records/hole_of_fame.h"

#include <gtest/gtest.h>

#include <set>

#include "records/fame_values.h"

namespace {
TEST(FameValuesTest, NamesTheStoredValuesInTheirFixedOrder) {
    const std::vector<FameValue>& values = FameValues();
    ASSERT_EQ(values.size(), 1922u);
    EXPECT_EQ(values.front().name, "rcs1");
    EXPECT_EQ(values.back().name, "rcs2");

    // Place 1 of the 6-hole list opens the places; the 36th hole's list closes each place.
    const std::vector<std::string> firstPlace = {"p6_1",   "n6_1",   "h6_1_1", "h6_2_1", "h6_3_1",
                                                 "h6_4_1", "h6_5_1", "h6_6_1", "t6_1",   "p12_1"};
    for (size_t i = 0; i < firstPlace.size(); ++i) EXPECT_EQ(values[1 + i].name, firstPlace[i]);
    EXPECT_EQ(values[192].name, "hs_36_1");
    EXPECT_EQ(values[193].name, "p6_2");
    EXPECT_EQ(values[1920].name, "hs_36_10");

    std::set<std::string> names;
    int texts = 0;
    for (const FameValue& value : values) {
        names.insert(value.name);
        texts += value.IsText();
    }
    EXPECT_EQ(names.size(), values.size());
    EXPECT_EQ(texts, 400);  // one name per place of the 40 lists
}

TEST(FameValuesTest, EachNameReachesItsField) {
    HoleOfFame fame;
    for (const FameValue& value : FameValues()) {
        if (value.name == "h12_3_10") NumberOf(fame, value) = 4;
        if (value.name == "ps_36_1") NumberOf(fame, value) = 1;
        if (value.name == "n18_7") TextOf(fame, value) = "Ann";
        if (value.name == "hs_5_2") NumberOf(fame, value) = 2;
        if (value.name == "t36_1") NumberOf(fame, value) = 99;
    }
    EXPECT_EQ(fame.series[kSeries12][10].strokes[3], 4);
    EXPECT_EQ(fame.holes[36][1].place, 1);
    EXPECT_EQ(fame.series[kSeries18][7].name, "Ann");
    EXPECT_EQ(fame.holes[5][2].strokes[1], 2);
    EXPECT_EQ(fame.series[kSeries36][1].total, 99);
}

TEST(RecordsChecksumTest, ClearedStoreGivesItsKnownValue) {
    HoleOfFame fame;
    fame.series[kSeries6][1].total = 5;
    ClearRecords(fame);
    EXPECT_EQ(RecordsChecksum(fame), 17225000u);
    EXPECT_EQ(fame.series[kSeries6][1].place, kEmptyPlace);
    EXPECT_EQ(fame.series[kSeries6][1].total, NoResult);
    EXPECT_EQ(fame.holes[36][10].strokes[1], NoResult);
}

TEST(RecordsChecksumTest, WeighsEachNumberByItsHoleAndPlace) {
    const HoleOfFame cleared;
    const std::uint32_t base = RecordsChecksum(cleared);
    struct Case {
        const char* what;
        void (*change)(HoleOfFame&);
        std::int64_t delta;
    };
    const Case cases[] = {
        // strokes[k] of place i of a series weigh k + i; place and total weigh i.
        {"h12_3_10 one less", [](HoleOfFame& f) { f.series[kSeries12][10].strokes[3] -= 1; }, -13},
        {"p36_2 from -1 to 1", [](HoleOfFame& f) { f.series[kSeries36][2].place = 1; }, 2 * 2},
        {"t6_4 one more", [](HoleOfFame& f) { f.series[kSeries6][4].total += 1; }, 4},
        // a hole list's place and strokes weigh j + i.
        {"hs_20_3 one less", [](HoleOfFame& f) { f.holes[20][3].strokes[1] -= 1; }, -23},
        {"ps_1_1 from -1 to 1", [](HoleOfFame& f) { f.holes[1][1].place = 1; }, 2 * 2},
        // strokes past a series' own holes are not stored and not counted.
        {"h6 hole 7", [](HoleOfFame& f) { f.series[kSeries6][1].strokes[7] = 1; }, 0},
        {"a name", [](HoleOfFame& f) { f.holes[3][3].name = "Zed"; }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HoleOfFame changed;
        c.change(changed);
        EXPECT_EQ(static_cast<std::int64_t>(RecordsChecksum(changed)) - base, c.delta);
    }
}

TEST(RecordsChecksumTest, WrapsAroundIn32Bits) {
    HoleOfFame fame;
    fame.series[kSeries36][10].total = 0x7FFFFFFF;
    const std::uint32_t expected = RecordsChecksum(HoleOfFame{}) - 777u * 10u + 0x7FFFFFFFu * 10u;
    EXPECT_EQ(RecordsChecksum(fame), expected);
}
}  // namespace
