// How long one frame of the attract animation takes: the pure step alone, and the step
// with the shadows, balls, presentation copy and fresh grass of the main window.
#include <benchmark/benchmark.h>

#include "app/standard_random.h"
#include "course/catalogue.h"
#include "play/attract.h"
#include "render/attract_painter.h"
#include "render/raster.h"
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
    ScenePictures pictures = MakeScenePictures();
    QImage window(630, 385, QImage::Format_RGB32);
    for (auto _ : state) {
        AttractStep(attract, course, random, picture);
        PaintAttract(pictures.backBuffer, pictures.ball, picture);
        BlitRect(pictures.backBuffer, 0, 0, window, 0, 0, 630, 385);
        DrawBackground(pictures.backBuffer, pictures.grassTile);
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(AttractFramePainted)->Unit(benchmark::kMicrosecond);
}  // namespace
