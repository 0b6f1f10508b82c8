#pragma once

#include <vector>

#include "course/hole.h"
#include "course/solid.h"
#include "play/roll.h"

/// The fastest stroke a player can give: the longest left-button drag along the screen's x.
inline constexpr float kStrongestStroke = 39.5f;
/// Frames after which a stroke that still rolls counts as lost.
inline constexpr int kStrokeFrameLimit = 5000;

/// A ball lying still on the course, where a stroke starts.
struct Lie {
    float x = 0, y = 0, z = 0;
    int face = 1;
};

/// One stroke: where it starts and the velocity it gives the ball.
struct PlannedStroke {
    Lie from;
    float vx = 0, vy = 0;
};

/// How one stroke ended.
struct StrokeOutcome {
    RollOutcome outcome = RollOutcome::Running;  ///< Running: still rolling at the frame limit
    Lie end;                                     ///< where the ball lay when the roll ended
};

/// Plays one stroke from `from` with the game's rolling frames until the ball rests, drops
/// into the cup or kStrokeFrameLimit frames have passed.
StrokeOutcome PlayStroke(const Solid& solid, const Hole& hole, const Lie& from, float vx, float vy);

/// A sequence of strokes found by SearchStrokes.
struct StrokePlan {
    bool holed = false;
    std::vector<PlannedStroke> strokes;  ///< empty when nothing holed out
};

/// Searches, deterministically, for at most `maxStrokes` strokes from the tee of `hole`
/// (loaded into `solid`) that end in the cup, each no faster than kStrongestStroke and each
/// starting where the one before came to rest.
StrokePlan SearchStrokes(const Solid& solid, const Hole& hole, int maxStrokes);
