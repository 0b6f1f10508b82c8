#pragma once

#include <QImage>

/// "splash": the 420 x 210 scene of the splash window. A sky with a soft gradient, hills
/// and a row of trees behind, and a putting green that runs along y 162 to 174 from a
/// golfer on the left to the flag in its cup on the right, where the splash ball rolls.
QImage DrawSplashScene();

/// The rows the splash ball rolls along, and the part of them the green covers.
inline constexpr int kSplashGreenTop = 162;
inline constexpr int kSplashGreenBottom = 174;
inline constexpr int kSplashGreenLeft = 62;
inline constexpr int kSplashGreenRight = 374;
