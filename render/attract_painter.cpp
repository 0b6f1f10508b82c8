#include "render/attract_painter.h"

#include <QPainter>

#include "render/gdi_shapes.h"

void PaintAttract(QImage& backBuffer, const BallImages& images, const AttractPicture& picture) {
    {
        QPainter painter(&backBuffer);
        painter.setRenderHint(QPainter::Antialiasing, false);
        const QColor shadow(0, 96, 0);
        for (int n = 0; n < picture.count; ++n) {
            const ShadowBox& box = picture.shadows[n];
            FillEllipse(painter, box.left, box.top, box.right, box.bottom, shadow);
        }
    }
    for (int n = 0; n < picture.count; ++n)
        StampBall(backBuffer, images, picture.ballX[n], picture.ballY[n]);
}
