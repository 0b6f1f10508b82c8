#include "play/stroke.h"

#include <cmath>

#include "course/angles.h"

int LongestAimLine(int aimMode) {
    return aimMode == kStrongStroke ? 50 : 250;
}

double StrokeFactor(int aimMode) {
    return aimMode == kStrongStroke ? 0.8 : 0.1;
}

AimPoint ClampAimEnd(int aimMode, AimPoint start, AimPoint mouse) {
    const double dx = double(mouse.x) - start.x;
    const double dy = double(start.y) - mouse.y;  // upwards positive
    const int longest = LongestAimLine(aimMode);
    if (std::sqrt(dx * dx + dy * dy) <= longest) return mouse;

    double angle = dx != 0.0 ? std::atan(dy / dx) * kDegreesPerRadian : (dy >= 0.0 ? 90.0 : -90.0);
    if (dx < 0.0) angle += 180.0;
    // Each offset is cut towards zero on its own: cutting the sums instead would round offsets
    // that point left or up away from zero and let the line grow past its longest length.
    const int offsetX = static_cast<int>(std::cos(Radians(angle)) * longest);
    const int offsetY = static_cast<int>(std::sin(Radians(angle)) * longest);
    return {start.x + offsetX, start.y - offsetY};
}

BallVelocity StrokeVelocity(int aimMode, float viewSpin, float viewTilt, AimPoint start,
                            AimPoint end) {
    float dx = static_cast<float>(end.x - start.x);
    float dy = static_cast<float>(end.y - start.y);
    const double length = std::sqrt(double(dx) * dx + double(dy) * dy);

    // A vertical drag on the tilted view covers less ground than it looks: undo the tilt.
    const double k = StrokeFactor(aimMode);
    dx = static_cast<float>(dx * k);
    dy = static_cast<float>(dy * k / std::cos(Radians(viewTilt)));

    const double spin = Radians(viewSpin);
    BallVelocity velocity;
    velocity.vx = static_cast<float>(-std::cos(spin) * dx + std::sin(spin) * dy);
    velocity.vy = static_cast<float>(std::sin(spin) * dx + std::cos(spin) * dy);
    velocity.vx = static_cast<float>(std::sqrt(length) * velocity.vx * 0.1);
    velocity.vy = static_cast<float>(std::sqrt(length) * velocity.vy * 0.1);
    return velocity;
}
