#include "app/wave_sound_player.h"

#include <gtest/gtest.h>

#include "tests/platform_doubles.h"

namespace {
class WaveSoundPlayerTest : public ::testing::Test {
protected:
    /// Plays `name` at `ms` on the hand clock.
    void PlayAt(std::int64_t ms, const std::string& name, bool noStop = false) {
        clock.ticks = ms;
        sounds.Play(name, noStop);
    }
    std::string PlayingAt(std::int64_t ms) {
        clock.ticks = ms;
        return sounds.Playing();
    }

    HandClock clock;
    WaveSoundPlayer sounds{clock};
};

TEST_F(WaveSoundPlayerTest, EachSoundLastsAsLongAsItsWave) {
    // Lengths come from the embedded waves: Hit 120 ms, Applause 2.2 s.
    PlayAt(0, "Hit");
    EXPECT_EQ(PlayingAt(110), "HIT");
    EXPECT_EQ(PlayingAt(130), "");
    PlayAt(1000, "Applause");
    EXPECT_EQ(PlayingAt(3150), "APPLAUSE");
    EXPECT_EQ(PlayingAt(3250), "");
}

TEST_F(WaveSoundPlayerTest, ANewSoundCutsOffTheOneStillPlaying) {
    PlayAt(0, "Applause");
    PlayAt(500, "Clap");
    EXPECT_EQ(PlayingAt(600), "CLAP");
    EXPECT_EQ(PlayingAt(1300), "");  // the clap's 750 ms, not the applause's 2.2 s
}

TEST_F(WaveSoundPlayerTest, BounceIsDroppedWhileAnotherSoundPlays) {
    PlayAt(0, "Hit");
    PlayAt(50, "Bounce", true);
    EXPECT_EQ(PlayingAt(60), "HIT");
    EXPECT_EQ(PlayingAt(130), "");
    PlayAt(200, "Bounce", true);  // quiet: it plays, for 150 ms
    PlayAt(300, "Bounce", true);  // dropped, so the first still ends at 350
    EXPECT_EQ(PlayingAt(340), "BOUNCE");
    EXPECT_EQ(PlayingAt(360), "");
}

TEST_F(WaveSoundPlayerTest, NamesAreNotCaseSensitiveAndUnknownNamesAreIgnored) {
    for (const char* name : {"uh", "UH", "Uh", "uH"}) {
        PlayAt(0, "Laugh");
        PlayAt(10, name);
        EXPECT_EQ(PlayingAt(20), "UH") << name;
    }
    PlayAt(1000, "Whistle");
    PlayAt(1000, "");
    EXPECT_EQ(PlayingAt(1001), "");
}
}  // namespace
