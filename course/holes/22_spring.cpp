#include "course/holes/hole_geometry.h"

// Not laid out yet: an empty hole.
HoleGeometry Hole22Spring() { return {}; }
