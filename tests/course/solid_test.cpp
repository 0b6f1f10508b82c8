#include "course/solid.h"

#include <gtest/gtest.h>

#include "course/catalogue.h"

namespace {
class SolidOfBasic : public ::testing::Test {
protected:
    void SetUp() override { LoadHole(course_, 1, solid_); }
    Course course_ = BuildCourse();
    Solid solid_;
};

TEST_F(SolidOfBasic, CopiesTopAndBuildsBaseVertices) {
    EXPECT_EQ(solid_.vertexCount, 10);
    EXPECT_EQ(solid_.faceCount, 2);
    EXPECT_EQ(solid_.x[7], 300);
    EXPECT_EQ(solid_.z[7], 10);
    EXPECT_EQ(solid_.x[107], 300);
    EXPECT_EQ(solid_.y[107], 50);
    EXPECT_EQ(solid_.z[107], 0);
    EXPECT_EQ(solid_.faceCorners[102], 8);
    EXPECT_EQ(solid_.faceVertex[102][1], 105);
    EXPECT_FLOAT_EQ(solid_.cupX, 200.0f);
}

TEST_F(SolidOfBasic, NumbersWallsByEdgeAndFace) {
    // Wall under edge k of face f is 100 * (k + 1) + f, corners a, a + 100, b + 100, b.
    struct Case {
        int wall, a, b;
    };
    for (const Case& c : {Case{201, 1, 2}, Case{301, 2, 3}, Case{501, 4, 1}, Case{202, 5, 6},
                          Case{802, 3, 2}, Case{902, 2, 5}}) {
        SCOPED_TRACE(c.wall);
        EXPECT_EQ(solid_.faceCorners[c.wall], 4);
        EXPECT_EQ(solid_.faceVertex[c.wall][1], c.a);
        EXPECT_EQ(solid_.faceVertex[c.wall][2], c.a + 100);
        EXPECT_EQ(solid_.faceVertex[c.wall][3], c.b + 100);
        EXPECT_EQ(solid_.faceVertex[c.wall][4], c.b);
    }
    EXPECT_EQ(solid_.faceCorners[601], 0);  // face 1 has only four edges
}

TEST_F(SolidOfBasic, NoHoleLoadsAnEmptySolid) {
    for (int number : {0, -3, 37, 1000}) {
        LoadHole(course_, number, solid_);
        EXPECT_EQ(solid_.vertexCount, 0);
        EXPECT_EQ(solid_.faceCount, 0);
    }
}

TEST(Solid, UndefinedVertexReadsAsOrigin) {
    Course course = BuildCourse();
    course[1].vertexCount = 11;  // vertex 11 was never given coordinates
    Solid solid;
    LoadHole(course, 1, solid);
    EXPECT_EQ(solid.x[11], 0);
    EXPECT_EQ(solid.y[11], 0);
    EXPECT_EQ(solid.z[11], 0);
}
}  // namespace
