#pragma once

#include <cstdint>
#include <vector>

/// The game's background tune as a Standard MIDI File: a tempo track, then melody, chords,
/// bass and drums on General MIDI channels, sixteen bars at 120 beats a minute.
std::vector<std::uint8_t> QuelvaneTuneBytes();
