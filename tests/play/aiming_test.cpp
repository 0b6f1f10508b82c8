#include <gtest/gtest.h>

#include <cmath>

#include "tests/play/play_fixture.h"

namespace {
class Aiming : public PlayFixture {
protected:
    void SetUp() override {
        Players({1});
        loop_.StartTournamentPlay();
        ASSERT_EQ(game_.playState, PlayState::Aiming);
        bx_ = game_.ballOnScreen.screenX;
        by_ = game_.ballOnScreen.screenY;
    }
    // The aim lines drawn minus those erased: every line is inverted twice when gone.
    bool AllLinesErased() const { return host_.inverted.size() % 2 == 0; }

    float bx_ = 0, by_ = 0;
};

TEST_F(Aiming, PressBoxIsOpenOnAllSides) {
    struct Case {
        float dx, dy;
        bool starts;
    };
    const Case cases[] = {
        {0, 0, true},    {14, -24, true}, {-14, 9, true}, {15, 0, false},
        {-15, 0, false}, {0, -25, false}, {0, 10, false}, {14.5f, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dx << "," << c.dy);
        // Place the ball so that the press point is a whole pixel.
        game_.ballOnScreen.screenX = 200.0f - c.dx;
        game_.ballOnScreen.screenY = 200.0f - c.dy;
        loop_.MouseDown(MouseButton::Left, 200, 200);
        EXPECT_EQ(game_.dragging, c.starts);
        if (game_.dragging) loop_.MouseUp(200, 200);
        game_.playState = PlayState::Aiming;
    }
}

TEST_F(Aiming, LeftLineStopsAt250AndRightLineAt50) {
    const int x = static_cast<int>(bx_), y = static_cast<int>(by_);
    loop_.MouseDown(MouseButton::Left, x, y);
    EXPECT_EQ(game_.aimMode, 1);
    EXPECT_EQ(game_.aimStartX, static_cast<int>(bx_));
    EXPECT_EQ(game_.aimStartY, static_cast<int>(by_ - 7));
    loop_.MouseMove(game_.aimStartX + 400, game_.aimStartY);
    EXPECT_EQ(game_.aimEndX, game_.aimStartX + 250);
    EXPECT_EQ(game_.aimEndY, game_.aimStartY);
    EXPECT_EQ(host_.inverted.back().width, 1);
    loop_.MouseUp(0, 0);
    EXPECT_TRUE(AllLinesErased());

    game_.playState = PlayState::Aiming;
    game_.ballOnScreen.screenX = bx_;
    game_.ballOnScreen.screenY = by_;
    loop_.MouseDown(MouseButton::Right, x, y);
    EXPECT_EQ(game_.aimMode, 2);
    for (const auto& [dx, dy] : {std::pair{-300, -170}, {90, 10}, {-3, 400}, {60, -60}}) {
        loop_.MouseMove(game_.aimStartX + dx, game_.aimStartY + dy);
        EXPECT_LE(std::hypot(game_.aimEndX - game_.aimStartX, game_.aimEndY - game_.aimStartY),
                  50.0);
        EXPECT_EQ(host_.inverted.back().width, 3);
    }
    loop_.MouseUp(0, 0);
    EXPECT_TRUE(AllLinesErased());
}

TEST_F(Aiming, ReleaseStrikesCountsAndShowsTheScore) {
    const int x = static_cast<int>(bx_), y = static_cast<int>(by_);
    game_.stroke.wallHits = 7;
    game_.stroke.uhPlayed = true;
    loop_.MouseDown(MouseButton::Left, x, y);
    loop_.MouseMove(x - 40, y);
    loop_.MouseUp(x - 40, y);
    EXPECT_EQ(game_.playState, PlayState::Rolling);
    EXPECT_FALSE(game_.dragging);
    EXPECT_EQ(game_.stroke.wallHits, 0);
    EXPECT_FALSE(game_.stroke.uhPlayed);
    EXPECT_NE(std::hypot(game_.ball.vx, game_.ball.vy), 0.0f);
    EXPECT_EQ(Player(1).strokes[1], 1);
    EXPECT_EQ(host_.sounds.back(), "Hit");
    EXPECT_EQ(host_.panels[4], "hits: 1");
    EXPECT_EQ(host_.panels[5], "par: -1");
    EXPECT_EQ(host_.panels[6], "HITS: 1");
    EXPECT_EQ(host_.panels[7], "PAR: -1");
    EXPECT_EQ(host_.panels[8], "Ball in play...");
    EXPECT_TRUE(AllLinesErased());
}

TEST_F(Aiming, PressWithoutMovingStillCountsAStroke) {
    loop_.MouseDown(MouseButton::Left, static_cast<int>(bx_), static_cast<int>(by_));
    loop_.MouseUp(static_cast<int>(bx_), static_cast<int>(by_));
    EXPECT_EQ(Player(1).strokes[1], 1);
    EXPECT_EQ(game_.playState, PlayState::Rolling);
}

TEST_F(Aiming, IgnoresMiddleButtonAndPressesOutsideAiming) {
    const int x = static_cast<int>(bx_), y = static_cast<int>(by_);
    loop_.MouseDown(MouseButton::Middle, x, y);
    EXPECT_FALSE(game_.dragging);
    for (PlayState state : {PlayState::Rolling, PlayState::TurnIntro, PlayState::Sinking,
                            PlayState::Idle, PlayState::TournamentOver}) {
        game_.playState = state;
        loop_.MouseDown(MouseButton::Left, x, y);
        loop_.MouseMove(x + 30, y);
        loop_.MouseUp(x + 30, y);
        EXPECT_FALSE(game_.dragging);
        EXPECT_EQ(game_.playState, state);
    }
    EXPECT_TRUE(host_.inverted.empty());
    EXPECT_EQ(Player(1).strokes[1], 0);
}
}  // namespace
