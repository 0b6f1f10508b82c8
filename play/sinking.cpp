#include "play/play_loop.h"

namespace {
constexpr int kLastSinkFrame = 18;
constexpr Colour kBlack = 0x000000;
}  // namespace

void PlayLoop::SinkFrameStep() {
    game_.sinkFrame += 1;
    BallOnScreen& ball = game_.ballOnScreen;
    if (game_.sinkFrame == 0) {
        const Tournament& tournament = game_.tournament;
        const int hole = tournament.currentHole;
        const bool underPar =
            tournament.players[tournament.currentPlayer].strokes[hole] < game_.course[hole].par;
        host_.PlaySound(underPar ? "Applause" : "Clap", false);
        ball.viewX = game_.scene.cupViewX;
        ball.viewY = game_.scene.cupViewY + 3;
    }
    DrawBall();

    // The front rim of the cup hides the ball as it goes down.
    const float cupX = game_.scene.cupScreenX, cupY = game_.scene.cupScreenY;
    const int rimY = static_cast<int>(cupY + 1);
    host_.DrawLine(static_cast<int>(cupX - 8), rimY, static_cast<int>(cupX - 4), rimY, kBlack);
    host_.DrawLine(static_cast<int>(cupX + 4), rimY, static_cast<int>(cupX + 8), rimY, kBlack);

    // Each frame the ball moves one row down and the copied height shrinks by one, so the
    // lower edge of what is shown stays on the same row and the ball vanishes behind it.
    const int height = 19 - game_.sinkFrame;
    host_.PresentRect(ball.prevScreenX - 7, ball.prevScreenY - 14, 16, height);
    host_.PresentRect(static_cast<int>(ball.screenX - 7), static_cast<int>(ball.screenY - 14), 16,
                      height);
    ball.viewY -= 1;

    if (game_.sinkFrame >= kLastSinkFrame) {
        FinishPlayerHole();
        NextTurn();
        game_.sinkFrame = -1;
    }
}
