// The main window and the Hole of Fame: the start-up check, the window on F5, the entry
// at every finished hole and the store released when the game closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"
#include "records/hole_of_fame_window.h"
#include "tests/app/splash_gone.h"
#include "tests/app/test_platform.h"

namespace {
TEST(HoleOfFameWiringTest, FirstStartWritesTheEmptyStoreWithoutAsking) {
    TestPlatform platform;
    TForm1 form{platform.Seams()};
    EXPECT_TRUE(platform.prompt.asked.empty());
    EXPECT_EQ(platform.store.stored.size(), 1922u);
    EXPECT_EQ(platform.store.ReadInt("rcs2"), 17225000);
}

TEST(HoleOfFameWiringTest, RefusingToClearADamagedStoreEndsTheGameAtItsFirstPaint) {
    TestPlatform platform;
    { TForm1 first{platform.Seams()}; }    // a sound store ...
    platform.store.stored["t36_1"] = 776;  // ... changed by hand
    const auto before = platform.store.stored;
    platform.prompt.answer = Prompt::Answer::Cancel;

    TForm1 form{platform.Seams()};
    ASSERT_EQ(platform.prompt.asked.size(), 1u);
    EXPECT_EQ(platform.prompt.asked[0].text,
              "Error reading Hole of Fame. Do you want to clear all records?");
    EXPECT_EQ(platform.prompt.asked[0].caption, "Error message");
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }, 5000));
    EXPECT_EQ(platform.store.stored, before);
}

TEST(HoleOfFameWiringTest, FinishedHoleIsEnteredAndF5ShowsItCentredAndModal) {
    TestPlatform platform;
    TForm1 form{platform.Seams()};
    SplashGone(form);
    form.show();
    PlayerRecord& ann = form.GameState().tournament.players[2];
    ann.name = "Ann";
    ann.strokes[12] = 2;
    ann.holeDone[12] = 1;
    static_cast<PlayHost&>(form).UpdateRecords(2, 12);
    EXPECT_EQ(platform.store.ReadString("ns_12_1"), "Ann");
    EXPECT_EQ(platform.store.ReadInt("hs_12_1"), 2);

    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    bool modal = false;
    QPoint placed, expected;
    QString shown;
    QTimer::singleShot(0, &form, [&] {
        TForm6& window = form.Form6();
        modal = QApplication::activeModalWidget() == &window;
        const QRect main = form.frameGeometry(), own = window.frameGeometry();
        placed = own.topLeft();
        expected = {main.left() + (main.width() - own.width()) / 2,
                    main.top() + (main.height() - own.height()) / 2};
        window.ComboBox1->setCurrentText("hole 12");
        // The label follows the list at the next paint, which needs the window on screen.
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.repaint();
        shown = window.CourseName->text();
        window.close();
    });
    QTest::keyClick(&form, Qt::Key_F5);
    EXPECT_TRUE(modal);
    EXPECT_EQ(placed, expected);
    EXPECT_EQ(shown.toStdString(), form.GameState().course[12].name);
    EXPECT_FALSE(form.Form6().isVisible());
    EXPECT_EQ(form.Form6().ComboBox1->currentText(), "hole 12");  // kept for the next opening
}
}  // namespace
