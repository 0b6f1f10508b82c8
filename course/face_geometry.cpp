#include "course/face_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

double FaceGeometry::HeightAt(double x, double y) const {
    return PlaneHeight({X(1), Y(1), Z(1)}, {X(2), Y(2), Z(2)}, {X(3), Y(3), Z(3)}, x, y);
}

double FaceGeometry::SignedArea() const {
    double twice = 0;
    for (int k = 1; k <= Corners(); ++k) twice += double(X(k)) * Y(k + 1) - double(X(k + 1)) * Y(k);
    return twice / 2;
}

double FaceGeometry::EdgeLength(int edge) const {
    return std::hypot(double(X(edge + 1) - X(edge)), double(Y(edge + 1) - Y(edge)));
}

long long FaceGeometry::TurnAt(int edge) const {
    const long long ax = X(edge + 1) - X(edge), ay = Y(edge + 1) - Y(edge);
    const long long bx = X(edge + 2) - X(edge + 1), by = Y(edge + 2) - Y(edge + 1);
    return ax * by - ay * bx;
}

bool FaceGeometry::StrictlyContains(double x, double y) const {
    for (int k = 1; k <= Corners(); ++k) {
        const double ex = X(k + 1) - X(k), ey = Y(k + 1) - Y(k);
        if (ex * (y - Y(k)) - ey * (x - X(k)) >= 0) return false;  // left of or on the edge
    }
    return true;
}

double FaceGeometry::DistanceOutside(double x, double y) const {
    double outside = -std::numeric_limits<double>::infinity();
    for (int k = 1; k <= Corners(); ++k) {
        const double ex = X(k + 1) - X(k), ey = Y(k + 1) - Y(k);
        const double cross = ex * (y - Y(k)) - ey * (x - X(k));
        outside = std::max(outside, cross / std::hypot(ex, ey));
    }
    return outside;
}
