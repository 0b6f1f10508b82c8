#pragma once

#include "course/hole.h"
#include "course/solid.h"
#include "play/ball_state.h"

// The ball's motion over the top faces of the loaded hole, one step per 20 ms frame.
// Every stored quantity is a 32-bit float; each expression is worked out in double precision
// (trigonometry on degrees) and rounded once when it is stored. Nothing here plays a sound:
// the step reports what happened and the caller turns that into "Bounce" and the like.

/// What one stroke has done so far; a new stroke starts from `StrokeState{}`.
struct StrokeState {
    int wallHits = 0;       ///< walls hit since the stroke
    bool uhPlayed = false;  ///< the ball has already run over the cup too fast once
};

/// What happened during one physics step.
struct StepEvents {
    int bounces = 0;         ///< walls hit in this step (a corner can give two)
    bool backToTee = false;  ///< the wall-hit limit put the ball back on the tee
};

/// Walls a stroke may hit; the next hit sends the ball back to the tee.
inline constexpr int kMaxWallHits = 50;

/// Direction of point b seen from point a, in degrees in (-180, 180]: 0 along +x, 90 along +y,
/// 0 when the points coincide.
float Direction(double ax, double ay, double bx, double by);

/// One physics step of `ball` on `solid`: slope, move, friction, the edges of the ball's face
/// (walls reflect, inner edges hand the ball to the neighbour) and the wall-hit limit, which
/// uses the tee of `hole`. A ball whose face is not a usable top face of the solid is off the
/// course: it stops where it is and the step reports nothing.
StepEvents PhysicsStep(const Solid& solid, const Hole& hole, BallState& ball, StrokeState& stroke);

/// True when the ball lies on a level face and both velocity components are below 0.05.
/// A ball off the course (see PhysicsStep) has no slope, so only its velocity counts.
bool IsAtRest(const Solid& solid, const BallState& ball);

/// Mirrors the ball's heading at a wall running in direction `edgeDirection` (degrees), counts
/// the hit and puts the ball back where the step began.
void ReflectOffWall(float edgeDirection, BallState& ball, StrokeState& stroke);

/// After more than kMaxWallHits hits in this stroke, stops the ball on the tee of `hole`.
/// Returns true when it did. The stroke stays counted.
bool CheckWallHitLimit(const Hole& hole, const StrokeState& stroke, BallState& ball);
