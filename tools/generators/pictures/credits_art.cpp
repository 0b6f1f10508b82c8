#include "tools/generators/pictures/credits_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "tools/generators/pictures/title_art.h"

namespace {
constexpr int kSize = 256;

void PaintBackground(QPainter& painter) {
    QLinearGradient night(0, 0, 0, kCreditsStripTop);
    night.setColorAt(0.0, QColor(28, 40, 58));
    night.setColorAt(1.0, QColor(10, 16, 26));
    painter.fillRect(QRect(0, 0, kSize, kCreditsStripTop), night);
    // A faint field of dimples, like the skin of a ball seen very close.
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 22; ++row) {
        for (int column = 0; column < 22; ++column) {
            const QPointF centre(column * 12 + (row % 2) * 6, row * 10.4);
            QRadialGradient dimple(centre - QPointF(1, 1), 4);
            dimple.setColorAt(0.0, QColor(0, 0, 0, 60));
            dimple.setColorAt(0.8, QColor(255, 255, 255, 10));
            dimple.setColorAt(1.0, QColor(255, 255, 255, 0));
            painter.setBrush(dimple);
            painter.drawEllipse(centre, 4, 4);
        }
    }
    // A soft light behind the banner.
    QRadialGradient glow(QPointF(128, 36), 130);
    glow.setColorAt(0.0, QColor(120, 160, 220, 70));
    glow.setColorAt(1.0, QColor(120, 160, 220, 0));
    painter.fillRect(QRect(0, 0, kSize, kCreditsStripTop), glow);
    painter.fillRect(QRect(0, kCreditsStripTop, kSize, kSize - kCreditsStripTop), Qt::black);
    QLinearGradient rule(0, 0, kSize, 0);
    rule.setColorAt(0.0, QColor(200, 170, 90, 0));
    rule.setColorAt(0.5, QColor(200, 170, 90, 200));
    rule.setColorAt(1.0, QColor(200, 170, 90, 0));
    painter.fillRect(QRect(0, kCreditsStripTop, kSize, 1), rule);
}

void PaintLine(QPainter& painter, int top, const QString& text, const QColor& colour, int pixels,
               bool bold) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 180));
    painter.drawText(QRect(1, top + 1, kSize, pixels + 6), Qt::AlignHCenter | Qt::AlignTop, text);
    painter.setPen(colour);
    painter.drawText(QRect(0, top, kSize, pixels + 6), Qt::AlignHCenter | Qt::AlignTop, text);
}
}  // namespace

QImage DrawCredits() {
    QImage credits(kSize, kSize, QImage::Format_RGB32);
    QPainter painter(&credits);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintBackground(painter);
    painter.drawImage(QPoint(8, 8), DrawTitleBanner(240, 42));

    const QColor gold(222, 190, 110), white(236, 240, 246), grey(160, 172, 190);
    const QString team = QStringLiteral("The Dolvarn Team");
    PaintLine(painter, 52, QStringLiteral("Quelvane  \u00b7  Version " QUELVANE_VERSION_TEXT), grey,
              10, false);
    int top = 74;
    for (const char* role : {"Programming", "Course design", "Sounds and music"}) {
        PaintLine(painter, top, QString::fromLatin1(role), gold, 10, true);
        PaintLine(painter, top + 13, team, white, 11, false);
        top += 36;
    }
    PaintLine(painter, 188, QStringLiteral("\u00a9 " QUELVANE_YEAR_TEXT " Dolvarn"), grey, 10,
              false);
    return credits;
}
