#include "render/raster.h"

#include <algorithm>
#include <cstring>

void BlitRect(const QImage& source, int sourceX, int sourceY, QImage& target, int targetX,
              int targetY, int width, int height) {
    // Clip once: shrink the rectangle until it lies inside both pictures.
    const int skipLeft = std::max({0, -sourceX, -targetX});
    const int skipTop = std::max({0, -sourceY, -targetY});
    const int right = std::min({width, source.width() - sourceX, target.width() - targetX});
    const int bottom = std::min({height, source.height() - sourceY, target.height() - targetY});
    const int columns = right - skipLeft;
    if (columns <= 0 || bottom <= skipTop) return;

    // The pictures are reached once and then walked row by row: asking a picture for each
    // row's address would check every time whether it is shared.
    const qsizetype inStride = source.bytesPerLine(), outStride = target.bytesPerLine();
    const uchar* inBits = source.constBits();
    uchar* outBits = target.bits();
    for (int row = skipTop; row < bottom; ++row) {
        const auto* in =
            reinterpret_cast<const QRgb*>(inBits + (sourceY + row) * inStride) + sourceX + skipLeft;
        auto* out =
            reinterpret_cast<QRgb*>(outBits + (targetY + row) * outStride) + targetX + skipLeft;
        std::memcpy(out, in, static_cast<size_t>(columns) * sizeof(QRgb));
    }
}

void StampMasked(const QImage& mask, const QImage& sheet, int spriteX, int spriteY, QImage& target,
                 int targetX, int targetY) {
    const int skipLeft = std::max(0, -targetX), skipTop = std::max(0, -targetY);
    const int right = std::min({mask.width(), sheet.width() - spriteX, target.width() - targetX});
    const int bottom =
        std::min({mask.height(), sheet.height() - spriteY, target.height() - targetY});
    if (right <= skipLeft || bottom <= skipTop) return;
    const qsizetype maskStride = mask.bytesPerLine(), sheetStride = sheet.bytesPerLine();
    const qsizetype outStride = target.bytesPerLine();
    const uchar* maskBits = mask.constBits();
    const uchar* sheetBits = sheet.constBits();
    uchar* outBits = target.bits();
    for (int row = skipTop; row < bottom; ++row) {
        const auto* keep = reinterpret_cast<const QRgb*>(maskBits + row * maskStride);
        const auto* sprite =
            reinterpret_cast<const QRgb*>(sheetBits + (spriteY + row) * sheetStride) + spriteX;
        auto* out = reinterpret_cast<QRgb*>(outBits + (targetY + row) * outStride) + targetX;
        for (int i = skipLeft; i < right; ++i)
            out[i] = (out[i] & keep[i]) | sprite[i] | 0xFF000000u;
    }
}
