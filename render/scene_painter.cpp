#include "render/scene_painter.h"

#include "render/hole_painter.h"
#include "render/sprites.h"

ScenePictures MakeScenePictures() {
    ScenePictures pictures;
    pictures.grassTile = MakeGrassTile();
    pictures.ball.sheet = MakeBallSheet();
    pictures.ball.mask = MakeBallMask();
    pictures.backBuffer.fill(Qt::black);
    DrawBackground(pictures.backBuffer, pictures.grassTile);
    return pictures;
}

void PaintHoleScene(ScenePictures& pictures, const Solid& solid, const Scene& scene,
                    Colour wallColour) {
    DrawBackground(pictures.backBuffer, pictures.grassTile);
    DrawFaces(pictures.backBuffer, solid, scene, wallColour);
    DrawCup(pictures.backBuffer, scene);
}

ViewPoint DrawHoleScene(ScenePictures& pictures, const ViewAngles& view, const Solid& solid,
                        Scene& scene, Colour wallColour, float ballX, float ballY, float ballZ) {
    const ViewPoint ball = PrepareScene(view, solid, scene, ballX, ballY, ballZ);
    PaintHoleScene(pictures, solid, scene, wallColour);
    return ball;
}

void DrawFullScene(ScenePictures& pictures, const ViewAngles& view, const Solid& solid,
                   Scene& scene, Colour wallColour, float ballX, float ballY, float ballZ,
                   BallOnScreen& ball) {
    const ViewPoint rotated =
        DrawHoleScene(pictures, view, solid, scene, wallColour, ballX, ballY, ballZ);
    // The patch saved at the old anchor comes from the new scene, so the repair that
    // DrawBall starts with brings nothing of the earlier scene back.
    SaveUnderBall(pictures.backBuffer, ball.screenX, ball.screenY, pictures.ball);
    ball.viewX = rotated.x;
    ball.viewY = rotated.y;
    MoveAnchor(ball, scene);
    DrawBall(pictures.backBuffer, {ball.prevScreenX, ball.prevScreenY, ball.screenX, ball.screenY},
             pictures.ball);
}

QImage HoleOnTeePicture(const Course& course, int hole, Solid& solid, Scene& scene) {
    const Hole& shown = course[hole];
    LoadHole(course, hole, solid);
    ScenePictures pictures = MakeScenePictures();
    BallOnScreen ball;
    DrawFullScene(pictures, ViewAngles{0.0f, 0.0f, -60.0f}, solid, scene, shown.wallColour,
                  static_cast<float>(shown.teeX), static_cast<float>(shown.teeY),
                  static_cast<float>(shown.teeZ), ball);
    return pictures.backBuffer.copy(0, 0, 630, 404);
}
