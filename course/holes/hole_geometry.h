#pragma once

#include <vector>

/// A vertex of a hole in course units; z is the height above the base.
struct VertexData {
    int x, y, z;
};

/// A face: its corners (vertex numbers, clockwise from above) and, for each edge from
/// corner k to the next, the face across it or 0 for a cushion.
struct FaceData {
    std::vector<int> corners;
    std::vector<int> neighbours;
};

/// The shape of one hole as authored: vertices 1..n in order, faces 1..m in order.
/// Name, par, tee, cup and wall colour come from the course table.
struct HoleGeometry {
    std::vector<VertexData> vertices;
    std::vector<FaceData> faces;
};

/// The authored shape of hole 1..36; empty for a hole without geometry.
HoleGeometry HoleGeometryOf(int hole);

// One function per hole, each in a file of its own.
HoleGeometry Hole01Basic();
HoleGeometry Hole02Dogleg();
HoleGeometry Hole03Dip();
HoleGeometry Hole04Horseshoe();
HoleGeometry Hole05Plateau();
HoleGeometry Hole06Cactus();
HoleGeometry Hole07DoubleBump();
HoleGeometry Hole08Octagon();
HoleGeometry Hole09No();
HoleGeometry Hole10Mega();
HoleGeometry Hole11Hammer();
HoleGeometry Hole12Bump();
HoleGeometry Hole13Pyramid();
HoleGeometry Hole14Branches();
HoleGeometry Hole15Cross();
HoleGeometry Hole16Stadium();
HoleGeometry Hole17Long();
HoleGeometry Hole18BumpUp();
HoleGeometry Hole19Shortcut();
HoleGeometry Hole20Hills();
HoleGeometry Hole21Pipes();
HoleGeometry Hole22Spring();
HoleGeometry Hole23Snake();
HoleGeometry Hole24DoubleDip();
HoleGeometry Hole25Splitt();
HoleGeometry Hole26Green();
HoleGeometry Hole27Turn();
HoleGeometry Hole28Side();
HoleGeometry Hole29Roundtrip();
HoleGeometry Hole30Down();
HoleGeometry Hole31Goldfish();
HoleGeometry Hole32Totem();
HoleGeometry Hole33Why();
HoleGeometry Hole34Walls();
HoleGeometry Hole35Zigzag();
HoleGeometry Hole36Maze();
