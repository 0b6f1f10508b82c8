#pragma once

#include <cstdint>
#include <vector>

/// One track of a Standard MIDI File: events placed at absolute ticks, in any order.
class MidiTrack {
public:
    /// A channel message (note on, program change, ...) or meta event bytes at `tick`.
    void Add(std::uint32_t tick, std::vector<std::uint8_t> bytes);
    /// A note on `channel` (0..15) from `tick` for `length` ticks.
    void Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
    /// The track chunk ("MTrk", length, delta-timed events, end of track).
    std::vector<std::uint8_t> Chunk() const;

private:
    struct Event {
        std::uint32_t tick;
        int order;  // keeps events at the same tick in the order they were added
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Event> events_;
};

/// A format-1 Standard MIDI File of `tracks` with `ticksPerQuarter` ticks per quarter note.
std::vector<std::uint8_t> MidiFileBytes(int ticksPerQuarter, const std::vector<MidiTrack>& tracks);
