#pragma once

#include <QImage>
#include <QRect>

/// Inverts the pixels of a line from (x0, y0) towards (x1, y1) drawn with a pen of `width`
/// 1 (without the end pixel, like a GDI line) or 3 (a square pen three pixels across, ends
/// included). Every pixel is inverted once, so drawing the same line again restores the
/// picture. Returns the rectangle touched.
QRect InvertPenLine(QImage& image, int x0, int y0, int x1, int y1, int width);
