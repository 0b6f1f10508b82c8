#include "render/gdi_shapes.h"

#include <algorithm>
#include <cmath>

namespace {
bool Inside(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}
}  // namespace

QColor ToQColor(Colour colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

void FillEllipse(QImage& image, int left, int top, int right, int bottom, QRgb colour) {
    // Pixel centres inside the ellipse that touches the box's first and last columns and rows.
    const double cx = (left + right - 1) / 2.0, cy = (top + bottom - 1) / 2.0;
    const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    if (rx <= 0 || ry <= 0) return;
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
        const double dy = (y - cy) / ry;
        const double half = rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        const int from = std::max(static_cast<int>(std::ceil(cx - half)), std::max(left, 0));
        const int to = std::min(static_cast<int>(std::floor(cx + half)),
                                std::min(right - 1, image.width() - 1));
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = from; x <= to; ++x) line[x] = colour;
    }
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
