#include "render/sprites.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "render/raster.h"

namespace {
constexpr int kCell = 16;
constexpr double kBallRadius = 7.5;

// A small fixed hash so that the texture is the same on every run and machine.
std::uint32_t Hash(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

bool InBall(int x, int y) {
    const double dx = x + 0.5 - kBallRadius, dy = y + 0.5 - kBallRadius;
    return dx * dx + dy * dy <= kBallRadius * kBallRadius;
}
}  // namespace

QImage MakeGrassTile() {
    QImage tile(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const std::uint32_t noise = Hash(static_cast<std::uint32_t>(y * 64 + x));
            // Short vertical blades: a pixel darkens or lightens with its upper neighbour.
            const std::uint32_t blade = Hash(static_cast<std::uint32_t>(((y + 63) % 64) * 64 + x));
            const int shade = static_cast<int>(noise % 24) + static_cast<int>(blade % 12);
            tile.setPixel(x, y, qRgb(shade / 4, 72 + shade, shade / 3));
        }
    }
    return tile;
}

QImage MakeBallSheet() {
    QImage sheet(4 * kCell, 4 * kCell, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            for (int y = 0; y < kCell; ++y) {
                for (int x = 0; x < kCell; ++x) {
                    if (!InBall(x, y)) continue;
                    // Light from the upper left; dimples on a 4-pixel grid that moves with
                    // the cell, so consecutive cells show the ball turned a little further.
                    const double dx = x + 0.5 - kBallRadius, dy = y + 0.5 - kBallRadius;
                    const double light = 1.0 - 0.035 * std::hypot(dx + 2.5, dy + 2.5);
                    const bool dimple = (x + column) % 4 == 1 && (y + row) % 4 == 1;
                    int level = static_cast<int>(255 * light) - (dimple ? 55 : 0);
                    level = std::clamp(level, 90, 255);
                    sheet.setPixel(column * kCell + x, row * kCell + y, qRgb(level, level, level));
                }
            }
        }
    }
    return sheet;
}

QImage MakeBallMask() {
    QImage mask(kCell, kCell, QImage::Format_RGB32);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            mask.setPixel(x, y, InBall(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return mask;
}

void DrawBackground(QImage& backBuffer, const QImage& grassTile) {
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 10; ++column)
            BlitRect(grassTile, 0, 0, backBuffer, 64 * column, 64 * row, 64, 64);
}
