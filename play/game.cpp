#include "play/game.h"

void InitCourse(Game& game) {
    game.ball.face = 1;
    game.ball.x = -250.0f;
    game.ball.y = -140.0f;
    game.ball.z = 10.0f;
    game.solid.cupX = -250.0f;
    game.solid.cupY = 150.0f;
    game.solid.cupZ = 160.0f;
    game.view = ViewAngles{0.0f, 0.0f, -60.0f};
    game.tournament.currentHole = 0;
    game.playState = PlayState::Idle;
}
