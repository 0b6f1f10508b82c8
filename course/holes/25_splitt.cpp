#include "course/holes/hole_geometry.h"

// An L: up from the tee at the lower left, then right along an arm split lengthwise into two
// lanes by a cushion, into a green cut in two pieces (no face has more than 6 corners).
// The corner juts out to a point where the cushion starts, so that no face has an open edge
// in line with a cushion.
HoleGeometry Hole25Splitt() {
    return {
        {
            {-300, -100, 10},
            {-200, -100, 10},
            {-200, -200, 10},
            {-300, -200, 10},
            {-300, 150, 10},
            {-200, 150, 10},
            {0, 0, 0},  // vertex 7: never defined, used by no
                        // face
            {-300, 250, 10},
            {-200, 250, 10},
            {-175, 200, 10},
            {100, 250, 10},
            {100, 200, 10},
            {100, 150, 10},
            {150, 300, 10},
            {250, 300, 10},
            {300, 250, 10},
            {300, 150, 10},
            {250, 100, 10},
            {150, 100, 10},
        },
        {
            {{1, 2, 3, 4}, {2, 0, 0, 0}},
            {{5, 6, 2, 1}, {3, 0, 1, 0}},
            {{8, 9, 10, 6, 5}, {0, 4, 5, 2, 0}},
            {{9, 11, 12, 10}, {0, 6, 0, 3}},
            {{10, 12, 13, 6}, {0, 7, 0, 3}},
            {{14, 15, 16, 17, 12, 11}, {0, 0, 0, 7, 4, 0}},
            {{12, 17, 18, 19, 13}, {6, 0, 0, 0, 5}},
        },
    };
}
