#pragma once

#include <QImage>

#include "course/colour.h"
#include "course/solid.h"
#include "view/view_transform.h"

/// Fills the faces of a projected preview's draw order into `bitmap`, back to front: top
/// faces in shades of green by their place in the order, base faces black, walls in
/// `wallColour`. No rims.
void PaintPreviewFaces(QImage& bitmap, const Solid& solid, const Scene& scene, Colour wallColour);
