#include "app/help_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "app/main_window.h"
#include "tests/app/splash_gone.h"
#include "tests/app/test_platform.h"

namespace {
TEST(HelpWindow, ContentsListsTheChaptersAndBackReturns) {
    HelpWindow help;
    help.ShowContents();
    EXPECT_TRUE(help.isVisible());
    EXPECT_FALSE(help.isModal());
    EXPECT_EQ(help.CurrentPage(), "contents.html");
    EXPECT_EQ(help.Tabs->currentIndex(), 0);
    ASSERT_GE(help.ContentsList->count(), 9);
    EXPECT_FALSE(help.BackButton->isEnabled());

    QListWidgetItem* rules = help.ContentsList->findItems("The rules", Qt::MatchExactly).value(0);
    ASSERT_NE(rules, nullptr);
    help.ContentsList->itemClicked(rules);
    EXPECT_EQ(help.CurrentPage(), "rules.html");
    EXPECT_TRUE(help.Browser->toPlainText().contains("seventh stroke"));
    QTest::mouseClick(help.BackButton, Qt::LeftButton);
    EXPECT_EQ(help.CurrentPage(), "contents.html");
}

TEST(HelpWindow, IndexFilterKeepsMatchingKeywordsAndEnterOpensTheFirst) {
    HelpWindow help;
    help.ShowIndex();
    EXPECT_EQ(help.Tabs->currentIndex(), 1);
    const int all = help.ShownKeywords().size();
    QTest::keyClicks(help.IndexFilter, "CUSH");
    EXPECT_EQ(help.ShownKeywords(), (QStringList{"Cushion limit", "Cushions"}));
    QTest::keyClick(help.IndexFilter, Qt::Key_Return);
    EXPECT_EQ(help.Browser->source().toString(), "qrc:/help/rules.html#cushionlimit");

    help.IndexFilter->setText("no such word");
    EXPECT_TRUE(help.ShownKeywords().isEmpty());
    QTest::keyClick(help.IndexFilter, Qt::Key_Return);  // nothing to open, nothing happens
    EXPECT_EQ(help.CurrentPage(), "rules.html");
    help.IndexFilter->clear();
    EXPECT_EQ(help.ShownKeywords().size(), all);
}

TEST(HelpWindow, IsCentredOverTheMainWindowTheFirstTimeAndThenKeepsItsPlace) {
    QWidget mainForm;
    mainForm.setGeometry(100, 80, 650, 450);
    mainForm.show();
    HelpWindow help;
    help.CentreFirstOver(mainForm);
    help.ShowContents();
    const QRect main = mainForm.frameGeometry(), first = help.frameGeometry();
    EXPECT_EQ(first.left(), main.left() + (main.width() - first.width()) / 2);
    EXPECT_EQ(first.top(), main.top() + (main.height() - first.height()) / 2);

    help.move(first.topLeft() + QPoint(40, 30));
    const QPoint moved = help.pos();
    help.close();
    help.ShowIndex();
    EXPECT_EQ(help.pos(), moved);
}

TEST(HelpFromTheMainWindow, F1DuringARollingBallOpensTheContentsAndTheBallRollsOn) {
    TestPlatform platform{1000};
    TForm1 form{platform.Seams()};
    SplashGone(form);
    form.show();
    Tournament& t = form.GameState().tournament;
    t.players[1].name = "Ann";
    t.players[1].status = PlayerStatus::Playing;
    t.holeCountMode = kSelectedHoles;
    t.holeSelected[1] = 1;
    form.StartClick();
    ASSERT_EQ(form.GameState().playState, PlayState::Aiming);
    const BallOnScreen& ball = form.GameState().ballOnScreen;
    const int x = static_cast<int>(ball.screenX), y = static_cast<int>(ball.screenY) - 7;
    form.FormMouseDown(Qt::RightButton, x, y);
    form.FormMouseMove(x - 40, y);
    form.FormMouseUp(Qt::RightButton, x - 40, y);
    ASSERT_EQ(form.GameState().playState, PlayState::Rolling);

    QApplication::setActiveWindow(&form);
    QTest::keyClick(&form, Qt::Key_F1);
    form.Index->trigger();
    EXPECT_EQ(platform.help.shown, (std::vector<std::string>{"Contents", "Index"}));
    const float before = form.GameState().ball.x;
    platform.clock.ticks += 20;
    form.AppIdle();
    EXPECT_EQ(form.GameState().playState, PlayState::Rolling);
    EXPECT_NE(form.GameState().ball.x, before);
}
}  // namespace
