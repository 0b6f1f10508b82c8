#include "tools/generators/pictures/sprite_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/generators/pictures/picture_tools.h"

namespace {
constexpr int kGrassSize = 64;
constexpr int kGrassShades = 64;

// Value noise that repeats every `period` pixels (the lattice wraps round the tile).
double TilingNoise(double x, double y, int period, int seed) {
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const auto at = [&](int i, int j) {
        return HashUnit(((i % period) + period) % period, ((j % period) + period) % period, seed);
    };
    const auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double sx = smooth(fx), sy = smooth(fy);
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

// A ball of `diameter` pixels at the top left of its cell: the shade (0 = outside, else
// 1..15) of pixel (x, y) with the dimple lattice moved by (shiftX, shiftY) pixels.
int BallShade(int x, int y, double diameter, int shiftX, int shiftY) {
    const double radius = diameter / 2.0;
    const double dx = (x + 0.5 - radius) / radius, dy = (y + 0.5 - radius) / radius;
    const double rr = dx * dx + dy * dy;
    if (rr > 1.0) return 0;
    const double dz = std::sqrt(1.0 - rr);
    // Light from the upper left and in front; a highlight where the surface faces it.
    const double lx = -0.45, ly = -0.55, lz = 0.70;
    const double diffuse = std::max(0.0, dx * lx + dy * ly + dz * lz);
    const double highlight = std::pow(std::max(0.0, diffuse), 18.0);
    double level = 0.60 + 0.42 * diffuse + 0.25 * highlight;
    // Dimples on the sphere: the lattice lives on the surface (arc lengths), so it crowds
    // towards the rim like the dimples of a real ball; it repeats every 4 pixels of roll.
    const double u = radius * std::asin(std::clamp(dx, -1.0, 1.0)) + radius + shiftX;
    const double v = radius * std::asin(std::clamp(dy, -1.0, 1.0)) + radius + shiftY;
    const auto nearest = [](double t, double offset) {
        const double m = std::fmod(t - offset + 400.0, 4.0);
        return std::min(m, 4.0 - m);
    };
    const double d1 = std::hypot(nearest(u, 1.0), nearest(v, 1.0));
    const double d2 = std::hypot(nearest(u, 3.0), nearest(v, 3.0));
    const double dimple = std::max(0.0, 1.0 - std::min(d1, d2) / 1.1);
    level -= 0.34 * dimple * (0.5 + 0.5 * dz);
    // A darker rim keeps the ball apart from a light background.
    if (rr > 0.78) level -= 0.16;
    return std::clamp(static_cast<int>(std::lround(level * 15)), 1, 15);
}

// Black and fifteen greys from a dark rim grey up to white.
QImage SixteenGreys(int width, int height) {
    QImage picture(width, height, QImage::Format_Indexed8);
    picture.setColorCount(16);
    picture.setColor(0, qRgb(0, 0, 0));
    for (int i = 1; i < 16; ++i) {
        const int level = 80 + (255 - 80) * (i - 1) / 14;
        picture.setColor(i, qRgb(level, level, level));
    }
    picture.fill(0);
    return picture;
}

QImage OneBitMask(int size, double diameter) {
    QImage mask(size, size, QImage::Format_Mono);
    mask.setColorCount(2);
    mask.setColor(0, qRgb(0, 0, 0));
    mask.setColor(1, qRgb(255, 255, 255));
    mask.fill(1);  // also sets the padding bits of each row, which the PNG file stores
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) mask.setPixel(x, y, BallShade(x, y, diameter, 0, 0) ? 0 : 1);
    return mask;
}

constexpr double kBallDiameter = 15.0;
constexpr double kSplashBallDiameter = 12.0;
}  // namespace

QImage DrawGrassTile() {
    QImage tile(kGrassSize, kGrassSize, QImage::Format_Indexed8);
    tile.setColorCount(kGrassShades);
    for (int i = 0; i < kGrassShades; ++i) {
        const double t = i / double(kGrassShades - 1);
        tile.setColor(i, qRgb(static_cast<int>(8 + 38 * t), static_cast<int>(48 + 78 * t),
                              static_cast<int>(10 + 26 * t)));
    }
    // A base of soft patches, then blades: short strokes leaning a little, a light side and
    // a dark side, all wrapping round the tile so that its edges meet.
    double field[kGrassSize][kGrassSize];
    for (int y = 0; y < kGrassSize; ++y)
        for (int x = 0; x < kGrassSize; ++x)
            field[y][x] = 0.30 + 0.22 * TilingNoise(x / 16.0, y / 16.0, 4, 11) +
                          0.12 * TilingNoise(x / 4.0, y / 4.0, 16, 12) + 0.10 * HashUnit(x, y, 13);
    for (int blade = 0; blade < 520; ++blade) {
        const int x = static_cast<int>(HashUnit(blade, 0, 21) * kGrassSize);
        const int y = static_cast<int>(HashUnit(blade, 1, 21) * kGrassSize);
        const int length = 2 + static_cast<int>(HashUnit(blade, 2, 21) * 4);
        const int lean = HashUnit(blade, 3, 21) < 0.5 ? -1 : 1;
        const double light = 0.18 + 0.22 * HashUnit(blade, 4, 21);
        for (int k = 0; k < length; ++k) {
            const int px = (x + (k * lean) / 3 + kGrassSize) % kGrassSize;
            const int py = (y - k + kGrassSize) % kGrassSize;
            const int shadowX = (px + 1) % kGrassSize;
            field[py][px] += light * (1.0 - 0.15 * k);
            field[py][shadowX] -= 0.10;
        }
    }
    for (int y = 0; y < kGrassSize; ++y)
        for (int x = 0; x < kGrassSize; ++x)
            tile.setPixel(
                x, y,
                std::clamp(static_cast<int>(field[y][x] * kGrassShades), 0, kGrassShades - 1));
    return tile;
}

QImage DrawBallSheet() {
    QImage sheet = SixteenGreys(64, 64);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    sheet.setPixel(16 * column + x, 16 * row + y,
                                   BallShade(x, y, kBallDiameter, -column, -row));
    return sheet;
}

QImage DrawBallMask() {
    return OneBitMask(16, kBallDiameter);
}

QImage DrawSplashBall() {
    QImage ball = SixteenGreys(12, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            ball.setPixel(x, y, BallShade(x, y, kSplashBallDiameter, 0, 0));
    return ball;
}

QImage DrawSplashBallMask() {
    return OneBitMask(12, kSplashBallDiameter);
}
