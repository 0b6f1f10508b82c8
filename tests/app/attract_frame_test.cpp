#include <gtest/gtest.h>

#include "app/main_window.h"
#include "play/play_host.h"
#include "render/sprites.h"
#include "tests/app/splash_gone.h"
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
    SplashGone(form);
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

// After a first whole frame only the boxes of the last and the new balls change on the
// window: the old ball is gone, the new one shows, and the picture is grass everywhere else,
// on the window and, once the frame is shown, in the back buffer too.
TEST(MainWindowAttract, LaterFramesShowAndClearOnlyWhatTheBallsTouched) {
    TestPlatform platform;
    TForm1 form{platform.Seams()};
    PlayHost& host = form;
    const auto oneBall = [](float x, float y) {
        AttractPicture picture;
        picture.count = 1;
        picture.ballX[0] = x;
        picture.ballY[0] = y;
        picture.shadows[0] = ShadowBoxAt(x, y + 20);
        return picture;
    };
    QImage grass(640, 480, QImage::Format_RGB32);
    DrawBackground(grass, MakeGrassTile());
    host.ShowFrame(FrameDrawing{});  // the window no longer shows plain grass
    host.ShowAttract(oneBall(100, 100));
    host.ShowAttract(oneBall(300, 200));
    host.ShowAttract(oneBall(420, 330));

    const QRect ball(420 - 7, 330 - 14, 16, 18), shadow(420 - 7, 350 - 3, 15, 6);
    const QImage& shown = form.WindowSurface();
    int changed = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) == grass.pixel(x, y)) continue;
            ASSERT_TRUE(ball.contains(x, y) || shadow.contains(x, y)) << x << "," << y;
            ++changed;
        }
    EXPECT_GT(changed, 100);
    EXPECT_EQ(form.BackBuffer(), grass);
}
}  // namespace
