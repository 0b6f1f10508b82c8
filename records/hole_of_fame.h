#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "course/limits.h"

// The Hole of Fame: the ten best results ever played on this machine, per series of
// course holes and per single course hole. Tables are 1-based like the rest of the game.

/// The strokes and total of an empty place, and the value that marks a place as empty.
inline constexpr int NoResult = 777;
/// The place number of an empty place.
inline constexpr int kEmptyPlace = -1;
inline constexpr int kFamePlaces = 10;
inline constexpr int kSeriesCount = 4;

/// The series lists, in the order of the tournament record's `SeriesEntered` flags.
enum Series : int { kSeries6 = 1, kSeries12 = 2, kSeries18 = 3, kSeries36 = 4 };
/// How many course holes (1..N) each series counts; entry 0 is spare.
inline constexpr std::array<int, kSeriesCount + 1> kSeriesHoles = {0, 6, 12, 18, 36};

/// Strokes per course hole 1..36, every one `NoResult`.
using FameStrokes = std::array<std::int32_t, kHoleCount + 1>;
constexpr FameStrokes NoStrokes() {
    FameStrokes strokes{};
    for (std::int32_t& s : strokes) s = NoResult;
    return strokes;
}

/// One place of a list.
struct FameRecord {
    /// The place shown, 1..10; results equal to the one above share its number; -1 when empty.
    std::int32_t place = kEmptyPlace;
    /// The player's name as it stood in the tournament when the result was entered.
    std::string name;
    /// Series lists: strokes on course holes 1..N. A single-hole list keeps its one stroke
    /// count in strokes[1].
    FameStrokes strokes = NoStrokes();
    /// Series lists only: the sum of strokes[1..N], by which the list is ordered.
    std::int32_t total = NoResult;

    bool operator==(const FameRecord&) const = default;
};

/// Places 1..10 of one list, best first, empty places last; place 0 is spare.
struct FameList {
    std::array<FameRecord, kFamePlaces + 1> places;

    FameRecord& operator[](int place) { return places[place]; }
    const FameRecord& operator[](int place) const { return places[place]; }
    bool operator==(const FameList&) const = default;
};

/// A result waiting to be written: where it goes and what it holds.
struct FameResult {
    int series = 0;  ///< 1..4 for a series list, 0 for the list of `hole`
    int hole = 0;    ///< the course hole of a single-hole list
    std::string name;
    FameStrokes strokes = NoStrokes();  ///< as in FameRecord
    std::int32_t total = NoResult;      ///< series results only
};

/// The 40 lists with their check values, as the game holds them in memory. A new one is
/// cleared.
struct HoleOfFame {
    std::array<FameList, kSeriesCount + 1> series;  ///< kSeries6..kSeries36
    std::array<FameList, kHoleCount + 1> holes;     ///< course holes 1..36
    std::int32_t rcs1 = 0;  ///< the check value as read from or written to "rcs1"
    std::int32_t rcs2 = 0;  ///< the same for "rcs2"

    /// Set when the user refused to clear a damaged store: the main window closes at its
    /// first paint, and nothing is written.
    bool closeOnPaint = false;
    /// Results of this run that no write has saved yet (the store could not be written or
    /// locked); every later save enters them into what is stored.
    std::vector<FameResult> unsaved;
    /// The user has been told once in this run that results are only kept in memory.
    bool unsavedWarningShown = false;
};

/// Every place of every list becomes empty: place -1, no name, strokes and totals 777;
/// both check values become 0. Memory only.
void ClearRecords(HoleOfFame& fame);

/// The weighted check value of the lists in memory. Names are not covered. The sum wraps
/// around in 32 bits, every product keeping its low 32 bits; a cleared store gives 17225000.
std::uint32_t RecordsChecksum(const HoleOfFame& fame);

/// Whether the two sets of 40 lists hold the same places, names, strokes and totals.
bool SameLists(const HoleOfFame& a, const HoleOfFame& b);
