#pragma once

#include "play/platform.h"
#include "records/hole_of_fame.h"
#include "records/key_value_store.h"

/// The start-up check of the Hole of Fame, run once when the main window is created:
/// clears `closeOnPaint` and the lists, opens the store and reads it.
/// - No store yet, or only its first check value "rcs1" missing: the lists start empty
///   and are written at once, without asking.
/// - A later value missing or unreadable, a store that cannot be parsed, or check values
///   that do not match: asks "Error reading Hole of Fame. Do you want to clear all
///   records?". OK clears the lists and writes them; Cancel sets `closeOnPaint` and writes
///   nothing, so the stored values stay untouched.
/// - A store that cannot be read at all: the user is warned, and the run plays on with
///   empty lists kept in memory.
void LoadRecords(HoleOfFame& fame, KeyValueStore& store, Prompt& prompt);
