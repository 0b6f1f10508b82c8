#include "records/fame_values.h"

#include <stdexcept>

namespace {
std::vector<FameValue> BuildFameValues() {
    using Field = FameValue::Field;
    std::vector<FameValue> values;
    values.push_back({"rcs1", Field::Check1});
    for (int i = 1; i <= kFamePlaces; ++i) {
        const std::string place = std::to_string(i);
        for (int s = kSeries6; s <= kSeries36; ++s) {
            const std::string list = std::to_string(kSeriesHoles[s]);
            values.push_back({"p" + list + "_" + place, Field::Place, s, 0, i});
            values.push_back({"n" + list + "_" + place, Field::Name, s, 0, i});
            for (int k = 1; k <= kSeriesHoles[s]; ++k)
                values.push_back({"h" + list + "_" + std::to_string(k) + "_" + place,
                                  Field::Strokes, s, 0, i, k});
            values.push_back({"t" + list + "_" + place, Field::Total, s, 0, i});
        }
        for (int j = 1; j <= kHoleCount; ++j) {
            const std::string hole = std::to_string(j);
            values.push_back({"ps_" + hole + "_" + place, Field::Place, 0, j, i});
            values.push_back({"ns_" + hole + "_" + place, Field::Name, 0, j, i});
            values.push_back({"hs_" + hole + "_" + place, Field::Strokes, 0, j, i, 1});
        }
    }
    values.push_back({"rcs2", Field::Check2});
    return values;
}

FameRecord& RecordOf(HoleOfFame& fame, const FameValue& value) {
    FameList& list = value.series != 0 ? fame.series[value.series] : fame.holes[value.hole];
    return list[value.place];
}
}  // namespace

const std::vector<FameValue>& FameValues() {
    static const std::vector<FameValue> values = BuildFameValues();
    return values;
}

std::int32_t& NumberOf(HoleOfFame& fame, const FameValue& value) {
    switch (value.field) {
        case FameValue::Field::Check1:
            return fame.rcs1;
        case FameValue::Field::Check2:
            return fame.rcs2;
        case FameValue::Field::Place:
            return RecordOf(fame, value).place;
        case FameValue::Field::Strokes:
            return RecordOf(fame, value).strokes[value.strokeHole];
        case FameValue::Field::Total:
            return RecordOf(fame, value).total;
        case FameValue::Field::Name:
            break;
    }
    throw std::logic_error("the name value " + value.name + " holds no number");
}

std::string& TextOf(HoleOfFame& fame, const FameValue& value) {
    return RecordOf(fame, value).name;
}
