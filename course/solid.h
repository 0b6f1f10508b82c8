#pragma once

#include <array>

#include "course/hole.h"

// Numbering of the working solid: top vertex v (1..99) and base vertex v + 100 at height 0;
// top face f (1..49), base face f + 100, and the side wall under edge k of face f,
// number 100 * (k + 1) + f (201..949).
inline constexpr int kBaseOffset = 100;
inline constexpr int kSolidVertexSlots = 200;
inline constexpr int kSolidFaceSlots = 1000;

constexpr int WallNumber(int face, int edge) {
    return 100 * (edge + 1) + face;
}

/// The loaded hole as a 3-D solid: top faces, base faces and side walls.
struct Solid {
    int vertexCount = 0;
    std::array<int, kSolidVertexSlots> x{};
    std::array<int, kSolidVertexSlots> y{};
    std::array<int, kSolidVertexSlots> z{};

    int faceCount = 0;
    std::array<int, kSolidFaceSlots> faceCorners{};
    std::array<std::array<int, kMaxCorners + 1>, kSolidFaceSlots> faceVertex{};
    /// Neighbours of the top faces, as in the catalogue.
    std::array<std::array<int, kMaxCorners + 1>, kMaxFaces + 1> neighbour{};

    float cupX = 0, cupY = 0, cupZ = 0;
};

/// Builds the working solid for hole number `hole` of `course`. A number outside 1..36
/// (0 means "no hole") loads an empty solid. Entries beyond the new counts keep what
/// earlier, larger holes left there; every reader stops at the counts.
void LoadHole(const Course& course, int hole, Solid& solid);
