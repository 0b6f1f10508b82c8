#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// What is wrong with the Standard MIDI File `bytes` ("" when nothing is): its header, a
/// track chunk running past the end, or an event that does not fit its track.
std::string MidiFileFault(const std::vector<std::uint8_t>& bytes);
