#include "play/attract.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "course/catalogue.h"
#include "tests/play/fake_random.h"

namespace {

// Whether (x, y, z) lies on an outer edge of `hole`, allowing for the whole-number steps
// of the target rule (the minor coordinates are cut towards zero, so less than 1 off).
bool OnOuterEdge(const Hole& hole, float x, float y, float z) {
    for (int f = 1; f <= hole.faceCount; ++f) {
        const int corners = hole.faceCorners[f];
        for (int k = 1; k <= corners; ++k) {
            if (hole.faceNeighbour[f][k] != 0) continue;
            const int a = hole.faceVertex[f][k], b = hole.faceVertex[f][k == corners ? 1 : k + 1];
            const double xa = hole.vertexX[a], ya = hole.vertexY[a], za = hole.vertexZ[a];
            const double dx = hole.vertexX[b] - xa, dy = hole.vertexY[b] - ya,
                         dz = hole.vertexZ[b] - za;
            const bool alongX = std::abs(dx) > std::abs(dy);
            const double t = alongX ? (x - xa) / dx : (y - ya) / dy;
            if (t < 0 || t > 1) continue;
            const double minor = alongX ? std::abs(ya + t * dy - y) : std::abs(xa + t * dx - x);
            if (minor < 1 && std::abs(za + t * dz - z) < 1) return true;
        }
    }
    return false;
}

// A still view: the step turns spin from -1 to 0.
Attract StillAttract(int count) {
    Attract attract;
    attract.count = count;
    attract.angles.spin = -1.0f;
    attract.scattered = false;
    return attract;
}

void Place(Particle& p, float x, float y, float z) {
    p.x = p.targetX = x;
    p.y = p.targetY = y;
    p.z = p.targetZ = z;
}

TEST(Attract, SeedDrawsEachBallsPlaceInTurn) {
    ScriptedRandom random({1000, 7, 450, 599, 1234, 199});
    Attract attract;
    attract.scattered = false;
    attract.angles = ViewAngles{5, 5, 5};
    SeedAttract(attract, random);

    const Particle& first = attract.particles[1];
    EXPECT_EQ(first.x, 100.0f);  // 1000 % 600 - 300
    EXPECT_EQ(first.y, -293.0f);
    EXPECT_EQ(first.z, 50.0f);
    const Particle& second = attract.particles[2];
    EXPECT_EQ(second.x, 299.0f);
    EXPECT_EQ(second.y, -266.0f);
    EXPECT_EQ(second.z, 199.0f);
    for (int i = 1; i <= kParticleCount; ++i) {
        const Particle& p = attract.particles[i];
        EXPECT_EQ(p.targetX, p.x);
        EXPECT_EQ(p.targetY, p.y);
        EXPECT_EQ(p.targetZ, p.z);
        EXPECT_EQ(p.fall, 0.0f);
    }
    EXPECT_EQ(attract.count, 99);
    EXPECT_TRUE(attract.scattered);
    EXPECT_EQ(attract.phaseFrame, 0);
    EXPECT_EQ(attract.angles.spin, 0.0f);
    EXPECT_EQ(attract.angles.roll, 0.0f);
    EXPECT_EQ(attract.angles.tilt, -60.0f);
}

TEST(Attract, ScatteredBallsFallAndBounceWithoutLosingSpeed) {
    struct Case {
        float z, fall, wantZ, wantFall;
    };
    const Case cases[] = {
        {5.0f, 0.0f, 4.2f, 0.8f},    // falls by its new speed
        {1.0f, 1.2f, 1.0f, -2.0f},   // below ground at -1: back up by 2 in the same frame
        {0.5f, -3.0f, 2.7f, -2.2f},  // rising, slowed by gravity
    };
    const Course course{};
    ScriptedRandom random;
    for (const Case& c : cases) {
        Attract attract = StillAttract(1);
        attract.scattered = true;
        Particle& p = attract.particles[1];
        Place(p, 0, 0, c.z);
        p.targetZ = c.wantZ;  // no drift, so that only the fall shows
        p.fall = c.fall;
        AttractPicture picture;
        AttractStep(attract, course, random, picture);
        EXPECT_NEAR(p.z, c.wantZ, 1e-5) << "from z " << c.z;
        EXPECT_NEAR(p.fall, c.wantFall, 1e-5) << "from z " << c.z;
    }
}

TEST(Attract, BallsDriftOnePercentAndProjectAroundTheScreenCentre) {
    Attract attract = StillAttract(2);
    Place(attract.particles[1], 100, 40, 20);
    attract.particles[2].targetX = -200;
    attract.particles[2].targetZ = 100;
    const Course course{};
    ScriptedRandom random;
    AttractPicture picture;
    AttractStep(attract, course, random, picture);

    EXPECT_EQ(attract.angles.spin, 0.0f);
    const Particle& moving = attract.particles[2];
    EXPECT_FLOAT_EQ(moving.x, -2.0f);
    EXPECT_FLOAT_EQ(moving.z, 1.0f);
    EXPECT_EQ(moving.fall, 0.0f);  // a shaped ball does not fall

    // Tilted by -60 degrees: a ball 40 back and 20 up rises by 40/2 + 20 * sin 60 on screen.
    const Particle& p = attract.particles[1];
    EXPECT_FLOAT_EQ(p.screenX, 416.0f);
    EXPECT_NEAR(p.screenY, 260.0f - 20.0f - 17.3205f, 1e-3);
    EXPECT_FLOAT_EQ(p.shadowScreenY, 240.0f);
    const ShadowBox box = picture.shadows[0];
    EXPECT_EQ(box.left, 409);
    EXPECT_EQ(box.top, 237);
    EXPECT_EQ(box.right, 423);
    EXPECT_EQ(box.bottom, 243);
}

TEST(Attract, BallsAreDrawnFromTheHighestShadowDownTiesByIndex) {
    Attract attract = StillAttract(5);
    Place(attract.particles[1], 0, 0, 0);
    Place(attract.particles[2], 50, 100, 0);
    Place(attract.particles[3], -50, 100, 150);  // level with 2 on the ground, higher in the air
    Place(attract.particles[4], 0, -100, 0);
    Place(attract.particles[5], 30, 100, 0);
    const Course course{};
    ScriptedRandom random;
    AttractPicture picture;
    AttractStep(attract, course, random, picture);

    ASSERT_EQ(picture.count, 5);
    const float wantX[] = {366, 266, 346, 316, 316};  // balls 2, 3, 5, 1, 4
    for (int n = 0; n < 5; ++n) EXPECT_FLOAT_EQ(picture.ballX[n], wantX[n]) << "ball " << n;
    EXPECT_FLOAT_EQ(picture.ballY[3], 260.0f);
    EXPECT_FLOAT_EQ(picture.ballY[4], 310.0f);
}

TEST(Attract, EveryHoleGathersBallsOnItsOuterEdgesOnly) {
    const Course course = BuildCourse();
    ScriptedRandom random;
    for (int h = 1; h <= kHoleCount; ++h) {
        const Hole& hole = course[h];
        int outerEdges = 0;
        for (int f = 1; f <= hole.faceCount; ++f) {
            for (int k = 1; k <= hole.faceCorners[f]; ++k) {
                if (hole.faceNeighbour[f][k] != 0) continue;
                const int a = hole.faceVertex[f][k];
                const int b = hole.faceVertex[f][NextCorner(k, hole.faceCorners[f])];
                EXPECT_TRUE(hole.vertexX[a] != hole.vertexX[b] ||
                            hole.vertexY[a] != hole.vertexY[b])
                    << "hole " << h << " face " << f << " corner " << k << " has a flat outer edge";
                ++outerEdges;
            }
        }
        ASSERT_GT(outerEdges, 0) << "hole " << h;

        Attract attract;
        for (int round = 0; round < 10; ++round) {
            GatherOnHole(attract, hole, random);
            for (int i = 1; i <= kParticleCount; ++i) {
                const Particle& p = attract.particles[i];
                ASSERT_TRUE(OnOuterEdge(hole, p.targetX, p.targetY, p.targetZ))
                    << "hole " << h << ": (" << p.targetX << ", " << p.targetY << ", " << p.targetZ
                    << ")";
            }
        }
    }
}

TEST(Attract, PhasesChangeEveryTwelveSeconds) {
    const Course course = BuildCourse();
    ScriptedRandom seeds;
    Attract attract;
    SeedAttract(attract, seeds);
    ScriptedRandom random({6});  // the first change of phase picks hole 7
    AttractPicture picture;

    for (int frame = 1; frame < kAttractPhaseFrames; ++frame)
        AttractStep(attract, course, random, picture);
    EXPECT_TRUE(attract.scattered);
    EXPECT_EQ(attract.phaseFrame, 599);
    AttractStep(attract, course, random, picture);
    EXPECT_FALSE(attract.scattered);
    EXPECT_EQ(attract.phaseFrame, 0);
    for (int i = 1; i <= kParticleCount; ++i) {
        const Particle& p = attract.particles[i];
        ASSERT_TRUE(OnOuterEdge(course[7], p.targetX, p.targetY, p.targetZ)) << "ball " << i;
    }

    for (int frame = 1; frame < kAttractPhaseFrames; ++frame)
        AttractStep(attract, course, random, picture);
    EXPECT_FALSE(attract.scattered);
    for (int i = 1; i <= kParticleCount; ++i) {
        const Particle& p = attract.particles[i];
        // 0.99^599 of the way is left: the outline has formed within a unit or two.
        EXPECT_LT(std::hypot(p.x - p.targetX, p.y - p.targetY, p.z - p.targetZ), 2) << "ball " << i;
    }

    AttractStep(attract, course, random, picture);
    EXPECT_TRUE(attract.scattered);
    for (int i = 1; i <= kParticleCount; ++i) {
        const Particle& p = attract.particles[i];
        EXPECT_EQ(p.fall, 0.0f);
        EXPECT_GE(p.targetX, -300);
        EXPECT_LT(p.targetX, 300);
        EXPECT_GE(p.targetZ, 0);
        EXPECT_LT(p.targetZ, 200);
    }
}

}  // namespace
