#pragma once

#include <QImage>
#include <QRegion>

#include "render/ball_painter.h"
#include "view/attract_projection.h"

/// Paints one frame of the attract animation over the back buffer: every shadow first,
/// then the balls farthest first. Shapes and sprites off the edge are clipped.
void PaintAttract(QImage& backBuffer, const BallImages& images, const AttractPicture& picture);

/// Every pixel a frame of `picture` paints: its shadows' and its balls' boxes.
QRegion AttractRegion(const AttractPicture& picture);
