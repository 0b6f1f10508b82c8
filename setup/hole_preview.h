#pragma once

#include <QImage>

#include "course/solid.h"
#include "view/view_transform.h"

class TForm4;

/// Screen positions of the top and base vertices at one third scale about (300, 220).
void ProjectPreview(const Solid& solid, Scene& scene);

/// Fills the faces of the draw order into `bitmap`, back to front: top faces in shades of
/// green by their place in the order, base faces black, walls in `wallColour`. No rims.
void PaintPreviewFaces(QImage& bitmap, const Solid& solid, const Scene& scene, Colour wallColour);

/// Draws the loaded hole into the dialog's preview bitmap, copies it onto the dialog at
/// (175, 15) and blanks the bitmap again.
void DrawPreview(TForm4& dialog);
