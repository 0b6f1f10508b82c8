#pragma once

#include <QImage>

// Rectangle copies and masked sprites between RGB32 pictures. Parts of a rectangle outside
// its picture are skipped, so a sprite may stand partly off the edge of the back buffer.

void BlitRect(const QImage& source, int sourceX, int sourceY, QImage& target, int targetX,
              int targetY, int width, int height);

// Lays a sprite through its mask in one pass: target AND mask, then OR sprite, kept opaque.
// The mask is white where the target shows through and black where the sprite goes; it
// starts at (0, 0) and gives the size. The sprite starts at (spriteX, spriteY) of its sheet,
// and is cut where the sheet ends.
void StampMasked(const QImage& mask, const QImage& sheet, int spriteX, int spriteY, QImage& target,
                 int targetX, int targetY);
