#include "records/hole_of_fame.h"

namespace {
// A 32-bit product keeping its low 32 bits, as the stored check value counts it.
std::uint32_t Weighted(std::int32_t value, int weight) {
    return static_cast<std::uint32_t>(value) * static_cast<std::uint32_t>(weight);
}
}  // namespace

void ClearRecords(HoleOfFame& fame) {
    fame.series = {};
    fame.holes = {};
    fame.rcs1 = 0;
    fame.rcs2 = 0;
}

std::uint32_t RecordsChecksum(const HoleOfFame& fame) {
    std::uint32_t sum = 0;
    for (int i = 1; i <= kFamePlaces; ++i) {
        for (int s = kSeries6; s <= kSeries36; ++s) {
            const FameRecord& record = fame.series[s][i];
            for (int k = 1; k <= kSeriesHoles[s]; ++k) sum += Weighted(record.strokes[k], k + i);
            sum += Weighted(record.place, i) + Weighted(record.total, i);
        }
        for (int j = 1; j <= kHoleCount; ++j) {
            const FameRecord& record = fame.holes[j][i];
            sum += Weighted(record.place, j + i) + Weighted(record.strokes[1], j + i);
        }
    }
    return sum;
}

bool SameLists(const HoleOfFame& a, const HoleOfFame& b) {
    return a.series == b.series && a.holes == b.holes;
}
