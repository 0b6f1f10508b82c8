#include "render/gdi_shapes.h"

namespace {
bool Inside(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}
}  // namespace

QColor ToQColor(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

void FillEllipse(QPainter& painter, int left, int top, int right, int bottom, const QColor& colour) {
    painter.setPen(QPen(colour, 0));
    painter.setBrush(colour);
    painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void PlotLine(QImage& image, int x0, int y0, int x1, int y1, QRgb colour) {
    WalkLine(x0, y0, x1, y1, false, [&](int x, int y) {
        if (Inside(image, x, y)) image.setPixel(x, y, colour);
    });
}

void InvertLine(QImage& image, int x0, int y0, int x1, int y1) {
    WalkLine(x0, y0, x1, y1, false, [&](int x, int y) {
        if (Inside(image, x, y)) image.setPixel(x, y, ~image.pixel(x, y) | 0xFF000000u);
    });
}
