#pragma once

#include "course/solid.h"
#include "view/view_transform.h"

/// Screen positions of the top and base vertices for the course dialog's preview: the
/// rotated solid at one third scale about (300, 220).
void ProjectPreview(const Solid& solid, Scene& scene);
