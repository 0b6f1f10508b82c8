#include "app/aim_line.h"

#include <algorithm>
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
    WalkLine(x0, y0, x1, y1, true, [&](int x, int y) {
        for (int oy = -half; oy <= half; ++oy)
            for (int ox = -half; ox <= half; ++ox) covered.insert({x + ox, y + oy});
    });
    for (const auto& [px, py] : covered) {
        if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) continue;
        image.setPixel(px, py, ~image.pixel(px, py) | 0xFF000000u);
    }
    return touched;
}
