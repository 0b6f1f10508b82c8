#include "render/sprites.h"

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

void DrawBackground(QImage& backBuffer, const QImage& grassTile) {
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 10; ++column)
            BlitRect(grassTile, 0, 0, backBuffer, 64 * column, 64 * row, 64, 64);
}
