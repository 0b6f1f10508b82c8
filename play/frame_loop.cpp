#include <algorithm>

#include "play/cup.h"
#include "play/play_loop.h"
#include "play/roll.h"
#include "play/tournament.h"

namespace {
constexpr int kFrameMilliseconds = 20;
// The turn intro catches up on missed frames, but never by more than this many steps.
constexpr std::int64_t kMaxIntroCatchUp = 10;
}  // namespace

void PlayLoop::StartClock(std::int64_t ticks) {
    game_.tickCount = ticks;
    game_.frameClock = ticks / kFrameMilliseconds;
    game_.lastFrame = game_.frameClock;
}

void PlayLoop::AppIdle(std::int64_t ticks) {
    game_.tickCount = ticks;
    game_.frameClock = ticks / kFrameMilliseconds;
    game_.framesElapsed = game_.frameClock - game_.lastFrame;
    if (game_.framesElapsed == 0) return;
    game_.lastFrame = game_.frameClock;
    FrameStep();
}

int PlayLoop::MillisecondsToNextFrame(std::int64_t ticks) {
    return kFrameMilliseconds - static_cast<int>(ticks % kFrameMilliseconds);
}

void PlayLoop::FrameStep() {
    switch (game_.playState) {
        case PlayState::Idle:
            if (!game_.attractPaused) host_.AttractFrame();
            return;
        case PlayState::Aiming:
            return;
        case PlayState::Rolling:
            RollingFrame();
            return;
        case PlayState::Sinking:
            SinkFrameStep();
            return;
        case PlayState::TurnIntro:
            IntroFrame();
            return;
        case PlayState::TournamentOver:
            ClosingFrame();
            return;
    }
}

void PlayLoop::RollingFrame() {
    const Hole& hole = game_.course[game_.tournament.currentHole];
    const FrameEvents events = RollFrame(game_.solid, hole, game_.ball, game_.stroke);
    for (int bounce = 0; bounce < events.bounces; ++bounce) host_.PlaySound("Bounce", true);

    const ViewPoint rotated = RotateToView(game_.view, game_.ball.x, game_.ball.y, game_.ball.z);
    game_.ballOnScreen.viewX = rotated.x;
    game_.ballOnScreen.viewY = rotated.y;
    DrawBall();
    PresentBall();

    if (events.outcome == RollOutcome::Rest) {
        if (ApplyStrokeLimit(game_.tournament, game_.course)) {
            host_.PlaySound("Laugh", false);
            FinishPlayerHole();
        }
        NextTurn();
        // The cup test still looks at the ball that is current now; at the end of the
        // tournament there is no ball in play any more.
        if (game_.playState == PlayState::TournamentOver) return;
        const CupEvents cup = CheckCup(game_.solid, game_.ball, game_.stroke);
        if (cup.uh) host_.PlaySound("Uh", false);
        if (cup.captured) game_.playState = PlayState::Sinking;
        return;
    }
    if (events.uh) host_.PlaySound("Uh", false);
    if (events.outcome == RollOutcome::Sinking) game_.playState = PlayState::Sinking;
}

void PlayLoop::IntroFrame() {
    const std::int64_t steps = std::min(game_.framesElapsed, kMaxIntroCatchUp);
    for (std::int64_t step = 0; step < steps; ++step) {
        game_.view.spin += game_.introSpinStep;
        game_.introFrame += 1;
    }
    const ViewPoint ball = host_.DrawHoleScene();
    if (game_.introFrame > game_.introLength) {
        game_.ballOnScreen.viewX = ball.x;
        game_.ballOnScreen.viewY = ball.y;
        host_.SaveUnderBall();
        DrawBall();
        game_.playState = PlayState::Aiming;
    }
    host_.PresentFrame();
}

void PlayLoop::ClosingFrame() {
    host_.DrawGrass();
    host_.PresentFrame();
    host_.SetTournamentMenus(false);
    host_.RepaintScoreboard();
    game_.playState = PlayState::Idle;
}

void PlayLoop::ShowSceneWithBall() {
    const ViewPoint ball = host_.DrawHoleScene();
    game_.ballOnScreen.viewX = ball.x;
    game_.ballOnScreen.viewY = ball.y;
    host_.SaveUnderBall();
    DrawBall();
    host_.PresentFrame();
}

void PlayLoop::DrawBall() {
    MoveAnchor(game_.ballOnScreen, game_.scene);
    host_.DrawBallSprite(game_.sinkFrame == -1);
}

void PlayLoop::PresentBall() {
    const BallOnScreen& ball = game_.ballOnScreen;
    host_.PresentRect(ball.prevScreenX - 7, ball.prevScreenY - 14, 16, 18);
    host_.PresentRect(static_cast<int>(ball.screenX - 7), static_cast<int>(ball.screenY - 14), 16,
                      18);
}
