#include <gtest/gtest.h>

#include "tests/play/play_fixture.h"

namespace {
using ScoreboardRequests = PlayFixture;

// The scoreboard keeps nothing of its own, so it shows the tournament only as fresh as the
// last request: one at the start, after each stroke, at each turn and hole, and at the end.
TEST_F(ScoreboardRequests, PlayAsksForARepaintWheneverTheCardsChange) {
    Players({1, 2});
    game_.tournament.holeCountMode = kSelectedHoles;
    game_.tournament.holeSelected[1] = 1;
    loop_.StartTournamentPlay();
    EXPECT_EQ(host_.scoreboardRepaints, 2);  // the first turn and the start itself

    Strike(0, 40);
    EXPECT_EQ(game_.playState, PlayState::Rolling);
    EXPECT_EQ(host_.scoreboardRepaints, 3);

    // Slot 1's ball stops: the turn passes to slot 2.
    game_.ball.vx = game_.ball.vy = 0.0f;
    Frame();
    ASSERT_EQ(game_.tournament.currentPlayer, 2);
    EXPECT_EQ(host_.scoreboardRepaints, 4);

    // Both have finished the only hole: the next hole is looked for and none is left.
    Player(1).status = PlayerStatus::Finished;
    Player(2).status = PlayerStatus::Finished;
    loop_.NextTurn();
    ASSERT_EQ(game_.playState, PlayState::TournamentOver);
    EXPECT_EQ(host_.scoreboardRepaints, 5);

    Frame();  // the closing frame
    EXPECT_EQ(game_.playState, PlayState::Idle);
    EXPECT_EQ(host_.scoreboardRepaints, 6);
}
}  // namespace
