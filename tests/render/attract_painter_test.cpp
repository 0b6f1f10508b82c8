#include "render/attract_painter.h"

#include <gtest/gtest.h>

#include "render/sprites.h"

namespace {
const QRgb kGrass = qRgb(10, 80, 10);
const QRgb kShadow = qRgb(0, 96, 0);

class AttractOnGrass : public ::testing::Test {
protected:
    AttractOnGrass() { back_.fill(kGrass); }
    void Add(ShadowBox shadow, float x, float y) {
        picture_.shadows[picture_.count] = shadow;
        picture_.ballX[picture_.count] = x;
        picture_.ballY[picture_.count] = y;
        ++picture_.count;
    }
    QImage back_ = QImage(640, 480, QImage::Format_RGB32);
    BallImages images_{MakeBallSheet(), MakeBallMask()};
    AttractPicture picture_;
};

TEST_F(AttractOnGrass, BallsLieOverEveryShadow) {
    Add({193, 297, 207, 303}, 300, 200);  // the first ball stands where the second's shadow is
    Add({290, 188, 310, 198}, 200, 400);
    PaintAttract(back_, images_, picture_);

    QImage ball(640, 480, QImage::Format_RGB32);
    ball.fill(kGrass);
    StampBall(ball, images_, 300, 200);
    EXPECT_EQ(back_.pixel(300, 193), ball.pixel(300, 193));
    EXPECT_NE(back_.pixel(300, 193), kShadow);
    // The shadow fills its box, the bottom row left out.
    EXPECT_EQ(back_.pixel(200, 297), kShadow);
    EXPECT_EQ(back_.pixel(200, 302), kShadow);
    EXPECT_EQ(back_.pixel(200, 303), kGrass);
    EXPECT_EQ(back_.pixel(200, 296), kGrass);
    EXPECT_EQ(back_.pixel(196, 300), kShadow);
    EXPECT_EQ(back_.pixel(210, 300), kGrass);
}

TEST_F(AttractOnGrass, ShapesOffTheEdgesAreClipped) {
    Add({-10, -2, 4, 4}, 320, 100);
    Add({636, 476, 650, 482}, 320, 140);
    Add({-400, -400, -386, -394}, -3.5f, 200);  // a ball partly off the top left
    Add({300, 300, 314, 306}, 645, 300);        // and one partly off the bottom right
    PaintAttract(back_, images_, picture_);
    EXPECT_EQ(back_.pixel(0, 0), kShadow);
    EXPECT_EQ(back_.pixel(639, 479), kShadow);
    QImage balls(640, 480, QImage::Format_RGB32);
    balls.fill(kGrass);
    StampBall(balls, images_, -3.5f, 200);
    StampBall(balls, images_, 645, 300);
    EXPECT_NE(balls.pixel(0, 193), kGrass);
    for (const QPoint corner : {QPoint(0, 193), QPoint(639, 293)})
        EXPECT_EQ(back_.pixel(corner), balls.pixel(corner)) << corner.x() << ", " << corner.y();
}
}  // namespace
