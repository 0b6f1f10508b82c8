#include "view/view_transform.h"

#include <cmath>

#include "course/angles.h"

namespace {
// Keeps `view` inside lo..hi along one axis by moving the origin; sign is +1 for x
// (screen = origin + view) and -1 for y (screen = origin - view).
void KeepInside(int& origin, float view, int sign, float lo, float hi) {
    if (origin + sign * view > hi) origin = static_cast<int>(hi - sign * view);
    if (origin + sign * view < lo) origin = static_cast<int>(lo - sign * view);
}
}  // namespace

ViewPoint RotateToView(const ViewAngles& view, float x, float y, float z) {
    const double s = Radians(view.spin), r = Radians(view.roll), t = Radians(view.tilt);
    const float x1 = static_cast<float>(std::cos(s) * x - std::sin(s) * y);
    const float y1 = static_cast<float>(std::sin(s) * x + std::cos(s) * y);
    const float z1 = static_cast<float>(std::cos(r) * z - std::sin(r) * x1);
    const float x2 = static_cast<float>(std::sin(r) * z + std::cos(r) * x1);
    const float y2 = static_cast<float>(std::cos(t) * y1 - std::sin(t) * z1);
    const float z2 = static_cast<float>(std::sin(t) * y1 + std::cos(t) * z1);
    return {x2, y2, z2};
}

void TransformAndSort(const ViewAngles& view, const Solid& solid, Scene& scene) {
    for (int v = 1; v <= solid.vertexCount; ++v) {
        for (int u : {v, v + kBaseOffset}) {
            const ViewPoint p =
                RotateToView(view, static_cast<float>(solid.x[u]), static_cast<float>(solid.y[u]),
                             static_cast<float>(solid.z[u]));
            scene.viewX[u] = p.x;
            scene.viewY[u] = p.y;
            scene.viewZ[u] = p.z;
        }
    }

    // The mean depth of a face's corners, summed and divided in double precision.
    const auto meanDepth = [&](int face) {
        double sum = 0;
        const int c = solid.faceCorners[face];
        for (int k = 1; k <= c; ++k) sum += scene.viewZ[solid.faceVertex[face][k]];
        return sum / c;
    };

    // Top faces and the walls under their cushions take part; a wall sorts 100 nearer the
    // back than its corners' mean. Edges with a neighbour have no wall to draw.
    int count = 0;
    for (int f = 1; f <= solid.faceCount; ++f) {
        scene.depth[f] = static_cast<float>(meanDepth(f));
        ++count;
        for (int k = 1; k <= solid.faceCorners[f]; ++k) {
            const int wall = WallNumber(f, k);
            if (solid.neighbour[f][k] != 0) {
                scene.depth[wall] = kNotDrawn;
                continue;
            }
            scene.depth[wall] = static_cast<float>(meanDepth(wall) - 100.0);
            ++count;
        }
    }
    scene.drawCount = count;

    for (int i = 1; i <= count; ++i) {
        float best = kNotDrawn;
        int chosen = 0;
        for (int f = 1; f <= solid.faceCount; ++f) {
            const auto examine = [&](int g) {
                if (scene.depth[g] <= best) {
                    best = scene.depth[g];
                    chosen = g;
                }
            };
            examine(f);
            for (int k = 1; k <= solid.faceCorners[f]; ++k) examine(WallNumber(f, k));
        }
        scene.drawOrder[i] = chosen;
        scene.depth[chosen] = kNotDrawn;
    }
}

void RotateCup(const ViewAngles& view, const Solid& solid, Scene& scene) {
    const ViewPoint cup = RotateToView(view, solid.cupX, solid.cupY, solid.cupZ);
    scene.cupViewX = cup.x;
    scene.cupViewY = cup.y;
}

void PlaceView(Scene& scene, float ballViewX, float ballViewY) {
    scene.viewOriginX = 316;
    scene.viewOriginY = 217;
    for (const auto& [vx, vy] :
         {std::pair{scene.cupViewX, scene.cupViewY}, std::pair{ballViewX, ballViewY}}) {
        KeepInside(scene.viewOriginX, vx, +1, 100.0f, 532.0f);
        KeepInside(scene.viewOriginY, vy, -1, 100.0f, 334.0f);
    }
}

void ProjectVertices(const Solid& solid, Scene& scene) {
    for (int v = 1; v <= solid.vertexCount; ++v) {
        for (int u : {v, v + kBaseOffset}) {
            scene.screenX[u] = static_cast<float>(scene.viewOriginX) + scene.viewX[u];
            scene.screenY[u] = static_cast<float>(scene.viewOriginY) - scene.viewY[u];
        }
    }
}

void ProjectCup(Scene& scene) {
    scene.cupScreenX = static_cast<float>(scene.viewOriginX) + scene.cupViewX;
    scene.cupScreenY = static_cast<float>(scene.viewOriginY) - scene.cupViewY;
}

ViewPoint PrepareScene(const ViewAngles& view, const Solid& solid, Scene& scene, float ballX,
                       float ballY, float ballZ) {
    TransformAndSort(view, solid, scene);
    RotateCup(view, solid, scene);
    const ViewPoint ball = RotateToView(view, ballX, ballY, ballZ);
    PlaceView(scene, ball.x, ball.y);
    ProjectVertices(solid, scene);
    ProjectCup(scene);
    return ball;
}
