#include "render/dialog_pictures.h"

#include <string>

#include "render/game_pictures.h"

QPixmap PlayerFlagPicture(int slot) {
    return QPixmap::fromImage(GamePicture("flag" + std::to_string(slot)));
}

QPixmap PuttingGreenPicture() {
    return QPixmap::fromImage(GamePicture("course_green"));
}

QPixmap RedFlagPicture() {
    return QPixmap::fromImage(GamePicture("course_flag"));
}

QPixmap HoleCountPicture(int holes) {
    return QPixmap::fromImage(GamePicture("holes" + std::to_string(holes)));
}
