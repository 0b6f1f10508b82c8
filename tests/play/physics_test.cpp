#include <gtest/gtest.h>

#include <cmath>

#include "course/catalogue.h"
#include "course/solid.h"
#include "play/physics.h"

namespace {
// A hole of the catalogue loaded into a working solid, with a ball to move over it.
class PhysicsTest : public ::testing::Test {
protected:
    void Load(int hole) {
        number_ = hole;
        LoadHole(course_, hole, solid_);
    }
    const Hole& hole() const { return course_[number_]; }
    BallState BallAt(int face, float x, float y, float vx, float vy) const {
        BallState ball;
        ball.face = face;
        ball.x = x;
        ball.y = y;
        ball.vx = vx;
        ball.vy = vy;
        return ball;
    }
    StepEvents Step(BallState& ball) { return PhysicsStep(solid_, hole(), ball, stroke_); }

    Course course_ = BuildCourse();
    Solid solid_;
    StrokeState stroke_;
    int number_ = 0;
};

TEST_F(PhysicsTest, BallOnFlatFaceRestsAtTheEndOfThe263rdStep) {
    Load(1);
    BallState ball = BallAt(1, -250, 0, 10, 0);
    const float expected[] = {10.0f, 9.8f, 9.604f};
    for (float distance : expected) {
        const float before = ball.x;
        Step(ball);
        EXPECT_NEAR(ball.x - before, distance, 1e-4);
    }
    for (int step = 4; step <= 262; ++step) Step(ball);
    EXPECT_FALSE(IsAtRest(solid_, ball));
    Step(ball);
    EXPECT_TRUE(IsAtRest(solid_, ball));
    // 10 (1 - 0.98^263) / 0.02 units from the tee, on the green; never touched a wall.
    EXPECT_NEAR(ball.x, -250 + 500 * (1 - std::pow(0.98, 263)), 0.01);
    EXPECT_EQ(ball.y, 0.0f);
    EXPECT_EQ(ball.face, 2);
    EXPECT_EQ(stroke_.wallHits, 0);
}
}  // namespace
