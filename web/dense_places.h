#pragma once

#include <vector>

#include "web/score_entry.h"

/// Numbers places as the game's scoreboard does: the best total is place 1 and a place grows
/// by one only when the total grows, so totals 30, 30, 35 get places 1, 1, 2. The entries come
/// best first.
std::vector<RankedScore> AssignDensePlaces(std::vector<StoredScore> bestFirst);
