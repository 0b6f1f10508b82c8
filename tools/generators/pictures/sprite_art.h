#pragma once

#include <QImage>

// The sprites of the main view and of the splash, in the depths the game stores them in.

/// "gras": 64 x 64, 8 bits per pixel, a dark-green lawn that tiles without seams.
QImage DrawGrassTile();

/// "balls": 64 x 64, 16 colours, 16 frames of a white dimpled ball on black in 4 x 4 cells of
/// 16 x 16; one column to the right shows the ball rolled one pixel right, one row down one
/// pixel down, so the frame picked from the position modulo 4 makes the ball roll.
QImage DrawBallSheet();

/// "ballmask": 16 x 16, one bit: black inside the 15-pixel circle at the top left.
QImage DrawBallMask();

/// "sball": 12 x 12, 16 colours, a small light dimpled ball on black.
QImage DrawSplashBall();

/// "sballmask": 12 x 12, one bit: black where "sball" has its ball.
QImage DrawSplashBallMask();
