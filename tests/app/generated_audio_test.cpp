// The generated tune is a well-formed MIDI file, and the synthesiser plays it to its end.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <set>
#include <thread>
#include <vector>

#include "app/audio_format.h"
#include "app/tune_renderer.h"
#include "tools/generators/tune.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

std::uint32_t BigEndian(const Bytes& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) value = (value << 8) | bytes.at(at + i);
    return value;
}

/// What a walk over a track's events finds.
struct TrackSummary {
    std::uint32_t lastTick = 0;
    std::set<int> noteChannels;
    std::uint32_t tempo = 0;  // microseconds a quarter, from a tempo event
    bool endsWithEndOfTrack = false;
};

TrackSummary WalkTrack(const Bytes& bytes, std::size_t at, std::size_t end) {
    TrackSummary summary;
    while (at < end) {
        std::uint32_t delta = 0;
        std::uint8_t byte = 0;
        do {
            byte = bytes.at(at++);
            delta = (delta << 7) | (byte & 0x7F);
        } while (byte & 0x80);
        summary.lastTick += delta;
        const std::uint8_t status = bytes.at(at++);
        summary.endsWithEndOfTrack = false;
        if (status == 0xFF) {
            const std::uint8_t type = bytes.at(at++);
            const std::uint8_t length = bytes.at(at++);
            if (type == 0x51) summary.tempo = BigEndian(bytes, at, 3);
            summary.endsWithEndOfTrack = type == 0x2F && length == 0;
            at += length;
        } else if ((status & 0xF0) == 0xC0) {
            at += 1;
        } else {
            EXPECT_TRUE((status & 0xF0) == 0x80 || (status & 0xF0) == 0x90) << int(status);
            summary.noteChannels.insert(status & 0x0F);
            at += 2;
        }
    }
    EXPECT_EQ(at, end);
    return summary;
}

TEST(GeneratedTune, IsAStandardMidiFileWithMelodyChordsBassAndDrumsOfHalfAMinute) {
    const Bytes tune = QuelvaneTuneBytes();
    ASSERT_GE(tune.size(), 14u);
    EXPECT_EQ(std::string(tune.begin(), tune.begin() + 4), "MThd");
    EXPECT_EQ(BigEndian(tune, 4, 4), 6u);
    EXPECT_EQ(BigEndian(tune, 8, 2), 1u);  // format 1
    const std::uint32_t tracks = BigEndian(tune, 10, 2);
    const std::uint32_t division = BigEndian(tune, 12, 2);
    EXPECT_EQ(tracks, 5u);

    std::size_t at = 14;
    std::uint32_t lastTick = 0, tempo = 0;
    std::set<int> channels;
    for (std::uint32_t track = 0; track < tracks; ++track) {
        ASSERT_LE(at + 8, tune.size());
        EXPECT_EQ(std::string(tune.begin() + at, tune.begin() + at + 4), "MTrk");
        const std::size_t end = at + 8 + BigEndian(tune, at + 4, 4);
        ASSERT_LE(end, tune.size());
        const TrackSummary summary = WalkTrack(tune, at + 8, end);
        EXPECT_TRUE(summary.endsWithEndOfTrack) << "track " << track;
        lastTick = std::max(lastTick, summary.lastTick);
        tempo = std::max(tempo, summary.tempo);
        channels.insert(summary.noteChannels.begin(), summary.noteChannels.end());
        at = end;
    }
    EXPECT_EQ(at, tune.size());
    EXPECT_EQ(channels, (std::set<int>{0, 1, 2, 9}));
    const double seconds = static_cast<double>(lastTick) / division * tempo / 1e6;
    EXPECT_GE(seconds, 30.0);
    EXPECT_LE(seconds, 60.0);
}

TEST(GeneratedTune, TheSynthesiserRendersItToTheEndAudibly) {
    TuneRenderer renderer("/usr/share/sounds/sf2/default-GM.sf2", QuelvaneTuneBytes());
    const std::shared_ptr<const RenderedTune> tune = renderer.Tune();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (!tune->Complete() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(tune->Complete());

    const std::size_t frames = tune->Rendered();
    double sumOfSquares = 0;
    for (std::size_t i = 0; i < frames * kMixChannels; ++i)
        sumOfSquares += double(tune->Frame(0)[i]) * tune->Frame(0)[i];
    const double rms = std::sqrt(sumOfSquares / double(frames * kMixChannels));
    EXPECT_NEAR(double(frames) / kMixRate, 32.0, 0.5);
    EXPECT_GT(rms, 300.0);  // clearly audible, not silence
    EXPECT_LT(rms, 12000.0);
}
}  // namespace
