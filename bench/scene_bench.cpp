#include "course/catalogue.h"
// How long one full scene takes: sort, faces, walls, rims, cup and ball into the back buffer.
#include <benchmark/benchmark.h>

#include "play/game.h"
#include "render/scene_painter.h"

namespace {
void FullScene(benchmark::State& state) {
    const Course course = BuildCourse();
    Game game{course};
    InitCourse(game);
    const int hole = static_cast<int>(state.range(0));
    LoadHole(game.course, hole, game.solid);
    ScenePictures pictures = MakeScenePictures();
    BallOnScreen ball;
    const Hole& data = game.course[hole];
    float spin = 0;
    for (auto _ : state) {
        game.view.spin = spin;
        spin += 2.0f;
        DrawFullScene(pictures, game.view, game.solid, game.scene, data.wallColour,
                      float(data.teeX), float(data.teeY), float(data.teeZ), ball);
        benchmark::DoNotOptimize(pictures.backBuffer.constBits());
    }
}
BENCHMARK(FullScene)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
}  // namespace
