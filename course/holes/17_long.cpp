#include "course/holes/hole_geometry.h"

// A very long lane into a small octagonal green: 1400 units from end to end.
HoleGeometry Hole17Long() {
    return {
        {
            {-700, 50, 10},
            {500, 50, 10},
            {500, -50, 10},
            {-700, -50, 10},
            {550, 100, 10},
            {650, 100, 10},
            {700, 50, 10},
            {700, -50, 10},
            {650, -100, 10},
            {550, -100, 10},
        },
        {
            {{1, 2, 3, 4}, {0, 2, 0, 0}},
            {{5, 6, 7, 8, 9, 10, 3, 2}, {0, 0, 0, 0, 0, 0, 1, 0}},
        },
    };
}
