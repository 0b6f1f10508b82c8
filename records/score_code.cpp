#include "records/score_code.h"

#include <stdexcept>

namespace {
constexpr int kHoles = 36;
constexpr int kTotalAt = 36;  // 0-based start of the total's four digits
constexpr int kCheckAt = 40;  // 0-based start of the check number's four digits

// The transposition is a walk over the 44 positions: it starts at position kWalkStart
// (0-based) and moves on by kWalkStride each step. The stride has no factor in common with
// 44, so the walk meets every position once. Changing either number breaks every code
// already handed out.
constexpr int kWalkStart = 7;
constexpr int kWalkStride = 17;
static_assert(kWalkStride % 2 != 0 && kWalkStride % 11 != 0, "the walk must visit all 44");

int NextInWalk(int position) {
    return (position + kWalkStride) % kScoreCodeLength;
}

int DigitAt(std::string_view text, int position) {
    return text[static_cast<size_t>(position)] - '0';
}

int NumberAt(std::string_view text, int position) {
    int number = 0;
    for (int i = position; i < position + 4; ++i) number = number * 10 + DigitAt(text, i);
    return number;
}

/// Undoes the transposition: code digit j came from the j-th position of the walk.
std::string ReverseWalk(std::string_view code) {
    std::string shifted(kScoreCodeLength, '0');
    int position = kWalkStart;
    for (char digit : code) {
        shifted[static_cast<size_t>(position)] = digit;
        position = NextInWalk(position);
    }
    return shifted;
}

/// Undoes the shift: the digit at 1-based position p was raised by p modulo 10.
std::string Unshift(std::string_view shifted) {
    std::string plain(shifted);
    for (int p = 1; p <= kScoreCodeLength; ++p) {
        const int digit = DigitAt(shifted, p - 1);
        plain[static_cast<size_t>(p - 1)] = static_cast<char>('0' + (digit + 10 - p % 10) % 10);
    }
    return plain;
}

ScoreCodeResult Refuse(std::string reason) {
    return {std::nullopt, std::move(reason)};
}

/// The first character that is not an ASCII digit, 1-based; 0 when there is none.
size_t FirstNonDigit(std::string_view code) {
    for (size_t i = 0; i < code.size(); ++i)
        if (code[i] < '0' || code[i] > '9') return i + 1;
    return 0;
}
}  // namespace

int ScoreCheckNumber(const SeriesStrokes& strokes) {
    int weighted = 0;
    int total = 0;
    for (int k = 1; k <= kHoles; ++k) {
        weighted += k * strokes[static_cast<size_t>(k - 1)];
        total += strokes[static_cast<size_t>(k - 1)];
    }
    return weighted + total;
}

std::string PlainScoreText(const SeriesStrokes& strokes) {
    std::string plain;
    int total = 0;
    for (int k = 1; k <= kHoles; ++k) {
        const int count = strokes[static_cast<size_t>(k - 1)];
        if (count < 1 || count > 9)
            throw std::invalid_argument("hole " + std::to_string(k) + " has " +
                                        std::to_string(count) + " strokes; a hole counts 1..9");
        plain += std::to_string(count);
        total += count;
    }
    plain += '0';
    if (total < 100) plain += '0';
    plain += std::to_string(total);
    const int check = ScoreCheckNumber(strokes);
    if (check < 1000) plain += '0';
    if (check < 100) plain += '0';
    plain += std::to_string(check);
    return plain;
}

std::string ShiftScoreText(std::string_view plain) {
    std::string shifted(plain);
    for (size_t i = 0; i < plain.size(); ++i) {
        const int position = static_cast<int>(i) + 1;
        shifted[i] = static_cast<char>('0' + (DigitAt(plain, static_cast<int>(i)) + position) % 10);
    }
    return shifted;
}

std::string ScrambleScoreText(std::string_view plain) {
    if (plain.size() != kScoreCodeLength || FirstNonDigit(plain) != 0)
        throw std::invalid_argument("a plain score text has 44 digits");
    const std::string shifted = ShiftScoreText(plain);
    std::string code;
    int position = kWalkStart;
    for (int step = 0; step < kScoreCodeLength; ++step) {
        code += shifted[static_cast<size_t>(position)];
        position = NextInWalk(position);
    }
    return code;
}

std::string EncodeScoreCode(const SeriesStrokes& strokes) {
    return ScrambleScoreText(PlainScoreText(strokes));
}

ScoreCodeResult DecodeScoreCode(std::string_view code) {
    if (code.empty()) return Refuse("the score code is empty");
    if (const size_t bad = FirstNonDigit(code); bad != 0)
        return Refuse("character " + std::to_string(bad) +
                      " of the score code is not a digit 0..9");
    if (code.size() != kScoreCodeLength)
        return Refuse("a score code has 44 digits, this one has " + std::to_string(code.size()));

    const std::string plain = Unshift(ReverseWalk(code));
    DecodedScore score;
    int sum = 0;
    for (int k = 1; k <= kHoles; ++k) {
        const int count = DigitAt(plain, k - 1);
        if (count == 0)
            return Refuse("hole " + std::to_string(k) + " has 0 strokes; a hole counts 1..9");
        score.strokes[static_cast<size_t>(k - 1)] = count;
        sum += count;
    }
    // The total is written "0", "0" again below 100, then the number: always 4 digits for a
    // total of 10 or more, and its first digit is always 0.
    score.total = NumberAt(plain, kTotalAt);
    if (DigitAt(plain, kTotalAt) != 0 || score.total < 10)
        return Refuse("the total is not written the way the game writes it");
    if (score.total != sum)
        return Refuse("the total " + std::to_string(score.total) +
                      " is not the sum of the hole counts");
    score.check = NumberAt(plain, kCheckAt);
    if (score.check != ScoreCheckNumber(score.strokes))
        return Refuse("the check number does not match the hole counts and the total");
    return {score, ""};
}
