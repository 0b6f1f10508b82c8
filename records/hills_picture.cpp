#include "records/hills_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
constexpr int kWidth = 410;
constexpr int kHeight = 70;

// One range of hills: a wave along the picture, filled down to its bottom edge.
void Hills(QPainter& painter, double baseline, double height, double waves, double phase,
           QColor colour) {
    QPainterPath path;
    path.moveTo(0, kHeight);
    for (int x = 0; x <= kWidth; x += 2) {
        const double t = x / static_cast<double>(kWidth);
        const double y =
            baseline - height * (0.6 * std::sin(t * waves * 6.2832 + phase) +
                                 0.4 * std::sin(t * waves * 2.7 * 6.2832 + 1.3 * phase));
        path.lineTo(x, y);
    }
    path.lineTo(kWidth, kHeight);
    path.closeSubpath();
    painter.fillPath(path, colour);
}
}  // namespace

QImage HillsPicture() {
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    Hills(painter, 34, 12, 1.3, 0.4, QColor(150, 205, 120));
    Hills(painter, 48, 10, 1.8, 2.1, QColor(90, 170, 70));
    Hills(painter, 62, 6, 2.4, 4.0, QColor(40, 130, 40));

    // The flag on the nearest hill, with the cup at the foot of its pole.
    const int poleX = 292, poleTop = 16, poleFoot = 58;
    painter.setPen(QPen(QColor(60, 60, 60), 2));
    painter.drawLine(poleX, poleTop, poleX, poleFoot);
    QPainterPath cloth;
    cloth.moveTo(poleX + 1, poleTop);
    cloth.cubicTo(poleX + 10, poleTop - 3, poleX + 16, poleTop + 5, poleX + 26, poleTop + 3);
    cloth.lineTo(poleX + 26, poleTop + 15);
    cloth.cubicTo(poleX + 16, poleTop + 17, poleX + 10, poleTop + 9, poleX + 1, poleTop + 12);
    cloth.closeSubpath();
    painter.fillPath(cloth, QColor(220, 30, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 60, 20));
    painter.drawEllipse(QRectF(poleX - 7, poleFoot - 2, 14, 5));
    return picture;
}
