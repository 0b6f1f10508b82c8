#include "render/raster.h"

void BlitRect(const QImage& source, int sourceX, int sourceY, QImage& target, int targetX,
              int targetY, int width, int height, RasterOp op) {
    for (int row = 0; row < height; ++row) {
        const int sy = sourceY + row, ty = targetY + row;
        if (sy < 0 || sy >= source.height() || ty < 0 || ty >= target.height()) continue;
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(ty));
        for (int column = 0; column < width; ++column) {
            const int sx = sourceX + column, tx = targetX + column;
            if (sx < 0 || sx >= source.width() || tx < 0 || tx >= target.width()) continue;
            switch (op) {
                case RasterOp::Copy: out[tx] = in[sx]; break;
                case RasterOp::And: out[tx] = (out[tx] & in[sx]) | 0xFF000000u; break;
                case RasterOp::Or: out[tx] = (out[tx] | in[sx]) | 0xFF000000u; break;
            }
        }
    }
}
