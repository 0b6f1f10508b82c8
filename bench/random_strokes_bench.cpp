// The soak of the ball physics: random strokes over every hole, each rolled frame by frame
// with the game's rolling frames and watched for what must never happen. Prints how often it
// happened and how many strokes a second the physics plays.
//
//   build/release/bench/random_strokes_bench --benchmark_filter=/1000000
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "course/catalogue.h"
#include "course/face_geometry.h"
#include "play/roll.h"
#include "tests/play/random_strokes.h"

namespace {
// A ball is outside its face when it lies farther than this beyond one of its edges.
constexpr double kOutsideTolerance = 0.5;

struct SoakCounts {
    long long frames = 0;
    long long nanPositions = 0;       ///< strokes whose ball position stopped being finite
    long long endlessRolls = 0;       ///< strokes still rolling after kStrokeFrameLimit frames
    long long restingOutside = 0;     ///< strokes that came to rest outside their face
    long long outsideAtAnyFrame = 0;  ///< strokes whose ball was outside its face at some frame
    double farthestOutside = 0;       ///< the largest distance outside a face at any frame
};

bool Outside(const Hole& hole, int face, float x, float y) {
    if (face < 1 || face > hole.faceCount) return true;
    return FaceGeometry(hole, face).DistanceOutside(x, y) > kOutsideTolerance;
}

// Notes how far the ball lies outside its face; true when it is outside.
bool WatchOutside(const Hole& hole, const BallState& ball, SoakCounts& counts) {
    if (ball.face < 1 || ball.face > hole.faceCount) return true;
    const double distance = FaceGeometry(hole, ball.face).DistanceOutside(ball.x, ball.y);
    counts.farthestOutside = std::max(counts.farthestOutside, distance);
    return distance > kOutsideTolerance;
}

// Rolls one stroke from `from`, counts what went wrong, and returns where the ball came to
// rest, or nothing when it dropped, rolled on or went astray (the next stroke is from the tee).
std::optional<Lie> WatchStroke(const Solid& solid, const Hole& hole, const Lie& from,
                               BallVelocity velocity, SoakCounts& counts) {
    BallState ball;
    ball.face = from.face;
    ball.x = ball.prevX = from.x;
    ball.y = ball.prevY = from.y;
    ball.z = ball.prevZ = from.z;
    ball.vx = velocity.vx;
    ball.vy = velocity.vy;
    StrokeState stroke;
    RollOutcome outcome = RollOutcome::Running;
    bool wasOutside = false;
    int frame = 0;
    while (frame < kStrokeFrameLimit && outcome == RollOutcome::Running) {
        outcome = RollFrame(solid, hole, ball, stroke).outcome;
        ++frame;
        if (!std::isfinite(ball.x) || !std::isfinite(ball.y) || !std::isfinite(ball.z)) {
            ++counts.nanPositions;
            counts.frames += frame;
            return std::nullopt;
        }
        wasOutside = WatchOutside(hole, ball, counts) || wasOutside;
    }
    counts.frames += frame;
    if (wasOutside) ++counts.outsideAtAnyFrame;
    if (outcome == RollOutcome::Running) ++counts.endlessRolls;
    if (outcome != RollOutcome::Rest) return std::nullopt;
    if (Outside(hole, ball.face, ball.x, ball.y)) {
        ++counts.restingOutside;
        return std::nullopt;
    }
    return Lie{ball.x, ball.y, ball.z, ball.face};
}

// Plays `strokes` random strokes, shared evenly over the 36 holes. On each hole every third
// stroke starts from the tee and the others from where the ball came to rest, as in a game.
void RandomStrokesOverAllHoles(benchmark::State& state) {
    const Course course = BuildCourse();
    const long long strokes = state.range(0);
    SoakCounts counts;
    for (auto _ : state) {
        counts = SoakCounts{};
        RandomStrokes random(20261210);
        Solid solid;
        for (int number = 1; number <= kHoleCount; ++number) {
            const Hole& hole = course[number];
            LoadHole(course, number, solid);
            const long long share = strokes / kHoleCount + (number <= strokes % kHoleCount);
            Lie lie = TeeOf(hole);
            for (long long n = 0; n < share; ++n) {
                if (n % 3 == 0) lie = TeeOf(hole);
                lie = WatchStroke(solid, hole, lie, random.Next(), counts).value_or(TeeOf(hole));
            }
        }
    }
    state.counters["strokes"] = double(strokes);
    state.counters["strokes/s"] = benchmark::Counter(double(strokes) * double(state.iterations()),
                                                     benchmark::Counter::kIsRate);
    state.counters["frames/stroke"] = double(counts.frames) / double(strokes);
    state.counters["nan"] = double(counts.nanPositions);
    state.counters["endless"] = double(counts.endlessRolls);
    state.counters["restOutside"] = double(counts.restingOutside);
    state.counters["outsideAnyFrame"] = double(counts.outsideAtAnyFrame);
    state.counters["farthestOutside"] = counts.farthestOutside;
}
// A quick pass while developing, and the full soak of a million strokes.
BENCHMARK(RandomStrokesOverAllHoles)
    ->Arg(36000)
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
}  // namespace
