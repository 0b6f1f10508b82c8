#include "render/sprites.h"

#include <algorithm>

#include "render/game_pictures.h"
#include "render/raster.h"

QImage MakeGrassTile() {
    return GamePictureRgb32("gras");
}

QImage MakeBallSheet() {
    return GamePictureRgb32("balls");
}

QImage MakeBallMask() {
    return GamePictureRgb32("ballmask");
}

void LayGrass(QImage& backBuffer, const QImage& grassTile, const QRect& area) {
    const QRect clipped = area & backBuffer.rect();
    if (clipped.isEmpty()) return;
    // Piece by piece along the 64-pixel tiles, each piece copied from its place in the tile.
    for (int top = clipped.top(); top <= clipped.bottom(); top = (top / 64 + 1) * 64) {
        const int bottom = std::min(clipped.bottom(), (top / 64) * 64 + 63);
        for (int left = clipped.left(); left <= clipped.right(); left = (left / 64 + 1) * 64) {
            const int right = std::min(clipped.right(), (left / 64) * 64 + 63);
            BlitRect(grassTile, left % 64, top % 64, backBuffer, left, top, right - left + 1,
                     bottom - top + 1);
        }
    }
}

void DrawBackground(QImage& backBuffer, const QImage& grassTile) {
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 10; ++column)
            BlitRect(grassTile, 0, 0, backBuffer, 64 * column, 64 * row, 64, 64);
}
