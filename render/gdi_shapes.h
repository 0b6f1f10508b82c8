#pragma once

#include <QColor>
#include <QPainter>

#include "course/colour.h"

// Shapes with the pixel coverage of classic GDI: a box (left, top)-(right, bottom) covers
// columns left..right-1 and rows top..bottom-1, and a line leaves out its end pixel.

QColor ToQColor(Colour colour);

/// Visits the pixels of a Bresenham line from (x0, y0) to (x1, y1); the end pixel is
/// visited only when `withEnd` is set (GDI leaves it out of a one-pixel line).
template <typename Visit>
void WalkLine(int x0, int y0, int x1, int y1, bool withEnd, Visit visit) {
    const int dx = x1 > x0 ? x1 - x0 : x0 - x1, dy = -(y1 > y0 ? y1 - y0 : y0 - y1);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (x0 != x1 || y0 != y1) {
        visit(x0, y0);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
    if (withEnd) visit(x1, y1);
}

/// A filled ellipse in `colour` inscribed in the box (left, top)-(right, bottom), covering
/// only columns left..right-1 and rows top..bottom-1; parts outside the picture are skipped.
void FillEllipse(QImage& image, int left, int top, int right, int bottom, QRgb colour);

/// A one-pixel Bresenham line from (x0, y0) towards (x1, y1), without the end pixel.
void PlotLine(QImage& image, int x0, int y0, int x1, int y1, QRgb colour);

/// The same line with every pixel inverted; drawing it twice restores the picture.
void InvertLine(QImage& image, int x0, int y0, int x1, int y1);
