#include "view/attract_projection.h"

namespace {
constexpr int kScreenOriginX = 316;
constexpr int kScreenOriginY = 260;
// The shadow ellipse reaches this far left and right of its ground point, and up and down.
constexpr float kShadowHalfWidth = 7.0f;
constexpr float kShadowHalfHeight = 3.0f;
}  // namespace

AttractPoint ProjectAttractPoint(const ViewAngles& angles, float x, float y, float z) {
    const ViewPoint view = RotateToView(angles, x, y, z);
    return {view, view.x + kScreenOriginX, kScreenOriginY - view.y};
}

ShadowBox ShadowBoxAt(float screenX, float screenY) {
    return {static_cast<int>(screenX - kShadowHalfWidth),
            static_cast<int>(screenY - kShadowHalfHeight),
            static_cast<int>(screenX + kShadowHalfWidth),
            static_cast<int>(screenY + kShadowHalfHeight)};
}
