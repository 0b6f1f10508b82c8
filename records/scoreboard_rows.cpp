#include "records/scoreboard_rows.h"

#include <array>

std::vector<ScoreboardRow> ScoreboardOrder(const Tournament& tournament) {
    const auto present = [&](int p) {
        return tournament.players[p].status != PlayerStatus::Absent;
    };
    int players = 0;
    for (int p = 1; p <= kPlayerSlots; ++p)
        if (present(p)) ++players;

    // Each pass picks the smallest total not yet picked; only a strictly smaller total
    // replaces the first one found, so equal totals keep their slot order.
    std::array<bool, kPlayerSlots + 1> picked{};
    std::vector<ScoreboardRow> rows;
    int place = 0;
    int previousTotal = -1;
    for (int pass = 1; pass <= players; ++pass) {
        int best = 0;
        for (int p = 1; p <= kPlayerSlots; ++p) {
            if (picked[p] || !present(p)) continue;
            if (best == 0 ||
                tournament.players[p].totalStrokes < tournament.players[best].totalStrokes)
                best = p;
        }
        picked[best] = true;
        const int total = tournament.players[best].totalStrokes;
        if (total > previousTotal) ++place;
        previousTotal = total;
        rows.push_back({best, place});
    }
    return rows;
}
