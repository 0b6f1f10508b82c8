#include "render/dialog_pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "course/colour.h"
#include "render/gdi_shapes.h"

namespace {
QPixmap Transparent(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}
}  // namespace

QPixmap PlayerFlagPicture(int slot) {
    QPixmap pixmap = Transparent(16, 16);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawLine(3, 1, 3, 15);
    painter.setBrush(ToQColor(kPlayerColours[slot]));
    painter.drawPolygon(QPolygon({QPoint(4, 1), QPoint(14, 4), QPoint(4, 8)}));
    return pixmap;
}

QPixmap PuttingGreenPicture() {
    QPixmap pixmap = Transparent(195, 84);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 90, 0), 2));
    painter.setBrush(QColor(40, 150, 40));
    painter.drawEllipse(QRectF(4, 30, 186, 50));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 180, 70));
    painter.drawEllipse(QRectF(30, 38, 120, 30));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(112, 52, 18, 8));
    painter.setPen(QPen(QColor(90, 90, 90), 2));
    painter.drawLine(QPointF(121, 56), QPointF(121, 4));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({QPointF(122, 4), QPointF(150, 12), QPointF(122, 20)}));
    return pixmap;
}

QPixmap RedFlagPicture() {
    QPixmap pixmap = Transparent(48, 53);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 3));
    painter.drawLine(QPointF(8, 3), QPointF(8, 51));
    QPainterPath cloth;
    cloth.moveTo(10, 4);
    cloth.cubicTo(22, 0, 30, 10, 44, 5);
    cloth.lineTo(44, 25);
    cloth.cubicTo(30, 30, 22, 20, 10, 25);
    cloth.closeSubpath();
    painter.setPen(QPen(QColor(120, 0, 0), 1));
    painter.setBrush(QColor(220, 20, 20));
    painter.drawPath(cloth);
    return pixmap;
}

QPixmap HoleCountPicture(int holes) {
    QPixmap pixmap = Transparent(80, 45);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font("DejaVu Sans", 28, QFont::Black);
    font.setPixelSize(38);
    painter.setFont(font);
    const QString text = QString::number(holes);
    const QRect box(0, 0, 78, 43);
    // Raised lettering: a light edge up and left, a dark edge down and right, the face on top.
    painter.setPen(Qt::white);
    painter.drawText(box.translated(-1, -1), Qt::AlignCenter, text);
    painter.setPen(QColor(60, 60, 60));
    painter.drawText(box.translated(2, 2), Qt::AlignCenter, text);
    painter.setPen(QColor(200, 30, 30));
    painter.drawText(box, Qt::AlignCenter, text);
    return pixmap;
}
