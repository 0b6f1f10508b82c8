#include "play/physics.h"

#include <cmath>

#include "course/angles.h"
#include "course/face_geometry.h"

namespace {
constexpr double kFriction = 0.98;
constexpr double kRestSpeed = 0.05;

using Corner = CornerPoint;

Corner CornerOf(const Solid& solid, int face, int corner) {
    const int v = solid.faceVertex[face][corner];
    return {solid.x[v], solid.y[v], solid.z[v]};
}

// A top face the step can work on: inside the tables, 3 to 8 corners on known vertices, and
// corner 2 right of corner 1 and corner 3 below corner 2 so that the height formula never
// divides by zero. The catalogue holes all pass; anything else is "off the course".
bool IsUsableFace(const Solid& solid, int face) {
    if (face < 1 || face > solid.faceCount || face > kMaxFaces) return false;
    const int corners = solid.faceCorners[face];
    if (corners < 3 || corners > kMaxCorners) return false;
    for (int k = 1; k <= corners; ++k) {
        const int v = solid.faceVertex[face][k];
        if (v < 1 || v > solid.vertexCount || v > kMaxVertices) return false;
    }
    const Corner a = CornerOf(solid, face, 1);
    const Corner b = CornerOf(solid, face, 2);
    const Corner c = CornerOf(solid, face, 3);
    return b.x > a.x && c.y < b.y;
}

// The heading of a velocity by the arctangent, with the quadrant fixed by the signs.
float HeadingOf(float vx, float vy) {
    if (vx == 0) return vy > 0 ? 90.0f : (vy < 0 ? -90.0f : 0.0f);
    double heading = std::atan(double(vy) / vx) * kDegreesPerRadian;
    if (vx < 0) heading += vy >= 0 ? 180.0 : -180.0;
    return static_cast<float>(heading);
}

// True when the ball is outside the edge from `from` to `to` or exactly on its line:
// the ball's direction from the corner lies 0 to 180 degrees counter-clockwise of the edge's.
bool IsOutsideEdge(float edgeDirection, const Corner& from, const BallState& ball) {
    const float ballDirection = Direction(from.x, from.y, ball.x, ball.y);
    double diff = double(ballDirection) - edgeDirection;
    if (diff > 180.0) diff -= 360.0;
    if (diff < -180.0) diff += 360.0;
    return diff >= 0.0;
}
}  // namespace

float Direction(double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d <= 0.0) return 0.0f;
    double a = std::asin(dy / d) * 180.0 / kPi;
    if (dx < 0.0) a = 180.0 - a;
    if (a > 180.0) a -= 360.0;
    return static_cast<float>(a);
}

StepEvents PhysicsStep(const Solid& solid, const Hole& hole, BallState& ball, StrokeState& stroke) {
    StepEvents events;
    ball.prevX = ball.x;
    ball.prevY = ball.y;
    ball.prevZ = ball.z;
    const int face = ball.face;
    if (!IsUsableFace(solid, face)) {
        ball.vx = ball.vy = ball.vz = 0.0f;
        return events;
    }

    // Height and downhill pull from the plane through the first three corners.
    const Corner a = CornerOf(solid, face, 1);
    const Corner b = CornerOf(solid, face, 2);
    const Corner c = CornerOf(solid, face, 3);
    const int dxAB = b.x - a.x;
    const int dzAB = b.z - a.z;
    const int dyBC = c.y - b.y;
    const int dzBC = c.z - b.z;
    ball.z = static_cast<float>(PlaneHeight(a, b, c, ball.x, ball.y));
    ball.vx =
        static_cast<float>(ball.vx - 0.5 * dzAB / std::sqrt(double(dxAB * dxAB + dzAB * dzAB)));
    ball.vy =
        static_cast<float>(ball.vy + 0.5 * dzBC / std::sqrt(double(dyBC * dyBC + dzBC * dzBC)));

    ball.x = static_cast<float>(double(ball.x) + ball.vx);
    ball.y = static_cast<float>(double(ball.y) + ball.vy);
    ball.z = static_cast<float>(double(ball.z) + ball.vz);

    ball.vx = static_cast<float>(ball.vx * kFriction);
    ball.vy = static_cast<float>(ball.vy * kFriction);

    // The edge test works on speed and heading, so that a wall only turns the heading.
    const float vz = ball.vz;
    ball.vz = 0.0f;
    ball.speed =
        static_cast<float>(std::sqrt(double(ball.vx) * ball.vx + double(ball.vy) * ball.vy));
    ball.heading = HeadingOf(ball.vx, ball.vy);

    // Only the edges of the face the step began on are tested. A wall puts the ball back and
    // the following edges are tested from there; of several inner edges crossed, the last wins.
    const int corners = solid.faceCorners[face];
    int newFace = 0;
    for (int k = 1; k <= corners; ++k) {
        const Corner from = CornerOf(solid, face, k);
        const Corner to = CornerOf(solid, face, NextCorner(k, corners));
        const float edgeDirection = Direction(from.x, from.y, to.x, to.y);
        if (!IsOutsideEdge(edgeDirection, from, ball)) continue;
        const int neighbour = solid.neighbour[face][k];
        if (neighbour == 0) {
            ReflectOffWall(edgeDirection, ball, stroke);
            ++events.bounces;
        } else {
            newFace = neighbour;
        }
    }
    if (newFace != 0) ball.face = newFace;

    // Back to components by cosine and sine: the same values as working it out through the
    // tangent, without the infinite tangent of a heading of exactly +-90 degrees.
    const double heading = Radians(ball.heading);
    ball.vx = static_cast<float>(ball.speed * std::cos(heading));
    ball.vy = static_cast<float>(ball.speed * std::sin(heading));
    ball.vz = vz;

    events.backToTee = CheckWallHitLimit(hole, stroke, ball);
    return events;
}

bool IsAtRest(const Solid& solid, const BallState& ball) {
    if (IsUsableFace(solid, ball.face)) {
        const Corner a = CornerOf(solid, ball.face, 1);
        const Corner b = CornerOf(solid, ball.face, 2);
        const Corner c = CornerOf(solid, ball.face, 3);
        if (b.z - a.z != 0 || c.z - b.z != 0) return false;
    }
    return std::fabs(ball.vx) < kRestSpeed && std::fabs(ball.vy) < kRestSpeed;
}

void ReflectOffWall(float edgeDirection, BallState& ball, StrokeState& stroke) {
    ++stroke.wallHits;
    double heading = 2.0 * edgeDirection - ball.heading;
    if (heading < -180.0) heading += 360.0;
    if (heading > 180.0) heading -= 360.0;
    ball.heading = static_cast<float>(heading);
    ball.x = ball.prevX;
    ball.y = ball.prevY;
    ball.z = ball.prevZ;
}

bool CheckWallHitLimit(const Hole& hole, const StrokeState& stroke, BallState& ball) {
    if (stroke.wallHits <= kMaxWallHits) return false;
    ball.vx = ball.vy = ball.vz = 0.0f;
    PlaceOnTee(ball, hole);
    return true;
}
