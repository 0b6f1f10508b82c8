// How fast the ball physics runs: single steps of a rolling ball, and whole rolls from the tee.
// A stroke search rolls thousands of balls, so the step must stay cheap.
#include <benchmark/benchmark.h>

#include "course/catalogue.h"
#include "course/solid.h"
#include "play/physics.h"
#include "play/roll.h"

namespace {
struct Launch {
    int hole;
    float vx, vy;
};

// Basic: a ball struck at an angle that bounces down the lane; Dip: a ball that runs down into
// the trough and up the far slope.
Launch LaunchFor(int hole) {
    return hole == 1 ? Launch{1, 9.0f, 4.0f} : Launch{3, 6.0f, 1.5f};
}

BallState OnTee(const Hole& hole, const Launch& launch) {
    BallState ball;
    PlaceOnTee(ball, hole);
    ball.vx = launch.vx;
    ball.vy = launch.vy;
    return ball;
}

// One physics step per iteration; the ball is struck again from the tee every 200 steps so
// that it is always rolling.
void PhysicsStepRolling(benchmark::State& state) {
    const Course course = BuildCourse();
    const Launch launch = LaunchFor(int(state.range(0)));
    Solid solid;
    LoadHole(course, launch.hole, solid);
    const Hole& hole = course[launch.hole];
    BallState ball = OnTee(hole, launch);
    StrokeState stroke;
    int steps = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PhysicsStep(solid, hole, ball, stroke));
        if (++steps == 200) {
            steps = 0;
            ball = OnTee(hole, launch);
            stroke = StrokeState{};
        }
    }
    state.counters["steps/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(PhysicsStepRolling)->Arg(1)->Arg(3);

// A whole roll from the tee until the ball rests or drops, as a stroke search runs it.
void RollFromTee(benchmark::State& state) {
    const Course course = BuildCourse();
    const Launch launch = LaunchFor(int(state.range(0)));
    Solid solid;
    LoadHole(course, launch.hole, solid);
    const Hole& hole = course[launch.hole];
    long long frames = 0;
    for (auto _ : state) {
        BallState ball = OnTee(hole, launch);
        StrokeState stroke;
        const RollResult result = Roll(solid, hole, ball, stroke, 5000);
        frames += result.frames;
        benchmark::DoNotOptimize(ball);
    }
    state.counters["frames/roll"] = double(frames) / double(state.iterations());
}
BENCHMARK(RollFromTee)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
}  // namespace
