#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The web score code: the best 36-hole result as 44 scrambled digits that the player pastes
// into the score-list page. The game encodes; the score-list server decodes with the same
// functions, so every code the game makes is readable there.

inline constexpr int kScoreCodeLength = 44;

/// The strokes of holes 1..36 (index 0 is hole 1), each 1..9.
using SeriesStrokes = std::array<int, 36>;

/// The 44-digit text before scrambling: the 36 counts, the total as "0", one more "0"
/// below 100 and the number, then the check number padded with zeros to 4 digits.
/// Every count must be 1..9 (std::invalid_argument otherwise).
std::string PlainScoreText(const SeriesStrokes& strokes);

/// The check number: the sum of hole number times strokes, plus the total.
int ScoreCheckNumber(const SeriesStrokes& strokes);

/// The plain text with the digit at position p (1-based) raised by p, modulo 10.
std::string ShiftScoreText(std::string_view plain);

/// Scrambles any 44-digit plain text: shifted, then read in the order of the transposition
/// (std::invalid_argument for anything but 44 digits).
std::string ScrambleScoreText(std::string_view plain);

/// The 44-digit score code of a 36-hole result.
std::string EncodeScoreCode(const SeriesStrokes& strokes);

struct DecodedScore {
    SeriesStrokes strokes{};
    int total = 0;
    int check = 0;
};

/// The score of a code, or the reason it is refused (`error` empty when `score` is set).
struct ScoreCodeResult {
    std::optional<DecodedScore> score;
    std::string error;
};

/// Reads a score code back: undoes the transposition and the shift, then checks the digits,
/// the hole counts, the total and the check number. Any text is safe to pass.
ScoreCodeResult DecodeScoreCode(std::string_view code);
