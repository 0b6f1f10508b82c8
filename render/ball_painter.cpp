#include "render/ball_painter.h"

#include <QPainter>
#include <cstdlib>

#include "render/gdi_shapes.h"
#include "render/raster.h"

namespace {
// The sheet cell follows the whole-pixel anchor modulo 4, so a rolling ball turns.
int FrameIndex(float screen) {
    return std::abs(static_cast<int>(screen - 4 * static_cast<int>(screen * 0.25f)));
}

void DrawShadow(QImage& backBuffer, float x, float y) {
    QPainter painter(&backBuffer);
    painter.setRenderHint(QPainter::Antialiasing, false);
    FillEllipse(painter, static_cast<int>(x - 7), static_cast<int>(y - 3), static_cast<int>(x + 8),
                static_cast<int>(y + 3), QColor(0, 96, 0));
}
}  // namespace

void SaveUnderBall(const QImage& backBuffer, BallSprite& ball) {
    BlitRect(backBuffer, static_cast<int>(ball.screenX - 7), static_cast<int>(ball.screenY - 14), ball.under,
             0, 0, kSpriteWidth, kSpriteHeight);
}

void StampBall(QImage& backBuffer, const BallImages& images, float x, float y) {
    const int left = static_cast<int>(x - 7), top = static_cast<int>(y - 14);
    BlitRect(images.mask, 0, 0, backBuffer, left, top, images.mask.width(), images.mask.height(),
             RasterOp::And);
    BlitRect(images.sheet, 16 * FrameIndex(x), 16 * FrameIndex(y), backBuffer, left, top,
             images.mask.width(), images.mask.height(), RasterOp::Or);
}

void DrawBall(QImage& backBuffer, const BallImages& images, const Scene& scene, BallSprite& ball,
              bool withShadow) {
    ball.prevScreenX = static_cast<int>(ball.screenX);
    ball.prevScreenY = static_cast<int>(ball.screenY);
    ball.screenX = static_cast<float>(scene.viewOriginX) + ball.viewX;
    ball.screenY = static_cast<float>(scene.viewOriginY) - ball.viewY;

    BlitRect(ball.under, 0, 0, backBuffer, ball.prevScreenX - 7, ball.prevScreenY - 14, kSpriteWidth,
             kSpriteHeight);
    SaveUnderBall(backBuffer, ball);
    if (withShadow) DrawShadow(backBuffer, ball.screenX, ball.screenY);
    ball.frameColumn = FrameIndex(ball.screenX);
    ball.frameRow = FrameIndex(ball.screenY);
    StampBall(backBuffer, images, ball.screenX, ball.screenY);
}
