#include "render/gdi_shapes.h"

#include <gtest/gtest.h>

#include "render/raster.h"

namespace {
constexpr QRgb kPaper = 0xFFFFFFFF;
constexpr QRgb kInk = 0xFF000000;

struct Box {
    int left, top, right, bottom;
};

class FillEllipseInBox : public ::testing::TestWithParam<Box> {};

// The ellipse touches the box's first and last column and row and never leaves the box.
TEST_P(FillEllipseInBox, CoversExactlyTheBoxExtent) {
    const Box box = GetParam();
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(kPaper);
    FillEllipse(image, box.left, box.top, box.right, box.bottom, kInk);
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kInk) {
                minX = std::min(minX, x), maxX = std::max(maxX, x);
                minY = std::min(minY, y), maxY = std::max(maxY, y);
            }
    EXPECT_EQ(minX, box.left);
    EXPECT_EQ(maxX, box.right - 1);
    EXPECT_EQ(minY, box.top);
    EXPECT_EQ(maxY, box.bottom - 1);
}

INSTANTIATE_TEST_SUITE_P(CupShadowAndBall, FillEllipseInBox,
                         ::testing::Values(Box{5, 5, 23, 13},     // the cup, 18 x 8
                                           Box{3, 10, 18, 16},    // the ball's shadow, 15 x 6
                                           Box{10, 4, 24, 10}));  // an attract shadow, 14 x 6

TEST(FillEllipse, ClipsAtThePictureEdges) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(kPaper);
    FillEllipse(image, -6, -3, 4, 5, kInk);
    FillEllipse(image, 7, 8, 20, 14, kInk);
    EXPECT_EQ(image.pixel(0, 0), kInk);
    EXPECT_EQ(image.pixel(9, 9), kInk);  // the sanitizers watch for writes outside
}

TEST(BlitRect, CopiesOnlyWhatLiesInsideBothPictures) {
    QImage source(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) source.setPixel(x, y, qRgb(x * 30, y * 30, 7));
    struct Case {
        int sx, sy, tx, ty, w, h;
    };
    for (const Case& c : {Case{0, 0, -3, -2, 8, 8}, Case{-2, -1, 4, 5, 8, 8},
                          Case{5, 6, 0, 0, 8, 8}, Case{0, 0, 9, 0, 4, 4}, Case{2, 2, 1, 1, 3, 3}}) {
        QImage target(10, 10, QImage::Format_RGB32);
        target.fill(kPaper);
        BlitRect(source, c.sx, c.sy, target, c.tx, c.ty, c.w, c.h);
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                const int u = x - c.tx + c.sx, v = y - c.ty + c.sy;
                const bool copied = x - c.tx >= 0 && x - c.tx < c.w && y - c.ty >= 0 &&
                                    y - c.ty < c.h && u >= 0 && u < 8 && v >= 0 && v < 8;
                EXPECT_EQ(target.pixel(x, y), copied ? source.pixel(u, v) : kPaper)
                    << "case " << c.sx << "," << c.sy << " -> " << c.tx << "," << c.ty << " at "
                    << x << "," << y;
            }
        }
    }
}
}  // namespace
