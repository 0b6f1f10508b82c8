#include <gtest/gtest.h>

#include "tests/play/play_fixture.h"

namespace {
using Progression = PlayFixture;

TEST_F(Progression, StartBeginsTheFirstTurnWithoutSpin) {
    Players({1, 2});
    random_ = ScriptedRandom({0, 0, 45});  // intro length, spin direction, first view
    loop_.StartTournamentPlay();
    EXPECT_EQ(game_.playState, PlayState::Aiming);
    EXPECT_FLOAT_EQ(game_.view.spin, 45.0f);
    EXPECT_EQ(game_.tournament.currentHole, 1);
    EXPECT_EQ(game_.tournament.currentPlayer, 1);
    EXPECT_TRUE(host_.menusRunning);
    EXPECT_EQ(host_.panels[0], "1");
    EXPECT_EQ(host_.panels[2], "P1");
    EXPECT_EQ(host_.panels[3], "Hole 1 - Basic");
    EXPECT_EQ(host_.panels[4], "hits: 0");
    EXPECT_EQ(host_.panels[5], "par: -2");
    EXPECT_EQ(host_.panels[8], "Hit the ball!");
    EXPECT_FLOAT_EQ(game_.ball.x, -250.0f);  // on the tee
    EXPECT_EQ(host_.saves, 1);
    EXPECT_EQ(host_.balls, 1);
    EXPECT_GE(host_.framesPresented, 1);
}

TEST_F(Progression, TurnPassesWithASpinAndEachBallWaitsWhereItStopped) {
    Players({1, 2});
    loop_.StartTournamentPlay();
    game_.playState = PlayState::Rolling;
    game_.ball.x = -100.0f;  // player 1's ball comes to rest here
    game_.ball.vx = game_.ball.vy = 0.0f;
    Player(1).strokes[1] = 1;
    Frame();
    EXPECT_EQ(game_.playState, PlayState::TurnIntro);
    EXPECT_EQ(game_.tournament.currentPlayer, 2);
    EXPECT_GE(game_.introLength, 10);
    EXPECT_LE(game_.introLength, 90);
    EXPECT_EQ(std::abs(game_.introSpinStep), 2.0f);
    EXPECT_FLOAT_EQ(game_.ball.x, -250.0f);  // player 2 starts on the tee
    EXPECT_FLOAT_EQ(game_.tournament.playerBall[1].x, -100.0f);
    EXPECT_EQ(host_.panels[0], "2");
    EXPECT_EQ(host_.panels[2], "P2");
    RunIntro();
    EXPECT_EQ(game_.playState, PlayState::Aiming);
}

TEST_F(Progression, SeventhMissScoresNineWithALaughAndPassesTheTurn) {
    Players({1, 2});
    loop_.StartTournamentPlay();
    Player(1).strokes[1] = 7;
    Player(1).totalStrokes = 7;
    game_.playState = PlayState::Rolling;
    Frame();
    EXPECT_EQ(Player(1).strokes[1], 9);
    EXPECT_EQ(Player(1).totalStrokes, 9);
    EXPECT_EQ(Player(1).overPar[1], 7);
    EXPECT_EQ(Player(1).status, PlayerStatus::Finished);
    EXPECT_EQ(Player(1).holeDone[1], 1);
    EXPECT_EQ(host_.sounds.back(), "Laugh");
    EXPECT_EQ(host_.records, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(game_.tournament.currentPlayer, 2);
}

TEST_F(Progression, DropTakesNineteenFramesThenTheTurnPasses) {
    Players({1, 2});
    loop_.StartTournamentPlay();
    Player(1).strokes[1] = 1;  // under par 2
    game_.playState = PlayState::Sinking;
    host_.rects.clear();
    int frames = 0;
    while (game_.playState == PlayState::Sinking && frames < 50) {
        Frame();
        ++frames;
        if (game_.playState == PlayState::Sinking) {
            EXPECT_FALSE(host_.lastBallShadow);
        }
    }
    EXPECT_EQ(frames, 19);
    EXPECT_EQ(host_.sounds.back(), "Applause");
    EXPECT_EQ(game_.sinkFrame, -1);
    ASSERT_EQ(host_.rects.size(), 38u);
    EXPECT_EQ(host_.rects[0].height, 19);
    EXPECT_EQ(host_.rects[37].height, 1);
    // The lower edge of the refreshed area stays on one row.
    EXPECT_EQ(host_.rects[1].y + host_.rects[1].height, host_.rects[37].y + host_.rects[37].height);
    ASSERT_EQ(host_.rims.size(), 19u);  // the cup's front rim over the ball, every frame
    EXPECT_EQ(host_.rims[0], (FakePlayHost::Point{game_.scene.cupScreenX, game_.scene.cupScreenY}));
    EXPECT_EQ(Player(1).status, PlayerStatus::Finished);
    EXPECT_EQ(game_.tournament.currentPlayer, 2);
    EXPECT_EQ(game_.playState, PlayState::TurnIntro);
}

TEST_F(Progression, DropAtParOrWorseGetsAClap) {
    Players({1});
    loop_.StartTournamentPlay();
    Player(1).strokes[1] = 2;
    game_.playState = PlayState::Sinking;
    Frame();
    EXPECT_EQ(host_.sounds.back(), "Clap");
}

TEST_F(Progression, LastDropEndsTheTournamentAndTheNextFrameShowsGrass) {
    Players({1});
    game_.tournament.holeCountMode = kSelectedHoles;
    game_.tournament.holeSelected[1] = 1;
    loop_.StartTournamentPlay();
    Player(1).strokes[1] = 3;
    game_.playState = PlayState::Sinking;
    for (int i = 0; i < 19; ++i) Frame();
    EXPECT_EQ(game_.playState, PlayState::TournamentOver);
    EXPECT_EQ(game_.tournament.currentHole, 1);
    Frame();
    EXPECT_EQ(game_.playState, PlayState::Idle);
    EXPECT_FALSE(host_.menusRunning);
    EXPECT_EQ(host_.grassOnly, 1);
    EXPECT_EQ(host_.panels[3], "Hole 1 - Basic");  // the last turn's texts stay
}

TEST_F(Progression, ConfirmedStopEmptiesThePanelsAndEndsADropOrDrag) {
    Players({1});
    loop_.StartTournamentPlay();
    loop_.MouseDown(MouseButton::Right, static_cast<int>(game_.ballOnScreen.screenX),
                    static_cast<int>(game_.ballOnScreen.screenY));
    game_.sinkFrame = 7;
    loop_.StopTournamentPlay();
    EXPECT_EQ(game_.playState, PlayState::Idle);
    EXPECT_EQ(game_.sinkFrame, -1);
    EXPECT_FALSE(game_.dragging);
    EXPECT_EQ(host_.inverted.size(), 2u);  // the aim line drawn and taken away again
    EXPECT_FALSE(host_.menusRunning);
    for (int panel = 0; panel <= 7; ++panel) EXPECT_EQ(host_.panels[panel], "") << panel;
    EXPECT_EQ(host_.panels[8], "Select players and start!");
    loop_.MouseUp(0, 0);  // the button comes up after the stop
    EXPECT_EQ(game_.playState, PlayState::Idle);
    EXPECT_EQ(Player(1).strokes[1], 0);
}

TEST_F(Progression, CupTestAfterARestLooksAtTheNextPlayersBall) {
    Players({1, 2});
    loop_.StartTournamentPlay();
    BallState& waiting = game_.tournament.playerBall[2];
    waiting.x = game_.solid.cupX + 3;  // came to rest on the cup's edge on an earlier turn
    waiting.y = game_.solid.cupY;
    waiting.vx = waiting.vy = 0.0f;
    game_.playState = PlayState::Rolling;  // player 1's ball lies still on the tee
    Frame();
    EXPECT_EQ(game_.tournament.currentPlayer, 2);
    EXPECT_EQ(game_.playState, PlayState::Sinking);
}

TEST_F(Progression, LastRestOfTheTournamentIsNotTakenForADrop) {
    Players({1});
    game_.tournament.holeCountMode = kSelectedHoles;
    game_.tournament.holeSelected[1] = 1;
    loop_.StartTournamentPlay();
    Player(1).strokes[1] = 7;
    game_.ball.x = game_.solid.cupX + 3;  // the seventh stroke stops on the cup's edge
    game_.ball.y = game_.solid.cupY;
    game_.playState = PlayState::Rolling;
    Frame();
    EXPECT_EQ(game_.playState, PlayState::TournamentOver);
    Frame();
    EXPECT_EQ(game_.playState, PlayState::Idle);
    EXPECT_EQ(Player(1).strokes[1], 9);
    EXPECT_EQ(host_.records.size(), 1u);
}

TEST_F(Progression, NothingToPlayClosesTheTournamentAtOnce) {
    Players({1});
    game_.tournament.holeCountMode = kSelectedHoles;  // and no hole selected
    loop_.StartTournamentPlay();
    EXPECT_EQ(game_.playState, PlayState::TournamentOver);
    Frame();
    EXPECT_EQ(game_.playState, PlayState::Idle);
}
}  // namespace
