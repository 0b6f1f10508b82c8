#pragma once

#include "records/hole_of_fame.h"
#include "records/key_value_store.h"

/// Reads the 1,922 values in their fixed order into `fame`, stopping at the first read that
/// fails (a number missing or not a 32-bit integer, a name that is not a string); a missing
/// name reads as empty. True when every value was read. What is not read keeps its value.
bool ReadRecords(HoleOfFame& fame, KeyValueStore& store);

/// Sets both check values to RecordsChecksum(), writes the 1,922 values in their fixed
/// order and commits them as one; false when the store could not be written.
bool WriteRecords(HoleOfFame& fame, KeyValueStore& store);

/// Whether the check values read agree with each other and with the lists.
bool RecordsVerified(const HoleOfFame& fame);
