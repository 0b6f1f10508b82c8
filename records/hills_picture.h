#pragma once

#include <QImage>

/// The 410 x 70 picture under the Hole of Fame's table: green hills with a red flag.
QImage HillsPicture();
