#include <gtest/gtest.h>

#include <QTest>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "tests/app/test_platform.h"
#include "tests/play/stroke_finder.h"

// One whole tournament for a fixed seed, played with the mouse through the real frame loop,
// pinned to its exact outcome: any change of behaviour (physics, turn order, random draws,
// the frame clock) changes some figure below.
namespace {
struct Drag {
    int dx, dy;
};
// The strokes of the players who do not search: a fixed cycle of drags, fine and strong.
constexpr Drag kDrags[] = {{-40, 25}, {60, -10}, {-15, -70}, {90, 45}, {-120, 0}, {30, 80}};

// A float's exact bits, so that positions are compared bit for bit.
std::uint32_t Bits(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

struct Outcome {
    std::vector<std::vector<int>> strokes;    // per player in slot order, holes as played
    std::string states;                       // the play state after each change, as digits
    std::vector<std::uint32_t> restingBalls;  // x, y bits of each rest on the third hole
    int frames = 0;
    std::vector<std::string> sounds;
};

Outcome PlayTournament() {
    TestPlatform platform{7000000};
    TForm1 form{platform.Seams()};
    platform.random.Seed(424242);
    form.show();
    Game& game = form.GameState();
    Tournament& tournament = game.tournament;
    const int seats[] = {2, 5, 7};
    for (int p : seats) {
        tournament.players[p].name = "P" + std::to_string(p);
        tournament.players[p].status = PlayerStatus::Playing;
    }
    tournament.holeCountMode = kTwelveHoles;
    tournament.holeOrder = kHoleRandom;
    tournament.playerOrder = kPlayerRandom;
    form.Start->setEnabled(true);
    form.Start->trigger();

    Outcome outcome;
    QWidget* client = form.ClientArea();
    PlayState last = game.playState;
    outcome.states += std::to_string(static_cast<int>(last));
    int drag = 0;
    std::vector<int> played;
    for (int frame = 0; frame < 400000 && game.playState != PlayState::Idle; ++frame) {
        if (game.playState != last) {
            last = game.playState;
            outcome.states += std::to_string(static_cast<int>(last));
        }
        if (game.playState == PlayState::Aiming) {
            const QPoint press(static_cast<int>(game.ballOnScreen.screenX),
                               static_cast<int>(game.ballOnScreen.screenY) - 7);
            QPoint release;
            Qt::MouseButton button = Qt::LeftButton;
            if (tournament.currentPlayer == 2) {
                const AimPoint end = FindStroke(game);
                release = QPoint(end.x, end.y);
            } else {
                const Drag d = kDrags[drag++ % std::size(kDrags)];
                release = press + QPoint(d.dx, d.dy);
                if (tournament.currentPlayer == 7) button = Qt::RightButton;
            }
            QTest::mousePress(client, button, {}, press);
            QTest::mouseMove(client, release);
            QTest::mouseRelease(client, button, {}, release);
            continue;
        }
        if (played.empty() || played.back() != tournament.currentHole)
            played.push_back(tournament.currentHole);
        const bool rolling = game.playState == PlayState::Rolling;
        platform.clock.ticks += 20;
        form.AppIdle();
        ++outcome.frames;
        // Where each ball of the third hole came to rest (it waits in its player's slot).
        if (rolling && game.playState == PlayState::TurnIntro && played.size() == 3) {
            const BallState& rested = tournament.playerBall[tournament.previousPlayer];
            outcome.restingBalls.push_back(Bits(rested.x));
            outcome.restingBalls.push_back(Bits(rested.y));
        }
    }
    if (game.playState != last) outcome.states += std::to_string(static_cast<int>(game.playState));
    for (int p : seats) {
        std::vector<int> row;
        for (int hole : played) row.push_back(tournament.players[p].strokes[hole]);
        row.push_back(tournament.players[p].totalStrokes);
        outcome.strokes.push_back(row);
    }
    std::vector<int> holes = played;
    outcome.strokes.push_back(holes);
    outcome.sounds = platform.sounds.played;
    return outcome;
}

TEST(GoldenTournament, AFixedSeedPlaysToTheSameOutcome) {
    const Outcome outcome = PlayTournament();
    // Holes in the order played, then per player those holes' strokes and the total: the
    // searching player holes out, the other two mostly reach the seventh stroke.
    const std::vector<std::vector<int>> strokes = {
        {1, 1, 1, 2, 1, 1, 1, 2, 1, 1, 1, 1, 14},
        {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 4, 9, 103},
        {4, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 103},
        {11, 2, 9, 5, 1, 10, 6, 4, 3, 8, 12, 7},
    };
    EXPECT_EQ(outcome.strokes, strokes);
    const std::vector<std::uint32_t> resting = {
        0xc36f5c41, 0x420de091, 0x43029a27, 0xc281272f, 0xc0cd3f37, 0x42616035, 0xc32e1e3c,
        0x4134fb2e, 0x415b777d, 0xc2873187, 0x431ae045, 0xc359f254, 0x4308d31b, 0xc35e3409,
        0xc34fcba5, 0xbf29ccca, 0x43763cb3, 0x433af973, 0xc324474d, 0xc2ff5d1b, 0x4335c70b,
        0x43392795, 0x42cc5bf1, 0xc33c19e9, 0x43063d63, 0x42d81cc4, 0xc3160000, 0x42c80000,
    };
    EXPECT_EQ(outcome.restingBalls, resting);
    EXPECT_EQ(outcome.frames, 60244);
    const std::string states =
        "124123412412412412412412412341241241241234124124124124124124124124124124124124124124"
        "123412412412412412412412412412412412412412412412412412412341241241241241241241241241"
        "241241241241241241234124124124124124124124124124124124124123412412412412412412412412"
        "412412412412412412412341241241241241241241241241241241241241241241241241241234124124"
        "124124124124124124124124124124123412412412412412412412412412412412412412412412412412"
        "341241241241241241241241241241241241241234124124124124124124123412412412412412341241"
        "241241241241241241241241241241241241250";
    EXPECT_EQ(outcome.states, states);
    std::map<std::string, int> sounds;
    for (const std::string& name : outcome.sounds) ++sounds[name];
    const std::map<std::string, int> expectedSounds = {
        {"Applause", 10}, {"Bounce", 1261}, {"Clap", 4}, {"Hit", 176}, {"Laugh", 22}, {"Uh", 26}};
    EXPECT_EQ(sounds, expectedSounds);
}
}  // namespace
