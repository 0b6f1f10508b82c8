#pragma once

#include <string>

#include "records/hole_of_fame.h"

/// Whole lists that differ from one generation number to the next in every name and
/// number, so that a store mixing two writes cannot pass for either.
inline HoleOfFame GenerationLists(int generation) {
    HoleOfFame fame;
    const std::string name = "g" + std::to_string(generation);
    for (int i = 1; i <= kFamePlaces; ++i) {
        for (int s = kSeries6; s <= kSeries36; ++s) {
            FameRecord& record = fame.series[s][i];
            record = {i, name, NoStrokes(), 0};
            for (int k = 1; k <= kSeriesHoles[s]; ++k)
                record.total += (record.strokes[k] = (generation + i + k) % 9 + 1);
        }
        for (int j = 1; j <= kHoleCount; ++j) {
            FameRecord& record = fame.holes[j][i];
            record.place = i;
            record.name = name;
            record.strokes[1] = (generation + i + j) % 9 + 1;
        }
    }
    return fame;
}

/// The generation whose lists `fame` holds, judged by its first name; 0 for none.
inline int StoredGeneration(const HoleOfFame& fame) {
    const std::string& name = fame.holes[1][1].name;
    return name.size() > 1 && name[0] == 'g' ? std::stoi(name.substr(1)) : 0;
}
