#include "tools/generators/pictures/splash_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/generators/pictures/picture_tools.h"

namespace {
constexpr int kWidth = 420;
constexpr int kHeight = 210;
constexpr double kHorizon = 118;
// The green: a long flat ellipse seen at a slant, centred on the ball's path.
const QRectF kGreen(26, 146, 384, 46);
const QPointF kCup(384, 169);

void PaintSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0.0, QColor(58, 112, 190));
    sky.setColorAt(0.6, QColor(132, 178, 226));
    sky.setColorAt(1.0, QColor(214, 230, 240));
    painter.fillRect(QRectF(0, 0, kWidth, kHorizon + 1), sky);
    // A warm glow low on the left, where the light comes from.
    QRadialGradient sun(QPointF(60, 30), 170);
    sun.setColorAt(0.0, QColor(255, 246, 214, 150));
    sun.setColorAt(1.0, QColor(255, 246, 214, 0));
    painter.fillRect(QRectF(0, 0, kWidth, kHorizon + 1), sun);
    // A few soft clouds.
    painter.setPen(Qt::NoPen);
    const QPointF clouds[] = {{300, 28}, {150, 46}, {370, 62}};
    for (int c = 0; c < 3; ++c) {
        for (int puff = 0; puff < 6; ++puff) {
            const double dx = (puff - 2.5) * 11 + 6 * HashUnit(c, puff, 31);
            const double r = 9 + 7 * HashUnit(c, puff, 32);
            QRadialGradient gradient(clouds[c] + QPointF(dx, -r * 0.3), r);
            gradient.setColorAt(0.0, QColor(255, 255, 255, 170));
            gradient.setColorAt(1.0, QColor(255, 255, 255, 0));
            painter.setBrush(gradient);
            painter.drawEllipse(clouds[c] + QPointF(dx, -r * 0.3), r, r * 0.75);
        }
    }
}

QPainterPath Ridge(double base, double amplitude, double wave, int seed) {
    QPainterPath path;
    path.moveTo(0, kHeight);
    for (int x = 0; x <= kWidth; x += 6) {
        const double y = base - amplitude * (0.5 + 0.5 * std::sin(x / wave + seed)) -
                         amplitude * 0.3 * std::sin(x / (wave * 0.37) + 2 * seed);
        path.lineTo(x, y);
    }
    path.lineTo(kWidth, kHeight);
    path.closeSubpath();
    return path;
}

void PaintHills(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(122, 160, 150));
    painter.drawPath(Ridge(kHorizon + 4, 16, 40, 1));
    painter.setBrush(QColor(96, 142, 104));
    painter.drawPath(Ridge(kHorizon + 10, 10, 28, 4));
}

void PaintTree(QPainter& painter, double x, double ground, double size, int seed) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(78, 54, 34));
    painter.drawRect(QRectF(x - size * 0.07, ground - size * 0.55, size * 0.14, size * 0.55));
    // Crowns of overlapping clumps, each lit from the upper left.
    for (int clump = 0; clump < 7; ++clump) {
        const double angle = clump * 0.9 + seed;
        const double cx = x + size * 0.28 * std::cos(angle) * HashUnit(seed, clump, 41);
        const double cy =
            ground - size * (0.82 + 0.28 * std::sin(angle) * HashUnit(seed, clump, 42));
        const double r = size * (0.26 + 0.10 * HashUnit(seed, clump, 43));
        QRadialGradient leaf(QPointF(cx - r * 0.4, cy - r * 0.45), r * 1.4);
        leaf.setColorAt(0.0, QColor(98, 150, 66));
        leaf.setColorAt(0.55, QColor(44, 96, 42));
        leaf.setColorAt(1.0, QColor(20, 58, 28));
        painter.setBrush(leaf);
        painter.drawEllipse(QPointF(cx, cy), r, r * 0.92);
    }
}

void PaintTrees(QPainter& painter) {
    for (int i = 0; i < 16; ++i) {
        const double x = 8 + i * 27 + 10 * HashUnit(i, 0, 51);
        const double size = 34 + 16 * HashUnit(i, 1, 51);
        PaintTree(painter, x, kHorizon + 22 + 4 * HashUnit(i, 2, 51), size, i);
    }
}

void PaintFairway(QPainter& painter) {
    QLinearGradient fairway(0, kHorizon + 14, 0, kHeight);
    fairway.setColorAt(0.0, QColor(70, 132, 52));
    fairway.setColorAt(1.0, QColor(38, 98, 34));
    painter.fillRect(QRectF(0, kHorizon + 14, kWidth, kHeight), fairway);
    // Mowing stripes, fanning out towards the viewer.
    painter.setPen(Qt::NoPen);
    for (int s = -6; s < 14; s += 2) {
        QPolygonF stripe({QPointF(60 + s * 34, kHorizon + 14),
                          QPointF(60 + (s + 1) * 34, kHorizon + 14),
                          QPointF(-200 + (s + 1) * 70, kHeight), QPointF(-200 + s * 70, kHeight)});
        painter.setBrush(QColor(255, 255, 255, 14));
        painter.drawPolygon(stripe);
    }
    // The shadow the trees cast on the grass below them.
    QLinearGradient shade(0, kHorizon + 14, 0, kHorizon + 32);
    shade.setColorAt(0.0, QColor(10, 40, 10, 120));
    shade.setColorAt(1.0, QColor(10, 40, 10, 0));
    painter.fillRect(QRectF(0, kHorizon + 14, kWidth, 18), shade);
}

void PaintGreen(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    // Shadow of the green's edge, the collar, then the green itself.
    painter.setBrush(QColor(20, 60, 20, 110));
    painter.drawEllipse(kGreen.translated(2, 4));
    painter.setBrush(QColor(52, 128, 48));
    painter.drawEllipse(kGreen.adjusted(-6, -4, 6, 4));
    QLinearGradient turf(0, kGreen.top(), 0, kGreen.bottom());
    turf.setColorAt(0.0, QColor(104, 178, 82));
    turf.setColorAt(0.5, QColor(72, 150, 60));
    turf.setColorAt(1.0, QColor(56, 132, 50));
    painter.setBrush(turf);
    painter.drawEllipse(kGreen);
    // Light on the near left of the green, a soft sheen.
    QRadialGradient sheen(QPointF(140, 160), 140);
    sheen.setColorAt(0.0, QColor(255, 255, 220, 60));
    sheen.setColorAt(1.0, QColor(255, 255, 220, 0));
    painter.setBrush(sheen);
    painter.drawEllipse(kGreen);
    // Fine mowing lines across the green.
    painter.save();
    QPainterPath inside;
    inside.addEllipse(kGreen);
    painter.setClipPath(inside);
    for (int s = 0; s < 12; ++s) {
        painter.setBrush(QColor(255, 255, 255, s % 2 ? 10 : 0));
        painter.drawRect(QRectF(kGreen.left() + s * 32, kGreen.top(), 32, kGreen.height()));
    }
    painter.restore();
}

void PaintCupAndFlag(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(16, 30, 14));
    painter.drawEllipse(kCup, 7, 2.8);
    painter.setBrush(QColor(0, 0, 0));
    painter.drawEllipse(kCup + QPointF(0.8, 0.6), 5.6, 2.0);
    // The flagstick's shadow falls to the right, away from the light.
    painter.setPen(QPen(QColor(20, 60, 20, 110), 2));
    painter.drawLine(kCup, kCup + QPointF(34, 10));
    const double poleTop = 92;
    QLinearGradient pole(kCup.x() - 1.5, 0, kCup.x() + 1.5, 0);
    pole.setColorAt(0.0, QColor(255, 255, 255));
    pole.setColorAt(1.0, QColor(150, 150, 150));
    painter.setPen(Qt::NoPen);
    painter.setBrush(pole);
    painter.drawRect(QRectF(kCup.x() - 1.5, poleTop, 3, kCup.y() - poleTop));
    QPainterPath cloth;
    cloth.moveTo(kCup.x() + 1.5, poleTop + 1);
    cloth.cubicTo(kCup.x() + 12, poleTop - 3, kCup.x() + 20, poleTop + 6, kCup.x() + 32,
                  poleTop + 3);
    cloth.lineTo(kCup.x() + 30, poleTop + 20);
    cloth.cubicTo(kCup.x() + 20, poleTop + 23, kCup.x() + 12, poleTop + 15, kCup.x() + 1.5,
                  poleTop + 19);
    cloth.closeSubpath();
    QLinearGradient red(kCup.x(), poleTop, kCup.x() + 32, poleTop + 20);
    red.setColorAt(0.0, QColor(240, 40, 36));
    red.setColorAt(0.5, QColor(196, 16, 20));
    red.setColorAt(1.0, QColor(232, 50, 40));
    painter.setBrush(red);
    painter.setPen(QPen(QColor(110, 0, 0), 0.8));
    painter.drawPath(cloth);
}

// The golfer stands at the left end of the green, putting to the right; light from the left.
void PaintGolfer(QPainter& painter) {
    const double feet = 182;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(10, 40, 10, 120));
    painter.drawEllipse(QPointF(44, feet), 22, 4);
    const QPen outline(QColor(25, 25, 30), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(outline);
    // Shoes and trousers.
    painter.setBrush(QColor(240, 240, 236));
    painter.drawEllipse(QPointF(31, feet - 1), 5, 2.5);
    painter.drawEllipse(QPointF(47, feet - 1), 5, 2.5);
    QLinearGradient trousers(24, 0, 52, 0);
    trousers.setColorAt(0.0, QColor(70, 76, 110));
    trousers.setColorAt(1.0, QColor(34, 38, 62));
    painter.setBrush(trousers);
    painter.drawPolygon(
        QPolygonF({QPointF(30, 145), QPointF(44, 145), QPointF(50, feet - 2), QPointF(44, feet - 2),
                   QPointF(38, 158), QPointF(34, feet - 2), QPointF(28, feet - 2)}));
    // Shirt, bent forward over the ball.
    QLinearGradient shirt(24, 110, 54, 140);
    shirt.setColorAt(0.0, QColor(236, 70, 52));
    shirt.setColorAt(1.0, QColor(150, 24, 24));
    painter.setBrush(shirt);
    QPainterPath body;
    body.moveTo(28, 147);
    body.cubicTo(26, 130, 30, 116, 40, 112);
    body.cubicTo(50, 112, 54, 122, 50, 147);
    body.closeSubpath();
    painter.drawPath(body);
    // Arms reaching down to the grip, and the putter down to the ball.
    painter.setPen(QPen(QColor(25, 25, 30), 4.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(42, 118), QPointF(50, 144));
    painter.setPen(QPen(QColor(226, 170, 130), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(42, 118), QPointF(50, 144));
    painter.setPen(QPen(QColor(60, 60, 66), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(50, 143), QPointF(56, 172));
    painter.setPen(outline);
    painter.setBrush(QColor(190, 194, 200));
    painter.drawRect(QRectF(53, 171, 7, 3));
    // Head with a cap, looking down at the ball.
    QRadialGradient skin(QPointF(41, 101), 9);
    skin.setColorAt(0.0, QColor(246, 200, 160));
    skin.setColorAt(1.0, QColor(196, 136, 100));
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(44, 104), 7, 7.5);
    painter.setBrush(QColor(245, 245, 245));
    QPainterPath cap;
    cap.moveTo(36, 102);
    cap.cubicTo(37, 93, 50, 92, 52, 101);
    cap.lineTo(58, 104);
    cap.lineTo(51, 104);
    cap.closeSubpath();
    painter.drawPath(cap);
}
}  // namespace

QImage DrawSplashScene() {
    QImage scene(kWidth, kHeight, QImage::Format_RGB32);
    scene.fill(Qt::black);
    QPainter painter(&scene);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintSky(painter);
    PaintHills(painter);
    PaintFairway(painter);
    PaintTrees(painter);
    PaintGreen(painter);
    PaintCupAndFlag(painter);
    PaintGolfer(painter);
    return scene;
}
