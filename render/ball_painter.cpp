#include "render/ball_painter.h"

#include <cstdlib>

#include "render/gdi_shapes.h"
#include "render/raster.h"

namespace {
// A dark green ellipse 15 by 6 centred on the anchor, mostly hidden by the ball.
void DrawShadow(QImage& backBuffer, float x, float y) {
    FillEllipse(backBuffer, static_cast<int>(x - 7), static_cast<int>(y - 3),
                static_cast<int>(x + 8), static_cast<int>(y + 3), qRgb(0, 96, 0));
}
}  // namespace

int BallFrameIndex(float screen) {
    return std::abs(static_cast<int>(screen - 4 * static_cast<int>(screen * 0.25f)));
}

void SaveUnderBall(const QImage& backBuffer, const BallOnScreen& ball, BallImages& images) {
    BlitRect(backBuffer, static_cast<int>(ball.screenX - 7), static_cast<int>(ball.screenY - 14),
             images.under, 0, 0, kSpriteWidth, kSpriteHeight);
}

void StampBall(QImage& backBuffer, const BallImages& images, float x, float y) {
    const int left = static_cast<int>(x - 7), top = static_cast<int>(y - 14);
    BlitRect(images.mask, 0, 0, backBuffer, left, top, images.mask.width(), images.mask.height(),
             RasterOp::And);
    BlitRect(images.sheet, 16 * BallFrameIndex(x), 16 * BallFrameIndex(y), backBuffer, left, top,
             images.mask.width(), images.mask.height(), RasterOp::Or);
}

void DrawBall(QImage& backBuffer, const BallOnScreen& ball, BallImages& images, bool withShadow) {
    BlitRect(images.under, 0, 0, backBuffer, ball.prevScreenX - 7, ball.prevScreenY - 14,
             kSpriteWidth, kSpriteHeight);
    SaveUnderBall(backBuffer, ball, images);
    if (withShadow) DrawShadow(backBuffer, ball.screenX, ball.screenY);
    StampBall(backBuffer, images, ball.screenX, ball.screenY);
}
