#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <cstdint>

// Small helpers shared by the picture drawings.

/// A fixed integer hash: the same "random" texture on every build and machine.
std::uint32_t PixelHash(std::uint32_t x);

/// A hash value in 0..1 for a pair of whole numbers and a seed.
double HashUnit(int x, int y, int seed);

/// A picture of `width` x `height` that is transparent everywhere.
QImage TransparentPicture(int width, int height);

/// Blurs a premultiplied picture with a box filter of the given radius, twice (close to a
/// Gaussian); used for soft shadows.
QImage Blurred(const QImage& picture, int radius);

/// The outline of `text` in the DejaVu font `family` (bold), scaled to fit centred in `box`.
QPainterPath TextPathInBox(const QString& text, const QString& family, const QRectF& box);

/// `colour` blended towards `towards` by `amount` (0 keeps it, 1 gives `towards`).
QColor Mix(const QColor& colour, const QColor& towards, double amount);
