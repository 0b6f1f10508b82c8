// The whole game under random use: thousands of mouse presses, drags and releases anywhere on
// the main window, function keys, Escape and Return, menu commands, every window and dialog
// opened, poked and closed, every message box answered at random, tournaments started and
// stopped, with time passing in between. After every event the tournament must still make
// sense. A failure names the seed and the event; QUELVANE_SOAK_SEED=N replays a run.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <random>
#include <set>
#include <sstream>

#include "app/main_window.h"
#include "setup/course_dialog.h"
#include "setup/players_dialog.h"
#include "tests/app/splash_gone.h"
#include "tests/app/test_platform.h"
#include "tests/play/stroke_finder.h"
#include "tools/solver/stroke_search.h"

namespace {
constexpr std::uint32_t kDefaultSeed = 20261210;
constexpr int kUserEvents = 2400;
constexpr int kClientWidth = 630;
constexpr int kClientHeight = 404;

std::uint32_t SoakSeed() {
    bool ok = false;
    const std::uint32_t seed = qEnvironmentVariable("QUELVANE_SOAK_SEED").toUInt(&ok);
    return ok ? seed : kDefaultSeed;
}

// Texts a player might type into a name: empty, long, odd characters.
const QString kTypedTexts[] = {
    "Ann", "", "WWWWWWWWWWWWWWWWWWWWWW", QString::fromUtf8("Jürgen ⛳"), "%s%n%d", " ", "0", "-1",
};

class UiSoak {
public:
    explicit UiSoak(std::uint32_t seed) : seed_(seed), random_(seed) {
        platform_.random.Seed(seed);
        modalTimer_.setSingleShot(true);
        QObject::connect(&modalTimer_, &QTimer::timeout, [this] { InsideModal(); });
        SplashGone(form_);
        form_.show();
        QApplication::setActiveWindow(&form_);
    }

    /// Runs `events` user events; false, with Failure() saying why, when an invariant broke.
    bool Run(int events) {
        for (event_ = 1; event_ <= events && failure_.empty(); ++event_) {
            platform_.prompt.answer = RandomAnswer();
            UserEvent();
            Check();
            if (failure_.empty() && Chance(55)) PassTime();
        }
        return failure_.empty();
    }

    std::string Failure() const {
        std::ostringstream text;
        text << "seed " << seed_ << " (replay with QUELVANE_SOAK_SEED=" << seed_ << "), event "
             << failedAt_ << ": " << failure_ << "\nlast events:";
        for (const std::string& line : recent_) text << "\n  " << line;
        return text.str();
    }

    int Strokes() const { return strokes_; }
    int Tournaments() const { return tournaments_; }
    /// The class names of the windows that were used: modal ones and those beside play.
    const std::set<std::string>& WindowsSeen() const { return windowsSeen_; }
    int TournamentsFinished() const { return tournamentsFinished_; }

private:
    int Draw(int lowest, int highest) {
        return std::uniform_int_distribution<int>(lowest, highest)(random_);
    }
    bool Chance(int percent) { return Draw(1, 100) <= percent; }
    QPoint AnyPoint() { return {Draw(-20, kClientWidth + 20), Draw(-20, kClientHeight + 20)}; }
    Qt::MouseButton AnyButton() {
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        return buttons[Draw(0, 2)];
    }
    // Yes less often than the others, so that tournaments are not all stopped early.
    Prompt::Answer RandomAnswer() {
        const int answer = Draw(1, 100);
        return answer <= 15   ? Prompt::Answer::Yes
               : answer <= 50 ? Prompt::Answer::No
               : answer <= 75 ? Prompt::Answer::Ok
                              : Prompt::Answer::Cancel;
    }
    Game& game() { return form_.GameState(); }

    void Note(const std::string& what) {
        std::ostringstream line;
        line << event_ << ": " << what << " (state " << static_cast<int>(game().playState) << ")";
        recent_.push_back(line.str());
        if (recent_.size() > 12) recent_.pop_front();
    }

    // One thing a user does.
    void UserEvent() {
        QWidget* client = form_.ClientArea();
        // A player with the turn mostly aims at the ball.
        const bool aiming = game().playState == PlayState::Aiming && Chance(40);
        const int kind = aiming ? Draw(19, 34) : Draw(1, 100);
        if (kind <= 18) {
            const QPoint at = AnyPoint();
            const Qt::MouseButton button = AnyButton();
            Note("press " + std::to_string(button) + " at " + std::to_string(at.x()) + "," +
                 std::to_string(at.y()));
            QTest::mousePress(client, button, {}, at);
        } else if (kind <= 31) {
            // On the ball, as a player means to: a drag that strikes it.
            const QPoint ball(static_cast<int>(game().ballOnScreen.screenX) + Draw(-3, 3),
                              static_cast<int>(game().ballOnScreen.screenY) - 7 + Draw(-3, 3));
            const Qt::MouseButton button = Chance(70) ? Qt::LeftButton : Qt::RightButton;
            const QPoint to = ball + QPoint(Draw(-300, 300), Draw(-300, 300));
            Note("stroke from " + std::to_string(ball.x()) + "," + std::to_string(ball.y()));
            QTest::mousePress(client, button, {}, ball);
            QTest::mouseMove(client, to);
            QTest::mouseRelease(client, button, {}, to);
            if (game().playState == PlayState::Rolling) ++strokes_;
        } else if (kind <= 34 && game().playState == PlayState::Aiming) {
            // A skilled stroke now and then, so that holes and tournaments come to an end.
            const AimPoint end = FindStroke(game());
            const QPoint ball(static_cast<int>(game().ballOnScreen.screenX),
                              static_cast<int>(game().ballOnScreen.screenY) - 7);
            Note("good stroke");
            QTest::mousePress(client, Qt::LeftButton, {}, ball);
            QTest::mouseMove(client, QPoint(end.x, end.y));
            QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(end.x, end.y));
            if (game().playState == PlayState::Rolling) ++strokes_;
        } else if (kind <= 48) {
            const QPoint to = AnyPoint();
            Note("move to " + std::to_string(to.x()) + "," + std::to_string(to.y()));
            QTest::mouseMove(client, to);
        } else if (kind <= 60) {
            const QPoint at = AnyPoint();
            Note("release at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
            QTest::mouseRelease(client, AnyButton(), {}, at);
        } else if (kind <= 78) {
            const Qt::Key keys[] = {Qt::Key_F1,     Qt::Key_F2,    Qt::Key_F3,
                                    Qt::Key_F4,     Qt::Key_F5,    Qt::Key_Escape,
                                    Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2};
            const Qt::Key key = keys[Draw(0, 8)];
            Note("key " + QKeySequence(key).toString().toStdString());
            QApplication::setActiveWindow(&form_);
            WithModal([this, key] { QTest::keyClick(&form_, key); });
        } else if (kind <= 92) {
            MenuCommand();
        } else if (kind <= 96) {
            PokeOpenWindow();
        } else if (kind <= 98 && game().playState == PlayState::Idle) {
            ShortTournamentSetUp();
        } else {
            Note("close box");
            CloseMainWindow([this] { form_.close(); });
        }
        if (game().playState == PlayState::Aiming && !startedSeen_) {
            startedSeen_ = true;
            ++tournaments_;
        }
        if (game().playState == PlayState::Idle) startedSeen_ = false;
    }

    // A random item of the menu bar, as a click on it would do (disabled items do nothing).
    void MenuCommand() {
        std::vector<QAction*> items;
        for (QAction* menu : form_.menuBar()->actions())
            if (menu->menu())
                for (QAction* item : menu->menu()->actions())
                    if (!item->isSeparator() && (item->isEnabled() || Chance(10)))
                        items.push_back(item);
        if (items.empty()) return;
        QAction* item = items[Draw(0, static_cast<int>(items.size()) - 1)];
        Note("menu " + item->text().toStdString());
        if (item == form_.Exit) {
            CloseMainWindow([item] { item->trigger(); });
            return;
        }
        WithModal([item] { item->trigger(); });
    }

    // Something done in a window that stays open beside the main window, when one is open.
    void PokeOpenWindow() {
        std::vector<QWidget*> open;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != &form_ && window->isVisible() && window->isWindow() &&
                !window->inherits("QMenu"))
                open.push_back(window);
        if (open.empty()) return MenuCommand();
        QWidget* window = open[Draw(0, static_cast<int>(open.size()) - 1)];
        windowsSeen_.insert(window->metaObject()->className());
        WithModal([this, window] { DialogEvent(*window); });
        Check();
    }

    // A player who means it: two names and six holes, through the dialogs, so that some
    // tournaments are played to their end.
    void ShortTournamentSetUp() {
        Note("set up a short tournament");
        WithModal([this] { form_.Players->trigger(); },
                  [this] {
                      TForm3& players = form_.Form3();
                      for (int slot : {Draw(1, 8), Draw(1, 8)}) {
                          players.Name[slot]->clear();
                          QTest::keyClicks(players.Name[slot], "Player");
                      }
                      QTest::mouseClick(players.Button1, Qt::LeftButton);
                  });
        WithModal([this] { form_.Courses->trigger(); },
                  [this] {
                      TForm4& courses = form_.Form4();
                      courses.RadioGroup1Items->button(kSixHoles)->click();
                      QTest::mouseClick(courses.Button1, Qt::LeftButton);
                  });
    }

    // Closing the main window: only between tournaments, or when the question is answered Yes.
    void CloseMainWindow(const std::function<void()>& close) {
        const bool inPlay = TournamentInPlay(game().playState);
        const Prompt::Answer answer = platform_.prompt.answer;
        close();
        if (!form_.isVisible()) {
            if (inPlay && answer != Prompt::Answer::Yes)
                Fail("the main window closed during a tournament without a Yes");
            // Carry on as if the game had been started again with the same state.
            form_.show();
            QApplication::setActiveWindow(&form_);
        } else if (!inPlay) {
            Fail("the main window refused to close between tournaments");
        }
    }

    // Runs `command`; a modal window it opens is used at random, or by `use`, from inside its
    // own loop, and closed.
    void WithModal(const std::function<void()>& command, std::function<void()> use = {}) {
        useModal_ = std::move(use);
        modalTimer_.start(0);
        command();
        modalTimer_.stop();
    }

    void InsideModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        windowsSeen_.insert(modal->metaObject()->className());
        int steps = Draw(1, 12);
        if (const auto use = std::exchange(useModal_, nullptr)) {
            use();
            steps = 0;
        }
        for (int step = 0; step < steps && modal->isVisible() && failure_.empty(); ++step) {
            DialogEvent(*modal);
            Check();
        }
        // Whatever is still open is closed as the close box would: modal loops must end.
        while (QWidget* open = QApplication::activeModalWidget()) {
            Note(std::string("close ") + open->metaObject()->className());
            open->close();
            if (open->isVisible()) open->hide();
        }
        if (modal == &form_.Form3() && form_.Form3().PlayersAccepted) totalsHold_ = false;
    }

    // One thing a user does inside a dialog.
    void DialogEvent(QWidget& dialog) {
        const QList<QAbstractButton*> buttons = dialog.findChildren<QAbstractButton*>();
        const QList<QLineEdit*> edits = dialog.findChildren<QLineEdit*>();
        const int kind = Draw(1, 100);
        if (kind <= 45 && !buttons.isEmpty()) {
            QAbstractButton* button = buttons[Draw(0, static_cast<int>(buttons.size()) - 1)];
            Note("click " + button->text().toStdString() + " in " +
                 dialog.metaObject()->className());
            if (button->isVisible() && button->isEnabled())
                QTest::mouseClick(button, Qt::LeftButton);
        } else if (kind <= 70 && !edits.isEmpty()) {
            QLineEdit* edit = edits[Draw(0, static_cast<int>(edits.size()) - 1)];
            const QString text = kTypedTexts[Draw(0, std::size(kTypedTexts) - 1)];
            Note("type '" + text.toStdString() + "' in " + dialog.metaObject()->className());
            if (Chance(50)) edit->clear();
            // One key per character; Qt's own key list knows only ASCII.
            for (char32_t c : text.toUcs4())
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                    Qt::NoModifier);
        } else if (kind <= 85) {
            const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space};
            const Qt::Key key = keys[Draw(0, 3)];
            Note("key " + QKeySequence(key).toString().toStdString() + " in " +
                 dialog.metaObject()->className());
            QTest::keyClick(&dialog, key);
        } else {
            Note("time passes in " + std::string(dialog.metaObject()->className()));
            PassTime();
        }
    }

    // Frames run while time passes, now one at a time, now with long gaps between wake-ups;
    // mostly the player waits for a rolling ball to stop.
    void PassTime() {
        const bool waitForRest = game().playState == PlayState::Rolling && Chance(80);
        // Between tournaments every frame paints the 99 balls of the attract over the whole
        // picture: a few of them show it working.
        const int wakeUps = waitForRest                           ? kStrokeFrameLimit
                            : game().playState == PlayState::Idle ? Draw(1, 4)
                                                                  : Draw(1, 40);
        for (int i = 0; i < wakeUps && failure_.empty(); ++i) {
            if (waitForRest && game().playState != PlayState::Rolling) break;
            // The spin before a turn catches up on missed frames: it often gets some.
            const int steady = game().playState == PlayState::TurnIntro ? 40 : 85;
            platform_.clock.ticks += Chance(steady) ? 20 : Draw(1, 400);
            if (game().playState == PlayState::TournamentOver) ++tournamentsFinished_;
            form_.AppIdle();
            Check();
        }
    }

    void Fail(const std::string& what) {
        if (!failure_.empty()) return;
        failure_ = what;
        failedAt_ = event_;
    }

    void Check() {
        if (!failure_.empty()) return;
        failure_ = BrokenInvariant();
        failedAt_ = event_;
    }

    // What is wrong with the tournament and the menus now; empty when all is well.
    std::string BrokenInvariant() {
        const int state = static_cast<int>(game().playState);
        if (state < 0 || state > 5) return "play state " + std::to_string(state);
        const Tournament& tournament = game().tournament;
        if (game().playState != PlayState::Idle) totalsHold_ = true;
        const bool tournamentStarted = totalsHold_;
        for (int p = 1; p <= kPlayerSlots; ++p) {
            const PlayerRecord& player = tournament.players[p];
            int strokes = 0, overPar = 0;
            for (int h = 1; h <= kHoleCount; ++h) {
                if (player.strokes[h] < 0 || player.strokes[h] > 9 || player.strokes[h] == 8)
                    return "player " + std::to_string(p) + " has " +
                           std::to_string(player.strokes[h]) + " strokes on hole " +
                           std::to_string(h);
                strokes += player.strokes[h];
                overPar += player.overPar[h];
            }
            // The players dialog clears the total but only holes 1..18, as described: the sums
            // hold from the start of a tournament until the next players dialog.
            if (!tournamentStarted) continue;
            if (player.totalStrokes != strokes)
                return "player " + std::to_string(p) + " totals " +
                       std::to_string(player.totalStrokes) + " strokes, the holes " +
                       std::to_string(strokes);
            if (player.totalOverPar != overPar)
                return "player " + std::to_string(p) + " totals " +
                       std::to_string(player.totalOverPar) + " over par, the holes " +
                       std::to_string(overPar);
        }
        if (TournamentInPlay(game().playState)) {
            const int current = tournament.currentPlayer;
            if (current < 1 || current > kPlayerSlots)
                return "the turn is with slot " + std::to_string(current);
            if (tournament.players[current].status != PlayerStatus::Playing)
                return "the current player " + std::to_string(current) + " is not playing";
            if (!IsHoleNumber(tournament.currentHole))
                return "the hole played is " + std::to_string(tournament.currentHole);
        }
        return BrokenMenus();
    }

    // The enabling table: a running tournament (until its closing frame) locks the settings.
    std::string BrokenMenus() {
        const bool running = game().playState != PlayState::Idle;
        struct Item {
            QAction* action;
            bool enabled;
        };
        // "&Start Tournament" is enabled between tournaments once players have been entered,
        // which is also when "&Scoreboard..." becomes enabled for good.
        const bool playersEntered = form_.Scoreboard->isEnabled();
        if (scoreboardSeen_ && !playersEntered) return "Scoreboard... was disabled again";
        scoreboardSeen_ = playersEntered;
        const Item items[] = {
            {form_.Start, !running && playersEntered},
            {form_.Stop, running},
            {form_.Players, !running},
            {form_.Courses, !running},
            {form_.Open, false},
            {form_.Save, false},
            {form_.SaveAs, false},
            {form_.Print, false},
            {form_.Music, true},
        };
        for (const Item& item : items)
            if (item.action->isEnabled() != item.enabled)
                return item.action->text().toStdString() +
                       (item.enabled ? " is disabled" : " is enabled");
        if (running && !playersEntered) return "a tournament runs without players";
        return {};
    }

    const std::uint32_t seed_;
    std::mt19937 random_;
    TestPlatform platform_{1000000};
    TForm1 form_{platform_.Seams()};
    int event_ = 0, failedAt_ = 0;
    std::string failure_;
    std::deque<std::string> recent_;
    bool scoreboardSeen_ = false;
    bool totalsHold_ = false;  ///< a tournament started since the players dialog's last OK
    bool startedSeen_ = false;
    int strokes_ = 0, tournaments_ = 0, tournamentsFinished_ = 0;
    QTimer modalTimer_;
    std::function<void()> useModal_;
    std::set<std::string> windowsSeen_;
};

TEST(UiSoak, RandomUseKeepsTheTournamentAndTheMenusSound) {
    UiSoak soak(SoakSeed());
    ASSERT_TRUE(soak.Run(kUserEvents)) << soak.Failure();
    // The run must have reached the game, not only bounced off its disabled menus.
    EXPECT_GT(soak.Strokes(), 50);
    EXPECT_GT(soak.Tournaments(), 2);
    EXPECT_GT(soak.TournamentsFinished(), 0);
    for (const char* window : {"TForm3", "TForm4", "TForm5"})
        EXPECT_EQ(soak.WindowsSeen().count(window), 1u) << window << " never opened";
}
}  // namespace
