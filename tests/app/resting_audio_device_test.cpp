// The audio device closes while the mixer is silent and opens again for the next wave or
// the tune, on SDL's dummy driver (which pulls in real time) with a short quiet time.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

#include "app/audio_format.h"
#include "app/audio_mixer.h"
#include "tests/app/audio_device_with_driver.h"

namespace {
using std::chrono::milliseconds;
constexpr milliseconds kQuiet{50};

TEST(RestingAudioDevice, ClosesWhenQuietAndReopensForAWaveThatIsThenHeardInFull) {
    AudioMixer mixer;
    const auto device = AudioDeviceWithDriver(mixer, "dummy", kQuiet);
    ASSERT_TRUE(device->Available());
    ASSERT_TRUE(HappensSoon([&] { return !device->OpenNow(); }));

    // A third of a second, far longer than the device's buffer of 23 ms.
    constexpr int kFrames = kMixRate / 3;
    const milliseconds length{1000 * kFrames / kMixRate};
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(mixer.PlayWave(
        std::make_shared<const MixWave>(MixWave{"LONG", std::vector<std::int16_t>(kFrames, 900)}),
        false));
    EXPECT_EQ(mixer.SoundingWave(), "LONG");  // it waits in the mixer for the device
    EXPECT_TRUE(HappensSoon([&] { return device->OpenNow(); }));
    ASSERT_TRUE(HappensSoon([&] { return mixer.SoundingWave().empty(); }));
    // Pulled in real time from its first frame: it sounded for its whole length, less at
    // most the one buffer pulled at once.
    EXPECT_GE(std::chrono::steady_clock::now() - started, length - milliseconds(23));
    EXPECT_TRUE(HappensSoon([&] { return !device->OpenNow(); }));
}

TEST(RestingAudioDevice, StaysOpenWhileTheTunePlaysAndClosesOnceItIsStopped) {
    AudioMixer mixer;
    const auto device = AudioDeviceWithDriver(mixer, "dummy", kQuiet);
    ASSERT_TRUE(device->Available());
    ASSERT_TRUE(HappensSoon([&] { return !device->OpenNow(); }));
    constexpr std::size_t kFrames = 10 * kMixRate;  // ten seconds of silence
    auto tune = std::make_shared<RenderedTune>(kFrames);
    std::fill_n(tune->Frame(0), kFrames * kMixChannels, std::int16_t{0});
    tune->Publish(kFrames);
    tune->Finish();
    mixer.SetTune(tune);
    mixer.PlayTune(1);
    ASSERT_TRUE(HappensSoon([&] { return mixer.TunePlace() > 0; }));
    std::this_thread::sleep_for(6 * kQuiet);
    EXPECT_TRUE(device->OpenNow());
    const std::size_t place = mixer.TunePlace();
    EXPECT_TRUE(HappensSoon([&] { return mixer.TunePlace() > place; }));
    mixer.StopTune();
    EXPECT_TRUE(HappensSoon([&] { return !device->OpenNow(); }));
}
}  // namespace
