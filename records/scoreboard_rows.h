#pragma once

#include <vector>

#include "play/tournament.h"

/// One row of the scoreboard: the player slot and its place number.
struct ScoreboardRow {
    int slot = 0;
    int place = 0;
};

/// The players of the tournament, fewest strokes first and the lower slot first on equal
/// totals; equal totals share a place and the next total takes the next number (30, 30, 35
/// get places 1, 1, 2).
std::vector<ScoreboardRow> ScoreboardOrder(const Tournament& tournament);
