#include <gtest/gtest.h>

#include "course/catalogue.h"
#include "course/face_geometry.h"
#include "tests/play/random_strokes.h"
#include "tools/solver/stroke_search.h"

namespace {
const Course& TheCourse() {
    static const Course course = BuildCourse();
    return course;
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
    RandomStrokes strokes(20261210);
    Solid solid;
    for (int number = 1; number <= kHoleCount; ++number) {
        SCOPED_TRACE(number);
        const Hole& hole = TheCourse()[number];
        LoadHole(TheCourse(), number, solid);
        // Every third stroke starts again from the tee; the others from where the ball lay.
        Lie lie = TeeOf(hole);
        for (int n = 0; n < kStrokesPerHole; ++n) {
            if (n % 3 == 0) lie = TeeOf(hole);
            const auto [vx, vy] = strokes.Next();
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
            EXPECT_LE(
                FaceGeometry(hole, result.end.face).DistanceOutside(result.end.x, result.end.y),
                0.5)
                << "rests at (" << result.end.x << ", " << result.end.y << ") on face "
                << result.end.face << " after (" << vx << ", " << vy << ") from (" << lie.x << ", "
                << lie.y << ") face " << lie.face;
            lie = result.end;
        }
    }
}
}  // namespace
