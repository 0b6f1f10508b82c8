#include "render/raster.h"

#include <gtest/gtest.h>

namespace {
// A 5 by 4 mask with a hole in the middle, and a two-sprite sheet whose pixels all differ.
QImage Mask() {
    QImage mask(5, 4, QImage::Format_RGB32);
    mask.fill(qRgb(255, 255, 255));
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 4; ++x) mask.setPixel(x, y, qRgb(0, 0, 0));
    return mask;
}
QImage Sheet() {
    QImage sheet(10, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 10; ++x) sheet.setPixel(x, y, qRgb(x * 20, y * 50, 7));
    return sheet;
}

TEST(StampMasked, GivesTheAndThenOrPixelsAndClipsAtEveryEdge) {
    const QImage mask = Mask(), sheet = Sheet();
    const QRgb ground = qRgb(90, 140, 60);
    // The second sprite starts 3 columns before the sheet's right edge, so only 3 are laid.
    for (const int spriteX : {5, 7})
        for (const QPoint at :
             {QPoint(3, 2), QPoint(-2, -1), QPoint(9, 8), QPoint(-5, 3), QPoint(12, 0)}) {
            QImage target(12, 10, QImage::Format_RGB32);
            target.fill(ground);
            StampMasked(mask, sheet, spriteX, 0, target, at.x(), at.y());
            for (int y = 0; y < target.height(); ++y)
                for (int x = 0; x < target.width(); ++x) {
                    const QPoint inSprite = QPoint(x, y) - at;
                    const QPoint inSheet = inSprite + QPoint(spriteX, 0);
                    QRgb expected = ground;
                    if (mask.rect().contains(inSprite) && sheet.rect().contains(inSheet))
                        expected = (ground & mask.pixel(inSprite)) | sheet.pixel(inSheet);
                    ASSERT_EQ(target.pixel(x, y), expected)
                        << "sprite " << spriteX << " at " << at.x() << "," << at.y() << ", pixel "
                        << x << "," << y;
                }
        }
}
}  // namespace
