#pragma once

#include <array>

#include "course/hole.h"
#include "play/platform.h"
#include "view/attract_projection.h"

// The attract animation between tournaments: 99 balls float over the grass, turning
// slowly, and every 12 seconds they either gather on the outline of a random hole or
// scatter and bounce.

/// Frames of one phase (12 seconds at 50 frames a second).
inline constexpr int kAttractPhaseFrames = 600;

/// One ball of the animation, with the point on the ground under it.
struct Particle {
    float x = 0, y = 0, z = 0;                    ///< position in course units; z is the height
    float targetX = 0, targetY = 0, targetZ = 0;  ///< where the ball drifts to
    float fall = 0;                               ///< downward speed per frame while scattered
    float viewX = 0, viewY = 0, viewZ = 0;        ///< the ball turned by the animation's angles
    float screenX = 0, screenY = 0;               ///< its window pixel
    float shadowViewX = 0, shadowViewY = 0, shadowViewZ = 0;  ///< the ground point (x, y, 0)
    float shadowScreenX = 0, shadowScreenY = 0;
};

/// The state of the animation; it keeps its values while it is paused or a tournament runs.
struct Attract {
    int count = kParticleCount;
    std::array<Particle, kParticleCount + 1> particles{};  ///< 1..count
    ViewAngles angles{0.0f, 0.0f, -60.0f};                 ///< spin grows by a degree per frame
    int phaseFrame = 0;     ///< frames since the last change of phase, 0..599
    bool scattered = true;  ///< false while the balls form a hole's outline
    int current = 1;        ///< the particle being processed
};

/// The start-up values: every ball at a random place (x, y in -300..299, z in 0..199,
/// drawn x, y, z per ball in turn), resting there, scattered, angles 0, 0, -60.
void SeedAttract(Attract& attract, Random& random);

/// One frame: turns the view a degree, lets the balls fall, bounce and drift, projects
/// them into `picture` and changes the phase every 600 frames.
void AttractStep(Attract& attract, const Course& course, Random& random, AttractPicture& picture);

/// New targets on the outer edges of `hole`, one random point of a random outer edge per
/// ball. Every catalogue hole has outer edges, none of them of length 0.
void GatherOnHole(Attract& attract, const Hole& hole, Random& random);

/// New random targets like the start-up positions; the balls fall from rest again.
void ScatterTargets(Attract& attract, Random& random);
