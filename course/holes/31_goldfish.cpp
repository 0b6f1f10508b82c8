#include "course/holes/hole_geometry.h"

// A fish: the tee in the triangular tail on the right, a tapering stem, and the cup in the
// octagonal body. All heights 10.
HoleGeometry Hole31Goldfish() {
    return {
        {
            {150, 150, 10},
            {400, 75, 10},
            {150, -50, 10},
            {50, 100, 10},
            {50, 0, 10},
            {-200, 150, 10},
            {0, 150, 10},
            {0, -50, 10},
            {-200, -50, 10},
            {-250, 0, 10},
            {-250, 100, 10},
        },
        {
            {{1, 2, 3}, {0, 0, 2}},
            {{4, 1, 3, 5}, {0, 1, 0, 3}},
            {{6, 7, 4, 5, 8, 9, 10, 11}, {0, 0, 2, 0, 0, 0, 0, 0}},
        },
    };
}
