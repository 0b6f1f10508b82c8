#pragma once

#include <cmath>

#include "play/game.h"
#include "play/roll.h"
#include "play/stroke.h"

/// Finds where to release a left-button drag that starts on the ball of the current turn:
/// straight away from the cup first, then a coarse fan of strokes; a stroke that holes out
/// wins, otherwise the one that comes to rest nearest the cup. Uses the game's own physics.
inline AimPoint FindStroke(const Game& game) {
    const AimPoint start{static_cast<int>(game.ballOnScreen.screenX),
                         static_cast<int>(game.ballOnScreen.screenY - 7)};
    const Hole& hole = game.course[game.tournament.currentHole];
    AimPoint best = {start.x + 30, start.y};
    double bestDistance = 1e30;
    const auto tryStroke = [&](double angle, double length) {
        const AimPoint end = ClampAimEnd(kFineStroke, start,
                                         {start.x + static_cast<int>(std::cos(angle) * length),
                                          start.y + static_cast<int>(std::sin(angle) * length)});
        BallState ball = game.ball;
        const BallVelocity velocity =
            StrokeVelocity(kFineStroke, game.view.spin, game.view.tilt, start, end);
        ball.vx = velocity.vx;
        ball.vy = velocity.vy;
        StrokeState stroke;
        const RollResult result = Roll(game.solid, hole, ball, stroke, 1500);
        const double distance =
            result.outcome == RollOutcome::Sinking
                ? -1.0
                : std::hypot(ball.x - game.solid.cupX, ball.y - game.solid.cupY);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = end;
        }
        return result.outcome == RollOutcome::Sinking;
    };
    // The ball leaves opposite to the drag as seen on the screen.
    const double away = std::atan2(game.ballOnScreen.screenY - game.scene.cupScreenY,
                                   game.ballOnScreen.screenX - game.scene.cupScreenX);
    for (double length = 4; length <= 250; length += 3)
        if (tryStroke(away, length)) return best;
    for (int degrees = 0; degrees < 360; degrees += 15)
        for (double length = 40; length <= 240; length += 40)
            if (tryStroke(degrees * 3.141592653589793 / 180.0, length)) return best;
    return best;
}
