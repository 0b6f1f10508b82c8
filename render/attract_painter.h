#pragma once

#include <QImage>
#include <QRect>
#include <vector>

#include "render/ball_painter.h"
#include "view/attract_projection.h"

/// Paints one frame of the attract animation over the back buffer: every shadow first,
/// then the balls farthest first. Shapes and sprites off the edge are clipped.
void PaintAttract(QImage& backBuffer, const BallImages& images, const AttractPicture& picture);

/// Every pixel a frame of `picture` paints: its shadows' and its balls' boxes, which may
/// overlap. A plain list, because a region merging some 200 boxes at every frame costs more
/// than copying the overlaps twice.
std::vector<QRect> AttractBoxes(const AttractPicture& picture);
