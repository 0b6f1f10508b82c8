#include "play/status_text.h"

namespace {
// A positive figure carries a plus sign; zero and negative figures are written as they are.
std::string Signed(int value) {
    return (value > 0 ? "+" : "") + std::to_string(value);
}
}  // namespace

std::string HoleText(int hole, const std::string& name) {
    return "Hole " + std::to_string(hole) + " - " + name;
}

std::array<std::string, 4> ScorePanelTexts(const PlayerRecord& player, int hole) {
    const int strokes = IsHoleNumber(hole) ? player.strokes[hole] : 0;
    const int overPar = IsHoleNumber(hole) ? player.overPar[hole] : 0;
    return {"hits: " + std::to_string(strokes), "par: " + Signed(overPar),
            "HITS: " + std::to_string(player.totalStrokes), "PAR: " + Signed(player.totalOverPar)};
}
