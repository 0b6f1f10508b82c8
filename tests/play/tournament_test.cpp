#include "play/tournament.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "course/catalogue.h"
#include "tests/play/fake_random.h"

namespace {
class TournamentTest : public ::testing::Test {
protected:
    void SetPlayers(std::initializer_list<int> slots) {
        for (int p = 1; p <= kPlayerSlots; ++p) t_.players[p].status = PlayerStatus::Absent;
        for (int p : slots) {
            t_.players[p].status = PlayerStatus::Playing;
            t_.players[p].name = "P" + std::to_string(p);
        }
    }
    std::vector<int> PlayAllHoles() {
        StartTournament(t_);
        std::vector<int> holes;
        while (ChooseNextHole(t_, random_)) {
            holes.push_back(t_.currentHole);
            if (holes.size() > 40) break;
        }
        return holes;
    }
    std::vector<int> TurnOrder() const {
        std::vector<int> order;
        for (int i = 1; i <= kPlayerSlots; ++i) order.push_back(t_.turnOrder[i]);
        return order;
    }

    Course course_ = BuildCourse();
    Tournament t_;
    ScriptedRandom random_;
};

TEST_F(TournamentTest, HoleOrderOfEachModeAndOrder) {
    struct Case {
        int mode, order;
        std::vector<int> selected, expected;
    };
    const Case cases[] = {
        {kSixHoles, kHoleSequence, {}, {1, 2, 3, 4, 5, 6}},
        {kSixHoles, kHoleBackward, {}, {6, 5, 4, 3, 2, 1}},
        {kTwelveHoles, kHoleBackward, {}, {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}},
        {kSelectedHoles, kHoleSequence, {3, 17, 30}, {3, 17, 30}},
        {kSelectedHoles, kHoleBackward, {3, 17, 30}, {30, 17, 3}},
        {kSelectedHoles, kHoleSequence, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.mode << " order " << c.order);
        t_.holeCountMode = c.mode;
        t_.holeOrder = c.order;
        t_.holeSelected.fill(0);
        for (int h : c.selected) t_.holeSelected[h] = 1;
        EXPECT_EQ(PlayAllHoles(), c.expected);
        // When it is over, the last hole played stays current.
        EXPECT_EQ(t_.currentHole, c.expected.empty() ? 0 : c.expected.back());
    }
}

TEST_F(TournamentTest, RandomOrderPlaysEveryHoleOnce) {
    t_.holeOrder = kHoleRandom;
    for (int mode : {kEighteenHoles, kAllHoles}) {
        t_.holeCountMode = mode;
        const std::vector<int> holes = PlayAllHoles();
        const int n = mode == kAllHoles ? 36 : 18;
        ASSERT_EQ(static_cast<int>(holes.size()), n);
        const std::set<int> distinct(holes.begin(), holes.end());
        EXPECT_EQ(static_cast<int>(distinct.size()), n);
        EXPECT_EQ(*distinct.begin(), 1);
        EXPECT_EQ(*distinct.rbegin(), n);
    }
    t_.holeCountMode = kSelectedHoles;
    for (int h : {3, 17, 30}) t_.holeSelected[h] = 1;
    const std::vector<int> holes = PlayAllHoles();
    EXPECT_EQ(std::set<int>(holes.begin(), holes.end()), (std::set<int>{3, 17, 30}));
}

TEST_F(TournamentTest, StartClearsScoresButKeepsPlayers) {
    SetPlayers({1, 3});
    t_.players[1].strokes[4] = 5;
    t_.players[1].totalStrokes = 5;
    t_.players[1].overPar[4] = 2;
    t_.players[1].totalOverPar = 2;
    t_.players[1].holeDone[4] = 1;
    t_.players[1].seriesEntered[2] = 1;
    t_.holePlayed[4] = 1;
    t_.currentHole = 4;
    t_.currentPlayer = 1;
    StartTournament(t_);
    EXPECT_EQ(t_.players[1].strokes[4], 0);
    EXPECT_EQ(t_.players[1].totalStrokes, 0);
    EXPECT_EQ(t_.players[1].overPar[4], 0);
    EXPECT_EQ(t_.players[1].totalOverPar, 0);
    EXPECT_EQ(t_.players[1].holeDone[4], 0);
    EXPECT_EQ(t_.players[1].seriesEntered[2], 0);
    EXPECT_EQ(t_.holePlayed[4], 0);
    EXPECT_EQ(t_.currentHole, 0);
    EXPECT_EQ(t_.currentPlayer, 0);
    EXPECT_EQ(t_.players[1].name, "P1");
    EXPECT_EQ(t_.players[3].status, PlayerStatus::Playing);
    EXPECT_EQ(t_.players[2].status, PlayerStatus::Absent);
}

TEST_F(TournamentTest, StrokesCountAgainstParAndSevenMissesScoreNine) {
    SetPlayers({1});
    StartTournament(t_);
    t_.currentHole = 1;
    t_.currentPlayer = 1;
    const int par = course_[1].par;
    t_.players[1].strokes[2] = 4;  // an earlier hole, counted in the totals
    t_.players[1].totalStrokes = 4;
    RecomputeOverPar(t_, course_, 1, 2);
    for (int stroke = 1; stroke <= 7; ++stroke) {
        RecordStroke(t_, course_);
        EXPECT_EQ(t_.players[1].overPar[1], stroke - par);
        if (stroke < 7) {
            EXPECT_FALSE(ApplyStrokeLimit(t_, course_));
        }
    }
    EXPECT_TRUE(ApplyStrokeLimit(t_, course_));
    const PlayerRecord& p = t_.players[1];
    EXPECT_EQ(p.strokes[1], 9);
    EXPECT_EQ(p.totalStrokes, 13);
    EXPECT_EQ(p.overPar[1], 9 - par);
    EXPECT_EQ(p.totalOverPar, 9 - par + 4 - course_[2].par);
    EXPECT_EQ(p.overPar[5], 0);                   // unplayed
    EXPECT_FALSE(ApplyStrokeLimit(t_, course_));  // never applies twice
}

TEST_F(TournamentTest, SequenceOrderSkipsAbsentSlots) {
    SetPlayers({2, 5, 7});
    BuildTurnOrder(t_, random_);
    EXPECT_EQ(TurnOrder(), (std::vector<int>{2, 5, 7, -1, -1, -1, -1, -1}));
    EXPECT_EQ(t_.turnOrder[9], 0);
}

TEST_F(TournamentTest, LastFirstPutsMostStrokesFirstLowerSlotOnTies) {
    SetPlayers({1, 2, 4});
    t_.players[1].totalStrokes = 12;
    t_.players[2].totalStrokes = 15;
    t_.players[4].totalStrokes = 15;
    t_.playerOrder = kLastFirst;
    t_.currentPlayer = 0;
    std::vector<int> turns;
    for (int i = 0; i < 4; ++i) turns.push_back(ChooseNextPlayer(t_, random_));
    EXPECT_EQ(turns, (std::vector<int>{2, 4, 1, 2}));
}

TEST_F(TournamentTest, RandomOrderFillsDrawnPositionsAndKeepsGaps) {
    SetPlayers({1, 3});
    t_.playerOrder = kPlayerRandom;
    // Slot 1 draws position 6; slot 3 draws 6 again (taken), then 2.
    ScriptedRandom random({5, 5, 1});
    BuildTurnOrder(t_, random);
    EXPECT_EQ(TurnOrder(), (std::vector<int>{-1, 3, -1, -1, -1, 1, -1, -1}));
    t_.currentPlayer = 3;  // the order is built; now walk it
    EXPECT_EQ(ChooseNextPlayer(t_, random), 3);
    EXPECT_EQ(ChooseNextPlayer(t_, random), 1);
    EXPECT_EQ(ChooseNextPlayer(t_, random), 3);
}

TEST_F(TournamentTest, TurnsAlternateUntilOnlyOneIsLeftThenTheHoleEnds) {
    SetPlayers({1, 2});
    t_.currentPlayer = 0;
    EXPECT_EQ(ChooseNextPlayer(t_, random_), 1);
    EXPECT_EQ(t_.previousPlayer, 0);
    EXPECT_EQ(ChooseNextPlayer(t_, random_), 2);
    EXPECT_EQ(t_.previousPlayer, 1);
    EXPECT_EQ(ChooseNextPlayer(t_, random_), 1);
    t_.players[1].status = PlayerStatus::Finished;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(ChooseNextPlayer(t_, random_), 2);
    t_.players[2].status = PlayerStatus::Finished;
    EXPECT_EQ(ChooseNextPlayer(t_, random_), 0);
    EXPECT_EQ(t_.currentPlayer, 0);
}
}  // namespace
