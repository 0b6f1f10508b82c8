#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/hole_of_fame.h"

/// One stored value of the Hole of Fame: its name and the field of the lists it holds.
struct FameValue {
    enum class Field { Check1, Check2, Place, Name, Strokes, Total };
    std::string name;
    Field field;
    int series = 0;      ///< kSeries6..kSeries36, or 0 for the list of a single hole
    int hole = 0;        ///< the course hole of a single-hole list
    int place = 0;       ///< 1..10
    int strokeHole = 0;  ///< Strokes: the index into FameRecord::strokes

    bool IsText() const { return field == Field::Name; }
};

/// The Hole of Fame's 1,922 values in their one fixed order of reading and writing:
/// "rcs1"; for each place i = 1..10 the 6-, 12-, 18- and 36-hole lists ("p6_i", "n6_i",
/// "h6_k_i" for k = 1..6, "t6_i", ...), then each course hole j ("ps_j_i", "ns_j_i",
/// "hs_j_i"); last "rcs2".
const std::vector<FameValue>& FameValues();

/// The number a value holds (not for names).
std::int32_t& NumberOf(HoleOfFame& fame, const FameValue& value);
/// The name a name value holds.
std::string& TextOf(HoleOfFame& fame, const FameValue& value);
