#include "records/score_code.h"

#include <gtest/gtest.h>

#include <random>

namespace {
SeriesStrokes Uniform(int count) {
    SeriesStrokes strokes;
    strokes.fill(count);
    return strokes;
}

/// Holes 1..36 counting 1, 2, ..., 9, 1, 2, ...: total 180.
SeriesStrokes Staircase() {
    SeriesStrokes strokes;
    for (size_t k = 0; k < strokes.size(); ++k) strokes[k] = static_cast<int>(k % 9) + 1;
    return strokes;
}

SeriesStrokes RandomResult(std::mt19937& generator) {
    std::uniform_int_distribution<int> count(1, 9);
    SeriesStrokes strokes;
    for (int& stroke : strokes) stroke = count(generator);
    return strokes;
}

/// A code whose plain text is `plain`, valid or not.
std::string CodeOfPlain(const std::string& plain) {
    return ScrambleScoreText(plain);
}
}  // namespace

TEST(ScoreCode, TwoStrokesOnEveryHoleGivesTheKnownPlainAndShiftedText) {
    const std::string plain = PlainScoreText(Uniform(2));
    EXPECT_EQ(plain, std::string(36, '2') + "0072" + "1404");
    const std::string shifted = ShiftScoreText(plain);
    EXPECT_EQ(shifted.substr(0, 9), "345678901");
    EXPECT_EQ(shifted.substr(36), "78622638");
}

TEST(ScoreCode, TotalIsWrittenWithTwoLeadingZerosBelowOneHundredAndOneFrom) {
    SeriesStrokes hundredFifty = Uniform(4);  // 144
    for (size_t k = 0; k < 6; ++k) hundredFifty[k] = 5;
    EXPECT_EQ(PlainScoreText(Uniform(2)).substr(36, 4), "0072");
    EXPECT_EQ(PlainScoreText(hundredFifty).substr(36, 4), "0150");
    EXPECT_EQ(PlainScoreText(Uniform(1)).substr(36), "00360702");  // the smallest check
    EXPECT_EQ(PlainScoreText(Uniform(9)).substr(36), "03246318");  // the largest
}

// The order of the digits is the key every score list reads codes with: it must never change.
TEST(ScoreCode, KnownCodesStayTheSame) {
    EXPECT_EQ(EncodeScoreCode(Uniform(2)), "07674746414181838585252527298969626363830307");
    EXPECT_EQ(EncodeScoreCode(Staircase()), "62917067514058483928073627164514049584939273");
}

TEST(ScoreCode, RandomResultsComeBackWhole) {
    std::mt19937 generator(20261210);
    for (int round = 0; round < 2000; ++round) {
        const SeriesStrokes strokes = RandomResult(generator);
        const std::string code = EncodeScoreCode(strokes);
        ASSERT_EQ(code.size(), static_cast<size_t>(kScoreCodeLength));
        const ScoreCodeResult result = DecodeScoreCode(code);
        ASSERT_TRUE(result.score) << code << ": " << result.error;
        EXPECT_EQ(result.error, "");
        EXPECT_EQ(result.score->strokes, strokes);
        int total = 0;
        for (int count : strokes) total += count;
        EXPECT_EQ(result.score->total, total);
        EXPECT_EQ(result.score->check, ScoreCheckNumber(strokes));
    }
}

TEST(ScoreCode, EncodingRefusesCountsOutsideOneToNine) {
    SeriesStrokes strokes = Uniform(3);
    strokes[4] = 0;
    EXPECT_THROW(EncodeScoreCode(strokes), std::invalid_argument);
    strokes[4] = 10;
    EXPECT_THROW(EncodeScoreCode(strokes), std::invalid_argument);
}

TEST(ScoreCode, EveryKindOfBadTextIsRefusedWithItsOwnReason) {
    const std::string valid = EncodeScoreCode(Staircase());
    const std::string plain = PlainScoreText(Staircase());  // total 180, check 3750
    std::string holeZero = plain;
    holeZero[11] = '0';
    std::string totalLayout = plain;
    totalLayout[36] = '1';  // "1180"
    std::string totalTooSmall = plain;
    totalTooSmall.replace(36, 4, "0005");
    std::string wrongTotal = plain;
    wrongTotal.replace(36, 4, "0181");
    std::string wrongCheck = plain;
    wrongCheck.replace(40, 4, "3751");

    struct Case {
        const char* what;
        std::string code;
        std::string reason;
    };
    const Case cases[] = {
        {"empty", "", "the score code is empty"},
        {"43 digits", valid.substr(1), "a score code has 44 digits, this one has 43"},
        {"45 digits", valid + "1", "a score code has 44 digits, this one has 45"},
        {"10,000 digits", std::string(10000, '5'),
         "a score code has 44 digits, this one has 10000"},
        {"letters", "ABC" + valid.substr(3), "character 1 of the score code is not a digit 0..9"},
        {"inner space", valid.substr(0, 20) + " " + valid.substr(21),
         "character 21 of the score code is not a digit 0..9"},
        {"trailing space", valid + " ", "character 45 of the score code is not a digit 0..9"},
        {"non-ASCII digit", valid.substr(0, 43) + "\xd9\xa3",
         "character 44 of the score code is not a digit 0..9"},
        {"10,000 letters", std::string(10000, 'x'),
         "character 1 of the score code is not a digit 0..9"},
        {"hole with no strokes", CodeOfPlain(holeZero),
         "hole 12 has 0 strokes; a hole counts 1..9"},
        {"total not starting with 0", CodeOfPlain(totalLayout),
         "the total is not written the way the game writes it"},
        {"total of one digit", CodeOfPlain(totalTooSmall),
         "the total is not written the way the game writes it"},
        {"total off by one", CodeOfPlain(wrongTotal),
         "the total 181 is not the sum of the hole counts"},
        {"check off by one", CodeOfPlain(wrongCheck),
         "the check number does not match the hole counts and the total"},
    };
    for (const Case& bad : cases) {
        const ScoreCodeResult result = DecodeScoreCode(bad.code);
        EXPECT_FALSE(result.score) << bad.what;
        EXPECT_EQ(result.error, bad.reason) << bad.what;
    }
}

// Each single digit of a code is one digit of the plain text, and every plain digit is bound
// by the others (the counts by the total, the total by the counts, the check by both).
TEST(ScoreCode, EverySingleDigitChangeOfAValidCodeIsRefused) {
    std::mt19937 generator(44);
    std::vector<SeriesStrokes> results = {Uniform(1), Uniform(9), Staircase()};
    for (int i = 0; i < 20; ++i) results.push_back(RandomResult(generator));
    for (const SeriesStrokes& strokes : results) {
        const std::string code = EncodeScoreCode(strokes);
        int refused = 0;
        for (size_t position = 0; position < code.size(); ++position) {
            for (char digit = '0'; digit <= '9'; ++digit) {
                if (digit == code[position]) continue;
                std::string changed = code;
                changed[position] = digit;
                if (!DecodeScoreCode(changed).score) ++refused;
            }
        }
        EXPECT_EQ(refused, 44 * 9) << code;
    }
}
