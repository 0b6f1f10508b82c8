#include "course/validate.h"

#include <gtest/gtest.h>

#include <functional>

#include "course/catalogue.h"

namespace {
struct Fault {
    const char* what;
    std::function<void(Hole&)> spoil;
    const char* expected;  // a piece of the violation line
};

class ValidateSpoiledBasic : public ::testing::TestWithParam<Fault> {};

TEST_P(ValidateSpoiledBasic, ReportsTheFault) {
    Course course = BuildCourse();
    GetParam().spoil(course[1]);
    const auto violations = ValidateHole(course, 1);
    ASSERT_FALSE(violations.empty());
    bool found = false;
    for (const auto& line : violations)
        found = found || line.find(GetParam().expected) != std::string::npos;
    EXPECT_TRUE(found) << violations.front();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ValidateSpoiledBasic,
    ::testing::Values(Fault{"raised corner", [](Hole& h) { h.vertexZ[5] = 20; }, "off the plane"},
                      Fault{"anticlockwise face",
                            [](Hole& h) {
                                h.faceVertex[1] = {0, 4, 3, 2, 1};
                            },
                            "not clockwise"},
                      Fault{"one-sided neighbour", [](Hole& h) { h.faceNeighbour[2][7] = 0; },
                            "does not share the edge back"},
                      Fault{"tee off its face", [](Hole& h) { h.teeX = 200; },
                            "tee (200, 0) is not inside face 1"},
                      Fault{"cup in the air", [](Hole& h) { h.cupZ = 40; }, "cup height 40"},
                      Fault{"corner order",
                            [](Hole& h) {
                                h.faceVertex[1] = {0, 2, 3, 4, 1};
                            },
                            "corner 2 must lie right"},
                      Fault{"zero-length edge",
                            [](Hole& h) {
                                h.vertexX[6] = 150;
                                h.vertexY[6] = 100;
                            },
                            "length 0"},
                      Fault{"vertex out of range", [](Hole& h) { h.faceVertex[1][2] = 42; },
                            "names vertex 42"},
                      Fault{"too many vertices",
                            [](Hole& h) {
                                h.vertexCount = 11;
                                h.vertexX[11] = 5;
                            },
                            "11 vertices"},
                      Fault{"wrong par", [](Hole& h) { h.par = 3; }, "par 3 is not 2"}),
    [](const auto& testInfo) {
        std::string name = testInfo.param.what;
        for (char& c : name)
            if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST(Validate, RefusesHolesOutsideTheCourse) {
    const Course course = BuildCourse();
    EXPECT_EQ(ValidateHole(course, 0).size(), 1u);
    EXPECT_EQ(ValidateHole(course, 37).size(), 1u);
}
}  // namespace
