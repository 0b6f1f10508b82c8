#pragma once

#include <QIcon>

/// The sixteen small pictures of the menus, 16 x 16 (and 32 x 32 for doubled screens) on a
/// transparent background.
enum class MenuPicture {
    Open,
    Save,
    SaveAs,
    Print,
    Exit,
    Start,
    Stop,
    Players,
    CourseSetup,
    Sound,
    Music,
    Scoreboard,
    HoleOfFame,
    Web,
    HelpContents,
    About,
};

/// The menu picture `picture` as an icon, from the pictures the game embeds.
QIcon MenuIcon(MenuPicture picture);
