#include "course/validate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "course/course_table.h"
#include "course/face_geometry.h"

namespace {

class Report {
public:
    explicit Report(int hole) : hole_(hole) {}
    template <typename... Parts>
    void Add(const Parts&... parts) {
        std::ostringstream line;
        line << "hole " << hole_ << ": ";
        (line << ... << parts);
        lines_.push_back(line.str());
    }
    std::vector<std::string> Lines() && { return std::move(lines_); }

private:
    int hole_;
    std::vector<std::string> lines_;
};

void CheckTableFigures(const Hole& hole, const HoleRow& row, Report& report) {
    if (hole.name != row.name) report.Add("name \"", hole.name, "\" is not \"", row.name, "\"");
    if (hole.par != row.par) report.Add("par ", hole.par, " is not ", row.par);
    if (hole.wallColour != row.wallColour) report.Add("wall colour differs from the table");
    if (hole.vertexCount != row.vertices)
        report.Add(hole.vertexCount, " vertices, the table says ", row.vertices);
    if (hole.faceCount != row.faces)
        report.Add(hole.faceCount, " faces, the table says ", row.faces);
    if (hole.teeFace != row.teeFace) report.Add("tee face ", hole.teeFace, " is not ", row.teeFace);
    if (hole.faceCount > 0) {
        int fewest = kMaxCorners, most = 0;
        for (int f = 1; f <= hole.faceCount; ++f) {
            fewest = std::min(fewest, hole.faceCorners[f]);
            most = std::max(most, hole.faceCorners[f]);
        }
        if (fewest != row.minCorners || most != row.maxCorners)
            report.Add("faces have ", fewest, "..", most, " corners, the table says ",
                       row.minCorners, "..", row.maxCorners);
    }
}

// Checks ranges and indices; returns false when later checks would read out of range.
bool CheckNumbers(const Hole& hole, Report& report) {
    bool indicesSound = true;
    if (hole.vertexCount < 0 || hole.vertexCount > kMaxVertices) {
        report.Add("vertex count ", hole.vertexCount, " outside 0..", kMaxVertices);
        return false;
    }
    if (hole.faceCount < 0 || hole.faceCount > kMaxFaces) {
        report.Add("face count ", hole.faceCount, " outside 0..", kMaxFaces);
        return false;
    }
    for (int f = 1; f <= hole.faceCount; ++f) {
        const int c = hole.faceCorners[f];
        if (c < 3 || c > kMaxCorners) {
            report.Add("face ", f, " has ", c, " corners");
            indicesSound = false;
            continue;
        }
        for (int k = 1; k <= c; ++k) {
            const int v = hole.faceVertex[f][k];
            const int g = hole.faceNeighbour[f][k];
            if (v < 1 || v > hole.vertexCount) {
                report.Add("face ", f, " corner ", k, " names vertex ", v);
                indicesSound = false;
            }
            if (g < 0 || g > hole.faceCount || g == f) {
                report.Add("face ", f, " edge ", k, " names neighbour ", g);
                indicesSound = false;
            }
        }
    }
    if (hole.teeFace < 1 || hole.teeFace > hole.faceCount) {
        report.Add("tee face ", hole.teeFace, " is not a face");
        indicesSound = false;
    }
    return indicesSound;
}

void CheckVertices(const Hole& hole, const HoleRow& row, Report& report) {
    std::vector<bool> used(hole.vertexCount + 1, false);
    for (int f = 1; f <= hole.faceCount; ++f)
        for (int k = 1; k <= hole.faceCorners[f]; ++k) used[hole.faceVertex[f][k]] = true;

    int lowest = 1 << 30, highest = -(1 << 30);
    for (int v = 1; v <= hole.vertexCount; ++v) {
        const int x = hole.vertexX[v], y = hole.vertexY[v], z = hole.vertexZ[v];
        if (!used[v]) {
            // An unused vertex must stay undefined, as Splitt's vertex 7 does.
            if (x != 0 || y != 0 || z != 0)
                report.Add("vertex ", v, " is defined but used by no face");
            continue;
        }
        if (x < -700 || x > 700 || y < -450 || y > 450)
            report.Add("vertex ", v, " (", x, ", ", y, ") lies outside x -700..700, y -450..450");
        if (z < 10 || z > 160) report.Add("vertex ", v, " height ", z, " outside 10..160");
        lowest = std::min(lowest, z);
        highest = std::max(highest, z);
    }
    if (lowest <= highest && (lowest != row.minHeight || highest != row.maxHeight))
        report.Add("heights ", lowest, "..", highest, ", the table says ", row.minHeight, "..",
                   row.maxHeight);
}

void CheckFaces(const Hole& hole, Report& report) {
    for (int f = 1; f <= hole.faceCount; ++f) {
        const FaceGeometry face(hole, f);
        const int c = face.Corners();
        if (!face.HasCornerOrder())
            report.Add("face ", f,
                       ": corner 2 must lie right of corner 1 and corner 3 below corner 2");
        else
            for (int k = 1; k <= c; ++k)
                if (std::abs(face.HeightAt(face.X(k), face.Y(k)) - face.Z(k)) > 1e-6)
                    report.Add("face ", f, " corner ", k,
                               " is off the plane of its first three corners");
        if (face.SignedArea() >= 0) report.Add("face ", f, " is not clockwise");
        for (int k = 1; k <= c; ++k) {
            if (face.EdgeLength(k) <= 0) report.Add("face ", f, " edge ", k, " has length 0");
            if (face.TurnAt(k) > 0)
                report.Add("face ", f, " is not convex at corner ", NextCorner(k, c));
        }
    }
}

void CheckNeighbours(const Hole& hole, Report& report) {
    for (int f = 1; f <= hole.faceCount; ++f) {
        const int c = hole.faceCorners[f];
        for (int k = 1; k <= c; ++k) {
            const int g = hole.faceNeighbour[f][k];
            if (g == 0) continue;
            const int a = hole.faceVertex[f][k], b = hole.faceVertex[f][NextCorner(k, c)];
            bool mutual = false;
            for (int j = 1; j <= hole.faceCorners[g]; ++j) {
                const int gc = hole.faceCorners[g];
                if (hole.faceVertex[g][j] == b && hole.faceVertex[g][NextCorner(j, gc)] == a)
                    mutual = hole.faceNeighbour[g][j] == f;
            }
            if (!mutual)
                report.Add("face ", f, " edge ", k, " names face ", g,
                           " but that face does not share the edge back");
        }
    }
}

void CheckPoint(const Hole& hole, const char* what, int x, int y, int z, int face, Report& report) {
    const FaceGeometry geometry(hole, face);
    if (!geometry.StrictlyContains(x, y)) {
        report.Add(what, " (", x, ", ", y, ") is not inside face ", face);
        return;
    }
    if (geometry.HasCornerOrder() && std::abs(geometry.HeightAt(x, y) - z) > 1e-6)
        report.Add(what, " height ", z, " differs from face ", face, " height ",
                   geometry.HeightAt(x, y));
}

}  // namespace

std::vector<std::string> ValidateHole(const Course& course, int number) {
    Report report(number);
    if (!IsHoleNumber(number)) {
        report.Add("no such hole");
        return std::move(report).Lines();
    }
    const Hole& hole = course[number];
    const HoleRow& row = CourseTable()[number];
    if (!hole.HasGeometry()) {
        report.Add("has no geometry");
        return std::move(report).Lines();
    }
    CheckTableFigures(hole, row, report);
    if (CheckNumbers(hole, report)) {
        CheckVertices(hole, row, report);
        CheckFaces(hole, report);
        CheckNeighbours(hole, report);
        CheckPoint(hole, "tee", hole.teeX, hole.teeY, hole.teeZ, hole.teeFace, report);
        int cupFace = 0;
        for (int f = 1; f <= hole.faceCount && cupFace == 0; ++f)
            if (FaceGeometry(hole, f).StrictlyContains(hole.cupX, hole.cupY)) cupFace = f;
        if (cupFace == 0)
            report.Add("cup (", hole.cupX, ", ", hole.cupY, ") lies inside no face");
        else
            CheckPoint(hole, "cup", hole.cupX, hole.cupY, hole.cupZ, cupFace, report);
    }
    return std::move(report).Lines();
}
