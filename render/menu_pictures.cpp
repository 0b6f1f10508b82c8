#include "render/menu_pictures.h"

#include "render/game_pictures.h"

QIcon MenuIcon(MenuPicture picture) {
    switch (picture) {
        case MenuPicture::Open:
            return MenuIconPicture("open");
        case MenuPicture::Save:
            return MenuIconPicture("save");
        case MenuPicture::SaveAs:
            return MenuIconPicture("save_as");
        case MenuPicture::Print:
            return MenuIconPicture("print");
        case MenuPicture::Exit:
            return MenuIconPicture("exit");
        case MenuPicture::Start:
            return MenuIconPicture("start");
        case MenuPicture::Stop:
            return MenuIconPicture("stop");
        case MenuPicture::Players:
            return MenuIconPicture("players");
        case MenuPicture::CourseSetup:
            return MenuIconPicture("course");
        case MenuPicture::Sound:
            return MenuIconPicture("sound");
        case MenuPicture::Music:
            return MenuIconPicture("music");
        case MenuPicture::Scoreboard:
            return MenuIconPicture("scoreboard");
        case MenuPicture::HoleOfFame:
            return MenuIconPicture("fame");
        case MenuPicture::Web:
            return MenuIconPicture("web");
        case MenuPicture::HelpContents:
            return MenuIconPicture("help");
        case MenuPicture::About:
            return MenuIconPicture("about");
    }
    return {};
}
