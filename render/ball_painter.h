#pragma once

#include <QImage>

#include "view/frame_drawing.h"

/// The pictures of the ball: the 4 x 4 sheet of rolling frames, the mask, and the patch
/// of the back buffer under the sprite as last drawn (16 x 18 used at its top left).
struct BallImages {
    QImage sheet;
    QImage mask;
    QImage under = QImage(32, 32, QImage::Format_RGB32);
};

/// Saves the back buffer under the sprite anchored at (x, y); after a full scene this makes
/// the next DrawBall repair with pixels of the new scene.
void SaveUnderBall(const QImage& backBuffer, float x, float y, BallImages& images);

/// Draws the ball at its new anchor: repairs the previous place, saves the new one, then
/// the shadow (if asked), the mask (AND) and the frame (OR).
void DrawBall(QImage& backBuffer, const BallMove& move, BallImages& images);

/// Draws a ball sprite anchored at (x, y) without saving or repairing anything
/// (mask with AND, then the frame chosen from the anchor with OR).
void StampBall(QImage& backBuffer, const BallImages& images, float x, float y);
