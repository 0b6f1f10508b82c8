#include "records/fame_score_code.h"

#include <gtest/gtest.h>

#include "records/enter_result.h"
#include "records/score_code.h"

namespace {
/// A 36-hole result of `count` strokes on every hole, with `first` on hole 1.
FameResult SeriesResult(int count, int first) {
    FameResult result;
    result.series = kSeries36;
    result.name = "Ann";
    result.total = 0;
    for (int k = 1; k <= kHoleCount; ++k) {
        result.strokes[k] = k == 1 ? first : count;
        result.total += result.strokes[k];
    }
    return result;
}

SeriesStrokes StrokesOf(const FameResult& result) {
    SeriesStrokes strokes{};
    for (int k = 1; k <= kHoleCount; ++k) strokes[k - 1] = result.strokes[k];
    return strokes;
}
}  // namespace

TEST(FameScoreCode, AnEmptyListHasNoCode) {
    HoleOfFame fame;
    ClearRecords(fame);
    EXPECT_EQ(ScoreCode(fame.series[kSeries36]), "");
}

TEST(FameScoreCode, PlaceOneGivesTheCodeOfItsStrokes) {
    HoleOfFame fame;
    ClearRecords(fame);
    EnterResult(fame, SeriesResult(2, 2));
    EXPECT_EQ(ScoreCode(fame.series[kSeries36]), "07674746414181838585252527298969626363830307");
}

TEST(FameScoreCode, ABetterResultChangesTheCodeAndAnEqualOneDoesNot) {
    HoleOfFame fame;
    ClearRecords(fame);
    const FameResult first = SeriesResult(3, 3);  // 108
    EnterResult(fame, first);
    const std::string code = ScoreCode(fame.series[kSeries36]);
    EXPECT_EQ(code, EncodeScoreCode(StrokesOf(first)));

    EnterResult(fame, SeriesResult(3, 3));  // equal: placed second
    EXPECT_EQ(ScoreCode(fame.series[kSeries36]), code);

    const FameResult better = SeriesResult(3, 2);  // 107
    EnterResult(fame, better);
    EXPECT_EQ(ScoreCode(fame.series[kSeries36]), EncodeScoreCode(StrokesOf(better)));
    EXPECT_NE(ScoreCode(fame.series[kSeries36]), code);
    EXPECT_EQ(ScoreCode(fame.series[kSeries36]).size(), 44u);
}

TEST(FameScoreCode, APlaceThatIsNoFinishedSeriesHasNoCode) {
    HoleOfFame fame;
    ClearRecords(fame);
    EnterResult(fame, SeriesResult(2, 2));
    FameList& list = fame.series[kSeries36];
    list[1].strokes[5] = 0;
    EXPECT_EQ(ScoreCode(list), "");
    list[1].strokes[5] = 10;
    EXPECT_EQ(ScoreCode(list), "");
    list[1].strokes[5] = 2;
    list[1].total = 73;
    EXPECT_EQ(ScoreCode(list), "");
}
