#pragma once

#include <string>

#include "play/platform.h"
#include "play/tournament.h"
#include "records/hole_of_fame.h"
#include "records/key_value_store.h"

/// Writes the lists in memory under the store's lock. When another running copy of the game
/// has stored other lists since, this run's unsaved results are entered into those first,
/// so that neither copy's results are lost. When the store cannot be locked or written the
/// results stay in memory for the next save, and the user is told once per run.
/// True when the store now holds every result of this run.
bool SaveRecords(HoleOfFame& fame, KeyValueStore& store, Prompt& prompt);

/// Enters what player `player` reaches by finishing course hole `hole` (strokes final,
/// hole marked done) into the lists, and always saves them.
void UpdateRecords(HoleOfFame& fame, PlayerRecord& player, int hole, KeyValueStore& store,
                   Prompt& prompt);

/// Tells the user, once per run, that `problem` and that the results stay in memory.
void WarnKeptInMemory(HoleOfFame& fame, Prompt& prompt, const std::string& problem);
