#include "course/catalogue.h"

#include <gtest/gtest.h>

#include "course/course_table.h"
#include "course/validate.h"

namespace {
const Course& TheCourse() {
    static const Course course = BuildCourse();
    return course;
}

TEST(Catalogue, EveryHoleCarriesItsTableRow) {
    const auto& table = CourseTable();
    for (int number = 1; number <= kHoleCount; ++number) {
        const Hole& hole = TheCourse()[number];
        SCOPED_TRACE(number);
        EXPECT_EQ(hole.name, table[number].name);
        EXPECT_EQ(hole.par, table[number].par);
        EXPECT_EQ(hole.teeFace, number == 36 ? 9 : 1);
        EXPECT_EQ(hole.wallColour, table[number].wallColour);
    }
    EXPECT_EQ(TheCourse()[6].wallColour, Rgb(192, 192, 0));
    EXPECT_EQ(TheCourse()[11].wallColour, Rgb(0, 0, 128));
    EXPECT_EQ(TheCourse()[26].par, 1);
}

TEST(Catalogue, BasicAndDipAreExactlyAsPublished) {
    const Hole& basic = TheCourse()[1];
    EXPECT_EQ(basic.vertexCount, 10);
    EXPECT_EQ(basic.faceCount, 2);
    EXPECT_EQ(basic.faceCorners[2], 8);
    EXPECT_EQ(basic.faceVertex[2][7], 3);
    EXPECT_EQ(basic.faceNeighbour[2][7], 1);
    EXPECT_EQ(basic.vertexX[7], 300);
    EXPECT_EQ(basic.vertexY[9], -100);

    const Hole& dip = TheCourse()[3];
    EXPECT_EQ(dip.vertexCount, 16);
    EXPECT_EQ(dip.faceCount, 5);
    EXPECT_EQ(dip.vertexZ[5], 10);
    EXPECT_EQ(dip.teeZ, 90);
    const std::array<int, 5> neighbours = {0, 4, 0, 2};
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(dip.faceNeighbour[3][k], neighbours[k - 1]);
}

TEST(Catalogue, PublishedHolesObeyEveryRule) {
    for (int number : {1, 3}) {
        const auto violations = ValidateHole(TheCourse(), number);
        EXPECT_TRUE(violations.empty()) << violations.front();
    }
}
}  // namespace
