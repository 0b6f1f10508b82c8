#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/main_window.h"
#include "app/status_bar.h"
#include "setup/course_dialog.h"
#include "setup/players_dialog.h"
#include "tests/app/splash_gone.h"
#include "tests/app/test_platform.h"
#include "tests/play/stroke_finder.h"

namespace {
class MenuCommandsTest : public ::testing::Test {
protected:
    MenuCommandsTest() {
        SplashGone(form);
        form.show();
    }

    /// Presses a function key on the main window, made active first as a user's click would.
    void Press(Qt::Key key) {
        // The offscreen platform does not hand activation back when a modal dialog closes.
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, key);
    }

    /// Runs `act` inside the next modal loop; the modal window is its argument.
    void WhenModal(std::function<void(QWidget&)> act) {
        QTimer::singleShot(0, &form, [act] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            act(*modal);
        });
    }
    /// Presses `key` on the main window and reports whether a modal window opened (it is closed).
    bool KeyOpensAWindow(Qt::Key key) {
        bool opened = false;
        QTimer::singleShot(20, &form, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = true;
                modal->close();
            }
        });
        Press(key);
        QTest::qWait(40);
        return opened;
    }
    void AcceptPlayer(const QString& name) {
        WhenModal([&](QWidget&) {
            TForm3& dialog = form.Form3();
            for (char32_t c : name.toUcs4())
                QTest::sendKeyEvent(QTest::Click, dialog.Name[3], Qt::Key_unknown,
                                    QString::fromUcs4(&c, 1), Qt::NoModifier);
            QTest::mouseClick(dialog.Button1, Qt::LeftButton);
        });
        form.Players->trigger();
    }
    struct Menus {
        bool start, stop, players, courses, scoreboard;
        bool operator==(const Menus&) const = default;
    };
    Menus MenuStates() const {
        return {form.Start->isEnabled(), form.Stop->isEnabled(), form.Players->isEnabled(),
                form.Courses->isEnabled(), form.Scoreboard->isEnabled()};
    }

    TestPlatform platform{1000000};
    RecordingPrompt& prompt = platform.prompt;
    TForm1 form{platform.Seams()};
};

TEST_F(MenuCommandsTest, FunctionKeysReachOnlyTheGameItemsAndFollowTheEnablingTable) {
    EXPECT_EQ(MenuStates(), (Menus{false, false, true, true, false}));
    EXPECT_FALSE(KeyOpensAWindow(Qt::Key_F2));  // not the players dialog
    EXPECT_FALSE(KeyOpensAWindow(Qt::Key_F3));  // not the course dialog
    EXPECT_EQ(form.GameState().playState, PlayState::Idle);

    AcceptPlayer("Ann");
    EXPECT_EQ(MenuStates(), (Menus{true, false, true, true, true}));

    Press(Qt::Key_F2);
    EXPECT_TRUE(TournamentInPlay(form.GameState().playState));
    EXPECT_EQ(MenuStates(), (Menus{false, true, false, false, true}));

    prompt.answer = Prompt::Answer::Yes;
    Press(Qt::Key_F3);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].caption, "Stop Tournament?");
    EXPECT_EQ(MenuStates(), (Menus{true, false, true, true, true}));
}

TEST_F(MenuCommandsTest, CloseAsksOnlyWhileATournamentIsPlayed) {
    struct Case {
        PlayState state;
        Prompt::Answer answer;
        bool asks, closes;
    };
    const Case cases[] = {
        {PlayState::Idle, Prompt::Answer::No, false, true},
        {PlayState::TournamentOver, Prompt::Answer::No, false, true},
        {PlayState::Aiming, Prompt::Answer::No, true, false},
        {PlayState::Rolling, Prompt::Answer::No, true, false},
        {PlayState::Sinking, Prompt::Answer::Yes, true, true},
        {PlayState::TurnIntro, Prompt::Answer::No, true, false},
        {PlayState::TurnIntro, Prompt::Answer::Yes, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.state));
        form.show();
        prompt.asked.clear();
        prompt.answer = c.answer;
        form.GameState().playState = c.state;
        form.Exit->trigger();
        EXPECT_EQ(form.isVisible(), !c.closes);
        ASSERT_EQ(prompt.asked.size(), c.asks ? 1u : 0u);
        EXPECT_EQ(form.GameState().playState, c.state);
        if (!c.asks) continue;
        EXPECT_EQ(prompt.asked[0].text, "Are you sure you want to quit the tournament?");
        EXPECT_EQ(prompt.asked[0].caption, "Exit Quelvane?");
        EXPECT_EQ(prompt.asked[0].buttons, Prompt::Buttons::YesNo);
        EXPECT_EQ(prompt.asked[0].icon, Prompt::Icon::Exclamation);
        EXPECT_EQ(prompt.asked[0].defaultAnswer, Prompt::Answer::No);
    }
    form.GameState().playState = PlayState::Rolling;
    prompt.answer = Prompt::Answer::No;
    form.show();
    EXPECT_FALSE(form.close());  // the close box takes the same path
}

TEST_F(MenuCommandsTest, DialogsOpenCentredAndTheCourseDialogPausesTheAttract) {
    bool pausedWhileOpen = false;
    QPoint placed, expected;
    WhenModal([&](QWidget& dialog) {
        pausedWhileOpen = form.GameState().attractPaused;
        const QRect main = form.frameGeometry(), own = dialog.frameGeometry();
        placed = own.topLeft();
        expected = {main.left() + (main.width() - own.width()) / 2,
                    main.top() + (main.height() - own.height()) / 2};
        dialog.close();
    });
    form.Courses->trigger();
    EXPECT_TRUE(pausedWhileOpen);
    EXPECT_EQ(placed, expected);
    EXPECT_FALSE(form.GameState().attractPaused);
    EXPECT_FALSE(form.Form4().isVisible());

    form.Form3().PlayersAccepted = true;
    bool acceptedWhileOpen = true;
    WhenModal([&](QWidget& dialog) {
        acceptedWhileOpen = form.Form3().PlayersAccepted;
        const QRect main = form.frameGeometry(), own = dialog.frameGeometry();
        placed = own.topLeft();
        expected = {main.left() + (main.width() - own.width()) / 2,
                    main.top() + (main.height() - own.height()) / 2};
        dialog.close();
    });
    form.Players->trigger();
    EXPECT_FALSE(acceptedWhileOpen);
    EXPECT_EQ(placed, expected);
}

TEST_F(MenuCommandsTest, ANameOutsideAsciiReachesTheStatusBarIntact) {
    const QString name = QString::fromUtf8("Jürgen Ström ⛳");
    AcceptPlayer(name);
    form.StartClick();
    EXPECT_EQ(form.StatusBar1()->PanelText(2), name);
}

TEST_F(MenuCommandsTest, MusicStopsResumesAndStartsOverAtTheEnd) {
    FakeMusicPlayer& music = platform.music;
    EXPECT_EQ(music.calls, (std::vector<std::string>{"Open quelvane.mid", "Play"}));

    form.Music->trigger();  // off: stops, and the stop's report restarts nothing
    EXPECT_FALSE(form.Music->isChecked());
    EXPECT_EQ(music.mode, MusicPlayer::Mode::Stopped);
    form.Music->trigger();  // on: plays on from where it stopped
    EXPECT_TRUE(form.Music->isChecked());
    music.End();  // the tune ends: it starts over
    music.End();  // and again: the report keeps being asked for
    EXPECT_EQ(music.calls, (std::vector<std::string>{"Open quelvane.mid", "Play", "Stop", "Play",
                                                     "Play", "Play"}));
    EXPECT_EQ(music.mode, MusicPlayer::Mode::Playing);
}

TEST_F(MenuCommandsTest, MusicThatCannotBeOpenedSwitchesTheItemOff) {
    TestPlatform silent;
    silent.music.opens = false;
    TForm1 withoutMusic{silent.Seams()};
    EXPECT_FALSE(withoutMusic.Music->isChecked());
    EXPECT_FALSE(withoutMusic.Music->isEnabled());
    EXPECT_EQ(silent.music.calls, std::vector<std::string>{"Open quelvane.mid"});
}

TEST_F(MenuCommandsTest, TheSoundItemGatesEverySound) {
    RecordingSounds& sounds = platform.sounds;
    PlayHost& host = form;
    form.Sound->trigger();
    EXPECT_FALSE(form.Sound->isChecked());
    host.PlaySound("Hit", false);
    form.Sound->trigger();
    host.PlaySound("Bounce", true);
    EXPECT_EQ(sounds.played, std::vector<std::string>{"Bounce"});
}
TEST_F(MenuCommandsTest, ATournamentSetUpInTheDialogsPlaysTheSelectedHolesBackward) {
    HandClock& clock = platform.clock;
    platform.random.Seed(1210);
    WhenModal([&](QWidget&) {
        TForm3& dialog = form.Form3();
        QTest::keyClicks(dialog.Name[2], "Ann");
        QTest::keyClicks(dialog.Name[6], "Bob");
        QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    });
    form.Players->trigger();
    WhenModal([&](QWidget&) {
        TForm4& dialog = form.Form4();
        const auto click = [](QAbstractButton* button) {
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        };
        click(dialog.RadioGroup1Items->button(kSelectedHoles));
        click(dialog.CheckBox[3]);
        click(dialog.CheckBox[17]);
        click(dialog.RadioGroup2Items->button(kHoleBackward));
        click(dialog.Button1);
    });
    form.Courses->trigger();
    Game& game = form.GameState();
    EXPECT_FALSE(game.attractPaused);
    Press(Qt::Key_F2);
    ASSERT_EQ(game.playState, PlayState::Aiming);

    std::vector<int> holes;
    QWidget* client = form.ClientArea();
    for (int frame = 0; frame < 100000 && game.playState != PlayState::Idle; ++frame) {
        if (holes.empty() || holes.back() != game.tournament.currentHole)
            holes.push_back(game.tournament.currentHole);
        if (game.playState != PlayState::Aiming) {
            clock.ticks += 20;
            form.AppIdle();
            continue;
        }
        const AimPoint end = FindStroke(game);
        QTest::mousePress(client, Qt::LeftButton, {},
                          QPoint(static_cast<int>(game.ballOnScreen.screenX),
                                 static_cast<int>(game.ballOnScreen.screenY) - 7));
        QTest::mouseMove(client, QPoint(end.x, end.y));
        QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(end.x, end.y));
    }
    ASSERT_EQ(game.playState, PlayState::Idle);
    EXPECT_EQ(holes, (std::vector<int>{17, 3}));
    for (int p = 1; p <= kPlayerSlots; ++p) {
        SCOPED_TRACE(p);
        const PlayerRecord& player = game.tournament.players[p];
        const bool plays = p == 2 || p == 6;
        for (int hole : {3, 17}) {
            EXPECT_EQ(player.holeDone[hole], plays ? 1 : 0);
            if (plays) {
                EXPECT_TRUE(player.strokes[hole] >= 1 && player.strokes[hole] <= 9);
            }
        }
        EXPECT_EQ(player.totalStrokes, plays ? player.strokes[3] + player.strokes[17] : 0);
    }
    EXPECT_EQ(MenuStates(), (Menus{true, false, true, true, true}));
}
}  // namespace
