#include "app/status_bar.h"

#include <QPainter>

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    // Clicks on the bar are the bar's own and never reach the playing area above it.
    setAttribute(Qt::WA_NoMousePropagation);
    // The panels have fixed widths made for a narrow 8-point face; a slightly smaller size of
    // ours keeps texts like "par: +7" and "PAR: -12" whole.
    QFont narrow = font();
    narrow.setPixelSize(10);
    setFont(narrow);
}

void StatusBar::SetPanelText(int panel, const QString& text) {
    if (panel < 0 || panel >= kPanelCount || texts_[panel] == text) return;
    texts_[panel] = text;
    update(PanelRect(panel).adjusted(-2, -2, 2, 2));
}

QString StatusBar::PanelText(int panel) const {
    return panel >= 0 && panel < kPanelCount ? texts_[panel] : QString();
}

QRect StatusBar::PanelRect(int panel) const {
    int left = 0;
    for (int i = 0; i < panel; ++i) left += kPanelWidths[i];
    // Panels are separated by 2 pixels and framed by a one-pixel sunken border.
    return QRect(left + 1, 3, kPanelWidths[panel] - 4, kHeight - 4);
}

void StatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Button));
    for (int panel = 0; panel < kPanelCount; ++panel) {
        const QRect content = PanelRect(panel);
        const QRect frame = content.adjusted(-1, -1, 1, 1);
        painter.setPen(colours.color(QPalette::Dark));
        painter.drawLine(frame.topLeft(), frame.topRight());
        painter.drawLine(frame.topLeft(), frame.bottomLeft());
        painter.setPen(colours.color(QPalette::Light));
        painter.drawLine(frame.bottomLeft(), frame.bottomRight());
        painter.drawLine(frame.topRight(), frame.bottomRight());
        if (panel == 1) {
            if (drawPanel_) {
                painter.save();
                drawPanel_(painter, content);
                painter.restore();
            }
            continue;
        }
        painter.setPen(colours.color(QPalette::ButtonText));
        const int alignment = Qt::AlignVCenter | (panel == 0 ? Qt::AlignHCenter : Qt::AlignLeft);
        painter.drawText(content.adjusted(1, 0, 0, 0), alignment, texts_[panel]);
    }
}
