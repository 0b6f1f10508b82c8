#pragma once

#include <QImage>

// The pictures of the course dialog, transparent around their subject. The dialog puts the
// red flag just above the green, so the flagstick of the green and the pole of the flag
// meet in one line (dialog x 299).

/// "course_green": 195 x 84, a putting green seen at a slant with the cup and the flagstick.
QImage DrawCourseGreen();

/// "course_flag": 48 x 53, a red flag waving on its pole.
QImage DrawCourseFlag();

/// "holes6", "holes12", "holes18", "holes36": 80 x 45, the number in raised lettering.
QImage DrawHoleCount(int holes);
