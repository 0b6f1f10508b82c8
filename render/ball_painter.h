#pragma once

#include <QImage>

#include "render/view_transform.h"

/// The pictures of the ball: the 4 x 4 sheet of rolling frames and the mask.
struct BallImages {
    QImage sheet;
    QImage mask;
};

/// The ball sprite in the back buffer. Its anchor is where the ball touches the ground;
/// the sprite rectangle runs from (anchor - 7, anchor - 14), 16 wide and 18 high.
struct BallSprite {
    float viewX = 0, viewY = 0;
    float screenX = 0, screenY = 0;
    int prevScreenX = 0, prevScreenY = 0;
    int frameColumn = 0, frameRow = 0;
    QImage under = QImage(32, 32, QImage::Format_RGB32);  ///< the 16 x 18 pixels under the sprite
};

inline constexpr int kSpriteWidth = 16;
inline constexpr int kSpriteHeight = 18;

/// After a full scene: saves the back buffer under the sprite's last anchor, so that the
/// next DrawBall repairs with pixels of the new scene.
void SaveUnderBall(const QImage& backBuffer, BallSprite& ball);

/// Moves the sprite from its previous anchor to the anchor of its view position:
/// repairs the old place, saves the new one, then shadow (if asked), mask and frame.
void DrawBall(QImage& backBuffer, const BallImages& images, const Scene& scene, BallSprite& ball,
              bool withShadow);

/// Draws a ball sprite anchored at (x, y) without saving or repairing anything
/// (mask with AND, then the frame chosen from the anchor with OR).
void StampBall(QImage& backBuffer, const BallImages& images, float x, float y);
