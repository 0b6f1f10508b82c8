#pragma once

#include <QColor>
#include <QImage>
#include <QPolygon>

#include "course/solid.h"
#include "render/view_transform.h"

/// The shade of the n-th top face painted in a scene: (4n, 4n + 128, 4n), each modulo 256,
/// so the farthest face is darkest.
QColor TopFaceShade(int n);

/// Solid face `face` at the screen positions of its corners, cut to whole pixels.
QPolygon ScreenPolygon(const Solid& solid, const Scene& scene, int face);

/// Projects the vertices and paints the faces of the draw order, back to front: top faces
/// in growing shades of green, border walls in `wallColour`, cushions as 5-pixel rims.
void DrawFaces(QImage& backBuffer, const Solid& solid, Scene& scene, Colour wallColour);

/// Projects the cup and paints it as an 18 x 8 black ellipse.
void DrawCup(QImage& backBuffer, Scene& scene);
