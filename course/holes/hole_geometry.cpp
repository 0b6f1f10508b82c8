#include "course/holes/hole_geometry.h"

HoleGeometry HoleGeometryOf(int hole) {
    switch (hole) {
        case 1: return Hole01Basic();
        case 3: return Hole03Dip();
        default: return {};
    }
}
