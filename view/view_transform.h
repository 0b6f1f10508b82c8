#pragma once

#include <array>

#include "course/solid.h"

/// The view angles in degrees: spin about z, roll about y, tilt about x.
struct ViewAngles {
    float spin = 0.0f;
    float roll = 0.0f;
    float tilt = -60.0f;
};

/// The depth key of a face that is not (or no longer) waiting to be drawn.
inline constexpr float kNotDrawn = 9999.0f;

struct ViewPoint {
    float x, y, z;  ///< z is the depth: larger is nearer the viewer
};

/// Turns a course point by spin, roll and tilt; each plane rotation is computed in double
/// precision and stored as a float.
ViewPoint RotateToView(const ViewAngles& view, float x, float y, float z);

/// One drawn scene: rotated and projected vertices, the painter's order and the placement.
struct Scene {
    std::array<float, kSolidVertexSlots> viewX{}, viewY{}, viewZ{};
    std::array<float, kSolidVertexSlots> screenX{}, screenY{};
    /// Depth key per solid face while the painter's order is chosen; kNotDrawn once drawn,
    /// and for faces that are never drawn.
    std::array<float, kSolidFaceSlots> depth{};
    std::array<int, kSolidFaceSlots> drawOrder{};  ///< 1..drawCount, farthest first
    int drawCount = 0;
    int viewOriginX = 316, viewOriginY = 217;
    float cupViewX = 0, cupViewY = 0;
    float cupScreenX = 0, cupScreenY = 0;
};

/// Rotates every solid vertex and orders the top faces and border walls back to front.
/// Of equal depths the one examined later (higher face, or a wall after its face) comes first.
void TransformAndSort(const ViewAngles& view, const Solid& solid, Scene& scene);

/// Rotates the cup of the loaded hole into the scene.
void RotateCup(const ViewAngles& view, const Solid& solid, Scene& scene);

/// Chooses the view origin so that the cup, and then the ball, lie in the box
/// x 100..532, y 100..334; where both cannot, the ball wins.
void PlaceView(Scene& scene, float ballViewX, float ballViewY);

/// Screen positions of the top and base vertices from the view origin.
void ProjectVertices(const Solid& solid, Scene& scene);

/// The cup's screen position from the view origin.
void ProjectCup(Scene& scene);

/// The geometry of a full scene: rotates and sorts the solid, rotates the cup and the ball
/// at (ballX, ballY, ballZ), places the view and projects vertices and cup onto the screen.
/// Returns the rotated ball.
ViewPoint PrepareScene(const ViewAngles& view, const Solid& solid, Scene& scene, float ballX,
                       float ballY, float ballZ);
