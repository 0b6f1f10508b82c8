#pragma once

#include "play/ball_state.h"

/// A ball on `face` at (x, y) moving with (vx, vy) per frame.
inline BallState BallAt(int face, float x, float y, float vx, float vy) {
    BallState ball;
    ball.face = face;
    ball.x = x;
    ball.y = y;
    ball.vx = vx;
    ball.vy = vy;
    return ball;
}
