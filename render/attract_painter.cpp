#include "render/attract_painter.h"

#include "render/gdi_shapes.h"

void PaintAttract(QImage& backBuffer, const BallImages& images, const AttractPicture& picture) {
    for (int n = 0; n < picture.count; ++n) {
        const ShadowBox& box = picture.shadows[n];
        FillEllipse(backBuffer, box.left, box.top, box.right, box.bottom, qRgb(0, 96, 0));
    }
    for (int n = 0; n < picture.count; ++n)
        StampBall(backBuffer, images, picture.ballX[n], picture.ballY[n]);
}

std::vector<QRect> AttractBoxes(const AttractPicture& picture) {
    std::vector<QRect> boxes;
    boxes.reserve(2 * static_cast<std::size_t>(picture.count));
    for (int n = 0; n < picture.count; ++n) {
        const ShadowBox& shadow = picture.shadows[n];
        boxes.emplace_back(shadow.left, shadow.top, shadow.right - shadow.left,
                           shadow.bottom - shadow.top);
        const PixelBox ball = SpriteBox(picture.ballX[n], picture.ballY[n]);
        boxes.emplace_back(ball.x, ball.y, ball.width, ball.height);
    }
    return boxes;
}
