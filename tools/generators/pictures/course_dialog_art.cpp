#include "tools/generators/pictures/course_dialog_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/generators/pictures/picture_tools.h"

namespace {
// The flagstick's x in the green's picture and in the flag's (the dialog places the green
// at x 178 and the flag at x 291).
constexpr double kStickInGreen = 121.5;
constexpr double kPoleInFlag = 8.5;

void PaintPole(QPainter& painter, double x, double top, double bottom) {
    QLinearGradient pole(x - 1.5, 0, x + 1.5, 0);
    pole.setColorAt(0.0, QColor(250, 250, 250));
    pole.setColorAt(1.0, QColor(120, 120, 126));
    painter.setPen(Qt::NoPen);
    painter.setBrush(pole);
    painter.drawRect(QRectF(x - 1.5, top, 3, bottom - top));
}
}  // namespace

QImage DrawCourseGreen() {
    QImage green = TransparentPicture(195, 84);
    QPainter painter(&green);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF turf(4, 30, 186, 48);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawEllipse(turf.translated(1, 4));
    painter.setBrush(QColor(44, 116, 40));
    painter.drawEllipse(turf);
    QLinearGradient lawn(0, turf.top(), 0, turf.bottom());
    lawn.setColorAt(0.0, QColor(128, 200, 98));
    lawn.setColorAt(1.0, QColor(64, 148, 56));
    painter.setBrush(lawn);
    const QRectF inner = turf.adjusted(5, 3, -5, -4);
    painter.drawEllipse(inner);
    // Mowing stripes and a soft sheen.
    painter.save();
    QPainterPath clip;
    clip.addEllipse(inner);
    painter.setClipPath(clip);
    for (int s = 0; s < 10; s += 2)
        painter.fillRect(QRectF(inner.left() + s * 19, inner.top(), 19, inner.height()),
                         QColor(255, 255, 255, 16));
    QRadialGradient sheen(QPointF(70, 44), 90);
    sheen.setColorAt(0.0, QColor(255, 255, 230, 70));
    sheen.setColorAt(1.0, QColor(255, 255, 230, 0));
    painter.fillRect(inner, sheen);
    painter.restore();
    // The cup with its dark inside, a ball resting near it, the flagstick's shadow.
    const QPointF cup(kStickInGreen, 56);
    painter.setPen(QPen(QColor(20, 60, 20, 90), 2));
    painter.drawLine(cup, cup + QPointF(34, 10));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 240, 230));
    painter.drawEllipse(cup, 9.5, 4);
    painter.setBrush(QColor(10, 18, 10));
    painter.drawEllipse(cup + QPointF(0, 0.6), 8, 3.2);
    QRadialGradient ball(QPointF(66, 58), 5);
    ball.setColorAt(0.0, Qt::white);
    ball.setColorAt(1.0, QColor(170, 174, 180));
    painter.setBrush(QColor(20, 60, 20, 90));
    painter.drawEllipse(QPointF(70, 63), 5, 2);
    painter.setBrush(ball);
    painter.setPen(QPen(QColor(110, 110, 110), 0.6));
    painter.drawEllipse(QPointF(68, 59), 4, 4);
    PaintPole(painter, kStickInGreen, 0, cup.y());
    return green;
}

QImage DrawCourseFlag() {
    QImage flag = TransparentPicture(48, 53);
    QPainter painter(&flag);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintPole(painter, kPoleInFlag, 4, 53);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 184, 60));
    painter.drawEllipse(QPointF(kPoleInFlag, 3.5), 2.8, 2.8);
    QPainterPath cloth;
    cloth.moveTo(10, 6);
    cloth.cubicTo(20, 1, 30, 12, 45, 6);
    cloth.lineTo(45, 27);
    cloth.cubicTo(30, 33, 20, 22, 10, 28);
    cloth.closeSubpath();
    QLinearGradient red(10, 0, 45, 0);
    red.setColorAt(0.0, QColor(238, 44, 38));
    red.setColorAt(0.45, QColor(170, 10, 16));
    red.setColorAt(0.75, QColor(226, 40, 34));
    red.setColorAt(1.0, QColor(200, 24, 24));
    painter.setPen(QPen(QColor(100, 0, 0), 1));
    painter.setBrush(red);
    painter.drawPath(cloth);
    painter.setPen(QPen(QColor(255, 200, 190, 110), 1.2));
    painter.drawLine(QPointF(13, 8), QPointF(20, 5.5));
    return flag;
}

QImage DrawHoleCount(int holes) {
    QImage picture = TransparentPicture(80, 45);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath digits =
        TextPathInBox(QString::number(holes), "DejaVu Sans", QRectF(6, 3, 66, 37));
    const QRectF bounds = digits.boundingRect();
    // Raised lettering: a light bevel up and left, a dark one down and right, then the face.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(digits.translated(3, 3));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPath(digits.translated(-1.2, -1.2));
    painter.setBrush(QColor(40, 70, 36));
    painter.drawPath(digits.translated(1.4, 1.4));
    QLinearGradient face(bounds.topLeft(), bounds.bottomLeft());
    face.setColorAt(0.0, QColor(120, 200, 96));
    face.setColorAt(1.0, QColor(40, 130, 46));
    painter.setBrush(face);
    painter.drawPath(digits);
    return picture;
}
