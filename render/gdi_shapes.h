#pragma once

#include <QColor>
#include <QPainter>

#include "course/colour.h"

// Shapes with the pixel coverage of classic GDI: a box (left, top)-(right, bottom) covers
// columns left..right-1 and rows top..bottom-1, and a line leaves out its end pixel.

QColor ToQColor(Colour colour);

/// A filled ellipse with a one-pixel outline, both in `colour`, in the box l,t - r,b.
void FillEllipse(QPainter& painter, int left, int top, int right, int bottom, const QColor& colour);

/// A one-pixel Bresenham line from (x0, y0) towards (x1, y1), without the end pixel.
void PlotLine(QImage& image, int x0, int y0, int x1, int y1, QRgb colour);

/// The same line with every pixel inverted; drawing it twice restores the picture.
void InvertLine(QImage& image, int x0, int y0, int x1, int y1);
