#pragma once

#include <QImage>

#include "course/solid.h"
#include "render/ball_painter.h"
#include "render/view_transform.h"

/// The pictures every scene is made of.
struct ScenePictures {
    QImage backBuffer = QImage(640, 480, QImage::Format_RGB32);
    QImage grassTile;
    BallImages ball;
};

/// Makes the back buffer, the grass tile and the ball pictures; the back buffer starts
/// with the grass laid over it.
ScenePictures MakeScenePictures();

/// A full scene of the loaded hole into the back buffer: grass, faces, walls, rims and
/// cup under `view`, placed so that the cup and the ball at (ballX, ballY, ballZ) show;
/// then, when `sprite` is given, the ball with its shadow.
void DrawFullScene(ScenePictures& pictures, const ViewAngles& view, Solid& solid, Scene& scene,
                   Colour wallColour, float ballX, float ballY, float ballZ, BallSprite* sprite);
