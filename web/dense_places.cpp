#include "web/dense_places.h"

std::vector<RankedScore> AssignDensePlaces(std::vector<StoredScore> bestFirst) {
    std::vector<RankedScore> ranked;
    ranked.reserve(bestFirst.size());
    int place = 0;
    int previousTotal = -1;
    for (StoredScore& entry : bestFirst) {
        if (entry.total > previousTotal) {
            ++place;
            previousTotal = entry.total;
        }
        ranked.push_back({place, std::move(entry)});
    }
    return ranked;
}
