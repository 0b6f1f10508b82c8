#include "course/holes/hole_geometry.h"

// A T: a lane up from the bottom into a crossbar. A ramp leads left up to the raised end
// of the bar (50) that holds the cup; the right end of the bar ramps up as well.
HoleGeometry Hole11Hammer() {
    return {
        {
            {-50, -50, 10},
            {50, -50, 10},
            {50, -250, 10},
            {-50, -250, 10},
            {-50, 100, 10},
            {50, 100, 10},
            {-50, 200, 10},
            {50, 200, 10},
            {-150, 200, 50},
            {-150, 100, 50},
            {-250, 200, 50},
            {-250, 100, 50},
            {150, 200, 10},
            {150, 100, 10},
            {250, 200, 50},
            {250, 100, 50},
        },
        {
            {{1, 2, 3, 4}, {2, 0, 0, 0}},
            {{5, 6, 2, 1}, {3, 0, 1, 0}},
            {{7, 8, 6, 5}, {0, 6, 2, 4}},
            {{9, 7, 5, 10}, {0, 3, 0, 5}},
            {{11, 9, 10, 12}, {0, 4, 0, 0}},
            {{8, 13, 14, 6}, {0, 7, 0, 3}},
            {{13, 15, 16, 14}, {0, 0, 0, 6}},
        },
    };
}
