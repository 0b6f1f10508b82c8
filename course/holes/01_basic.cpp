#include "course/holes/hole_geometry.h"

// A straight lane from the tee on the left into an octagonal green; all heights 10.
HoleGeometry Hole01Basic() {
    return {
        {
            {-300, 50, 10},
            {100, 50, 10},
            {100, -50, 10},
            {-300, -50, 10},
            {150, 100, 10},
            {250, 100, 10},
            {300, 50, 10},
            {300, -50, 10},
            {250, -100, 10},
            {150, -100, 10},
        },
        {
            {{1, 2, 3, 4}, {0, 2, 0, 0}},
            {{5, 6, 7, 8, 9, 10, 3, 2}, {0, 0, 0, 0, 0, 0, 1, 0}},
        },
    };
}
