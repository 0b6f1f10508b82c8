#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/main_window.h"
#include "records/scoreboard_window.h"
#include "tests/app/splash_gone.h"
#include "tests/app/test_platform.h"

namespace {
/// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

class ScoreboardCommand : public ::testing::Test {
protected:
    ScoreboardCommand() {
        SplashGone(form);
        form.show();
        form.Scoreboard->setEnabled(true);  // as the players dialog's OK leaves it
    }
    void PressF4() {
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F4);
    }
    QPoint CentredOverMain(const QWidget& window) const {
        const QRect main = form.frameGeometry(), own = window.frameGeometry();
        return {main.left() + (main.width() - own.width()) / 2,
                main.top() + (main.height() - own.height()) / 2};
    }

    TestPlatform platform{1000000};
    TForm1 form{platform.Seams()};
};
}  // namespace

TEST_F(ScoreboardCommand, F4ShowsItCentredBesidePlayAndAgainBringsItBack) {
    PressF4();
    TForm5& scoreboard = form.Form5();
    ASSERT_TRUE(scoreboard.isVisible());
    EXPECT_FALSE(scoreboard.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(scoreboard.frameGeometry().topLeft(), CentredOverMain(scoreboard));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&scoreboard));

    scoreboard.move(scoreboard.pos() + QPoint(150, 90));
    form.Scoreboard->trigger();
    EXPECT_EQ(scoreboard.frameGeometry().topLeft(), CentredOverMain(scoreboard));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&scoreboard));
}

TEST_F(ScoreboardCommand, PlaysRepaintRequestsRedrawTheOpenScoreboard) {
    PlayHost& host = form;
    host.RepaintScoreboard();  // before it was ever opened: nothing to draw, nothing breaks

    form.Scoreboard->trigger();
    TForm5& scoreboard = form.Form5();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&scoreboard));
    PaintCounter counter;
    scoreboard.installEventFilter(&counter);
    host.RepaintScoreboard();
    for (int wait = 0; wait < 100 && counter.paints == 0; ++wait) QTest::qWait(10);
    EXPECT_GE(counter.paints, 1);
}
