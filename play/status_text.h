#pragma once

#include <string>

#include "play/tournament.h"

// The texts of the status bar panels.

inline constexpr int kPlayerPanel = 0;
inline constexpr int kFlagPanel = 1;
inline constexpr int kNamePanel = 2;
inline constexpr int kHolePanel = 3;
inline constexpr int kPromptPanel = 8;

inline constexpr const char* kSelectPlayersPrompt = "Select players and start!";
inline constexpr const char* kHitPrompt = "Hit the ball!";
inline constexpr const char* kBallInPlayPrompt = "Ball in play...";

/// "Hole 8 - Octagon".
std::string HoleText(int hole, const std::string& name);

/// The texts of panels 4 to 7 for `player` on `hole`: strokes and over-par on the hole and
/// in total, e.g. "hits: 3", "par: +1", "HITS: 12", "PAR: -2".
std::array<std::string, 4> ScorePanelTexts(const PlayerRecord& player, int hole);
