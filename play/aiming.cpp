#include "play/play_loop.h"
#include "play/status_text.h"
#include "play/stroke.h"
#include "play/tournament.h"

namespace {
int PenWidth(int aimMode) {
    return aimMode == kStrongStroke ? 3 : 1;
}
}  // namespace

void PlayLoop::MouseDown(MouseButton button, int x, int y) {
    if (game_.playState != PlayState::Aiming || game_.dragging) return;
    const BallOnScreen& ball = game_.ballOnScreen;
    // The box round the ball is open on all four sides.
    const bool onBall = ball.screenX - 15 < x && x < ball.screenX + 15 && ball.screenY - 25 < y &&
                        y < ball.screenY + 10;
    if (!onBall) return;
    switch (button) {
        case MouseButton::Left:
            game_.aimMode = kFineStroke;
            break;
        case MouseButton::Right:
            game_.aimMode = kStrongStroke;
            break;
        case MouseButton::Middle:
            return;
    }
    game_.dragging = true;
    game_.aimStartX = static_cast<int>(ball.screenX);
    game_.aimStartY = static_cast<int>(ball.screenY - 7);
    game_.aimEndX = x;
    game_.aimEndY = y;
    InvertAimLine();
}

void PlayLoop::MouseMove(int x, int y) {
    if (!game_.dragging) return;
    InvertAimLine();
    const AimPoint end = ClampAimEnd(game_.aimMode, {game_.aimStartX, game_.aimStartY}, {x, y});
    game_.aimEndX = end.x;
    game_.aimEndY = end.y;
    InvertAimLine();
}

void PlayLoop::MouseUp(int /*x*/, int /*y*/) {
    if (!game_.dragging) return;
    game_.stroke = StrokeState{};
    game_.playState = PlayState::Rolling;
    host_.PlaySound("Hit", false);
    host_.SetPanelText(kPromptPanel, kBallInPlayPrompt);
    InvertAimLine();

    const BallVelocity velocity =
        StrokeVelocity(game_.aimMode, game_.view.spin, game_.view.tilt,
                       {game_.aimStartX, game_.aimStartY}, {game_.aimEndX, game_.aimEndY});
    game_.ball.vx = velocity.vx;
    game_.ball.vy = velocity.vy;

    RecordStroke(game_.tournament, game_.course);
    WriteScorePanels();
    host_.RepaintScoreboard();
    game_.dragging = false;
}

void PlayLoop::InvertAimLine() {
    host_.InvertAimLine(
        {game_.aimStartX, game_.aimStartY, game_.aimEndX, game_.aimEndY, PenWidth(game_.aimMode)});
}
