#include "course/holes/hole_geometry.h"

// A single octagonal green; all heights 10.
HoleGeometry Hole26Green() {
    return {
        {
            {-50, 100, 10},
            {50, 100, 10},
            {100, 50, 10},
            {100, -50, 10},
            {50, -100, 10},
            {-50, -100, 10},
            {-100, -50, 10},
            {-100, 50, 10},
        },
        {
            {{1, 2, 3, 4, 5, 6, 7, 8}, {0, 0, 0, 0, 0, 0, 0, 0}},
        },
    };
}
