#include "view/preview_projection.h"

namespace {
constexpr float kPreviewOriginX = 300.0f;
constexpr float kPreviewOriginY = 220.0f;
}  // namespace

void ProjectPreview(const Solid& solid, Scene& scene) {
    for (int v = 1; v <= solid.vertexCount; ++v) {
        for (int u : {v, v + kBaseOffset}) {
            scene.screenX[u] = (kPreviewOriginX + scene.viewX[u]) / 3.0f;
            scene.screenY[u] = (kPreviewOriginY - scene.viewY[u]) / 3.0f;
        }
    }
}
