#pragma once

#include "course/hole.h"

/// A corner of a face in course units.
struct CornerPoint {
    int x, y, z;
};

/// The height over (x, y) of the plane through a face's first three corners, with corner 2
/// right of corner 1 and corner 3 below corner 2, as the ball's physics takes it.
inline double PlaneHeight(const CornerPoint& a, const CornerPoint& b, const CornerPoint& c,
                          double x, double y) {
    return a.z + (x - a.x) * (b.z - a.z) / double(b.x - a.x) +
           (y - a.y) * (c.z - b.z) / double(c.y - b.y);
}

/// Read-only geometry of one catalogue face, in course units and corner order 1..c.
class FaceGeometry {
public:
    FaceGeometry(const Hole& hole, int face) : hole_(hole), face_(face) {}

    int Corners() const { return hole_.faceCorners[face_]; }
    int X(int corner) const { return hole_.vertexX[Vertex(corner)]; }
    int Y(int corner) const { return hole_.vertexY[Vertex(corner)]; }
    int Z(int corner) const { return hole_.vertexZ[Vertex(corner)]; }

    /// Corner 2 right of corner 1 and corner 3 below corner 2: the height formula's premise.
    bool HasCornerOrder() const { return X(2) > X(1) && Y(3) < Y(2); }
    /// Surface height from the first three corners, as the ball's physics takes it.
    double HeightAt(double x, double y) const;
    /// Shoelace area over the corners in list order; negative for clockwise faces.
    double SignedArea() const;
    double EdgeLength(int edge) const;
    /// Cross product of edge k and the edge after it: positive where the face turns left
    /// (a reflex corner of a clockwise face), zero where the corners are collinear.
    long long TurnAt(int edge) const;
    /// True when (x, y) lies to the right of every edge, not on any of them.
    bool StrictlyContains(double x, double y) const;
    /// How far (x, y) lies outside the face: its largest distance beyond (left of) any edge
    /// line; 0 or below when it lies inside. Exact for convex faces, which all ours are.
    double DistanceOutside(double x, double y) const;

private:
    int Vertex(int corner) const { return hole_.faceVertex[face_][(corner - 1) % Corners() + 1]; }
    const Hole& hole_;
    int face_;
};
