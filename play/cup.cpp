#include "play/cup.h"

#include <cmath>

CupEvents CheckCup(const Solid& solid, const BallState& ball, StrokeState& stroke) {
    CupEvents events;
    const bool overCup = double(solid.cupX) - kCupHalfWidth < ball.x &&
                         ball.x < double(solid.cupX) + kCupHalfWidth &&
                         double(solid.cupY) - kCupHalfWidth < ball.y &&
                         ball.y < double(solid.cupY) + kCupHalfWidth;
    if (!overCup) return events;
    if (std::fabs(ball.vx) < kCupSpeedLimit && std::fabs(ball.vy) < kCupSpeedLimit) {
        events.captured = true;
    } else if (!stroke.uhPlayed) {
        stroke.uhPlayed = true;
        events.uh = true;
    }
    return events;
}
