#include "tools/generators/pictures/picture_tools.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <vector>

std::uint32_t PixelHash(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

double HashUnit(int x, int y, int seed) {
    const std::uint32_t key = static_cast<std::uint32_t>(x) * 73856093U ^
                              static_cast<std::uint32_t>(y) * 19349663U ^
                              static_cast<std::uint32_t>(seed) * 83492791U;
    return (PixelHash(key) & 0xFFFFFF) / double(0xFFFFFF);
}

QImage TransparentPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    return picture;
}

namespace {
// One pass of a box filter along rows (horizontal) or columns, on all four channels.
QImage BoxPass(const QImage& source, int radius, bool horizontal) {
    QImage result(source.size(), QImage::Format_ARGB32_Premultiplied);
    const int width = source.width(), height = source.height();
    const int lines = horizontal ? height : width, length = horizontal ? width : height;
    for (int line = 0; line < lines; ++line) {
        for (int i = 0; i < length; ++i) {
            int sum[4] = {0, 0, 0, 0}, count = 0;
            for (int k = std::max(0, i - radius); k <= std::min(length - 1, i + radius); ++k) {
                const QRgb p = horizontal ? source.pixel(k, line) : source.pixel(line, k);
                sum[0] += qAlpha(p), sum[1] += qRed(p), sum[2] += qGreen(p), sum[3] += qBlue(p);
                ++count;
            }
            const QRgb value =
                qRgba(sum[1] / count, sum[2] / count, sum[3] / count, sum[0] / count);
            if (horizontal)
                result.setPixel(i, line, value);
            else
                result.setPixel(line, i, value);
        }
    }
    return result;
}
}  // namespace

QImage Blurred(const QImage& picture, int radius) {
    QImage result = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int pass = 0; pass < 2; ++pass)
        result = BoxPass(BoxPass(result, radius, true), radius, false);
    return result;
}

QPainterPath TextPathInBox(const QString& text, const QString& family, const QRectF& box) {
    QFont font(family);
    font.setPixelSize(100);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

QColor Mix(const QColor& colour, const QColor& towards, double amount) {
    const double keep = 1.0 - amount;
    return QColor::fromRgbF(colour.redF() * keep + towards.redF() * amount,
                            colour.greenF() * keep + towards.greenF() * amount,
                            colour.blueF() * keep + towards.blueF() * amount,
                            colour.alphaF() * keep + towards.alphaF() * amount);
}
