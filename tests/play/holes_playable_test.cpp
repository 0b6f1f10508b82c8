#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "course/catalogue.h"
#include "play/stroke_search.h"

namespace {
const Course& TheCourse() {
    static const Course course = BuildCourse();
    return course;
}

Lie TeeOf(const Hole& hole) {
    return {static_cast<float>(hole.teeX), static_cast<float>(hole.teeY),
            static_cast<float>(hole.teeZ), hole.teeFace};
}

// How far (x, y) lies outside the face: the largest distance beyond any edge line, or 0
// and below when inside.
double DistanceOutside(const Hole& hole, int face, double x, double y) {
    const int c = hole.faceCorners[face];
    double outside = -1e9;
    for (int k = 1; k <= c; ++k) {
        const int a = hole.faceVertex[face][k], b = hole.faceVertex[face][k % c + 1];
        const double ex = hole.vertexX[b] - hole.vertexX[a], ey = hole.vertexY[b] - hole.vertexY[a];
        const double cross = ex * (y - hole.vertexY[a]) - ey * (x - hole.vertexX[a]);
        outside = std::max(outside, cross / std::hypot(ex, ey));
    }
    return outside;
}

TEST(HolesPlayable, EveryHoleIsHoledWithinParByStrokesAPlayerCanGive) {
    Solid solid;
    for (int number = 1; number <= kHoleCount; ++number) {
        SCOPED_TRACE(number);
        const Hole& hole = TheCourse()[number];
        LoadHole(TheCourse(), number, solid);
        const StrokePlan plan = SearchStrokes(solid, hole, hole.par);
        ASSERT_TRUE(plan.holed);
        ASSERT_GE(plan.strokes.size(), 1u);
        ASSERT_LE(plan.strokes.size(), static_cast<size_t>(hole.par));

        // Replaying the plan stroke by stroke must drop the ball with its last stroke.
        Lie lie = TeeOf(hole);
        for (size_t i = 0; i < plan.strokes.size(); ++i) {
            const PlannedStroke& stroke = plan.strokes[i];
            EXPECT_EQ(stroke.from.x, lie.x);
            EXPECT_EQ(stroke.from.y, lie.y);
            EXPECT_EQ(stroke.from.face, lie.face);
            EXPECT_LE(std::hypot(stroke.vx, stroke.vy), kStrongestStroke);
            const StrokeOutcome result = PlayStroke(solid, hole, stroke.from, stroke.vx, stroke.vy);
            const bool last = i + 1 == plan.strokes.size();
            EXPECT_EQ(result.outcome, last ? RollOutcome::Sinking : RollOutcome::Rest);
            lie = result.end;
        }
    }
}

TEST(HolesPlayable, SearchClaimsNothingWhenTheCupIsWalledOff) {
    // Basic with a cushion across the mouth of its green: the cup cannot be reached.
    Course course = TheCourse();
    course[1].faceNeighbour[1][2] = 0;
    course[1].faceNeighbour[2][7] = 0;
    Solid solid;
    LoadHole(course, 1, solid);
    const StrokePlan plan = SearchStrokes(solid, course[1], 2);
    EXPECT_FALSE(plan.holed);
    EXPECT_TRUE(plan.strokes.empty());
}

TEST(HolesPlayable, RandomStrokesEndAtRestInsideTheirFaceOrInTheCup) {
    constexpr int kStrokesPerHole = 400;
    std::mt19937 random(20261210);
    std::uniform_real_distribution<float> heading(-180.0f, 180.0f);
    std::uniform_real_distribution<float> speed(0.0f, kStrongestStroke);
    Solid solid;
    for (int number = 1; number <= kHoleCount; ++number) {
        SCOPED_TRACE(number);
        const Hole& hole = TheCourse()[number];
        LoadHole(TheCourse(), number, solid);
        // Every third stroke starts again from the tee; the others from where the ball lay.
        Lie lie = TeeOf(hole);
        for (int n = 0; n < kStrokesPerHole; ++n) {
            if (n % 3 == 0) lie = TeeOf(hole);
            const double angle = heading(random) * 3.14159265358979323846 / 180.0;
            const float strength = speed(random);
            const float vx = static_cast<float>(strength * std::cos(angle));
            const float vy = static_cast<float>(strength * std::sin(angle));
            const StrokeOutcome result = PlayStroke(solid, hole, lie, vx, vy);
            ASSERT_NE(result.outcome, RollOutcome::Running)
                << "from (" << lie.x << ", " << lie.y << ") face " << lie.face << " with (" << vx
                << ", " << vy << ")";
            if (result.outcome == RollOutcome::Sinking) {
                lie = TeeOf(hole);
                continue;
            }
            ASSERT_GE(result.end.face, 1);
            ASSERT_LE(result.end.face, hole.faceCount);
            EXPECT_LE(DistanceOutside(hole, result.end.face, result.end.x, result.end.y), 0.5)
                << "rests at (" << result.end.x << ", " << result.end.y << ") on face "
                << result.end.face << " after (" << vx << ", " << vy << ") from (" << lie.x << ", "
                << lie.y << ") face " << lie.face;
            lie = result.end;
        }
    }
}
}  // namespace
