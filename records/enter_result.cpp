#include "records/enter_result.h"

namespace {
// A single hole's 9 is the stroke limit: it counts in a series, never in the hole's list.
constexpr int kStrokeLimitScore = 9;

// What a list is ordered by: the total of a series, the strokes of a single hole.
std::int32_t Result(const FameRecord& record, bool series) {
    return series ? record.total : record.strokes[1];
}

// Places with the result of the place above share its number; empty places get none.
void Renumber(FameList& list, bool series) {
    for (int j = 2; j <= kFamePlaces; ++j) {
        if (Result(list[j], series) == Result(list[j - 1], series))
            list[j].place = list[j - 1].place;
        if (Result(list[j], series) == NoResult) list[j].place = kEmptyPlace;
    }
}
}  // namespace

std::vector<FameResult> FinishedHoleResults(PlayerRecord& player, int hole) {
    std::vector<FameResult> results;
    if (player.strokes[hole] < kStrokeLimitScore) {
        FameResult result;
        result.hole = hole;
        result.name = player.name;
        result.strokes[1] = player.strokes[hole];
        results.push_back(result);
    }
    for (int s = kSeries6; s <= kSeries36; ++s) {
        const int holes = kSeriesHoles[s];
        if (player.seriesEntered[s]) continue;
        bool allDone = true;
        for (int k = 1; k <= holes; ++k) allDone = allDone && player.holeDone[k];
        if (!allDone) continue;
        player.seriesEntered[s] = 1;
        FameResult result;
        result.series = s;
        result.name = player.name;
        result.total = 0;
        for (int k = 1; k <= holes; ++k) {
            result.strokes[k] = player.strokes[k];
            result.total += player.strokes[k];
        }
        results.push_back(result);
    }
    return results;
}

void EnterResult(HoleOfFame& fame, const FameResult& result) {
    const bool series = result.series != 0;
    FameList& list = series ? fame.series[result.series] : fame.holes[result.hole];
    const std::int32_t value = series ? result.total : result.strokes[1];
    int i = 1;
    while (i <= kFamePlaces && Result(list[i], series) <= value) ++i;
    if (i > kFamePlaces) return;
    for (int j = kFamePlaces; j > i; --j) {
        list[j] = list[j - 1];
        list[j].place = j;
    }
    list[i] = FameRecord{i, result.name, result.strokes, result.total};
    Renumber(list, series);
}
