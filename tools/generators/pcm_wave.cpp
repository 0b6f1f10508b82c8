#include "tools/generators/pcm_wave.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {
void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}
}  // namespace

std::vector<std::uint8_t> PcmWaveBytes(const MonoSound& sound) {
    constexpr int kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(sound.samples.size() * kBytesPerSample);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    PutLittleEndian(out, 36 + dataBytes, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLittleEndian(out, 16, 4);  // size of the format chunk
    PutLittleEndian(out, 1, 2);   // PCM
    PutLittleEndian(out, 1, 2);   // mono
    PutLittleEndian(out, static_cast<std::uint32_t>(sound.sampleRate), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(sound.sampleRate * kBytesPerSample), 4);
    PutLittleEndian(out, kBytesPerSample, 2);
    PutLittleEndian(out, 16, 2);
    PutTag(out, "data");
    PutLittleEndian(out, dataBytes, 4);
    for (double sample : sound.samples) {
        const long value = std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0);
        PutLittleEndian(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)), 2);
    }
    return out;
}

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
