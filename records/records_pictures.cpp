#include "records/records_pictures.h"

#include "render/game_pictures.h"

QPixmap HillsPicture() {
    return QPixmap::fromImage(GamePicture("hills"));
}

QPixmap GlobePicture() {
    return QPixmap::fromImage(GamePicture("globe"));
}
