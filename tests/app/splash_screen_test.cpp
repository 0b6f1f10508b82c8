#include "app/splash_screen.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QTest>

#include "app/main_window.h"
#include "render/game_pictures.h"
#include "tests/app/test_platform.h"

namespace {
constexpr int kBallTop = 162;

class SplashTest : public ::testing::Test {
protected:
    SplashTest() {
        mainForm.setEnabled(false);
        splash.HandOverTo(mainForm, attractPaused);
        splash.show();
    }
    void TickTo(int tick) {
        while (splash.SplashTick() < tick) splash.Timer1Timer();
    }
    /// The scene as it would look with the ball drawn at x (mask AND, ball OR).
    static QImage SceneWithBallAt(int x) {
        QImage expected = GamePictureRgb32("splash");
        const QImage ball = GamePictureRgb32("sball"), mask = GamePictureRgb32("sballmask");
        for (int y = 0; y < 12; ++y)
            for (int dx = 0; dx < 12; ++dx) {
                const QRgb under = expected.pixel(x + dx, kBallTop + y);
                expected.setPixel(x + dx, kBallTop + y,
                                  (under & mask.pixel(dx, y)) | ball.pixel(dx, y));
            }
        return expected;
    }
    bool GoneAndHandedOver() const {
        return !splash.isVisible() && !splash.Timer1.isActive() && mainForm.isEnabled() &&
               !attractPaused;
    }

    QWidget mainForm;
    bool attractPaused = true;
    TForm7 splash;
};

TEST_F(SplashTest, IsABorderlessTopmostWindowOfItsSizeWithTheTitleHidden) {
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(splash.size(), QSize(420, 210));
    EXPECT_EQ(splash.Image1->geometry(), QRect(0, 0, 420, 210));
    EXPECT_EQ(splash.Image2->geometry(), QRect(55, 80, 310, 50));
    EXPECT_FALSE(splash.Image2->isVisible());
    EXPECT_EQ(splash.Timer1.interval(), 50);
    EXPECT_TRUE(splash.Timer1.isActive());
    EXPECT_EQ(splash.SplashTick(), 0);
    EXPECT_EQ(splash.Surface(), GamePictureRgb32("splash"));
}

TEST_F(SplashTest, BallRestsRollsFivePixelsATickAndVanishesLeavingTheSceneAsItWas) {
    struct Step {
        int tick;
        int ballX;  // -1: no ball
    };
    const Step steps[] = {{1, 62},   {2, 62},   {10, 62}, {11, 67},
                          {40, 212}, {70, 362}, {71, -1}, {79, -1}};
    for (const Step& step : steps) {
        TickTo(step.tick);
        const QImage expected =
            step.ballX < 0 ? GamePictureRgb32("splash") : SceneWithBallAt(step.ballX);
        EXPECT_EQ(splash.Surface(), expected) << "tick " << step.tick;
    }
    EXPECT_FALSE(splash.Image2->isVisible());
}

TEST_F(SplashTest, TitleAtTick80AndHandOverAtTick130) {
    TickTo(80);
    EXPECT_TRUE(splash.Image2->isVisible());
    // The banner's letters stand over the scene, which shows through around them.
    QImage expected = GamePictureRgb32("splash").copy(55, 80, 310, 50);
    QPainter(&expected).drawImage(0, 0, GamePicture("title"));
    EXPECT_EQ(splash.grab().toImage().copy(55, 80, 310, 50).convertToFormat(QImage::Format_RGB32),
              expected);
    TickTo(129);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(mainForm.isEnabled());
    EXPECT_TRUE(attractPaused);
    TickTo(130);
    EXPECT_TRUE(GoneAndHandedOver());
}

class SplashClickTest : public SplashTest, public ::testing::WithParamInterface<int> {};

TEST_P(SplashClickTest, AClickHandsOverAtOnce) {
    TickTo(GetParam());
    QTest::mouseClick(splash.Image1, Qt::LeftButton, {}, QPoint(200, 100));
    EXPECT_TRUE(GoneAndHandedOver());
    EXPECT_EQ(splash.SplashTick(), GetParam());
}

// While the ball rolls, and after the title has appeared.
INSTANTIATE_TEST_SUITE_P(RollingAndTitle, SplashClickTest, ::testing::Values(30, 85));

TEST_F(SplashTest, KeysDoNothingAndAClickBeforeTheMainWindowExistsHandsOverLater) {
    QTest::keyClick(&splash, Qt::Key_F1);
    QTest::keyClick(&splash, Qt::Key_Escape);
    EXPECT_TRUE(splash.isVisible());

    TForm7 early;
    early.show();
    early.FormClick();
    EXPECT_FALSE(early.isVisible());
    QWidget later;
    later.setEnabled(false);
    bool paused = true;
    early.HandOverTo(later, paused);
    EXPECT_TRUE(later.isEnabled());
    EXPECT_FALSE(paused);
}

TEST(SplashAndMainWindow, MainWindowIgnoresInputAndHoldsTheBallsUntilTheSplashGoes) {
    TestPlatform platform{5000};
    TForm1 form{platform.Seams()};
    form.show();
    EXPECT_FALSE(form.isEnabled());
    EXPECT_TRUE(form.GameState().attractPaused);
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_TRUE(platform.help.shown.empty());
    const float spin = form.GameState().attract.angles.spin;
    platform.clock.ticks += 20;
    form.AppIdle();
    EXPECT_EQ(form.GameState().attract.angles.spin, spin);

    TForm7 splash;
    splash.HandOverTo(form, form.GameState().attractPaused);
    while (splash.SplashTick() < 130) splash.Timer1Timer();
    EXPECT_TRUE(form.isEnabled());
    EXPECT_FALSE(form.GameState().attractPaused);
    platform.clock.ticks += 20;
    form.AppIdle();
    EXPECT_NE(form.GameState().attract.angles.spin, spin);
}
}  // namespace
