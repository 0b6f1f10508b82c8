#include "play/status_text.h"

#include <gtest/gtest.h>

namespace {
TEST(StatusText, ScorePanelsSignOnlyPositiveFigures) {
    struct Case {
        int strokes, overPar, total, totalOverPar;
        std::array<std::string, 4> texts;
    };
    const Case cases[] = {
        {4, 2, 30, 5, {"hits: 4", "par: +2", "HITS: 30", "PAR: +5"}},
        {2, 0, 2, 0, {"hits: 2", "par: 0", "HITS: 2", "PAR: 0"}},
        {1, -1, 11, -3, {"hits: 1", "par: -1", "HITS: 11", "PAR: -3"}},
    };
    for (const Case& c : cases) {
        PlayerRecord player;
        player.strokes[8] = c.strokes;
        player.overPar[8] = c.overPar;
        player.totalStrokes = c.total;
        player.totalOverPar = c.totalOverPar;
        EXPECT_EQ(ScorePanelTexts(player, 8), c.texts);
    }
    EXPECT_EQ(HoleText(8, "Octagon"), "Hole 8 - Octagon");
}
}  // namespace
