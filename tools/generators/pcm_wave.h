#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// Mono samples in -1..1 at `sampleRate`, as our sound synthesis makes them.
struct MonoSound {
    int sampleRate = 22050;
    std::vector<double> samples;
};

/// The bytes of a 16-bit PCM mono WAVE file holding `sound`, clipped to full scale.
std::vector<std::uint8_t> PcmWaveBytes(const MonoSound& sound);

/// Writes `bytes` to `path`; false when the file cannot be written.
bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
