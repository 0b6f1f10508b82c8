#pragma once

#include "view/view_transform.h"

/// The ball sprite covers (anchor - 7, anchor - 14) to (anchor + 9, anchor + 4).
inline constexpr int kSpriteWidth = 16;
inline constexpr int kSpriteHeight = 18;

/// A rectangle of whole pixels.
struct PixelBox {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const PixelBox&) const = default;
};

/// The box of the ball sprite anchored at (anchorX, anchorY), cut to whole pixels; a
/// shorter `height` keeps its top and drops rows from the bottom.
inline PixelBox SpriteBox(float anchorX, float anchorY, int height = kSpriteHeight) {
    return {static_cast<int>(anchorX - 7), static_cast<int>(anchorY - 14), kSpriteWidth, height};
}

/// The sheet column or row (0..3) for an anchor coordinate: its whole pixel modulo 4,
/// taken as an absolute value left of or above the screen.
int BallFrameIndex(float screen);

/// The ball as last drawn on the screen. The anchor is where the ball touches the ground.
struct BallOnScreen {
    float viewX = 0, viewY = 0;      ///< the rotated ball, or its place in the cup while it drops
    float screenX = 0, screenY = 0;  ///< the anchor of the last drawing
    int prevScreenX = 0, prevScreenY = 0;  ///< the anchor before that, in whole pixels
};

/// Before a drawing: the last anchor becomes the previous one (cut to whole pixels) and
/// the view position is placed on the screen by the scene's origin.
inline void MoveAnchor(BallOnScreen& ball, const Scene& scene) {
    ball.prevScreenX = static_cast<int>(ball.screenX);
    ball.prevScreenY = static_cast<int>(ball.screenY);
    ball.screenX = static_cast<float>(scene.viewOriginX) + ball.viewX;
    ball.screenY = static_cast<float>(scene.viewOriginY) - ball.viewY;
}
