#pragma once

#include "course/hole.h"

/// Builds the 36 built-in holes: geometry from each hole's file, everything else from
/// the course table. A hole whose geometry is not present has no vertices and no faces.
Course BuildCourse();
