#include <algorithm>

#include "play/attract.h"
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
            if (!game_.attractPaused) AttractFrame();
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
    FrameDrawing drawing;
    MoveBall(drawing);
    drawing.show = FrameDrawing::Show::BallBoxes;
    host_.ShowFrame(drawing);

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
    if (game_.introFrame > game_.introLength) {
        ShowSceneWithBall();
        game_.playState = PlayState::Aiming;
        return;
    }
    FrameDrawing drawing;
    PrepareHoleScene(drawing);
    host_.ShowFrame(drawing);
}

void PlayLoop::ClosingFrame() {
    FrameDrawing drawing;
    drawing.ground = FrameDrawing::Ground::Grass;
    host_.ShowFrame(drawing);
    host_.SetTournamentMenus(false);
    host_.RepaintScoreboard();
    game_.playState = PlayState::Idle;
    ShowCurrentFlag();
}

void PlayLoop::AttractFrame() {
    AttractPicture picture;
    AttractStep(game_.attract, game_.course, random_, picture);
    host_.ShowAttract(picture);
}

ViewPoint PlayLoop::PrepareHoleScene(FrameDrawing& drawing) {
    const int hole = game_.tournament.currentHole;
    drawing.ground = FrameDrawing::Ground::Hole;
    drawing.solid = &game_.solid;
    drawing.scene = &game_.scene;
    drawing.wallColour = game_.course[IsHoleNumber(hole) ? hole : 0].wallColour;
    return PrepareScene(game_.view, game_.solid, game_.scene, game_.ball.x, game_.ball.y,
                        game_.ball.z);
}

void PlayLoop::ShowSceneWithBall() {
    FrameDrawing drawing;
    const ViewPoint ball = PrepareHoleScene(drawing);
    game_.ballOnScreen.viewX = ball.x;
    game_.ballOnScreen.viewY = ball.y;
    drawing.saveUnderBall = true;
    drawing.saveX = game_.ballOnScreen.screenX;
    drawing.saveY = game_.ballOnScreen.screenY;
    MoveBall(drawing);
    host_.ShowFrame(drawing);
}

void PlayLoop::MoveBall(FrameDrawing& drawing) {
    BallOnScreen& ball = game_.ballOnScreen;
    MoveAnchor(ball, game_.scene);
    drawing.moveBall = true;
    drawing.ball = {ball.prevScreenX, ball.prevScreenY, ball.screenX, ball.screenY,
                    game_.sinkFrame == -1};
}

void PlayLoop::ShowCurrentFlag() {
    host_.ShowFlag(game_.playState == PlayState::Idle ? 0 : game_.tournament.currentPlayer);
}
