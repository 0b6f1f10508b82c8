#pragma once

#include <QIcon>

/// The 16 small menu pictures, drawn by code: 0 open, 1 save, 2 save as, 3 print, 4 exit,
/// 5 start, 6 stop, 7 players, 8 course, 9 sound, 10 music, 11 scoreboard, 12 hole of fame,
/// 13 web, 14 help contents, 15 about.
QIcon MenuIcon(int index);
