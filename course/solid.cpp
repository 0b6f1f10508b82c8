#include "course/solid.h"

void LoadHole(const Course& course, int holeNumber, Solid& solid) {
    const Hole& hole = course[IsHoleNumber(holeNumber) ? holeNumber : 0];
    const int n = hole.vertexCount;
    const int m = hole.faceCount;

    for (int v = 1; v <= n; ++v) {
        solid.x[v] = hole.vertexX[v];
        solid.y[v] = hole.vertexY[v];
        solid.z[v] = hole.vertexZ[v];
    }
    solid.vertexCount = n;

    for (int f = 1; f <= m; ++f) {
        solid.faceVertex[f] = hole.faceVertex[f];
        solid.neighbour[f] = hole.faceNeighbour[f];
        solid.faceCorners[f] = hole.faceCorners[f];
    }
    solid.faceCount = m;

    for (int v = 1; v <= n; ++v) {
        solid.x[v + kBaseOffset] = hole.vertexX[v];
        solid.y[v + kBaseOffset] = hole.vertexY[v];
        solid.z[v + kBaseOffset] = 0;
    }

    for (int f = 1; f <= m; ++f) {
        const int c = hole.faceCorners[f];
        for (int k = 1; k <= c; ++k) {
            solid.faceVertex[f + kBaseOffset][k] = hole.faceVertex[f][k] + kBaseOffset;
        }
        solid.faceCorners[f + kBaseOffset] = c;
    }

    for (int f = 1; f <= m; ++f) {
        const int c = hole.faceCorners[f];
        for (int k = 1; k <= c; ++k) {
            const int a = hole.faceVertex[f][k];
            const int b = hole.faceVertex[f][NextCorner(k, c)];
            auto& wall = solid.faceVertex[WallNumber(f, k)];
            wall[1] = a;
            wall[2] = a + kBaseOffset;
            wall[3] = b + kBaseOffset;
            wall[4] = b;
            solid.faceCorners[WallNumber(f, k)] = 4;
        }
    }

    solid.cupX = static_cast<float>(hole.cupX);
    solid.cupY = static_cast<float>(hole.cupY);
    solid.cupZ = static_cast<float>(hole.cupZ);
}
