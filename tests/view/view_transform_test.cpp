#include "view/view_transform.h"

#include <gtest/gtest.h>

#include "course/catalogue.h"

namespace {
class BasicScene : public ::testing::Test {
protected:
    void SetUp() override { LoadHole(course_, 1, solid_); }
    Course course_ = BuildCourse();
    Solid solid_;
    Scene scene_;
    ViewAngles view_{0.0f, 0.0f, -60.0f};
};

TEST_F(BasicScene, DrawsFarWallsFirstAndLaterTiesEarlier) {
    TransformAndSort(view_, solid_, scene_);
    const std::vector<int> expected = {202, 902, 302, 201, 402, 501, 401, 702, 502, 602, 2, 1};
    ASSERT_EQ(scene_.drawCount, 12);
    EXPECT_EQ(std::vector<int>(scene_.drawOrder.begin() + 1, scene_.drawOrder.begin() + 13),
              expected);
    for (int g : expected) EXPECT_EQ(scene_.depth[g], kNotDrawn) << g;
}

TEST_F(BasicScene, CupThenBallPlaceTheView) {
    const ViewPoint ball = PrepareScene(view_, solid_, scene_, -250.0f, 0.0f, 10.0f);
    EXPECT_NEAR(scene_.cupViewX, 200.0f, 1e-4);
    EXPECT_NEAR(scene_.cupViewY, 8.66f, 0.01);
    EXPECT_NEAR(ball.x, -250.0f, 1e-4);
    EXPECT_EQ(scene_.viewOriginX, 350);
    EXPECT_EQ(scene_.viewOriginY, 217);
    EXPECT_EQ(static_cast<int>(scene_.cupScreenX), 550);
    EXPECT_EQ(static_cast<int>(scene_.cupScreenY), 208);
}

TEST(PlaceView, BallWinsWhenBothCannotShow) {
    // A long hole: the cup at x 600 pulls the origin to -68, the ball at -650 back to 750.
    const ViewAngles view{0.0f, 0.0f, -60.0f};
    Scene scene;
    const ViewPoint cup = RotateToView(view, 600, 0, 10);
    const ViewPoint ball = RotateToView(view, -650, 0, 10);
    scene.cupViewX = cup.x;
    scene.cupViewY = cup.y;
    PlaceView(scene, ball.x, ball.y);
    EXPECT_EQ(scene.viewOriginX, 750);
}

TEST(PlaceView, PointOnTheBoxEdgeDoesNotMove) {
    Scene scene;
    scene.cupViewX = 532 - 316;
    scene.cupViewY = 217 - 334;
    PlaceView(scene, 0, 0);
    EXPECT_EQ(scene.viewOriginX, 316);
    EXPECT_EQ(scene.viewOriginY, 217);
}

TEST(RotateToView, TiltRaisesFarAndHighPoints) {
    const ViewAngles view{0.0f, 0.0f, -60.0f};
    const ViewPoint far = RotateToView(view, 0, 100, 0);
    const ViewPoint high = RotateToView(view, 0, 0, 100);
    EXPECT_NEAR(far.y, 50.0f, 1e-4);
    EXPECT_NEAR(high.y, 86.6025f, 1e-3);
    EXPECT_LT(far.z, 0.0f);  // farther from the viewer
    const ViewPoint turned = RotateToView({90.0f, 0.0f, 0.0f}, 100, 0, 0);
    EXPECT_NEAR(turned.x, 0.0f, 1e-4);
    EXPECT_NEAR(turned.y, 100.0f, 1e-4);
}
}  // namespace
