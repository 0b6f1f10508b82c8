#pragma once

#include <gtest/gtest.h>

#include "course/catalogue.h"
#include "play/play_loop.h"
#include "tests/play/fake_play_host.h"
#include "tests/play/fake_random.h"

/// A game on the fake host with a repeatable generator and a hand-driven clock.
class PlayFixture : public ::testing::Test {
protected:
    PlayFixture() {
        InitCourse(game_);
        loop_.StartClock(ticks_);
    }
    /// Players in the given slots, named "P<slot>", the first six holes in sequence.
    void Players(std::initializer_list<int> slots) {
        for (int p : slots) {
            game_.tournament.players[p].name = "P" + std::to_string(p);
            game_.tournament.players[p].status = PlayerStatus::Playing;
        }
        game_.tournament.holeCountMode = kSixHoles;
    }
    /// Lets `periods` frame periods pass and wakes the loop once.
    void Frame(int periods = 1) {
        ticks_ += 20 * periods;
        loop_.AppIdle(ticks_);
    }
    void RunIntro() {
        for (int i = 0; i < 200 && game_.playState == PlayState::TurnIntro; ++i) Frame();
    }
    /// Presses, drags by (dx, dy) from the ball and releases with the left button.
    void Strike(int dx, int dy) {
        const int x = static_cast<int>(game_.ballOnScreen.screenX);
        const int y = static_cast<int>(game_.ballOnScreen.screenY) - 7;
        loop_.MouseDown(MouseButton::Left, x, y);
        loop_.MouseMove(x + dx, y + dy);
        loop_.MouseUp(x + dx, y + dy);
    }
    PlayerRecord& Player(int p) { return game_.tournament.players[p]; }

    const Course course = BuildCourse();

    Game game_{course};
    FakePlayHost host_;
    ScriptedRandom random_;
    PlayLoop loop_{game_, host_, random_};
    std::int64_t ticks_ = 100000;
};
