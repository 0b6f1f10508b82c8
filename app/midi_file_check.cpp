#include "app/midi_file_check.h"

#include <cstddef>
#include <optional>

namespace {
using Bytes = std::vector<std::uint8_t>;

std::uint32_t BigEndian(const Bytes& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) value = (value << 8) | bytes[at + i];
    return value;
}

/// Reads a variable-length quantity (at most four bytes) at `at` before `end`.
std::optional<std::uint32_t> VariableLength(const Bytes& bytes, std::size_t& at, std::size_t end) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        if (at >= end) return std::nullopt;
        const std::uint8_t byte = bytes[at++];
        value = (value << 7) | (byte & 0x7F);
        if (!(byte & 0x80)) return value;
    }
    return std::nullopt;
}

/// The data bytes that follow a channel message's status byte.
int DataBytes(std::uint8_t status) {
    const int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

std::string TrackFault(const Bytes& bytes, std::size_t at, std::size_t end) {
    std::uint8_t runningStatus = 0;
    while (at < end) {
        if (!VariableLength(bytes, at, end)) return "a delta time runs past its track";
        if (at >= end) return "a track ends inside an event";
        std::uint8_t status = bytes[at];
        if (status & 0x80) {
            ++at;
        } else if (runningStatus == 0) {
            return "a data byte without a status";
        } else {
            status = runningStatus;
        }
        if (status == 0xFF || status == 0xF0 || status == 0xF7) {
            if (status == 0xFF && at++ >= end) return "a meta event runs past its track";
            const auto length = VariableLength(bytes, at, end);
            if (!length || *length > end - at) return "an event runs past its track";
            at += *length;
            runningStatus = 0;
        } else if (status >= 0xF0) {
            return "a system message inside a track";
        } else {
            runningStatus = status;
            for (int i = 0; i < DataBytes(status); ++i) {
                if (at >= end || (bytes[at] & 0x80)) return "a channel message is cut short";
                ++at;
            }
        }
    }
    return "";
}
}  // namespace

std::string MidiFileFault(const Bytes& bytes) {
    if (bytes.size() < 14 || BigEndian(bytes, 0, 4) != 0x4D546864 /* MThd */)
        return "not a MIDI file";
    const std::uint32_t headerLength = BigEndian(bytes, 4, 4);
    const std::uint32_t format = BigEndian(bytes, 8, 2);
    const std::uint32_t tracks = BigEndian(bytes, 10, 2);
    const std::uint32_t division = BigEndian(bytes, 12, 2);
    if (headerLength < 6 || format > 2 || tracks == 0 || division == 0)
        return "its header is damaged";
    std::size_t at = 8 + static_cast<std::size_t>(headerLength);
    // Chunks of other kinds may stand between the tracks; they are skipped.
    for (std::uint32_t found = 0; found < tracks;) {
        if (at + 8 > bytes.size()) return "a track is missing";
        const std::uint32_t length = BigEndian(bytes, at + 4, 4);
        if (length > bytes.size() - at - 8) return "a track runs past the end of the file";
        if (BigEndian(bytes, at, 4) == 0x4D54726B /* MTrk */) {
            if (std::string fault = TrackFault(bytes, at + 8, at + 8 + length); !fault.empty())
                return fault;
            ++found;
        }
        at += 8 + static_cast<std::size_t>(length);
    }
    return "";
}
