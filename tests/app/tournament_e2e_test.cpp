#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "app/main_window.h"
#include "app/status_bar.h"
#include "render/sprites.h"
#include "tests/app/test_platform.h"
#include "tests/play/stroke_finder.h"

namespace {
int Count(const std::vector<std::string>& sounds, const std::string& name) {
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), name));
}

TEST(TournamentEndToEnd, TwoPlayersPlaySixHolesWithTheMouse) {
    TestPlatform platform{5000000};
    HandClock& clock = platform.clock;
    RecordingSounds& sounds = platform.sounds;
    TForm1 form{platform.Seams()};
    platform.random.Seed(20261210);
    form.show();
    Game& game = form.GameState();
    Tournament& tournament = game.tournament;
    tournament.players[1] = {};
    tournament.players[1].name = "Ann";
    tournament.players[1].status = PlayerStatus::Playing;
    tournament.players[3].name = "Bob";
    tournament.players[3].status = PlayerStatus::Playing;
    tournament.holeCountMode = kSixHoles;
    form.Start->setEnabled(true);
    form.Start->trigger();
    ASSERT_EQ(game.playState, PlayState::Aiming);
    EXPECT_FALSE(form.Start->isEnabled());
    EXPECT_TRUE(form.Stop->isEnabled());
    EXPECT_FALSE(form.Players->isEnabled());
    EXPECT_FALSE(form.Courses->isEnabled());

    QWidget* client = form.ClientArea();
    int strokes = 0;
    for (int frame = 0; frame < 200000 && game.playState != PlayState::Idle; ++frame) {
        if (game.playState == PlayState::Aiming) {
            const AimPoint end = FindStroke(game);
            const QPoint press(static_cast<int>(game.ballOnScreen.screenX),
                               static_cast<int>(game.ballOnScreen.screenY) - 7);
            QTest::mousePress(client, Qt::LeftButton, {}, press);
            ASSERT_TRUE(game.dragging);
            QTest::mouseMove(client, QPoint(end.x, end.y));
            ASSERT_EQ(game.aimEndX, end.x);
            QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(end.x, end.y));
            ASSERT_EQ(game.playState, PlayState::Rolling);
            ASSERT_EQ(form.WindowSurface(), form.BackBuffer().copy(0, 0, 630, 385))
                << "the aim line left a trace";
            ++strokes;
            continue;
        }
        clock.ticks += 20;
        form.AppIdle();
    }
    ASSERT_EQ(game.playState, PlayState::Idle);

    for (int p : {1, 3}) {
        const PlayerRecord& player = tournament.players[p];
        int sum = 0, overPar = 0;
        for (int h = 1; h <= 6; ++h) {
            EXPECT_GE(player.strokes[h], 1) << p << " " << h;
            EXPECT_LE(player.strokes[h], 9) << p << " " << h;
            EXPECT_NE(player.strokes[h], 8);
            EXPECT_EQ(player.holeDone[h], 1);
            EXPECT_EQ(player.overPar[h], player.strokes[h] - game.course[h].par);
            sum += player.strokes[h];
            overPar += player.overPar[h];
        }
        EXPECT_EQ(player.totalStrokes, sum);
        EXPECT_EQ(player.totalOverPar, overPar);
        EXPECT_EQ(player.strokes[7], 0);
    }
    // Strokes of 9 include two that were never struck.
    const int struck = tournament.players[1].totalStrokes + tournament.players[3].totalStrokes -
                       2 * Count(sounds.played, "Laugh");
    EXPECT_EQ(strokes, struck);
    EXPECT_EQ(Count(sounds.played, "Hit"), strokes);
    EXPECT_EQ(Count(sounds.played, "Applause") + Count(sounds.played, "Clap") +
                  Count(sounds.played, "Laugh"),
              12);
    EXPECT_GT(Count(sounds.played, "Applause") + Count(sounds.played, "Clap"), 0);
    EXPECT_EQ(tournament.currentHole, 6);

    EXPECT_TRUE(form.Start->isEnabled());
    EXPECT_FALSE(form.Stop->isEnabled());
    EXPECT_TRUE(form.Players->isEnabled());
    EXPECT_TRUE(form.Courses->isEnabled());
    // The last turn's texts stay; the flag is gone and the picture is grass only.
    StatusBar* bar = form.StatusBar1();
    EXPECT_EQ(bar->PanelText(3).toStdString(), "Hole 6 - " + game.course[6].name);
    EXPECT_EQ(bar->PanelText(8), "Ball in play...");
    const QImage grass = MakeGrassTile();
    for (const QPoint& p : {QPoint(0, 0), QPoint(315, 200), QPoint(629, 384)})
        EXPECT_EQ(form.WindowSurface().pixel(p), grass.pixel(p.x() % 64, p.y() % 64));
    const QImage shown = bar->grab().toImage();
    const QRect flag = bar->PanelRect(1);
    EXPECT_EQ(shown.pixel(flag.left() + 5, flag.top() + 5), qRgb(0xC0, 0xC0, 0xC0));
}
}  // namespace
