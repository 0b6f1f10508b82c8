#include <gtest/gtest.h>

#include "app/fluid_music_player.h"
#include "app/tune_progress.h"

namespace {
using Mode = MusicPlayer::Mode;

class TuneProgressTest : public ::testing::Test {
protected:
    TuneProgressTest() {
        progress.Opened();
        Ask();
    }
    void Ask() {
        progress.NotifyOnce([this] { ++reports; });
    }

    TuneProgress progress;
    int reports = 0;
};

TEST_F(TuneProgressTest, StopThenPlayResumesWhereItStopped) {
    EXPECT_EQ(progress.Play(), 0);
    EXPECT_FALSE(progress.Advance(4800, 30710));
    progress.Stop(5200);
    EXPECT_EQ(progress.CurrentMode(), Mode::Stopped);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(progress.Play(), 5200);
    EXPECT_EQ(progress.CurrentMode(), Mode::Playing);
}

TEST_F(TuneProgressTest, TheEndStopsReportsOnceAndPlayStartsOver) {
    progress.Play();
    EXPECT_FALSE(progress.Advance(30000, 30710));
    EXPECT_TRUE(progress.Advance(30718, 30710));
    EXPECT_EQ(progress.CurrentMode(), Mode::Stopped);
    EXPECT_EQ(reports, 0);  // the caller halts the sequencer first
    progress.Completed();
    progress.Completed();
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(progress.Play(), 0);
}

TEST_F(TuneProgressTest, NothingEndsBeforeTheSequencerKnowsTheTunesLength) {
    progress.Play();
    EXPECT_FALSE(progress.Advance(0, 0));
    EXPECT_FALSE(progress.Advance(120, 0));
    EXPECT_EQ(progress.CurrentMode(), Mode::Playing);
}

TEST_F(TuneProgressTest, CommandsThatChangeNothing) {
    progress.Play();
    EXPECT_EQ(progress.Play(), -1);  // already playing: plays on

    TuneProgress closed;
    closed.NotifyOnce([this] { ++reports; });
    EXPECT_EQ(closed.Play(), -1);
    closed.Stop(0);
    EXPECT_FALSE(closed.Advance(40000, 30710));
    EXPECT_EQ(closed.CurrentMode(), Mode::NotOpen);
    EXPECT_EQ(reports, 0);
}

TEST(FluidMusicPlayer, AMissingFileCannotBeOpenedAndLeavesThePlayerClosed) {
    for (const char* file : {"no-such-tune.mid", "/no/such/folder/quelvane.mid"}) {
        FluidMusicPlayer player;
        int reports = 0;
        player.NotifyOnce([&] { ++reports; });
        EXPECT_FALSE(player.Open(file)) << file;
        player.Play();
        player.Stop();
        EXPECT_EQ(player.CurrentMode(), Mode::NotOpen);
        EXPECT_EQ(reports, 0);
    }
}
}  // namespace
