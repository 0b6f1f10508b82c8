#pragma once

#include <QImage>

/// "credits": the 256 x 256 picture of the about box. The title banner and the credits
/// lines on a dark background with a faint pattern of ball dimples; the strip below y 214
/// stays plain black for the web address and the OK button the about box puts there.
QImage DrawCredits();

/// The top of the free strip at the bottom of the credits picture.
inline constexpr int kCreditsStripTop = 214;
