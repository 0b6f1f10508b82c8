#pragma once

// Sizes of the course tables. Every table is indexed directly by 1-based numbers
// (holes, vertices, faces, corners); slot 0 is spare.
inline constexpr int kHoleCount = 36;
inline constexpr int kMaxVertices = 99;
inline constexpr int kMaxFaces = 49;
inline constexpr int kMaxCorners = 8;
/// Player slots 1..8 of a tournament.
inline constexpr int kPlayerSlots = 8;

inline bool IsHoleNumber(int hole) {
    return hole >= 1 && hole <= kHoleCount;
}
