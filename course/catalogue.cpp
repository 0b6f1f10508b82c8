#include "course/catalogue.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "course/course_table.h"
#include "course/holes/hole_geometry.h"

namespace {
void CopyGeometry(const HoleGeometry& shape, int number, Hole& hole) {
    // The authored data is ours, so a hole that overflows a table is a programming
    // error: refuse it loudly rather than write past the end.
    const auto fail = [number](const char* what) {
        throw std::logic_error("hole " + std::to_string(number) + ": " + what);
    };
    if (shape.vertices.size() > kMaxVertices) fail("too many vertices");
    if (shape.faces.size() > kMaxFaces) fail("too many faces");

    hole.vertexCount = static_cast<int>(shape.vertices.size());
    for (int v = 1; v <= hole.vertexCount; ++v) {
        const VertexData& vertex = shape.vertices[v - 1];
        hole.vertexX[v] = vertex.x;
        hole.vertexY[v] = vertex.y;
        hole.vertexZ[v] = vertex.z;
    }
    hole.faceCount = static_cast<int>(shape.faces.size());
    for (int f = 1; f <= hole.faceCount; ++f) {
        const FaceData& face = shape.faces[f - 1];
        if (face.corners.size() > kMaxCorners) fail("face with more than 8 corners");
        if (face.neighbours.size() != face.corners.size()) fail("neighbour list length");
        hole.faceCorners[f] = static_cast<int>(face.corners.size());
        for (int k = 1; k <= hole.faceCorners[f]; ++k) {
            hole.faceVertex[f][k] = face.corners[k - 1];
            hole.faceNeighbour[f][k] = face.neighbours[k - 1];
        }
    }
}
}  // namespace

Course BuildCourse() {
    Course course{};
    const auto& table = CourseTable();
    for (int number = 1; number <= kHoleCount; ++number) {
        const HoleRow& row = table[number];
        Hole& hole = course[number];
        hole.name = row.name;
        hole.par = row.par;
        hole.teeX = row.teeX;
        hole.teeY = row.teeY;
        hole.teeZ = row.teeZ;
        hole.teeFace = row.teeFace;
        hole.cupX = row.cupX;
        hole.cupY = row.cupY;
        hole.cupZ = row.cupZ;
        hole.wallColour = row.wallColour;
        CopyGeometry(HoleGeometryOf(number), number, hole);
    }
    return course;
}
