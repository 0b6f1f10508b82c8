// The six wave sounds through the mixer: which one sounds is read from the mixer's own
// place in the wave, moved on here by pulling frames as the audio device would.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>

#include "app/audio_format.h"
#include "app/audio_mixer.h"
#include "app/mixer_sound_player.h"
#include "app/wave_decoding.h"
#include "tests/app/audio_device_with_driver.h"
#include "tools/generators/game_sounds.h"

namespace {
class SoundMixingTest : public ::testing::Test {
protected:
    /// The device plays `frames` frames; returns the loudest sample it got.
    int Pull(int frames) {
        std::vector<std::int16_t> out(2 * frames);
        mixer.Mix(out.data(), frames);
        int loudest = 0;
        for (std::int16_t sample : out) loudest = std::max(loudest, std::abs(int{sample}));
        return loudest;
    }

    /// The length of the sound `name` at the mix rate, from the wave our generator makes.
    static int FramesOf(const std::string& name) {
        for (const NamedSound& sound : GameSounds())
            if (sound.name == Upper(name))
                return static_cast<int>(sound.sound.samples.size() * kMixRate /
                                        sound.sound.sampleRate);
        return 0;
    }
    static std::string Upper(std::string text) {
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return text;
    }

    AudioMixer mixer;
    MixerSoundPlayer sounds{mixer, true};
};

TEST_F(SoundMixingTest, EachSoundLastsAsLongAsItsWaveToTheFrame) {
    for (const char* name : {"Hit", "Applause"}) {
        const int frames = FramesOf(name);
        sounds.Play(name, false);
        EXPECT_GT(Pull(frames - 1), 1000) << name;
        EXPECT_FALSE(mixer.SoundingWave().empty()) << name;
        Pull(1);
        EXPECT_EQ(mixer.SoundingWave(), "") << name;
        EXPECT_EQ(Pull(100), 0) << name;
    }
}

TEST_F(SoundMixingTest, ANewSoundCutsOffTheOneStillPlaying) {
    sounds.Play("Applause", false);
    Pull(FramesOf("Applause") / 4);
    sounds.Play("Clap", false);
    Pull(FramesOf("Clap") - 1);
    EXPECT_EQ(mixer.SoundingWave(), "CLAP");
    Pull(1);
    EXPECT_EQ(mixer.SoundingWave(), "");  // the clap's length, not what was left of the applause
}

TEST_F(SoundMixingTest, BounceIsDroppedWhileAnotherSoundPlaysToItsLastFrame) {
    sounds.Play("Hit", false);
    Pull(FramesOf("Hit") - 1);  // one frame of the hit is left
    sounds.Play("Bounce", true);
    EXPECT_EQ(mixer.SoundingWave(), "HIT");
    Pull(1);
    EXPECT_EQ(mixer.SoundingWave(), "");
    sounds.Play("Bounce", true);  // quiet now: it plays
    Pull(100);
    sounds.Play("Bounce", true);  // dropped, so the first still ends on time
    Pull(FramesOf("Bounce") - 101);
    EXPECT_EQ(mixer.SoundingWave(), "BOUNCE");
    Pull(1);
    EXPECT_EQ(mixer.SoundingWave(), "");
}

TEST_F(SoundMixingTest, NamesAreNotCaseSensitiveAndUnknownNamesAreIgnored) {
    for (const char* name : {"uh", "UH", "Uh", "uH"}) {
        sounds.Play("Laugh", false);
        Pull(441);
        sounds.Play(name, false);
        EXPECT_EQ(mixer.SoundingWave(), "UH") << name;
    }
    Pull(FramesOf("Uh"));
    sounds.Play("Whistle", false);
    sounds.Play("", false);
    EXPECT_EQ(mixer.SoundingWave(), "");
}

TEST(SoundMixing, TheWaveIsMixedOverTheTuneOnBothChannelsWithoutWrappingAround) {
    AudioMixer mixer;
    auto tune = std::make_shared<RenderedTune>(4);
    const std::int16_t tuneSamples[] = {30000, -30000, 100, 200, 0, 0, -5, 5};
    std::copy(std::begin(tuneSamples), std::end(tuneSamples), tune->Frame(0));
    tune->Publish(4);
    tune->Finish();
    mixer.SetTune(tune);
    mixer.PlayTune(1);
    mixer.PlayWave(std::make_shared<const MixWave>(MixWave{"LOUD", {10000, 10000, 7}}), false);
    std::int16_t out[8];
    mixer.Mix(out, 4);
    EXPECT_EQ(std::vector<std::int16_t>(out, out + 8),
              (std::vector<std::int16_t>{32767, -20000, 10100, 10200, 7, 7, -5, 5}));
}

TEST(SoundMixing, WithoutAnAudioDeviceTheGameIsSilent) {
    AudioMixer mixer;
    const auto device = AudioDeviceWithDriver(mixer, "no-such-driver");
    EXPECT_FALSE(device->Available());
    MixerSoundPlayer sounds{mixer, device->Available()};
    sounds.Play("Hit", false);
    EXPECT_EQ(mixer.SoundingWave(), "");
}

TEST(WaveDecoding, OurWavesDecodeToTheMixRateAndDamagedOnesAreRefused) {
    const MonoSound hit = GameSounds().front().sound;
    const std::vector<std::uint8_t> good = PcmWaveBytes(hit);
    std::string fault;
    const auto samples = DecodeWave(good, fault);
    ASSERT_TRUE(samples) << fault;
    EXPECT_EQ(samples->size(), hit.samples.size() * kMixRate / hit.sampleRate);

    auto changed = [&](std::size_t at, std::size_t count, std::uint8_t value) {
        std::vector<std::uint8_t> bytes = good;
        std::fill_n(bytes.begin() + at, count, value);
        return bytes;
    };
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } damaged[] = {
        {"nothing", {}},
        {"not a RIFF file", changed(0, 1, 'X')},
        {"not a WAVE", changed(8, 1, 'X')},
        {"cut short", std::vector<std::uint8_t>(good.begin(), good.begin() + good.size() / 2)},
        {"no format chunk", changed(12, 1, 'X')},
        {"no channels", changed(22, 2, 0)},
        {"no sample rate", changed(24, 4, 0)},
    };
    for (const auto& c : damaged) {
        fault.clear();
        EXPECT_FALSE(DecodeWave(c.bytes, fault)) << c.what;
        EXPECT_FALSE(fault.empty()) << c.what;
    }
}
}  // namespace
