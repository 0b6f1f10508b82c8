#include "play/physics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "course/catalogue.h"
#include "course/solid.h"
#include "play/roll.h"
#include "tests/play/ball_at.h"

namespace {
// A hole of the catalogue loaded into a working solid, with a ball to move over it.
// Basic (1): face 1 is the lane -300..100 x -50..50 at height 10, walls above and below and
// on the left, face 2 (the octagonal green) across its right edge. Dip (3): face 1 level at 90,
// face 2 sloping down to the trough at 10 (face 3), face 4 up again to the green at 90.
class PhysicsTest : public ::testing::Test {
protected:
    void Load(int hole) {
        number_ = hole;
        LoadHole(course_, hole, solid_);
    }
    // Three 100-unit squares: face 1 (0..100 x 0..100, level at 10, the tee at its middle),
    // face 2 above it and face 3 on its right, sloping from 50 down to 10 towards +x.
    // Every other edge is a wall.
    void LoadThreeSquares() {
        Hole& hole = course_[1];
        hole = Hole{};
        const int vertices[][3] = {{0, 100, 10}, {100, 100, 10}, {100, 0, 10},   {0, 0, 10},
                                   {0, 200, 10}, {100, 200, 10}, {100, 100, 50}, {200, 100, 10},
                                   {200, 0, 10}, {100, 0, 50}};
        for (const auto& v : vertices) {
            ++hole.vertexCount;
            hole.vertexX[hole.vertexCount] = v[0];
            hole.vertexY[hole.vertexCount] = v[1];
            hole.vertexZ[hole.vertexCount] = v[2];
        }
        const int faces[][2][4] = {{{1, 2, 3, 4}, {2, 3, 0, 0}},
                                   {{5, 6, 2, 1}, {0, 0, 1, 0}},
                                   {{7, 8, 9, 10}, {0, 0, 0, 1}}};
        for (const auto& face : faces) {
            const int f = ++hole.faceCount;
            hole.faceCorners[f] = 4;
            for (int k = 1; k <= 4; ++k) {
                hole.faceVertex[f][k] = face[0][k - 1];
                hole.faceNeighbour[f][k] = face[1][k - 1];
            }
        }
        hole.teeX = hole.teeY = 50;
        hole.teeZ = 10;
        hole.teeFace = 1;
        Load(1);
    }
    const Hole& hole() const { return course_[number_]; }
    StepEvents Step(BallState& ball) { return PhysicsStep(solid_, hole(), ball, stroke_); }

    Course course_ = BuildCourse();
    Solid solid_;
    StrokeState stroke_;
    int number_ = 0;
};

TEST(Direction, MeasuresCounterClockwiseFromPlusXInHalfOpenRange) {
    struct Case {
        double bx, by;
        float degrees;
    };
    const Case cases[] = {
        {1, 0, 0.0f},    {0, 1, 90.0f},     {-1, 0, 180.0f}, {0, -1, -90.0f}, {1, 1, 45.0f},
        {-1, 1, 135.0f}, {-1, -1, -135.0f}, {3, -3, -45.0f}, {0, 0, 0.0f},  // coinciding points
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(Direction(0, 0, c.bx, c.by), c.degrees, 1e-4) << c.bx << "," << c.by;
    }
    EXPECT_EQ(Direction(10, 20, 10, 20), 0.0f);
}

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

TEST_F(PhysicsTest, StillBallOnFlatFaceIsAtRestAtOnce) {
    Load(1);
    BallState ball = BallAt(1, -250, 0, 0, 0);
    Step(ball);
    EXPECT_TRUE(IsAtRest(solid_, ball));
    EXPECT_EQ(ball.x, -250.0f);
    EXPECT_EQ(ball.z, 10.0f);
}

TEST_F(PhysicsTest, BallOnSlopeIsNeverAtRestAndRollsDownIntoTheTrough) {
    Load(3);
    BallState ball = BallAt(2, -120, 0, 0, 0);
    EXPECT_FALSE(IsAtRest(solid_, ball));  // even standing still
    Step(ball);
    EXPECT_FALSE(IsAtRest(solid_, ball));
    EXPECT_GT(ball.vx, 0.0f);                         // downhill is +x
    EXPECT_NEAR(ball.z, 90 - 80 * 80.0 / 150, 1e-4);  // height at -120 on the 90 -> 10 ramp

    const RollResult result = Roll(solid_, hole(), ball, stroke_, 5000);
    EXPECT_EQ(result.outcome, RollOutcome::Rest);
    EXPECT_EQ(ball.face, 3);
    EXPECT_EQ(ball.z, 10.0f);
}

// The lane's top wall runs along y = 50 and its right edge along x = 100 leads onto the
// green: a ball that lands exactly on either line is outside that edge.
TEST_F(PhysicsTest, BallExactlyOnAnEdgeLineIsOutside) {
    Load(1);
    struct Case {
        float x, y, vx, vy;
        int face, wallHits;
        float endX, endY;
    };
    const Case cases[] = {
        {0, 49, 0, 1, 1, 1, 0, 49},          // on the wall: reflected and put back
        {0, 49, 0, 0.99f, 1, 0, 0, 49.99f},  // just inside: no hit
        {99, 0, 1, 0, 2, 0, 100, 0},         // on the inner edge: onto the green
        {98, 0, 1.99f, 0, 1, 0, 99.99f, 0},  // just inside: still on the lane
    };
    for (const Case& c : cases) {
        stroke_ = StrokeState{};
        BallState ball = BallAt(1, c.x, c.y, c.vx, c.vy);
        Step(ball);
        EXPECT_EQ(ball.face, c.face) << c.vx << "," << c.vy;
        EXPECT_EQ(stroke_.wallHits, c.wallHits) << c.vx << "," << c.vy;
        EXPECT_NEAR(ball.x, c.endX, 1e-4);
        EXPECT_NEAR(ball.y, c.endY, 1e-4);
    }
}

// Face 1's corner (100, 100) joins its edge 1 (to face 2 above) and edge 2 (to face 3 on the
// right).
TEST_F(PhysicsTest, OfTwoCrossedInnerEdgesTheLastInCornerOrderWins) {
    LoadThreeSquares();
    struct Case {
        float vx, vy;
        int face;
    };
    const Case cases[] = {{0, 4, 2}, {4, 0, 3}, {4, 4, 3}};
    for (const Case& c : cases) {
        BallState ball = BallAt(1, 98, 98, c.vx, c.vy);
        Step(ball);
        EXPECT_EQ(ball.face, c.face) << c.vx << "," << c.vy;
        EXPECT_EQ(stroke_.wallHits, 0);
    }
}

// A wall mirrors the heading, keeps the speed (friction aside) and puts the ball back.
TEST_F(PhysicsTest, WallReflectsAtTheAngleOfIncidenceWithTheSameSpeed) {
    Load(1);
    struct Case {
        int face;
        float x, y, heading, outHeading;
    };
    const Case cases[] = {
        {1, 0, 48, 30, -30},     // lane's top wall, 30 degrees to it
        {1, 0, -48, -150, 150},  // bottom wall from the other side
        {1, -298, 0, 150, 30},   // left wall (direction 90)
        {2, 273, 75, -15, -75},  // the green's -45 degree wall, 30 degrees to it
    };
    const double speed = 5;
    for (const Case& c : cases) {
        const double radians = c.heading * 3.141592653589793 / 180;
        BallState ball = BallAt(c.face, c.x, c.y, float(speed * std::cos(radians)),
                                float(speed * std::sin(radians)));
        const StepEvents events = Step(ball);
        EXPECT_EQ(events.bounces, 1) << c.heading;
        EXPECT_NEAR(ball.heading, c.outHeading, 1e-3) << c.heading;
        EXPECT_NEAR(std::hypot(ball.vx, ball.vy), speed * 0.98, 1e-5);
        EXPECT_NEAR(std::atan2(ball.vy, ball.vx) * 180 / 3.141592653589793, c.outHeading, 1e-3);
        EXPECT_EQ(ball.x, c.x);
        EXPECT_EQ(ball.y, c.y);
    }
}

// Edges are tested in corner order and each from where the ball stands by then: after the
// top wall (edge 1) puts the ball back, the left wall (edge 4) reflects it only if the
// restored position is outside or on that wall's line too.
TEST_F(PhysicsTest, CornerReflectsOffBothWallsWhenTheBallStartsOnTheSecondWallsLine) {
    Load(1);
    struct Case {
        float x;
        int bounces;
        float vx, vy;
    };
    const Case cases[] = {
        {-300, 2, -1, -4},  // on the left wall's line: 75.96 -> -75.96 -> -104.04 degrees
        {-299, 1, 1, -4},   // inside: only the top wall
    };
    for (const Case& c : cases) {
        stroke_ = StrokeState{};
        BallState ball = BallAt(1, c.x, 48, 1, 4);
        const StepEvents events = Step(ball);
        EXPECT_EQ(events.bounces, c.bounces) << c.x;
        EXPECT_EQ(stroke_.wallHits, c.bounces);
        EXPECT_NEAR(ball.vx, c.vx * 0.98, 1e-5) << c.x;
        EXPECT_NEAR(ball.vy, c.vy * 0.98, 1e-5) << c.x;
        EXPECT_EQ(ball.x, c.x);
        EXPECT_EQ(ball.y, 48.0f);
    }
}

TEST_F(PhysicsTest, The51stWallHitOfAStrokeStopsTheBallOnTheTee) {
    Load(1);
    for (const int earlierHits : {49, 50}) {
        stroke_ = StrokeState{earlierHits, false};
        BallState ball = BallAt(1, 0, 49, 0, 1);
        const StepEvents events = Step(ball);
        EXPECT_EQ(stroke_.wallHits, earlierHits + 1);
        EXPECT_EQ(events.backToTee, earlierHits == 50);
        if (earlierHits == 50) {
            EXPECT_EQ(ball.x, -250.0f);
            EXPECT_EQ(ball.y, 0.0f);
            EXPECT_EQ(ball.z, 10.0f);
            EXPECT_EQ(ball.face, 1);
            EXPECT_EQ(ball.vx, 0.0f);
            EXPECT_EQ(ball.vy, 0.0f);
            EXPECT_TRUE(IsAtRest(solid_, ball));
        } else {
            EXPECT_EQ(ball.y, 49.0f);
        }
    }
}

// Face 3 runs downhill into its right wall: the ball ends up pinned there, hitting the wall
// every step, until the limit sends it to the tee.
TEST_F(PhysicsTest, BallThatASlopeHoldsAgainstAWallEndsOnTheTee) {
    LoadThreeSquares();
    BallState ball = BallAt(3, 150, 50, 0, 0);
    const RollResult result = Roll(solid_, hole(), ball, stroke_, 5000);
    EXPECT_EQ(result.outcome, RollOutcome::Rest);
    EXPECT_TRUE(result.backToTee);
    EXPECT_EQ(stroke_.wallHits, 51);
    EXPECT_EQ(ball.face, 1);
    EXPECT_EQ(ball.x, 50.0f);
    EXPECT_EQ(ball.y, 50.0f);
    EXPECT_EQ(ball.z, 10.0f);
}

TEST_F(PhysicsTest, FaceOffTheCourseStopsTheBallWithoutReadingTables) {
    Load(1);
    for (const int face : {0, -1, 3, 49, 50, 1000}) {
        BallState ball = BallAt(face, 10, 10, 3, 4);
        const StepEvents events = Step(ball);
        EXPECT_EQ(events.bounces, 0);
        EXPECT_EQ(ball.x, 10.0f);
        EXPECT_EQ(ball.vx, 0.0f);
        EXPECT_TRUE(IsAtRest(solid_, ball)) << face;
    }
}

TEST_F(PhysicsTest, RandomStartsStayFiniteAndOnTheHole) {
    std::mt19937 random(20261210);
    for (const int number : {1, 3}) {
        Load(number);
        const int faces = hole().faceCount;
        std::uniform_int_distribution<int> anyFace(1, faces);
        std::uniform_real_distribution<float> anyX(-800, 800), anyY(-500, 500), anyV(-100, 100);
        for (int start = 0; start < 300; ++start) {
            stroke_ = StrokeState{};
            BallState ball =
                BallAt(anyFace(random), anyX(random), anyY(random), anyV(random), anyV(random));
            for (int frame = 0; frame < 300; ++frame) {
                const FrameEvents events = RollFrame(solid_, hole(), ball, stroke_);
                const float fields[] = {ball.x,  ball.y,     ball.z,      ball.vx,
                                        ball.vy, ball.speed, ball.heading};
                for (float field : fields)
                    ASSERT_TRUE(std::isfinite(field)) << number << " " << start;
                ASSERT_GE(ball.face, 1);
                ASSERT_LE(ball.face, faces);
                if (events.outcome != RollOutcome::Running) break;
            }
        }
    }
}
}  // namespace
