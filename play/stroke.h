#pragma once

// The arithmetic of a stroke: the aim line drawn while dragging, limited in length, and the
// velocity the release gives the ball. Window pixels have y growing downwards.

/// AimMode of a left-button stroke: fine, with a long line.
inline constexpr int kFineStroke = 1;
/// AimMode of a right-button stroke: strong, with a short line.
inline constexpr int kStrongStroke = 2;

/// A window pixel.
struct AimPoint {
    int x = 0, y = 0;
};

/// A ball velocity on the ground plane, course units per frame.
struct BallVelocity {
    float vx = 0, vy = 0;
};

/// Longest aim line in pixels: 50 for kStrongStroke, 250 otherwise.
int LongestAimLine(int aimMode);

/// Stroke factor: 0.8 for kStrongStroke, 0.1 otherwise.
double StrokeFactor(int aimMode);

/// The end of the aim line for the mouse at `mouse`: the mouse itself, or, when the line from
/// `start` would be longer than LongestAimLine, the point in the same direction at that length.
AimPoint ClampAimEnd(int aimMode, AimPoint start, AimPoint mouse);

/// The velocity a release gives the ball for an aim line from `start` to `end`: opposite to the
/// drag as seen on the screen, the tilt (degrees) undone and the spin (degrees) turned back, with
/// a speed growing as the drag's length to the power 1.5.
BallVelocity StrokeVelocity(int aimMode, float viewSpin, float viewTilt, AimPoint start,
                            AimPoint end);
