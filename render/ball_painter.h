#pragma once

#include <QImage>

#include "view/ball_on_screen.h"

/// The pictures of the ball: the 4 x 4 sheet of rolling frames, the mask, and the patch
/// of the back buffer under the sprite as last drawn (16 x 18 used at its top left).
struct BallImages {
    QImage sheet;
    QImage mask;
    QImage under = QImage(32, 32, QImage::Format_RGB32);
};

inline constexpr int kSpriteWidth = 16;
inline constexpr int kSpriteHeight = 18;

/// The sheet column or row (0..3) for an anchor coordinate: its whole pixel modulo 4,
/// taken as an absolute value left of or above the screen.
int BallFrameIndex(float screen);

/// After a full scene: saves the back buffer under the ball's current anchor, so that the
/// next DrawBall repairs with pixels of the new scene.
void SaveUnderBall(const QImage& backBuffer, const BallOnScreen& ball, BallImages& images);

/// Draws the ball whose anchor MoveAnchor has just moved: repairs the previous place,
/// saves the new one, then the shadow (if asked), the mask (AND) and the frame (OR).
void DrawBall(QImage& backBuffer, const BallOnScreen& ball, BallImages& images, bool withShadow);

/// Draws a ball sprite anchored at (x, y) without saving or repairing anything
/// (mask with AND, then the frame chosen from the anchor with OR).
void StampBall(QImage& backBuffer, const BallImages& images, float x, float y);
