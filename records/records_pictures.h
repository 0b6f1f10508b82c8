#pragma once

#include <QPixmap>

// The pictures of the records windows, from the game's generated pictures.

/// The 410 x 70 strip of green hills with a red flag, on a transparent background.
QPixmap HillsPicture();

/// The 16 x 16 globe, on a transparent background.
QPixmap GlobePicture();
