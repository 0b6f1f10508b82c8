#pragma once

#include "view/view_transform.h"

/// The ball as last drawn on the screen. The anchor is where the ball touches the ground;
/// the sprite covers (anchor - 7, anchor - 14) to (anchor + 9, anchor + 4).
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
