// How long one frame of the attract animation takes: the pure step alone, and the step
// with the main window's drawing on grass: grass over the last frame's balls and shadows,
// then the new shadows and balls.
#include <benchmark/benchmark.h>

#include <vector>

#include "app/standard_random.h"
#include "course/catalogue.h"
#include "play/attract.h"
#include "render/attract_painter.h"
#include "render/scene_painter.h"
#include "render/sprites.h"

namespace {
void AttractStepOnly(benchmark::State& state) {
    const Course course = BuildCourse();
    StandardRandom random;
    Attract attract;
    SeedAttract(attract, random);
    AttractPicture picture;
    for (auto _ : state) {
        AttractStep(attract, course, random, picture);
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(AttractStepOnly)->Unit(benchmark::kMicrosecond);

void AttractFramePainted(benchmark::State& state) {
    const Course course = BuildCourse();
    StandardRandom random;
    Attract attract;
    SeedAttract(attract, random);
    AttractPicture picture;
    const ScenePictures pictures = MakeScenePictures();
    QImage window(630, 385, QImage::Format_RGB32);
    DrawBackground(window, pictures.grassTile);
    std::vector<QRect> last;
    for (auto _ : state) {
        AttractStep(attract, course, random, picture);
        for (const QRect& box : last) LayGrass(window, pictures.grassTile, box);
        PaintAttract(window, pictures.ball, picture);
        last = AttractBoxes(picture);
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(AttractFramePainted)->Unit(benchmark::kMicrosecond);
}  // namespace
