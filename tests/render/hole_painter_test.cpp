#include "render/hole_painter.h"

#include <gtest/gtest.h>

#include "course/catalogue.h"
#include "render/scene_painter.h"

namespace {
// Basic at spin 0 with the ball on the tee: origin (350, 217), the lane left of x 450,
// the green right of it, the cup ellipse round (550, 208).
class DrawnBasic : public ::testing::Test {
protected:
    void SetUp() override {
        LoadHole(course_, 1, solid_);
        DrawHoleScene(pictures_, ViewAngles{}, solid_, scene_, course_[1].wallColour, -250, 0, 10);
    }
    QRgb At(int x, int y) const { return pictures_.backBuffer.pixel(x, y); }

    Course course_ = BuildCourse();
    Solid solid_;
    Scene scene_;
    ScenePictures pictures_ = MakeScenePictures();
};

TEST_F(DrawnBasic, FacesTakeShadesInDrawingOrder) {
    // Screen of course point (x, y, 10): (350 + x, 217 - (y / 2 + 8.66)).
    EXPECT_EQ(At(350 + 250, 217 - 9 - 25), qRgb(4, 132, 4));  // green, face 2, drawn first
    EXPECT_EQ(At(350 - 200, 217 - 9), qRgb(8, 136, 8));       // lane, face 1
}

TEST_F(DrawnBasic, CushionsShowWallColourAndRims) {
    // The near edge of the lane (y -50, z 10) lies on screen row 233; its wall hangs
    // down to the base at row 242, and a 5-pixel rim runs along the edge.
    EXPECT_EQ(At(350 - 100, 239), qRgb(64, 0, 0));
    EXPECT_EQ(At(350 - 100, 233), qRgb(128, 48, 0));
    EXPECT_EQ(At(350 - 100, 231), qRgb(128, 48, 0));
    // No rim on the shared edge at x 100 between the lane and the green.
    EXPECT_EQ(At(350 + 102, 217 - 9), qRgb(4, 132, 4));
}

TEST_F(DrawnBasic, CupIsABlackEllipseEighteenByEight) {
    EXPECT_EQ(At(550, 208), qRgb(0, 0, 0));
    EXPECT_EQ(At(541, 208), qRgb(0, 0, 0));
    EXPECT_NE(At(540, 208), qRgb(0, 0, 0));
    EXPECT_NE(At(559, 208), qRgb(0, 0, 0));
    EXPECT_NE(At(550, 212), qRgb(0, 0, 0));
}

TEST_F(DrawnBasic, GrassSurroundsTheHoleAndTheStatusRowsStayGrass) {
    const QRgb corner = At(5, 5);
    EXPECT_EQ(qRed(corner), qRed(pictures_.grassTile.pixel(5, 5)));
    EXPECT_EQ(pictures_.backBuffer.pixel(5, 447), pictures_.grassTile.pixel(5, 63));
}
}  // namespace

namespace {
TEST(CupFrontRim, TwoBlackPiecesOneRowBelowTheCupCentreWithoutEndPixels) {
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);
    DrawCupFrontRim(picture, 20.5f, 9.7f);  // rim row 10, pieces 12..15 and 24..27
    const QRgb black = qRgb(0, 0, 0);
    for (int x = 0; x < 40; ++x) {
        const bool rim = (x >= 12 && x < 16) || (x >= 24 && x < 28);
        EXPECT_EQ(picture.pixel(x, 10) == black, rim) << x;
        EXPECT_NE(picture.pixel(x, 9), black) << x;
        EXPECT_NE(picture.pixel(x, 11), black) << x;
    }
}
}  // namespace
