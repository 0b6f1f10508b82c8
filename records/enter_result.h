#pragma once

#include <vector>

#include "play/tournament.h"
#include "records/hole_of_fame.h"

/// The results a player reaches by finishing course hole `hole`, his strokes on it final:
/// the hole's own result when it took fewer than 9 strokes, and each series whose holes
/// 1..N he has now all finished and has not entered yet in this tournament. Marks those
/// series entered in his `SeriesEntered` flags, whether or not they make a list.
std::vector<FameResult> FinishedHoleResults(PlayerRecord& player, int hole);

/// Enters a result into its list: before the first place whose result is strictly worse,
/// the places below moving down one and the tenth dropping out; then the places are
/// numbered anew so that equal results share the number of the first of them. A result
/// no better than the tenth place leaves the list unchanged.
void EnterResult(HoleOfFame& fame, const FameResult& result);
