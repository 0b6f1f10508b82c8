#include <gtest/gtest.h>

#include "tests/play/play_fixture.h"

namespace {
using FrameLoop = PlayFixture;

TEST_F(FrameLoop, RunsOneStepPerNewFrameHoweverManyHavePassed) {
    game_.playState = PlayState::Idle;
    const int before = host_.attractFrames;
    loop_.AppIdle(ticks_ + 19);  // the frame that ran is still going on
    loop_.AppIdle(ticks_ + 19);
    EXPECT_EQ(host_.attractFrames, before);
    Frame(1);
    EXPECT_EQ(game_.framesElapsed, 1);
    EXPECT_EQ(host_.attractFrames, before + 1);
    Frame(15);
    EXPECT_EQ(game_.framesElapsed, 15);
    EXPECT_EQ(host_.attractFrames, before + 2);
    game_.attractPaused = true;
    Frame();
    EXPECT_EQ(host_.attractFrames, before + 2);
}

TEST_F(FrameLoop, TurnIntroCatchesUpByAtMostTenSteps) {
    game_.playState = PlayState::TurnIntro;
    game_.introLength = 90;
    game_.introSpinStep = -2.0f;
    game_.view.spin = 100.0f;
    Frame(3);
    EXPECT_EQ(game_.introFrame, 3);
    Frame(15);
    EXPECT_EQ(game_.introFrame, 13);
    EXPECT_FLOAT_EQ(game_.view.spin, 100.0f - 26.0f);
    EXPECT_EQ(host_.scenes, 2);
    EXPECT_EQ(host_.framesPresented, 2);
}

TEST_F(FrameLoop, IntroOfTenStepsEndsAfterElevenWithTheBallDrawn) {
    LoadHole(game_.course, 1, game_.solid);
    game_.tournament.currentHole = 1;
    game_.playState = PlayState::TurnIntro;
    game_.introLength = 10;
    game_.introSpinStep = 2.0f;
    game_.view.spin = 0.0f;
    int frames = 0;
    while (game_.playState == PlayState::TurnIntro && frames < 100) {
        Frame();
        ++frames;
    }
    EXPECT_EQ(frames, 11);
    EXPECT_FLOAT_EQ(game_.view.spin, 22.0f);
    EXPECT_EQ(game_.playState, PlayState::Aiming);
    EXPECT_EQ(host_.saves, 1);
    EXPECT_EQ(host_.balls, 1);
    EXPECT_TRUE(host_.lastBallShadow);
}

TEST_F(FrameLoop, AStateOutsideTheTableDoesNothing) {
    game_.playState = static_cast<PlayState>(6);
    Frame();
    game_.playState = static_cast<PlayState>(255);
    Frame();
    EXPECT_EQ(host_.framesPresented + host_.scenes + host_.attractFrames + host_.balls, 0);
    EXPECT_TRUE(host_.rects.empty());
}

TEST_F(FrameLoop, ClosingFrameShowsGrassAndGivesTheMenusBack) {
    host_.menusRunning = true;
    game_.playState = PlayState::TournamentOver;
    Frame();
    EXPECT_EQ(game_.playState, PlayState::Idle);
    EXPECT_EQ(host_.grassOnly, 1);
    EXPECT_EQ(host_.framesPresented, 1);
    EXPECT_FALSE(host_.menusRunning);
    EXPECT_EQ(host_.scoreboardRepaints, 1);
}

TEST_F(FrameLoop, RollingFrameMovesTheBallAndCopiesOnlyItsTwoRectangles) {
    Players({1});
    loop_.StartTournamentPlay();
    host_.rects.clear();
    game_.playState = PlayState::Rolling;
    game_.ball.vx = 5.0f;
    const float x = game_.ball.x;
    Frame();
    EXPECT_FLOAT_EQ(game_.ball.x, x + 5.0f);
    ASSERT_EQ(host_.rects.size(), 2u);
    const BallOnScreen& ball = game_.ballOnScreen;
    EXPECT_EQ(host_.rects[0], (PixelBox{ball.prevScreenX - 7, ball.prevScreenY - 14, 16, 18}));
    EXPECT_EQ(host_.rects[1], (PixelBox{static_cast<int>(ball.screenX - 7),
                                        static_cast<int>(ball.screenY - 14), 16, 18}));
    EXPECT_EQ(host_.framesPresented, 1);  // only the start's full picture
}

TEST(FrameTimer, WakesAtTheNextFrameBoundary) {
    EXPECT_EQ(PlayLoop::MillisecondsToNextFrame(1000), 20);
    EXPECT_EQ(PlayLoop::MillisecondsToNextFrame(1001), 19);
    EXPECT_EQ(PlayLoop::MillisecondsToNextFrame(1019), 1);
}
}  // namespace
