#include "app/shell_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int kBallSize = 12;

QImage Blank(int width, int height, QColor colour) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// A disc that fills the 12 x 12 cell, drawn pixel by pixel so that ball and mask agree.
template <typename PixelOf>
QImage BallCell(QColor outside, PixelOf inside) {
    QImage cell = Blank(kBallSize, kBallSize, outside);
    const double centre = (kBallSize - 1) / 2.0;
    for (int y = 0; y < kBallSize; ++y)
        for (int x = 0; x < kBallSize; ++x) {
            const double dx = x - centre, dy = y - centre;
            if (dx * dx + dy * dy <= 5.8 * 5.8) cell.setPixel(x, y, inside(dx, dy));
        }
    return cell;
}

void MetallicText(QPainter& painter, const QRect& box, const QString& text, int pixelSize) {
    QFont font("DejaVu Sans", 10, QFont::Bold);
    font.setPixelSize(pixelSize);
    painter.setFont(font);
    QLinearGradient shine(box.topLeft(), box.bottomLeft());
    shine.setColorAt(0.0, QColor(250, 250, 255));
    shine.setColorAt(0.5, QColor(150, 160, 175));
    shine.setColorAt(1.0, QColor(225, 230, 240));
    painter.setPen(QPen(QBrush(shine), 1));
    painter.drawText(box, Qt::AlignCenter, text);
}
}  // namespace

QImage SplashScenePicture() {
    QImage scene = Blank(420, 210, QColor(120, 170, 225));
    QPainter painter(&scene);
    painter.fillRect(0, 120, 420, 90, QColor(40, 110, 40));
    for (int x = 10; x < 420; x += 46) {
        painter.setBrush(QColor(25, 80, 30));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRect(x, 70, 40, 60));
    }
    painter.fillRect(0, 158, 420, 20, QColor(70, 160, 60));  // the green, y 162 to 174 inside
    painter.setPen(QPen(QColor(240, 240, 240), 2));
    painter.drawLine(380, 110, 380, 170);
    painter.fillRect(381, 110, 22, 14, QColor(220, 30, 30));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRect(374, 168, 12, 5));
    // The golfer: legs, body, head and the putter at the ball's start.
    painter.setPen(QPen(QColor(40, 40, 90), 4));
    painter.drawLine(40, 172, 46, 145);
    painter.drawLine(54, 172, 48, 145);
    painter.setPen(QPen(QColor(200, 40, 40), 8));
    painter.drawLine(47, 145, 47, 118);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 200, 160));
    painter.drawEllipse(QRect(41, 102, 13, 14));
    painter.setPen(QPen(QColor(60, 60, 60), 2));
    painter.drawLine(48, 132, 58, 172);
    return scene;
}

QImage SplashTitlePicture() {
    QImage title = Blank(310, 50, QColor(20, 30, 60));
    QPainter painter(&title);
    MetallicText(painter, title.rect(), "QUELVANE", 36);
    return title;
}

QImage SplashBallPicture() {
    return BallCell(Qt::black, [](double dx, double dy) {
        const int light = 255 - static_cast<int>(6 * (dx + dy + 8));
        return qRgb(light, light, light - 10);
    });
}

QImage SplashBallMaskPicture() {
    return BallCell(Qt::white, [](double, double) { return qRgb(0, 0, 0); });
}

QImage CreditsPicture() {
    QImage credits = Blank(256, 256, QColor(10, 14, 30));
    QPainter painter(&credits);
    MetallicText(painter, QRect(0, 20, 256, 50), "QUELVANE", 34);
    QFont font("DejaVu Sans", 8);
    painter.setFont(font);
    painter.setPen(QColor(200, 205, 220));
    painter.drawText(QRect(0, 90, 256, 120), Qt::AlignHCenter | Qt::AlignTop,
                     "Mini-golf on 36 holes\nfor one to eight players\n\n"
                     "Programming, course and sound\nDolvarn");
    return credits;
}
