#pragma once

#include <QImage>

// Rectangle copies between RGB32 pictures with the three raster operations the sprites
// need. Parts of either rectangle outside its picture are skipped, so a sprite may stand
// partly off the edge of the back buffer.
enum class RasterOp { Copy, And, Or };

void BlitRect(const QImage& source, int sourceX, int sourceY, QImage& target, int targetX,
              int targetY, int width, int height, RasterOp op = RasterOp::Copy);
