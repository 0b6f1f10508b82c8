#pragma once

#include <QImage>

#include "play/attract.h"
#include "render/ball_painter.h"

/// Paints one frame of the attract animation over the back buffer: every shadow first,
/// then the balls farthest first. Shapes and sprites off the edge are clipped.
void PaintAttract(QImage& backBuffer, const BallImages& images, const AttractPicture& picture);
