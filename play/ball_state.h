#pragma once

#include "course/hole.h"

/// The ball on the course: the face it lies on, its position (z is the ground height under
/// it), the position at the start of the current step, and its velocity per 20 ms frame.
struct BallState {
    int face = 1;
    float x = 0, y = 0, z = 0;
    float prevX = 0, prevY = 0, prevZ = 0;
    float vx = 0, vy = 0, vz = 0;
    float speed = 0;    ///< length of the velocity, filled for the edge test
    float heading = 0;  ///< direction of the velocity in degrees, (-180, 180]
};

/// Puts the ball on the tee of `hole`, on its tee face; its velocity is left as it is.
inline void PlaceOnTee(BallState& ball, const Hole& hole) {
    ball.x = static_cast<float>(hole.teeX);
    ball.y = static_cast<float>(hole.teeY);
    ball.z = static_cast<float>(hole.teeZ);
    ball.face = hole.teeFace;
}
