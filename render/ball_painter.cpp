#include "render/ball_painter.h"

#include "render/gdi_shapes.h"
#include "render/raster.h"

namespace {
// A dark green ellipse 15 by 6 centred on the anchor, mostly hidden by the ball.
void DrawShadow(QImage& backBuffer, float x, float y) {
    FillEllipse(backBuffer, static_cast<int>(x - 7), static_cast<int>(y - 3),
                static_cast<int>(x + 8), static_cast<int>(y + 3), qRgb(0, 96, 0));
}
}  // namespace

void SaveUnderBall(const QImage& backBuffer, float x, float y, BallImages& images) {
    const PixelBox box = SpriteBox(x, y);
    BlitRect(backBuffer, box.x, box.y, images.under, 0, 0, box.width, box.height);
}

void StampBall(QImage& backBuffer, const BallImages& images, float x, float y) {
    const PixelBox box = SpriteBox(x, y);
    StampMasked(images.mask, images.sheet, 16 * BallFrameIndex(x), 16 * BallFrameIndex(y),
                backBuffer, box.x, box.y);
}

void DrawBall(QImage& backBuffer, const BallMove& move, BallImages& images) {
    const PixelBox old = SpriteBox(static_cast<float>(move.fromX), static_cast<float>(move.fromY));
    BlitRect(images.under, 0, 0, backBuffer, old.x, old.y, old.width, old.height);
    SaveUnderBall(backBuffer, move.toX, move.toY, images);
    if (move.shadow) DrawShadow(backBuffer, move.toX, move.toY);
    StampBall(backBuffer, images, move.toX, move.toY);
}
