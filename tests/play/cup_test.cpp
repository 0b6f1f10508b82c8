#include "play/cup.h"

#include <gtest/gtest.h>

#include "course/catalogue.h"
#include "course/solid.h"
#include "play/roll.h"
#include "tests/play/ball_at.h"

namespace {
// Basic (hole 1): the cup at (200, 0) on the level green, face 2.
class CupTest : public ::testing::Test {
protected:
    CupTest() { LoadHole(course_, 1, solid_); }
    const Hole& hole() const { return course_[1]; }

    Course course_ = BuildCourse();
    Solid solid_;
    StrokeState stroke_;
};

TEST_F(CupTest, CatchesSlowBallsStrictlyInsideTheSquare) {
    struct Case {
        float x, y, vx, vy;
        bool captured, uh;
    };
    const Case cases[] = {
        {200, 0, 1.5f, 1.9f, true, false},
        {207.99f, -7.99f, 0, 0, true, false},
        {208, 0, 0, 0, false, false},  // on the square's side: not over the cup
        {192, 0, 0, 0, false, false},
        {200, 8, 0, 0, false, false},
        {200, -8, 0, 0, false, false},
        {200, 0, 2.0f, 0, false, true},  // the speed limit is strict
        {200, 0, 0, -2.5f, false, true},
        {300, 0, 9, 9, false, false},  // elsewhere nothing happens
    };
    for (const Case& c : cases) {
        stroke_ = StrokeState{};
        const CupEvents events = CheckCup(solid_, BallAt(2, c.x, c.y, c.vx, c.vy), stroke_);
        EXPECT_EQ(events.captured, c.captured) << c.x << "," << c.y << " v " << c.vx << "," << c.vy;
        EXPECT_EQ(events.uh, c.uh) << c.x << "," << c.y << " v " << c.vx << "," << c.vy;
        EXPECT_EQ(stroke_.uhPlayed, c.uh);
    }
}

TEST_F(CupTest, UhOncePerStroke) {
    const BallState fast = BallAt(2, 200, 0, 5, 0);
    EXPECT_TRUE(CheckCup(solid_, fast, stroke_).uh);
    EXPECT_FALSE(CheckCup(solid_, fast, stroke_).uh);
    stroke_ = StrokeState{};  // the next stroke
    EXPECT_TRUE(CheckCup(solid_, fast, stroke_).uh);
}

// A ball crossing the green at 9 per frame runs over the cup, bounces off the far wall, runs
// over it again and comes back: "Uh" is reported once for the whole roll.
TEST_F(CupTest, FastBallCrossingTheCupTwiceGivesOneUh) {
    BallState ball = BallAt(2, 160, 0, 9, 0);
    int uhs = 0;
    int passes = 0;
    bool wasOver = false;
    for (int frame = 0; frame < 100; ++frame) {
        const FrameEvents events = RollFrame(solid_, hole(), ball, stroke_);
        const bool over = ball.x > 192 && ball.x < 208;
        passes += over && !wasOver;
        wasOver = over;
        uhs += events.uh;
        ASSERT_NE(events.outcome, RollOutcome::Sinking);
    }
    EXPECT_GE(passes, 2);
    EXPECT_EQ(uhs, 1);
    EXPECT_EQ(stroke_.wallHits, 1);
}

// Entering at just over 2.0 per frame: "Uh", then friction brings it below 2.0 in the square.
TEST_F(CupTest, BallEnteringJustTooFastDropsTwoFramesLater) {
    BallState ball = BallAt(2, 190.5f, 0, 2.1f, 0);
    const RollOutcome expected[] = {RollOutcome::Running, RollOutcome::Running,
                                    RollOutcome::Sinking};
    const bool uh[] = {true, false, false};
    for (int frame = 0; frame < 3; ++frame) {
        const FrameEvents events = RollFrame(solid_, hole(), ball, stroke_);
        EXPECT_EQ(events.outcome, expected[frame]) << frame;
        EXPECT_EQ(events.uh, uh[frame]) << frame;
    }
    EXPECT_GT(ball.x, 192.0f);
    EXPECT_LT(ball.x, 208.0f);
}

// The rest test comes first: a still ball on the cup ends the turn instead of dropping.
TEST_F(CupTest, BallAtRestOverTheCupRestsWithoutDropping) {
    BallState ball = BallAt(2, 200, 0, 0.01f, 0);
    EXPECT_EQ(RollFrame(solid_, hole(), ball, stroke_).outcome, RollOutcome::Rest);
    ball = BallAt(2, 200, 0, 0.1f, 0);
    EXPECT_EQ(RollFrame(solid_, hole(), ball, stroke_).outcome, RollOutcome::Sinking);
}

TEST_F(CupTest, RollFromTheTeeStopsAtTheFrameLimitOrWhereTheBallEnds) {
    BallState ball = BallAt(1, -250, 0, 10, 0);
    std::vector<TracePoint> trace;
    RollResult result = Roll(solid_, hole(), ball, stroke_, 20, &trace);
    EXPECT_EQ(result.outcome, RollOutcome::Running);
    EXPECT_EQ(result.frames, 20);
    ASSERT_EQ(trace.size(), 20u);
    EXPECT_EQ(trace.back().x, ball.x);

    result = Roll(solid_, hole(), ball, stroke_, 5000);
    EXPECT_EQ(result.outcome, RollOutcome::Sinking);
    EXPECT_EQ(result.frames, 87);  // 107 frames from the tee in all
    EXPECT_FALSE(result.uh);
}
}  // namespace
