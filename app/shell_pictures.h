#pragma once

#include <QImage>

// The pictures of the splash screen and the about box, drawn by code. All are RGB32 so
// that the ball's raster operations work bit by bit.

/// 420 x 210: a green running along y 162 to 174 from the golfer on the left to the flag.
QImage SplashScenePicture();
/// 310 x 50: the game's title on a dark banner.
QImage SplashTitlePicture();
/// 12 x 12: a small light ball on black.
QImage SplashBallPicture();
/// 12 x 12: black where the ball is, white around it.
QImage SplashBallMaskPicture();
/// 256 x 256: the title and the credits on a dark background.
QImage CreditsPicture();
