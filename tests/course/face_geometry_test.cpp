#include "course/face_geometry.h"

#include <gtest/gtest.h>

#include "course/catalogue.h"

namespace {
TEST(FaceGeometry, DistanceOutsideIsTheFarthestStepBeyondAnEdge) {
    // Basic's tee face: the lane from (-300, -50) to (100, 50).
    const Course course = BuildCourse();
    const FaceGeometry lane(course[1], 1);
    struct Case {
        double x, y, distance;
    };
    const Case cases[] = {
        {-100, 0, -50},  // the middle: 50 from the long sides
        {-100, 50, 0},   // on the upper side
        {-100, 62, 12},  // above it
        {130, 0, 30},    // past the open end into the green
        {120, 80, 30},   // beyond a corner the farther of the two sides counts
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(lane.DistanceOutside(c.x, c.y), c.distance) << c.x << ", " << c.y;
}
}  // namespace
