#pragma once

#include <string>
#include <vector>

#include "course/hole.h"

/// Checks hole `number` of `course` against every rule holes obey (table figures, ranges,
/// plane convex clockwise faces, corner order, mutual neighbours, tee and cup placement,
/// edge lengths). Returns one line per violation; empty when the hole is sound.
std::vector<std::string> ValidateHole(const Course& course, int number);
