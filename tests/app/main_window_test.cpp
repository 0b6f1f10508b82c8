#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTest>

#include "app/main_window.h"
#include "app/status_bar.h"

namespace {
struct MenuRow {
    const char* menu;
    const char* caption;  // with the shortcut text after a tab, as the menu shows it
    const char* shortcut;
    bool enabled;
};

QAction* FindItem(QMenuBar* bar, const QString& menu, const QString& caption) {
    for (QAction* top : bar->actions()) {
        if (top->text() != menu) continue;
        for (QAction* item : top->menu()->actions())
            if (item->text() == caption) return item;
    }
    return nullptr;
}

TEST(MainWindow, HasItsCaptionSizeAndStatusBar) {
    TForm1 form;
    EXPECT_EQ(form.windowTitle(), "Quelvane");
    EXPECT_EQ(form.ClientArea()->size(), QSize(630, 404));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.StatusBar1()->geometry(), QRect(0, 385, 630, 19));
    EXPECT_EQ(form.StatusBar1()->PanelText(8), "Select players and start!");
    EXPECT_EQ(form.BackBuffer().size(), QSize(640, 480));
    EXPECT_EQ(form.BackBuffer().format(), QImage::Format_RGB32);
}

TEST(MainWindow, MenuItemsHaveTheirCaptionsKeysAndStartStates) {
    TForm1 form;
    const MenuRow rows[] = {
        {"&File", "&Open...", "", false},          {"&File", "&Save", "", false},
        {"&File", "Save &As...", "", false},       {"&File", "&Print...", "", false},
        {"&File", "E&xit", "", true},              {"&Game", "&Start Tournament", "F2", false},
        {"&Game", "Sto&p Tournament", "F3", false}, {"&Options", "&Players...\tF2", "", true},
        {"&Options", "&Course...\tF3", "", true},  {"&Options", "&Sound", "", true},
        {"&Options", "&Music", "", true},          {"&Score", "&Scoreboard...", "F4", false},
        {"&Score", "&Hole of Fame...", "F5", true}, {"&Score", "&WWWhole.of.fame", "", true},
        {"&Help", "&Contents", "F1", true},        {"&Help", "&Index", "", true},
        {"&Help", "&About...", "", true},
    };
    for (const MenuRow& row : rows) {
        SCOPED_TRACE(row.caption);
        QAction* item = FindItem(form.menuBar(), row.menu, row.caption);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->shortcut().toString(), row.shortcut);
        EXPECT_EQ(item->isEnabled(), row.enabled);
    }
    EXPECT_TRUE(form.Sound->isChecked());
    EXPECT_TRUE(form.Music->isChecked());
    EXPECT_TRUE(form.Index->icon().isNull());
    EXPECT_FALSE(form.About->icon().isNull());
}

TEST(MainWindow, ShowsADrawnHoleInItsClientArea) {
    TForm1 form;
    form.ShowHole(1);
    EXPECT_EQ(form.WindowSurface().pixel(550, 208), qRgb(0, 0, 0));  // the cup
    EXPECT_EQ(form.WindowSurface().pixel(150, 208), qRgb(8, 136, 8));  // the lane
}

TEST(MainWindow, ShowingAHoleWithoutGeometryDrawsOnlyGrass) {
    TForm1 form;
    for (int hole : {0, 2, 36}) form.ShowHole(hole);
    SUCCEED();
}
}  // namespace
