#pragma once

#include <QImage>

/// "hills": the 410 x 70 picture under the scoreboard and the Hole of Fame table. Rolling
/// green hills, the nearest with a mown green and a red flag, under a transparent sky so that
/// the window's white shows through.
QImage DrawHills();
