#include "records/scoreboard_rows.h"

#include <gtest/gtest.h>

namespace {
/// Players in the given slots with the given totals.
Tournament WithTotals(const std::vector<std::pair<int, int>>& slotTotals) {
    Tournament tournament;
    for (const auto& [slot, total] : slotTotals) {
        tournament.players[slot].name = "P" + std::to_string(slot);
        tournament.players[slot].status = PlayerStatus::Playing;
        tournament.players[slot].totalStrokes = total;
    }
    return tournament;
}

std::vector<std::pair<int, int>> SlotsAndPlaces(const Tournament& tournament) {
    std::vector<std::pair<int, int>> rows;
    for (const ScoreboardRow& row : ScoreboardOrder(tournament))
        rows.push_back({row.slot, row.place});
    return rows;
}
}  // namespace

TEST(ScoreboardOrder, FewestStrokesFirstLowerSlotFirstOnEqualTotalsDensePlaces) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> slotTotals;
        std::vector<std::pair<int, int>> rows;  // slot, place
    };
    const Case cases[] = {
        {"just started", {{1, 0}, {2, 0}, {3, 0}}, {{1, 1}, {2, 1}, {3, 1}}},
        {"30, 30, 35 in slots 3, 1, 2", {{3, 30}, {1, 30}, {2, 35}}, {{1, 1}, {3, 1}, {2, 2}}},
        {"slots with gaps", {{7, 12}, {2, 15}, {5, 12}}, {{5, 1}, {7, 1}, {2, 2}}},
        {"all different", {{1, 40}, {2, 38}, {3, 41}, {4, 39}}, {{2, 1}, {4, 2}, {1, 3}, {3, 4}}},
        {"one player", {{8, 100}}, {{8, 1}}},
        {"nobody", {}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SlotsAndPlaces(WithTotals(c.slotTotals)), c.rows) << c.what;
}

TEST(ScoreboardOrder, FinishedPlayersStayAndAbsentSlotsAreLeftOut) {
    Tournament tournament = WithTotals({{1, 20}, {2, 18}});
    tournament.players[1].status = PlayerStatus::Finished;
    tournament.players[4].totalStrokes = 3;  // an old total in a slot without a player
    EXPECT_EQ(SlotsAndPlaces(tournament), (std::vector<std::pair<int, int>>{{2, 1}, {1, 2}}));
}
