#pragma once

#include <array>

#include "view/view_transform.h"

// The attract animation's own view of its balls: turned by its angles and placed with the
// ground origin at (316, 260), without the main view's placement.

/// The balls of the animation.
inline constexpr int kParticleCount = 99;

/// A point of the animation turned to its view and placed on the screen.
struct AttractPoint {
    ViewPoint view;
    float screenX = 0, screenY = 0;
};

/// Turns (x, y, z) by `angles` and places it on the screen at (x2 + 316, 260 - y2).
AttractPoint ProjectAttractPoint(const ViewAngles& angles, float x, float y, float z);

/// A shadow ellipse's box in whole pixels, GDI style (right and bottom left out).
struct ShadowBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

/// The 15 x 6 shadow round a ground point on the screen.
ShadowBox ShadowBoxAt(float screenX, float screenY);

/// What one frame paints: the shadows in particle order, then the balls farthest first
/// (anchors in screen pixels, as the ball sprite takes them).
struct AttractPicture {
    int count = 0;
    std::array<ShadowBox, kParticleCount> shadows{};
    std::array<float, kParticleCount> ballX{}, ballY{};
};
