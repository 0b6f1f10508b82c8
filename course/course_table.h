#pragma once

#include <array>

#include "course/colour.h"
#include "course/limits.h"

/// The published figures of one built-in hole: what its geometry must match.
struct HoleRow {
    const char* name;
    int par;
    int vertices;
    int faces;
    int minCorners, maxCorners;
    int teeX, teeY, teeZ;
    int teeFace;
    int cupX, cupY, cupZ;
    int minHeight, maxHeight;
    Colour wallColour;
};

/// Rows 1..36 of the course table; row 0 is an empty placeholder.
const std::array<HoleRow, kHoleCount + 1>& CourseTable();
