#include "records/fame_score_code.h"

std::optional<SeriesStrokes> BestSeriesStrokes(const FameList& thirtySixHoles) {
    const FameRecord& best = thirtySixHoles[1];
    if (best.total == NoResult) return std::nullopt;
    SeriesStrokes strokes{};
    int sum = 0;
    for (int k = 1; k <= kHoleCount; ++k) {
        const int count = best.strokes[static_cast<size_t>(k)];
        if (count < 1 || count > 9) return std::nullopt;
        strokes[static_cast<size_t>(k - 1)] = count;
        sum += count;
    }
    if (sum != best.total) return std::nullopt;
    return strokes;
}

std::string ScoreCode(const FameList& thirtySixHoles) {
    const std::optional<SeriesStrokes> strokes = BestSeriesStrokes(thirtySixHoles);
    return strokes ? EncodeScoreCode(*strokes) : std::string();
}
