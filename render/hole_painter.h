#pragma once

#include <QImage>

#include "course/solid.h"
#include "render/view_transform.h"

/// Projects the vertices and paints the faces of the draw order, back to front: top faces
/// in growing shades of green, border walls in `wallColour`, cushions as 5-pixel rims.
void DrawFaces(QImage& backBuffer, const Solid& solid, Scene& scene, Colour wallColour);

/// Projects the cup and paints it as an 18 x 8 black ellipse.
void DrawCup(QImage& backBuffer, Scene& scene);
