#include <gtest/gtest.h>

#include "app/main_window.h"
#include "render/sprites.h"
#include "tests/app/test_platform.h"

namespace {
TEST(MainWindowAttract, BallsArePlacedBeforeTheGeneratorIsSeededFromTheTime) {
    TestPlatform platform;
    TForm1 form{platform.Seams()};
    const Attract& attract = form.GameState().attract;
    // The classic generator's first draws without a seed: 41, 18467, 6334, 26500, 19169, 15724.
    const Particle& first = attract.particles[1];
    EXPECT_EQ(first.x, -259.0f);
    EXPECT_EQ(first.y, 167.0f);
    EXPECT_EQ(first.z, 134.0f);
    const Particle& second = attract.particles[2];
    EXPECT_EQ(second.x, -200.0f);
    EXPECT_EQ(second.y, 269.0f);
    EXPECT_EQ(second.z, 124.0f);
}

TEST(MainWindowAttract, AFrameShowsTheBallsAndLeavesFreshGrassBehind) {
    TestPlatform platform{100000};
    HandClock& clock = platform.clock;
    TForm1 form{platform.Seams()};
    QImage grass(640, 480, QImage::Format_RGB32);
    grass.fill(Qt::black);
    DrawBackground(grass, MakeGrassTile());

    clock.ticks += 20;
    form.AppIdle();
    EXPECT_EQ(form.GameState().attract.angles.spin, 1.0f);
    EXPECT_EQ(form.BackBuffer(), grass);
    int ballPixels = 0;
    const QImage& shown = form.WindowSurface();
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (qRed(shown.pixel(x, y)) > 150) ++ballPixels;
    EXPECT_GT(ballPixels, 50 * 100);  // most of the 99 balls, 15 pixels across, are in view

    form.GameState().attractPaused = true;
    clock.ticks += 20;
    form.AppIdle();
    EXPECT_EQ(form.GameState().attract.angles.spin, 1.0f);
}
}  // namespace
