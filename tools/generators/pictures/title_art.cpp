#include "tools/generators/pictures/title_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "tools/generators/pictures/picture_tools.h"

QImage DrawTitleBanner(int width, int height) {
    const double margin = std::max(2.0, height * 0.08);
    const double shadowOffset = std::max(1.5, height * 0.05);
    const QRectF box(margin, margin * 0.6, width - 2 * margin - shadowOffset,
                     height - 2 * margin - shadowOffset * 0.5);
    const QPainterPath letters = TextPathInBox("Quelvane", "DejaVu Sans", box);
    const QRectF bounds = letters.boundingRect();
    const double outline = std::max(1.2, height * 0.045);

    QImage shadow = TransparentPicture(width, height);
    {
        QPainter painter(&shadow);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(shadowOffset, shadowOffset);
        painter.setPen(
            QPen(QColor(0, 0, 0, 200), outline * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(QColor(0, 0, 0, 200));
        painter.drawPath(letters);
    }
    QImage banner = Blurred(shadow, std::max(1, height / 25));
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);
    // Dark outline under the face, so the edge stays crisp on any background.
    painter.setPen(
        QPen(QColor(22, 26, 40), outline * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(letters);
    // Chrome: bright sky above the horizon line across the middle, dark ground below it.
    QLinearGradient chrome(bounds.topLeft(), bounds.bottomLeft());
    chrome.setColorAt(0.00, QColor(255, 255, 255));
    chrome.setColorAt(0.30, QColor(214, 222, 236));
    chrome.setColorAt(0.52, QColor(128, 138, 160));
    chrome.setColorAt(0.56, QColor(70, 78, 98));
    chrome.setColorAt(0.75, QColor(150, 160, 180));
    chrome.setColorAt(1.00, QColor(236, 240, 248));
    painter.setPen(Qt::NoPen);
    painter.setBrush(chrome);
    painter.drawPath(letters);
    // A thin highlight along the upper edges of the letters.
    painter.save();
    painter.setClipRect(
        QRectF(bounds.left() - 2, bounds.top() - 2, bounds.width() + 4, bounds.height() * 0.45));
    painter.translate(0, outline * 0.35);
    painter.setPen(QPen(QColor(255, 255, 255, 150), outline * 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(letters);
    painter.restore();
    // A warm glint of gold on the dark band, as light from a low sun.
    QLinearGradient glint(bounds.topLeft(), bounds.topRight());
    glint.setColorAt(0.0, QColor(255, 210, 120, 0));
    glint.setColorAt(0.3, QColor(255, 210, 120, 70));
    glint.setColorAt(0.6, QColor(255, 210, 120, 0));
    painter.setClipPath(letters);
    painter.fillRect(QRectF(bounds.left(), bounds.top() + bounds.height() * 0.52, bounds.width(),
                            bounds.height() * 0.3),
                     glint);
    return banner;
}
