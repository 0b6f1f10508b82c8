#pragma once

#include <array>
#include <string>

#include "course/colour.h"
#include "course/limits.h"

/// One catalogue hole in fixed 1-based tables: vertices 1..99, faces 1..49, corners 1..8.
/// Faces are convex, clockwise seen from above, and start at a corner such that corner 2
/// lies right of corner 1 and corner 3 below corner 2. Neighbour 0 marks a cushion.
struct Hole {
    std::string name;
    int par = 0;

    int vertexCount = 0;
    std::array<int, kMaxVertices + 1> vertexX{};
    std::array<int, kMaxVertices + 1> vertexY{};
    std::array<int, kMaxVertices + 1> vertexZ{};

    int faceCount = 0;
    std::array<int, kMaxFaces + 1> faceCorners{};
    std::array<std::array<int, kMaxCorners + 1>, kMaxFaces + 1> faceVertex{};
    /// faceNeighbour[f][k]: the face across the edge from corner k to the next corner.
    std::array<std::array<int, kMaxCorners + 1>, kMaxFaces + 1> faceNeighbour{};

    int teeX = 0, teeY = 0, teeZ = 0;
    int teeFace = 0;
    int cupX = 0, cupY = 0, cupZ = 0;
    Colour wallColour = 0;

    bool HasGeometry() const { return faceCount > 0; }
};

/// The corner after `corner` (1..corners) going round a face: corners + 1 wraps to 1.
constexpr int NextCorner(int corner, int corners) {
    return corner % corners + 1;
}

/// The 36 built-in holes; entry 0 is spare (an empty hole).
using Course = std::array<Hole, kHoleCount + 1>;
