#pragma once

#include <QImage>

// The sprites of the main view, taken from the pictures the game embeds ("gras", "balls",
// "ballmask") in RGB32, so that the sprite raster operations work bit by bit.

/// A 64 x 64 dark-green grass texture that tiles seamlessly.
QImage MakeGrassTile();
/// 16 ball frames in a 4 x 4 grid of 16 x 16 cells: a white dimpled ball on black, the
/// dimples shifted from cell to cell so that stepping through the cells looks like rolling.
QImage MakeBallSheet();
/// 16 x 16: a filled circle 15 pixels across in the top-left, black inside, white outside.
QImage MakeBallMask();

/// The grass tile repeated over 640 x 448 pixels: 10 columns by 7 rows.
void DrawBackground(QImage& backBuffer, const QImage& grassTile);

/// Lays the grass again over `area` of the back buffer only, as DrawBackground would.
void LayGrass(QImage& backBuffer, const QImage& grassTile, const QRect& area);
