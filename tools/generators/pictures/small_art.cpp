#include "tools/generators/pictures/small_art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "play/tournament.h"
#include "tools/generators/pictures/picture_tools.h"

QImage DrawPlayerFlag(int slot) {
    const Colour colour = kPlayerColours[slot];
    const QColor cloth(RedOf(colour), GreenOf(colour), BlueOf(colour));
    QImage flag = TransparentPicture(16, 16);
    QPainter painter(&flag);
    painter.setRenderHint(QPainter::Antialiasing);
    // The pole: dark on the shadow side, a light line on the lit side, a knob on top.
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(2, 2, 2, 13.5), QColor(70, 70, 76));
    painter.fillRect(QRectF(2, 2, 1, 13.5), QColor(170, 170, 176));
    painter.setBrush(QColor(212, 176, 60));
    painter.drawEllipse(QPointF(3, 1.6), 1.5, 1.5);
    // The cloth waves once; darker in the fold, lighter at the crest.
    QPainterPath wave;
    wave.moveTo(4, 2.5);
    wave.cubicTo(7.5, 1.0, 10.5, 4.0, 14.5, 2.5);
    wave.lineTo(14.5, 9.0);
    wave.cubicTo(10.5, 10.5, 7.5, 7.5, 4, 9.5);
    wave.closeSubpath();
    QLinearGradient shade(4, 0, 14.5, 0);
    shade.setColorAt(0.0, Mix(cloth, Qt::white, 0.25));
    shade.setColorAt(0.45, Mix(cloth, Qt::black, 0.25));
    shade.setColorAt(1.0, Mix(cloth, Qt::white, 0.10));
    painter.setBrush(shade);
    painter.setPen(QPen(Mix(cloth, Qt::black, 0.55), 0.9));
    painter.drawPath(wave);
    return flag;
}

void PaintGlobe(QPainter& painter, const QRectF& box) {
    const QPointF centre = box.center();
    const double r = box.width() / 2.0;
    QRadialGradient sea(centre - QPointF(r * 0.35, r * 0.4), r * 1.5);
    sea.setColorAt(0.0, QColor(120, 190, 255));
    sea.setColorAt(0.6, QColor(30, 100, 200));
    sea.setColorAt(1.0, QColor(10, 40, 110));
    painter.setPen(QPen(QColor(10, 40, 100), r / 7.5));
    painter.setBrush(sea);
    painter.drawEllipse(centre, r - r / 15, r - r / 15);
    painter.save();
    QPainterPath ball;
    ball.addEllipse(centre, r - r / 7, r - r / 7);
    painter.setClipPath(ball);
    // Land, as a few round masses.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 170, 70));
    const QPointF land[] = {{-0.35, -0.35}, {-0.5, 0.1}, {0.35, 0.25}, {0.2, 0.55}, {0.6, -0.3}};
    const double size[] = {0.38, 0.28, 0.32, 0.22, 0.18};
    for (int i = 0; i < 5; ++i)
        painter.drawEllipse(centre + land[i] * r, size[i] * r * 1.2, size[i] * r);
    // Meridians and the equator.
    painter.setPen(QPen(QColor(255, 255, 255, 110), r / 10));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, r * 0.45, r);
    painter.drawLine(centre - QPointF(r, 0), centre + QPointF(r, 0));
    painter.drawLine(centre - QPointF(0, r), centre + QPointF(0, r));
    painter.restore();
    // A glint of light at the top left.
    QRadialGradient glint(centre - QPointF(r * 0.4, r * 0.45), r * 0.45);
    glint.setColorAt(0.0, QColor(255, 255, 255, 180));
    glint.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glint);
    painter.drawEllipse(centre - QPointF(r * 0.4, r * 0.45), r * 0.45, r * 0.45);
}

QImage DrawGlobe() {
    QImage globe = TransparentPicture(16, 16);
    QPainter painter(&globe);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintGlobe(painter, QRectF(0, 0, 16, 16));
    return globe;
}
