#include "play/play_loop.h"

namespace {
constexpr int kLastSinkFrame = 18;
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
    FrameDrawing drawing;
    MoveBall(drawing);
    // The front rim of the cup hides the ball as it goes down.
    drawing.cupRim = true;
    drawing.cupX = game_.scene.cupScreenX;
    drawing.cupY = game_.scene.cupScreenY;
    // Each frame the ball moves one row down and the shown height shrinks by one, so the
    // lower edge of what is shown stays on the same row and the ball vanishes behind it.
    drawing.show = FrameDrawing::Show::BallBoxes;
    drawing.shownRows = 19 - game_.sinkFrame;
    host_.ShowFrame(drawing);
    ball.viewY -= 1;

    if (game_.sinkFrame >= kLastSinkFrame) {
        FinishPlayerHole();
        NextTurn();
        game_.sinkFrame = -1;
    }
}
