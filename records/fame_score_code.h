#pragma once

#include <optional>
#include <string>

#include "records/hole_of_fame.h"
#include "records/score_code.h"

/// The strokes of place 1 of the 36-hole list: nothing while the list holds no result, nor
/// for a place whose counts are not those of a finished 36-hole series (every hole 1..9,
/// their sum the total), so that the game never hands out a code the score list refuses.
std::optional<SeriesStrokes> BestSeriesStrokes(const FameList& thirtySixHoles);

/// The web score code of place 1 of the 36-hole list; empty when it has no strokes above.
std::string ScoreCode(const FameList& thirtySixHoles);
