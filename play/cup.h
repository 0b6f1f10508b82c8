#pragma once

#include "course/solid.h"
#include "play/ball_state.h"
#include "play/physics.h"

/// What the cup test found in one frame.
struct CupEvents {
    bool captured = false;  ///< over the cup and slow enough: the ball drops (state Sinking)
    bool uh = false;        ///< the first too-fast pass over the cup in this stroke: play "Uh"
};

/// Half the side of the open square round the cup that catches the ball.
inline constexpr float kCupHalfWidth = 8.0f;
/// Each velocity component must be below this for the cup to catch the ball.
inline constexpr float kCupSpeedLimit = 2.0f;

/// The cup test of one rolling frame: the ball is over the cup strictly inside the square of
/// +-8 round (solid.cupX, solid.cupY), whatever its height. Marks "Uh" once per stroke.
CupEvents CheckCup(const Solid& solid, const BallState& ball, StrokeState& stroke);
