#include "records/enter_result.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// The places and results of one list, best first.
std::vector<int> Places(const FameList& list) {
    std::vector<int> places;
    for (int i = 1; i <= kFamePlaces; ++i) places.push_back(list[i].place);
    return places;
}
std::vector<int> HoleStrokes(const FameList& list) {
    std::vector<int> strokes;
    for (int i = 1; i <= kFamePlaces; ++i) strokes.push_back(list[i].strokes[1]);
    return strokes;
}
std::vector<int> Totals(const FameList& list) {
    std::vector<int> totals;
    for (int i = 1; i <= kFamePlaces; ++i) totals.push_back(list[i].total);
    return totals;
}

FameResult HoleResult(int hole, int strokes, const std::string& name = "Ann") {
    FameResult result;
    result.hole = hole;
    result.name = name;
    result.strokes[1] = strokes;
    return result;
}

constexpr int E = NoResult;

TEST(EnterResultTest, HoleListsKeepOrderAndShareEqualPlaces) {
    struct Case {
        const char* what;
        std::vector<int> before;  // strokes entered one by one into an empty hole list
        int entered;
        std::vector<int> strokes, places;
    };
    const Case cases[] = {
        {"into an empty list",
         {},
         3,
         {3, E, E, E, E, E, E, E, E, E},
         {1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
        {"equal results go after the first and share its place",
         {2, 3, 3},
         3,
         {2, 3, 3, 3, E, E, E, E, E, E},
         {1, 2, 2, 2, -1, -1, -1, -1, -1, -1}},
        {"competition numbering",
         {30, 30},
         31,
         {30, 30, 31, E, E, E, E, E, E, E},
         {1, 1, 3, -1, -1, -1, -1, -1, -1, -1}},
        {"a better result pushes the rest down",
         {3, 4, 4},
         2,
         {2, 3, 4, 4, E, E, E, E, E, E},
         {1, 2, 3, 3, -1, -1, -1, -1, -1, -1}},
        {"the tenth drops out",
         {1, 2, 3, 4, 5, 6, 7, 8, 8, 8},
         5,
         {1, 2, 3, 4, 5, 5, 6, 7, 8, 8},
         {1, 2, 3, 4, 5, 5, 7, 8, 9, 9}},
        {"equal to a full list's tenth: unchanged",
         {1, 2, 3, 4, 5, 6, 7, 8, 8, 8},
         8,
         {1, 2, 3, 4, 5, 6, 7, 8, 8, 8},
         {1, 2, 3, 4, 5, 6, 7, 8, 8, 8}},
        {"better than the tenth only",
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 2},
         1,
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HoleOfFame fame;
        for (int strokes : c.before) EnterResult(fame, HoleResult(3, strokes, "Old"));
        EnterResult(fame, HoleResult(3, c.entered));
        EXPECT_EQ(HoleStrokes(fame.holes[3]), c.strokes);
        EXPECT_EQ(Places(fame.holes[3]), c.places);
    }
}

TEST(EnterResultTest, EntryCarriesItsNameAndLeavesOtherListsAlone) {
    HoleOfFame fame;
    EnterResult(fame, HoleResult(3, 2, "Old"));
    EnterResult(fame, HoleResult(3, 1, "New"));
    EXPECT_EQ(fame.holes[3][1].name, "New");
    EXPECT_EQ(fame.holes[3][2].name, "Old");
    EXPECT_EQ(fame.holes[3][3].name, "");
    EXPECT_EQ(fame.holes[4], FameList{});
    EXPECT_EQ(fame.series[kSeries6], FameList{});
}

class FinishedHoleTest : public ::testing::Test {
protected:
    // The player finishes `hole` in `strokes` and his results are entered, as at the cup.
    void Finish(int hole, int strokes) {
        player_.strokes[hole] = strokes;
        player_.holeDone[hole] = 1;
        player_.status = PlayerStatus::Finished;
        for (const FameResult& result : FinishedHoleResults(player_, hole))
            EnterResult(fame_, result);
    }
    PlayerRecord player_ = [] {
        PlayerRecord p;
        p.name = "Bea";
        return p;
    }();
    HoleOfFame fame_;
};

TEST_F(FinishedHoleTest, NineStrokesNeverEnterTheHoleButCountInTheSeries) {
    for (int hole = 1; hole <= 6; ++hole) Finish(hole, hole == 2 ? 9 : 3);
    EXPECT_EQ(fame_.holes[2], FameList{});
    EXPECT_EQ(fame_.holes[1][1].strokes[1], 3);
    EXPECT_EQ(fame_.series[kSeries6][1].total, 5 * 3 + 9);
    EXPECT_EQ(fame_.series[kSeries6][1].strokes[2], 9);
    EXPECT_EQ(fame_.series[kSeries6][1].name, "Bea");
    EXPECT_EQ(fame_.series[kSeries6][1].place, 1);
}

TEST_F(FinishedHoleTest, SeriesEnterWhenTheirLastHoleIsDoneAndOnlyOnce) {
    // A twelve-hole tournament in sequence: the 6-hole series at hole 6, 12 at hole 12.
    for (int hole = 1; hole <= 12; ++hole) {
        Finish(hole, 2);
        const bool six = hole >= 6, twelve = hole >= 12;
        EXPECT_EQ(player_.seriesEntered[kSeries6], six) << "after hole " << hole;
        EXPECT_EQ(fame_.series[kSeries6][1].total, six ? 12 : E) << "after hole " << hole;
        EXPECT_EQ(fame_.series[kSeries12][1].total, twelve ? 24 : E) << "after hole " << hole;
    }
    EXPECT_EQ(Totals(fame_.series[kSeries6]), (std::vector<int>{12, E, E, E, E, E, E, E, E, E}));
    EXPECT_EQ(fame_.series[kSeries18], FameList{});

    // Finishing a hole again in the same tournament enters no series again.
    Finish(13, 2);
    EXPECT_EQ(fame_.series[kSeries6][2].total, E);
}

TEST_F(FinishedHoleTest, RandomOrderEntersTheSeriesAtTheLastOfItsHoles) {
    const int order[] = {5, 2, 6, 1, 4, 3};
    for (int hole : order) {
        EXPECT_EQ(fame_.series[kSeries6][1].total, E) << "before hole " << hole;
        Finish(hole, hole);
    }
    EXPECT_EQ(fame_.series[kSeries6][1].total, 21);
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(fame_.series[kSeries6][1].strokes[k], k);
}

TEST_F(FinishedHoleTest, TournamentWithoutAllOfHoles1To6EntersNoSeries) {
    for (int hole : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13}) Finish(hole, 2);
    for (int s = kSeries6; s <= kSeries36; ++s) {
        EXPECT_EQ(fame_.series[s], FameList{}) << "series " << s;
        EXPECT_FALSE(player_.seriesEntered[s]);
    }
    EXPECT_EQ(fame_.holes[13][1].strokes[1], 2);
}

TEST_F(FinishedHoleTest, SeriesShareTheTieRuleAndMoveWithAllTheirStrokes) {
    const auto series = [](int strokePerHole, const std::string& name) {
        FameResult result;
        result.series = kSeries6;
        result.name = name;
        result.total = 0;
        for (int k = 1; k <= 6; ++k) {
            result.strokes[k] = strokePerHole;
            result.total += strokePerHole;
        }
        return result;
    };
    EnterResult(fame_, series(5, "A"));  // 30
    EnterResult(fame_, series(5, "B"));  // 30, after A, sharing place 1
    EnterResult(fame_, series(4, "C"));  // 24, first
    const FameList& list = fame_.series[kSeries6];
    EXPECT_EQ(Totals(list), (std::vector<int>{24, 30, 30, E, E, E, E, E, E, E}));
    EXPECT_EQ(Places(list), (std::vector<int>{1, 2, 2, -1, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(list[2].name, "A");
    EXPECT_EQ(list[3].name, "B");
    EXPECT_EQ(list[3].strokes[6], 5);
}
}  // namespace
