// The audio device's thread, the synthesiser's thread and the GUI thread's commands at the
// same time. Built a second time under ThreadSanitizer (tests/thread_sanitizer/), where
// any data race fails it.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "app/audio_mixer.h"
#include "app/tune_renderer.h"
#include "tests/app/audio_device_with_driver.h"
#include "tools/generators/midi_file.h"

namespace {
/// A short tune (about 0.4 s), so that it ends and starts over many times.
std::vector<std::uint8_t> ShortTune() {
    MidiTrack track;
    for (int i = 0; i < 4; ++i) track.Note(i * 100, 90, 0, 60 + 4 * i, 100);
    return MidiFileBytes(480, {track});
}

std::shared_ptr<const MixWave> Wave(const char* name, std::size_t frames) {
    return std::make_shared<const MixWave>(MixWave{name, std::vector<std::int16_t>(frames, 900)});
}

TEST(AudioThreads, SoundsAndTheTunePlayStopAndCutWhileTheDeviceAndSynthesiserRun) {
    AudioMixer mixer;
    const auto device = AudioDeviceWithDriver(mixer, "dummy");
    ASSERT_TRUE(device->Available());
    std::atomic<int> ends{0};
    mixer.SetTuneEndReport([&](unsigned) { ++ends; });
    TuneRenderer renderer("/usr/share/sounds/sf2/default-GM.sf2", ShortTune());
    mixer.SetTune(renderer.Tune());

    const auto hit = Wave("HIT", 441), bounce = Wave("BOUNCE", 4410);
    // At least a second and a half, and on a busy machine until the tune has ended twice.
    const auto start = std::chrono::steady_clock::now();
    auto goOn = [&] {
        const auto elapsed = std::chrono::steady_clock::now() - start;
        return elapsed < std::chrono::milliseconds(1500) ||
               (ends < 2 && elapsed < std::chrono::seconds(60));
    };
    int soundsHeard = 0;
    for (unsigned i = 1; goOn(); ++i) {
        mixer.PlayWave(i % 3 ? bounce : hit, i % 2 == 0);
        if (i % 11 == 0)
            mixer.StopTune();
        else if (i % 4 == 0 && !mixer.TunePlaying())
            mixer.PlayTune(i);
        soundsHeard += !mixer.SoundingWave().empty();
        mixer.TunePlace();
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    mixer.SetTuneEndReport(nullptr);
    EXPECT_GT(soundsHeard, 0);
    EXPECT_GE(ends.load(), 2);
}

TEST(AudioThreads, TheDeviceClosesAndReopensManyTimesWhileSoundsAndTheTunePlayAndStop) {
    AudioMixer mixer;
    const auto device = AudioDeviceWithDriver(mixer, "dummy", std::chrono::milliseconds(20));
    ASSERT_TRUE(device->Available());
    std::atomic<int> ends{0};
    mixer.SetTuneEndReport([&](unsigned) { ++ends; });
    TuneRenderer renderer("/usr/share/sounds/sf2/default-GM.sf2", ShortTune());
    mixer.SetTune(renderer.Tune());

    const auto hit = Wave("HIT", 441), bounce = Wave("BOUNCE", 2205);
    constexpr int kRounds = 15;
    int closes = 0;
    for (unsigned round = 1; round <= kRounds; ++round) {
        // Sounds and the tune start while the device may still be closing or opening.
        for (unsigned i = 1; i <= 10; ++i) {
            mixer.PlayWave(i % 3 ? bounce : hit, i % 2 == 0);
            if (i == 2 && round % 2) mixer.PlayTune(round);
            if (i == 7) mixer.StopTune();
            mixer.Audible();
            std::this_thread::sleep_for(std::chrono::milliseconds(3));
        }
        closes += HappensSoon([&] { return !device->OpenNow(); });
    }
    mixer.PlayWave(bounce, false);
    EXPECT_TRUE(HappensSoon([&] { return mixer.SoundingWave().empty(); }));
    mixer.SetTuneEndReport(nullptr);
    EXPECT_EQ(closes, kRounds);
}
}  // namespace
