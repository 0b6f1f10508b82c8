#pragma once

#include <QImage>

#include "course/solid.h"
#include "render/ball_painter.h"
#include "view/view_transform.h"

/// The pictures every scene is made of.
struct ScenePictures {
    QImage backBuffer = QImage(640, 480, QImage::Format_RGB32);
    QImage grassTile;
    BallImages ball;
};

/// Makes the back buffer, the grass tile and the ball pictures; the back buffer starts
/// with the grass laid over it.
ScenePictures MakeScenePictures();

/// Grass, then the faces, walls, rims and cup of a prepared scene.
void PaintHoleScene(ScenePictures& pictures, const Solid& solid, const Scene& scene,
                    Colour wallColour);

/// The hole part of a full scene: grass, faces, walls, rims and cup of the loaded hole
/// under `view`, placed so that the cup and the ball at (ballX, ballY, ballZ) show.
/// Returns the rotated ball.
ViewPoint DrawHoleScene(ScenePictures& pictures, const ViewAngles& view, const Solid& solid,
                        Scene& scene, Colour wallColour, float ballX, float ballY, float ballZ);

/// A whole scene with the ball and its shadow drawn over the hole at (ballX, ballY, ballZ).
void DrawFullScene(ScenePictures& pictures, const ViewAngles& view, const Solid& solid,
                   Scene& scene, Colour wallColour, float ballX, float ballY, float ballZ,
                   BallOnScreen& ball);

/// Hole `hole` of `course` as the main window first shows it (spin 0, tilt -60) with the
/// ball on the tee: the 630 x 404 part of the back buffer that the window shows. Loads the
/// hole into `solid`.
QImage HoleOnTeePicture(const Course& course, int hole, Solid& solid, Scene& scene);
