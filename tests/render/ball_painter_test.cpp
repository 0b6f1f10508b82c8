#include "render/ball_painter.h"

#include <gtest/gtest.h>

#include "render/sprites.h"

namespace {
class BallOnGrass : public ::testing::Test {
protected:
    void SetUp() override {
        back_.fill(qRgb(10, 80, 10));
        ball_.screenX = 100;
        ball_.screenY = 100;
        SaveUnderBall(back_, ball_.screenX, ball_.screenY, images_);
    }
    void MoveTo(float x, float y) {
        ball_.viewX = x - scene_.viewOriginX;
        ball_.viewY = scene_.viewOriginY - y;
        MoveAnchor(ball_, scene_);
        DrawBall(back_, {ball_.prevScreenX, ball_.prevScreenY, ball_.screenX, ball_.screenY, true},
                 images_);
    }
    QImage back_ = QImage(640, 480, QImage::Format_RGB32);
    BallImages images_{MakeBallSheet(), MakeBallMask()};
    BallOnScreen ball_;
    Scene scene_;
};

TEST_F(BallOnGrass, RepairsTheOldPlaceWhenMoving) {
    MoveTo(100, 100);
    const QImage once = back_.copy();
    MoveTo(100, 100);
    EXPECT_EQ(back_, once);  // a ball at rest redraws the same picture
    MoveTo(200, 150);
    EXPECT_EQ(ball_.prevScreenX, 100);
    EXPECT_EQ(back_.pixel(100, 93), qRgb(10, 80, 10));
    EXPECT_NE(back_.pixel(200, 143), qRgb(10, 80, 10));
    EXPECT_EQ(back_.pixel(200, 152), qRgb(0, 96, 0));  // shadow below the ball
}

TEST(BallFrameIndex, FollowsThePixelPositionModuloFour) {
    struct Case {
        float x;
        int column;
    };
    for (const Case& c :
         {Case{100, 0}, Case{101, 1}, Case{103.5f, 3}, Case{104, 0}, Case{-5, 1}, Case{-6.5f, 2}}) {
        EXPECT_EQ(BallFrameIndex(c.x), c.column) << c.x;
    }
}

TEST_F(BallOnGrass, OffTheEdgeDrawsNothingOutside) {
    // Half off the top left corner, then half off the bottom right one: each drawing is cut
    // at the picture's edge (the sanitizers watch the writes), and the repair leaves no
    // trace of the first.
    MoveTo(-3, 5);
    EXPECT_NE(back_.pixel(0, 0), qRgb(10, 80, 10));  // the visible part of the ball
    MoveTo(637, 478);
    const QRect last(637 - 7, 478 - 14, 16, 18);
    int changed = 0;
    for (int y = 0; y < back_.height(); ++y)
        for (int x = 0; x < back_.width(); ++x) {
            if (back_.pixel(x, y) == qRgb(10, 80, 10)) continue;
            EXPECT_TRUE(last.contains(x, y)) << x << "," << y;
            ++changed;
        }
    EXPECT_GT(changed, 20);  // the ball shows in the corner
}

TEST(BallMask, IsAFilledCircleFifteenAcross) {
    const QImage mask = MakeBallMask();
    EXPECT_EQ(mask.pixel(7, 7), qRgb(0, 0, 0));
    EXPECT_EQ(mask.pixel(0, 7), qRgb(0, 0, 0));
    EXPECT_EQ(mask.pixel(14, 7), qRgb(0, 0, 0));
    EXPECT_EQ(mask.pixel(15, 7), qRgb(255, 255, 255));
    EXPECT_EQ(mask.pixel(0, 0), qRgb(255, 255, 255));
}
}  // namespace
