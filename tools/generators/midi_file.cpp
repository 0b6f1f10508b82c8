#include "tools/generators/midi_file.h"

#include <algorithm>

namespace {
void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

/// MIDI's variable-length quantity: seven bits a byte, high bit set on all but the last.
void PutVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 1) out.push_back(groups[--count] | 0x80);
    out.push_back(groups[0]);
}
}  // namespace

void MidiTrack::Add(std::uint32_t tick, std::vector<std::uint8_t> bytes) {
    events_.push_back({tick, static_cast<int>(events_.size()), std::move(bytes)});
}

void MidiTrack::Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
    const auto status = static_cast<std::uint8_t>(channel & 0x0F);
    // The note off is added first so that a repeated key ends before it starts again.
    Add(tick + length,
        {static_cast<std::uint8_t>(0x80 | status), static_cast<std::uint8_t>(key), 0});
    Add(tick, {static_cast<std::uint8_t>(0x90 | status), static_cast<std::uint8_t>(key),
               static_cast<std::uint8_t>(velocity)});
}

std::vector<std::uint8_t> MidiTrack::Chunk() const {
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<std::uint8_t> body;
    std::uint32_t last = 0;
    for (const Event& event : sorted) {
        PutVariableLength(body, event.tick - last);
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
        last = event.tick;
    }
    body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});  // end of track
    std::vector<std::uint8_t> chunk{'M', 'T', 'r', 'k'};
    PutBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<std::uint8_t> MidiFileBytes(int ticksPerQuarter, const std::vector<MidiTrack>& tracks) {
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
    PutBigEndian(out, 6, 4);
    PutBigEndian(out, 1, 2);  // format 1: tracks played together
    PutBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
    PutBigEndian(out, static_cast<std::uint32_t>(ticksPerQuarter), 2);
    for (const MidiTrack& track : tracks) {
        const std::vector<std::uint8_t> chunk = track.Chunk();
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}
