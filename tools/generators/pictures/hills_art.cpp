#include "tools/generators/pictures/hills_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/generators/pictures/picture_tools.h"

namespace {
constexpr int kWidth = 410;
constexpr int kHeight = 70;

// A hill line y(x) as a sum of broad waves, closed along the bottom edge.
QPainterPath HillLine(double base, double a1, double w1, double a2, double w2, double phase) {
    QPainterPath path;
    path.moveTo(0, kHeight);
    for (int x = 0; x <= kWidth; x += 2)
        path.lineTo(x, base - a1 * std::sin(x / w1 + phase) - a2 * std::sin(x / w2 + 2.3 * phase));
    path.lineTo(kWidth, kHeight);
    path.closeSubpath();
    return path;
}

void FillHill(QPainter& painter, const QPainterPath& hill, const QColor& top,
              const QColor& bottom) {
    const QRectF bounds = hill.boundingRect();
    QLinearGradient shade(0, bounds.top(), 0, kHeight);
    shade.setColorAt(0.0, top);
    shade.setColorAt(1.0, bottom);
    painter.setPen(QPen(Mix(top, Qt::white, 0.35), 1.0));
    painter.setBrush(shade);
    painter.drawPath(hill);
}
}  // namespace

QImage DrawHills() {
    QImage hills = TransparentPicture(kWidth, kHeight);
    QPainter painter(&hills);
    painter.setRenderHint(QPainter::Antialiasing);
    FillHill(painter, HillLine(30, 9, 46, 5, 17, 0.4), QColor(150, 196, 150),
             QColor(110, 160, 112));
    FillHill(painter, HillLine(44, 10, 60, 4, 23, 2.1), QColor(96, 164, 80), QColor(60, 124, 56));
    // The nearest hill rises to the right, where the flag stands on its green.
    QPainterPath near;
    near.moveTo(0, kHeight);
    for (int x = 0; x <= kWidth; x += 2) {
        const double t = x / double(kWidth);
        near.lineTo(x, 62 - 30 * std::exp(-std::pow((t - 0.78) / 0.2, 2)) - 4 * std::sin(x / 19.0));
    }
    near.lineTo(kWidth, kHeight);
    near.closeSubpath();
    FillHill(painter, near, QColor(74, 150, 60), QColor(34, 96, 34));
    // The mown green on its top, the cup and the flag.
    const QPointF cup(318, 32.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(140, 206, 110));
    painter.drawEllipse(cup + QPointF(-4, 1), 30, 5.5);
    painter.setBrush(QColor(0, 0, 0));
    painter.drawEllipse(cup, 3.5, 1.4);
    painter.setPen(QPen(QColor(90, 90, 90), 1.2));
    painter.drawLine(cup, cup + QPointF(0, -30));
    QPainterPath cloth;
    cloth.moveTo(cup + QPointF(0.6, -30));
    cloth.cubicTo(cup + QPointF(7, -33), cup + QPointF(11, -27), cup + QPointF(18, -29));
    cloth.lineTo(cup + QPointF(17, -20));
    cloth.cubicTo(cup + QPointF(11, -18), cup + QPointF(7, -24), cup + QPointF(0.6, -21));
    cloth.closeSubpath();
    QLinearGradient red(cup.x(), 0, cup.x() + 18, 0);
    red.setColorAt(0.0, QColor(236, 36, 30));
    red.setColorAt(0.6, QColor(190, 14, 18));
    red.setColorAt(1.0, QColor(228, 46, 36));
    painter.setPen(QPen(QColor(120, 0, 0), 0.7));
    painter.setBrush(red);
    painter.drawPath(cloth);
    // A few bushes along the middle hill.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const double x = 20 + i * 34 + 12 * HashUnit(i, 0, 61);
        if (x > 250 && x < 370) continue;
        const double y = 44 - 10 * std::sin(x / 60 + 2.1) - 4 * std::sin(x / 23 + 4.83) + 2;
        painter.setBrush(QColor(40, 100, 40));
        painter.drawEllipse(QPointF(x, y), 5 + 3 * HashUnit(i, 1, 61), 3.5);
        painter.setBrush(QColor(80, 140, 60));
        painter.drawEllipse(QPointF(x - 1.5, y - 1.2), 3, 1.8);
    }
    return hills;
}
