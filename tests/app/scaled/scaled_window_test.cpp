// The main window on a scaled screen (QT_SCALE_FACTOR, set per run by the test list): the
// layout stays the same in window units, every course pixel becomes a block of whole screen
// pixels, and a screen pixel under the mouse maps back to the course pixel it shows.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <cmath>

#include "app/main_window.h"
#include "app/status_bar.h"
#include "play/tournament.h"
#include "tests/app/test_platform.h"

namespace {
/// The first screen pixel that shows course pixel `course` at `ratio`.
int FirstScreenPixel(int course, qreal ratio) {
    return static_cast<int>(std::ceil(course * ratio));
}

class ScaledForm : public ::testing::Test {
protected:
    void SetUp() override {
        form_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
        ratio_ = form_.ClientArea()->devicePixelRatioF();
        ASSERT_GT(ratio_, 1.0) << "run with QT_SCALE_FACTOR above 1";
    }
    /// Presses `button` where the screen pixel `screenX, screenY` lies in window units.
    void PressScreenPixel(Qt::MouseButton button, int screenX, int screenY) {
        const QPointF at(screenX / ratio_, screenY / ratio_);
        QMouseEvent press(QEvent::MouseButtonPress, at, form_.ClientArea()->mapToGlobal(at), button,
                          button, Qt::NoModifier);
        QApplication::sendEvent(form_.ClientArea(), &press);
    }
    void StartOneHoleTournament() {
        platform_.random.Seed(7);
        Tournament& t = form_.GameState().tournament;
        t.players[1].name = "Player1";
        t.players[1].status = PlayerStatus::Playing;
        t.holeCountMode = kSelectedHoles;
        t.holeSelected[1] = 1;
        form_.StartClick();
        ASSERT_EQ(form_.GameState().playState, PlayState::Aiming);
    }

    TestPlatform platform_{1000};
    TForm1 form_{platform_.Seams()};
    qreal ratio_ = 1.0;
};

TEST_F(ScaledForm, KeepsItsLayoutInWindowUnits) {
    EXPECT_EQ(form_.ClientArea()->size(), QSize(630, 404));
    EXPECT_EQ(form_.StatusBar1()->geometry(), QRect(0, 385, 630, 19));
    EXPECT_EQ(form_.WindowSurface().size(), QSize(630, 385));
}

TEST_F(ScaledForm, EveryCoursePixelIsABlockOfScreenPixelsOfItsOwnColour) {
    form_.ShowHole(1);
    const QImage screen = form_.ClientArea()->grab().toImage();
    const QImage& surface = form_.WindowSurface();
    ASSERT_EQ(screen.width(), FirstScreenPixel(630, ratio_));
    // Columns and rows across the lane, the cup and the border of the picture.
    for (int y : {0, 150, 207, 208, 209, 384}) {
        for (int x = 0; x < surface.width(); ++x) {
            for (int sy = FirstScreenPixel(y, ratio_); sy < FirstScreenPixel(y + 1, ratio_); ++sy)
                for (int sx = FirstScreenPixel(x, ratio_); sx < FirstScreenPixel(x + 1, ratio_);
                     ++sx)
                    ASSERT_EQ(screen.pixel(sx, sy), surface.pixel(x, y))
                        << "course pixel " << x << "," << y << " screen " << sx << "," << sy;
        }
    }
}

TEST_F(ScaledForm, TheMouseReachesTheCoursePixelItPointsAt) {
    StartOneHoleTournament();
    const BallOnScreen& ball = form_.GameState().ballOnScreen;
    // The box round the ball is open: the last course column inside it on the right.
    const int lastInside = static_cast<int>(std::ceil(ball.screenX + 15)) - 1;
    const int row = static_cast<int>(ball.screenY) - 7;
    const int lastScreenPixel = FirstScreenPixel(lastInside + 1, ratio_) - 1;
    const int rowScreenPixel = FirstScreenPixel(row + 1, ratio_) - 1;

    PressScreenPixel(Qt::LeftButton, lastScreenPixel + 1, rowScreenPixel);  // just outside
    EXPECT_FALSE(form_.GameState().dragging);
    PressScreenPixel(Qt::LeftButton, lastScreenPixel, rowScreenPixel);  // on the ball's box
    EXPECT_TRUE(form_.GameState().dragging);
    EXPECT_EQ(form_.GameState().aimEndX, lastInside);
    EXPECT_EQ(form_.GameState().aimEndY, row);
}
}  // namespace
