#include "course/holes/hole_geometry.h"

// A wide lane from the bottom into a large octagonal green.
HoleGeometry Hole10Mega() {
    return {
        {
            {-100, -100, 10},
            {100, -100, 10},
            {100, -450, 10},
            {-100, -450, 10},
            {-100, 400, 10},
            {100, 400, 10},
            {250, 250, 10},
            {250, 50, 10},
            {-250, 50, 10},
            {-250, 250, 10},
        },
        {
            {{1, 2, 3, 4}, {2, 0, 0, 0}},
            {{5, 6, 7, 8, 2, 1, 9, 10}, {0, 0, 0, 0, 1, 0, 0, 0}},
        },
    };
}
