#pragma once

#include <QColor>
#include <QImage>
#include <QPolygon>

#include "course/solid.h"
#include "view/view_transform.h"

/// The shade of the n-th top face painted in a scene: (4n, 4n + 128, 4n), each modulo 256,
/// so the farthest face is darkest.
QColor TopFaceShade(int n);

/// Solid face `face` at the screen positions of its corners, cut to whole pixels.
QPolygon ScreenPolygon(const Solid& solid, const Scene& scene, int face);

/// Paints the faces of a prepared scene's draw order, back to front: top faces in growing
/// shades of green, border walls in `wallColour`, cushions as 5-pixel rims.
void DrawFaces(QImage& backBuffer, const Solid& solid, const Scene& scene, Colour wallColour);

/// Paints the cup of a prepared scene as an 18 x 8 black ellipse.
void DrawCup(QImage& backBuffer, const Scene& scene);

/// The two black pieces of the cup's front rim that hide a ball dropping into the cup
/// at (cupX, cupY), one row below its centre.
void DrawCupFrontRim(QImage& backBuffer, float cupX, float cupY);
