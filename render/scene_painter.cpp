#include "render/scene_painter.h"

#include "render/hole_painter.h"
#include "render/sprites.h"

ScenePictures MakeScenePictures() {
    ScenePictures pictures;
    pictures.grassTile = MakeGrassTile();
    pictures.ball = {MakeBallSheet(), MakeBallMask()};
    pictures.backBuffer.fill(Qt::black);
    DrawBackground(pictures.backBuffer, pictures.grassTile);
    return pictures;
}

void DrawFullScene(ScenePictures& pictures, const ViewAngles& view, Solid& solid, Scene& scene,
                   Colour wallColour, float ballX, float ballY, float ballZ, BallSprite* sprite) {
    DrawBackground(pictures.backBuffer, pictures.grassTile);
    const ViewPoint ball = PrepareScene(view, solid, scene, ballX, ballY, ballZ);
    DrawFaces(pictures.backBuffer, solid, scene, wallColour);
    DrawCup(pictures.backBuffer, scene);
    if (sprite == nullptr) return;
    sprite->viewX = ball.x;
    sprite->viewY = ball.y;
    SaveUnderBall(pictures.backBuffer, *sprite);
    DrawBall(pictures.backBuffer, pictures.ball, scene, *sprite, true);
}
