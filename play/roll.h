#pragma once

#include <vector>

#include "course/hole.h"
#include "course/solid.h"
#include "play/ball_state.h"
#include "play/physics.h"

/// Where a rolling ball stands after a frame.
enum class RollOutcome {
    Running,  ///< still rolling
    Rest,     ///< came to rest: the turn ends
    Sinking,  ///< over the cup and slow enough: the drop begins
};

/// What one rolling frame did; the caller plays "Bounce" (no-stop) per bounce and "Uh".
struct FrameEvents {
    RollOutcome outcome = RollOutcome::Running;
    int bounces = 0;         ///< walls hit in this frame
    bool backToTee = false;  ///< the wall-hit limit put the ball back on the tee
    bool uh = false;         ///< first too-fast pass over the cup in this stroke
};

/// One rolling frame without drawing, in the game's order: PhysicsStep, the rest test, the
/// cup test. A ball at rest gives Rest and the cup test is left out; the game ends the turn
/// and then runs CheckCup itself on whichever ball is current by then.
FrameEvents RollFrame(const Solid& solid, const Hole& hole, BallState& ball, StrokeState& stroke);

/// A ball position on the ground plane, one per frame of a traced roll.
struct TracePoint {
    float x = 0, y = 0;
};

/// The end of a roll: how it ended and what happened on the way.
struct RollResult {
    RollOutcome outcome = RollOutcome::Running;  ///< Running: the frame limit was reached
    int frames = 0;                              ///< rolling frames run
    int bounces = 0;                             ///< walls hit during the roll
    bool backToTee = false;                      ///< the wall-hit limit struck at least once
    bool uh = false;                             ///< the ball ran over the cup too fast
};

/// Runs rolling frames until the ball rests or sinks, at most `maxFrames` of them. With a
/// `trace`, appends the ball's position after each frame; without one nothing is allocated.
RollResult Roll(const Solid& solid, const Hole& hole, BallState& ball, StrokeState& stroke,
                int maxFrames, std::vector<TracePoint>* trace = nullptr);
