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
    // Two rows of rolling hills, the far row lighter.
    QPainterPath far;
    far.moveTo(0, 70);
    far.lineTo(0, 40);
    far.cubicTo(80, 10, 150, 45, 230, 28);
    far.cubicTo(300, 14, 360, 30, 410, 22);
    far.lineTo(410, 70);
    far.closeSubpath();
    painter.fillPath(far, QColor(120, 200, 90));
    QPainterPath near;
    near.moveTo(0, 70);
    near.lineTo(0, 55);
    near.cubicTo(90, 30, 170, 66, 260, 48);
    near.cubicTo(320, 36, 370, 50, 410, 44);
    near.lineTo(410, 70);
    near.closeSubpath();
    painter.fillPath(near, QColor(40, 150, 40));
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
