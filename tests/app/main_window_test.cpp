#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTest>

#include "app/status_bar.h"
#include "render/sprites.h"
#include "tests/app/test_platform.h"

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
    TestPlatform platform;
    TForm1 form{platform.Seams()};
    EXPECT_EQ(form.windowTitle(), "Quelvane");
    EXPECT_EQ(form.ClientArea()->size(), QSize(630, 404));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.StatusBar1()->geometry(), QRect(0, 385, 630, 19));
    EXPECT_EQ(form.StatusBar1()->PanelText(8), "Select players and start!");
    EXPECT_EQ(form.BackBuffer().size(), QSize(640, 480));
    EXPECT_EQ(form.BackBuffer().format(), QImage::Format_RGB32);
}

TEST(MainWindow, MenuItemsHaveTheirCaptionsKeysAndStartStates) {
    TestPlatform platform;
    TForm1 form{platform.Seams()};
    const MenuRow rows[] = {
        {"&File", "&Open...", "", false},
        {"&File", "&Save", "", false},
        {"&File", "Save &As...", "", false},
        {"&File", "&Print...", "", false},
        {"&File", "E&xit", "", true},
        {"&Game", "&Start Tournament", "F2", false},
        {"&Game", "Sto&p Tournament", "F3", false},
        {"&Options", "&Players...\tF2", "", true},
        {"&Options", "&Course...\tF3", "", true},
        {"&Options", "&Sound", "", true},
        {"&Options", "&Music", "", true},
        {"&Score", "&Scoreboard...", "F4", false},
        {"&Score", "&Hole of Fame...", "F5", true},
        {"&Score", "&WWWhole.of.fame", "", true},
        {"&Help", "&Contents", "F1", true},
        {"&Help", "&Index", "", true},
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
    TestPlatform platform;
    TForm1 form{platform.Seams()};
    form.ShowHole(1);
    EXPECT_EQ(form.WindowSurface().pixel(550, 208), qRgb(0, 0, 0));    // the cup
    EXPECT_EQ(form.WindowSurface().pixel(150, 208), qRgb(8, 136, 8));  // the lane
}

TEST(MainWindow, ShowingANumberWithoutAHoleDrawsOnlyGrassBallAndCup) {
    TestPlatform platform;
    TForm1 form{platform.Seams()};
    const QImage grass = MakeGrassTile();
    for (int hole : {0, -1, 37}) {
        SCOPED_TRACE(hole);
        form.ShowHole(hole);
        const Game& game = form.GameState();
        const BallOnScreen& ball = game.ballOnScreen;
        const QRect sprite(static_cast<int>(ball.screenX - 7), static_cast<int>(ball.screenY - 14),
                           16, 18);
        const QRect cup(static_cast<int>(game.scene.cupScreenX - 9),
                        static_cast<int>(game.scene.cupScreenY - 4), 18, 8);
        const QImage& shown = form.WindowSurface();
        int others = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != grass.pixel(x % 64, y % 64) && !sprite.contains(x, y) &&
                    !cup.contains(x, y))
                    ++others;
        EXPECT_EQ(others, 0);
    }
}
}  // namespace

namespace {
class AnswerPrompt : public Prompt {
public:
    Answer Ask(const std::string& text, const std::string& caption, Buttons buttons, Icon icon,
               Answer defaultAnswer) override {
        asked.push_back(caption + "|" + text);
        EXPECT_EQ(buttons, Buttons::YesNo);
        EXPECT_EQ(icon, Icon::Exclamation);
        EXPECT_EQ(defaultAnswer, Answer::No);
        return answer;
    }
    Answer answer = Answer::No;
    std::vector<std::string> asked;
};

// A form in the first aiming turn of a one-hole tournament for the players in `slots`.
class FormInPlay : public ::testing::Test {
protected:
    void SetUp() override {
        platform_.random.Seed(7);
        Tournament& t = form_.GameState().tournament;
        for (int p : slots_) {
            t.players[p].name = "Player" + std::to_string(p);
            t.players[p].status = PlayerStatus::Playing;
        }
        t.holeCountMode = kSelectedHoles;
        t.holeSelected[1] = 1;
        form_.StartClick();
        ASSERT_EQ(form_.GameState().playState, PlayState::Aiming);
    }
    QPoint Ball() {
        const BallOnScreen& ball = form_.GameState().ballOnScreen;
        return {static_cast<int>(ball.screenX), static_cast<int>(ball.screenY) - 7};
    }
    QImage Flag() {
        const QImage bar = form_.StatusBar1()->grab().toImage();
        const QRect r = form_.StatusBar1()->PanelRect(1);
        return bar.copy(r.left(), r.top(), 16, 16);
    }

    std::vector<int> slots_ = {1, 6};
    TestPlatform platform_{1000};
    HandClock& clock_ = platform_.clock;
    AnswerPrompt prompt_;
    TForm1 form_{Platform{platform_.clock, platform_.random, platform_.sounds, platform_.music,
                          prompt_, platform_.urls, platform_.store, platform_.help}};
};

TEST_F(FormInPlay, FlagHasThePlayersColourAndItsExactLines) {
    PlayHost& host = form_;
    host.ShowFlag(6);
    const QImage flag = Flag();
    const QRgb blue = qRgb(0, 0, 255), pole = qRgb(128, 0, 0), shadow = qRgb(128, 128, 128);
    EXPECT_EQ(flag.pixel(1, 1), pole);
    EXPECT_EQ(flag.pixel(2, 13), pole);
    EXPECT_NE(flag.pixel(1, 14), pole);  // the end pixel is left out
    EXPECT_EQ(flag.pixel(4, 1), blue);
    EXPECT_EQ(flag.pixel(3, 10), blue);
    EXPECT_NE(flag.pixel(3, 1), blue);
    EXPECT_EQ(flag.pixel(11, 11), blue);
    EXPECT_EQ(flag.pixel(3, 11), shadow);
    EXPECT_EQ(flag.pixel(13, 5), shadow);
    EXPECT_NE(flag.pixel(13, 4), shadow);  // end pixels are left out
    EXPECT_EQ(flag.pixel(11, 12), shadow);
    EXPECT_NE(flag.pixel(12, 12), shadow);

    host.ShowFlag(1);
    EXPECT_EQ(Flag().pixel(6, 5), qRgb(255, 255, 255));
}

TEST_F(FormInPlay, StopAsksAndOnlyYesEndsTheTournament) {
    StatusBar* bar = form_.StatusBar1();
    prompt_.answer = Prompt::Answer::No;
    form_.Stop->trigger();
    ASSERT_EQ(prompt_.asked, std::vector<std::string>{
                                 "Stop Tournament?|Are you sure you want to quit the tournament?"});
    EXPECT_EQ(form_.GameState().playState, PlayState::Aiming);
    EXPECT_EQ(bar->PanelText(0), "1");
    EXPECT_EQ(bar->PanelText(2), "Player1");
    EXPECT_EQ(bar->PanelText(3), "Hole 1 - Basic");
    EXPECT_EQ(bar->PanelText(4), "hits: 0");
    EXPECT_EQ(bar->PanelText(5), "par: -2");
    EXPECT_EQ(bar->PanelText(6), "HITS: 0");
    EXPECT_EQ(bar->PanelText(7), "PAR: -2");
    EXPECT_EQ(bar->PanelText(8), "Hit the ball!");

    prompt_.answer = Prompt::Answer::Yes;
    form_.Stop->trigger();
    EXPECT_EQ(form_.GameState().playState, PlayState::Idle);
    for (int panel = 0; panel <= 7; ++panel) EXPECT_EQ(bar->PanelText(panel), "") << panel;
    EXPECT_EQ(bar->PanelText(8), "Select players and start!");
    EXPECT_EQ(Flag().pixel(6, 5), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_TRUE(form_.Start->isEnabled());
    EXPECT_FALSE(form_.Stop->isEnabled());
}

TEST_F(FormInPlay, AimLineIsInvertedOnTheWindowAndLeavesNoTrace) {
    QWidget* client = form_.ClientArea();
    const QImage before = form_.WindowSurface().copy();
    const QPoint ball = Ball();
    QTest::mousePress(client, Qt::RightButton, {}, ball);
    QTest::mouseMove(client, ball + QPoint(0, 30));
    const QRgb under = before.pixel(ball + QPoint(0, 20));
    EXPECT_EQ(form_.WindowSurface().pixel(ball + QPoint(0, 20)), (~under | 0xFF000000u));
    EXPECT_EQ(form_.WindowSurface().pixel(ball + QPoint(1, 20)),
              (~before.pixel(ball + QPoint(1, 20)) | 0xFF000000u));    // three pixels wide
    EXPECT_EQ(form_.BackBuffer().pixel(ball + QPoint(0, 20)), under);  // not in the picture
    // Dragged far outside the window and released there.
    QTest::mouseMove(client, QPoint(-400, 900));
    QTest::mouseRelease(client, Qt::RightButton, {}, QPoint(-400, 900));
    EXPECT_FALSE(form_.GameState().dragging);
    EXPECT_EQ(form_.GameState().playState, PlayState::Rolling);
    EXPECT_EQ(form_.WindowSurface(), before);
    EXPECT_EQ(form_.GameState().tournament.players[1].strokes[1], 1);
}

TEST_F(FormInPlay, SoundsPlayOnlyWhileSoundIsChecked) {
    RecordingSounds& sounds = platform_.sounds;
    sounds.played.clear();
    form_.Sound->setChecked(false);
    QTest::mouseClick(form_.ClientArea(), Qt::LeftButton, {}, Ball());
    EXPECT_EQ(form_.GameState().playState, PlayState::Rolling);
    EXPECT_TRUE(sounds.played.empty());
    form_.Sound->setChecked(true);
    form_.GameState().playState = PlayState::Aiming;
    QTest::mouseClick(form_.ClientArea(), Qt::LeftButton, {}, Ball());
    EXPECT_EQ(sounds.played, std::vector<std::string>{"Hit"});
}

TEST_F(FormInPlay, CommandsAndClicksAtAnyMomentKeepTheRecordWhole) {
    QWidget* client = form_.ClientArea();
    prompt_.answer = Prompt::Answer::Yes;
    Game& game = form_.GameState();
    // Strike, then click and start again while the ball rolls, spins and drops.
    QTest::mouseClick(client, Qt::LeftButton, {}, Ball() + QPoint(-60, 0));
    QTest::mouseClick(client, Qt::LeftButton, {}, Ball());
    EXPECT_EQ(game.playState, PlayState::Rolling);
    QTest::mouseClick(client, Qt::LeftButton, {}, Ball());
    form_.StartClick();
    for (int i = 0; i < 3000; ++i) {
        clock_.ticks += 20;
        form_.AppIdle();
        if (game.playState == PlayState::Aiming) break;
        QTest::mouseClick(client, i % 2 ? Qt::RightButton : Qt::LeftButton, {}, Ball());
    }
    EXPECT_EQ(game.playState, PlayState::Aiming);
    EXPECT_EQ(game.tournament.players[1].strokes[1] + game.tournament.players[6].strokes[1], 1);
    // A stop while a ball drops, and a release after the stop.
    game.playState = PlayState::Sinking;
    clock_.ticks += 20;
    form_.AppIdle();
    QTest::mousePress(client, Qt::LeftButton, {}, Ball());
    form_.StopClick();
    EXPECT_EQ(game.sinkFrame, -1);
    QTest::mouseRelease(client, Qt::LeftButton, {}, Ball());
    EXPECT_EQ(game.playState, PlayState::Idle);
    for (int i = 0; i < 5; ++i) {
        clock_.ticks += 20;
        form_.AppIdle();
    }
    EXPECT_EQ(game.playState, PlayState::Idle);
}
}  // namespace
