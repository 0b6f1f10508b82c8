#include <gtest/gtest.h>

#include "course/catalogue.h"
#include "course/validate.h"

namespace {
const Course& TheCourse() {
    static const Course course = BuildCourse();
    return course;
}

TEST(AllHoles, EveryHoleKeepsEveryRule) {
    for (int number = 1; number <= kHoleCount; ++number) {
        for (const std::string& violation : ValidateHole(TheCourse(), number))
            ADD_FAILURE() << violation;
    }
}

// Besides: every hole has cushions, which the attract animation picks its targets from.
TEST(AllHoles, OnlyGoldfishHasATriangleAndOnlySplittAnUndefinedVertex) {
    for (int number = 1; number <= kHoleCount; ++number) {
        SCOPED_TRACE(number);
        const Hole& hole = TheCourse()[number];
        int triangles = 0, cushions = 0;
        std::vector<bool> used(hole.vertexCount + 1, false);
        for (int f = 1; f <= hole.faceCount; ++f) {
            triangles += hole.faceCorners[f] == 3;
            for (int k = 1; k <= hole.faceCorners[f]; ++k) {
                used[hole.faceVertex[f][k]] = true;
                cushions += hole.faceNeighbour[f][k] == 0;
            }
        }
        EXPECT_EQ(triangles, number == 31 ? 1 : 0);
        EXPECT_GT(cushions, 0);
        for (int v = 1; v <= hole.vertexCount; ++v) EXPECT_EQ(used[v], number != 25 || v != 7) << v;
    }
    const Hole& splitt = TheCourse()[25];
    EXPECT_EQ(splitt.vertexX[7], 0);
    EXPECT_EQ(splitt.vertexY[7], 0);
    EXPECT_EQ(splitt.vertexZ[7], 0);
}
}  // namespace
