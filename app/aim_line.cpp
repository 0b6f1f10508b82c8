#include "app/aim_line.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

#include "render/gdi_shapes.h"

QRect InvertPenLine(QImage& image, int x0, int y0, int x1, int y1, int width) {
    const QRect touched = QRect(QPoint(std::min(x0, x1), std::min(y0, y1)),
                                QPoint(std::max(x0, x1), std::max(y0, y1)))
                              .adjusted(-width, -width, width, width);
    if (width <= 1) {
        InvertLine(image, x0, y0, x1, y1);
        return touched;
    }
    // The pen's square swept along the centre line; a pixel covered twice is inverted once.
    std::set<std::pair<int, int>> covered;
    const int half = width / 2;
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy, x = x0, y = y0;
    for (;;) {
        for (int oy = -half; oy <= half; ++oy)
            for (int ox = -half; ox <= half; ++ox) covered.insert({x + ox, y + oy});
        if (x == x1 && y == y1) break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
    for (const auto& [px, py] : covered) {
        if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) continue;
        image.setPixel(px, py, ~image.pixel(px, py) | 0xFF000000u);
    }
    return touched;
}
