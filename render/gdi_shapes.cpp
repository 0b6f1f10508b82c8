#include "render/gdi_shapes.h"

#include <cstdlib>

namespace {
template <typename Plot>
void Bresenham(int x0, int y0, int x1, int y1, Plot plot) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (x0 != x1 || y0 != y1) {
        plot(x0, y0);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

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
    Bresenham(x0, y0, x1, y1, [&](int x, int y) {
        if (Inside(image, x, y)) image.setPixel(x, y, colour);
    });
}

void InvertLine(QImage& image, int x0, int y0, int x1, int y1) {
    Bresenham(x0, y0, x1, y1, [&](int x, int y) {
        if (Inside(image, x, y)) image.setPixel(x, y, ~image.pixel(x, y) | 0xFF000000u);
    });
}
