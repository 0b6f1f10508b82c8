#include "records/records_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {
QPixmap Transparent(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}
}  // namespace

QPixmap HillsPicture() {
    QPixmap pixmap = Transparent(410, 70);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Two rows of rolling hills, the far row lighter: each a left height, two curves and a
    // right height.
    struct Ridge {
        QColor colour;
        QPointF points[7];
    };
    const Ridge ridges[] = {
        {QColor(120, 200, 90),
         {{0, 40}, {80, 10}, {150, 45}, {230, 28}, {300, 14}, {360, 30}, {410, 22}}},
        {QColor(40, 150, 40),
         {{0, 55}, {90, 30}, {170, 66}, {260, 48}, {320, 36}, {370, 50}, {410, 44}}},
    };
    for (const Ridge& ridge : ridges) {
        QPainterPath hills(QPointF(0, 70));
        hills.lineTo(ridge.points[0]);
        hills.cubicTo(ridge.points[1], ridge.points[2], ridge.points[3]);
        hills.cubicTo(ridge.points[4], ridge.points[5], ridge.points[6]);
        hills.lineTo(410, 70);
        hills.closeSubpath();
        painter.fillPath(hills, ridge.colour);
    }
    // The flag on the near hill.
    painter.setPen(QPen(QColor(60, 60, 60), 2));
    painter.drawLine(QPointF(300, 42), QPointF(300, 8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 20, 20));
    painter.drawPolygon(QPolygonF({QPointF(301, 8), QPointF(322, 14), QPointF(301, 20)}));
    return pixmap;
}

QPixmap GlobePicture() {
    QPixmap pixmap = Transparent(16, 16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 40, 120), 1));
    painter.setBrush(QColor(40, 110, 220));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    // Land in green, then the meridian and the equator.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 170, 60));
    painter.drawEllipse(QRectF(4, 4, 5, 4));
    painter.drawEllipse(QRectF(8, 9, 4, 4));
    painter.setPen(QPen(QColor(220, 235, 255), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(5.5, 1.5, 5, 13));
    painter.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    return pixmap;
}
