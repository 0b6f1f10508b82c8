#pragma once

#include <QPixmap>

// The small pictures of the records windows, drawn by code on transparent backgrounds.

/// A 410 x 70 strip of green hills with a red flag.
QPixmap HillsPicture();

/// A 16 x 16 globe.
QPixmap GlobePicture();
