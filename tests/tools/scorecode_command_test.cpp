#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <sstream>

#include "course/catalogue.h"
#include "records/enter_result.h"
#include "records/qsettings_store.h"
#include "records/records_io.h"
#include "tools/commands.h"
#include "tools/tool_args.h"

namespace {
std::string RunScoreCode(const std::vector<std::string>& options) {
    const Course course = BuildCourse();
    Game game{course};
    std::ostringstream out;
    EXPECT_EQ(ScoreCodeCommand(game, options, out), 0);
    return out.str();
}

std::string Counts(const std::string& first, const std::string& rest, int restCount) {
    std::string text = first;
    for (int i = 0; i < restCount; ++i) text += "," + rest;
    return text;
}
}  // namespace

TEST(ScoreCodeCommand, EncodePrintsTheCodeWithItsPlainTextTotalAndCheck) {
    EXPECT_EQ(RunScoreCode({"encode", "--strokes", Counts("2", "2", 35)}),
              "{\"code\":\"07674746414181838585252527298969626363830307\","
              "\"plain\":\"22222222222222222222222222222222222200721404\","
              "\"total\":72,\"check\":1404}\n");
}

TEST(ScoreCodeCommand, DecodePrintsTheStrokesTotalAndCheck) {
    EXPECT_EQ(RunScoreCode({"decode", "07674746414181838585252527298969626363830307"}),
              "{\"strokes\":[2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,"
              "2],\"total\":72,\"check\":1404}\n");
}

TEST(ScoreCodeCommand, RefusalsCarryTheirReason) {
    const Course course = BuildCourse();
    Game game{course};
    std::ostringstream out;
    try {
        ScoreCodeCommand(game, {"decode", "07674746414181838585252527298969626363830308"}, out);
        FAIL() << "a changed digit was accepted";
    } catch (const UsageError& error) {
        EXPECT_STREQ(error.what(), "the total 72 is not the sum of the hole counts");
    }
    EXPECT_EQ(out.str(), "");
}

TEST(ScoreCodeCommand, RefusesBadArguments) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"scramble"},
        {"decode"},
        {"decode", "1", "2"},
        {"decode", "abc"},
        {"encode"},
        {"encode", "--strokes", Counts("2", "2", 34)},
        {"encode", "--strokes", Counts("2", "2", 36)},
        {"encode", "--strokes", Counts("0", "2", 35)},
        {"encode", "--strokes", Counts("10", "2", 35)},
        {"encode", "--strokes", Counts("x", "2", 35)},
        {"encode", "--strokes", Counts("2", "2", 35) + ","},
        {"encode", "--strokes", Counts("2", "2", 35), "--hole", "3"},
    };
    for (const std::vector<std::string>& options : bad) {
        const Course course = BuildCourse();
        Game game{course};
        std::ostringstream out;
        EXPECT_THROW(ScoreCodeCommand(game, options, out), UsageError)
            << (options.empty() ? "" : options.back());
    }
}

namespace {
/// A store file in a fresh folder holding `fame` as the game writes it.
class ScoreCodeFromStore : public ::testing::Test {
protected:
    ScoreCodeFromStore() { ClearRecords(fame); }
    std::string File() const { return (dir.path() + "/Quelvane.conf").toStdString(); }
    void Write() {
        QSettingsStore store(QString::fromStdString(File()));
        ASSERT_EQ(store.Open(), KeyValueStore::OpenResult::Opened);
        ASSERT_TRUE(WriteRecords(fame, store));
        store.Close();
    }
    int Run(std::ostringstream& out) {
        const Course course = BuildCourse();
        Game game{course};
        return ScoreCodeCommand(game, {"encode", "--store", File()}, out);
    }

    QTemporaryDir dir;
    HoleOfFame fame;
};
}  // namespace

TEST_F(ScoreCodeFromStore, EncodesPlaceOneOfTheThirtySixHoleList) {
    FameResult result;
    result.series = kSeries36;
    result.name = "Ann";
    for (int k = 1; k <= kHoleCount; ++k) result.strokes[k] = 2;
    result.total = 72;
    EnterResult(fame, result);
    Write();
    std::ostringstream out;
    EXPECT_EQ(Run(out), 0);
    EXPECT_EQ(out.str(), RunScoreCode({"encode", "--strokes", Counts("2", "2", 35)}));
}

TEST_F(ScoreCodeFromStore, AnEmptyListGivesAnEmptyCodeAndStatusOne) {
    Write();
    std::ostringstream out;
    EXPECT_EQ(Run(out), 1);
    EXPECT_EQ(out.str(), "{\"code\":\"\"}\n");
}

TEST_F(ScoreCodeFromStore, RefusesAMissingOrTamperedStore) {
    std::ostringstream out;
    EXPECT_THROW(Run(out), std::runtime_error);  // nothing stored yet
    Write();
    QSettings settings(QString::fromStdString(File()), QSettings::IniFormat);
    settings.setValue("t36_1", 100);  // a total the check values do not cover
    settings.sync();
    EXPECT_THROW(Run(out), std::runtime_error);
    EXPECT_EQ(out.str(), "");
    const Course course = BuildCourse();
    Game game{course};
    EXPECT_THROW(ScoreCodeCommand(
                     game, {"encode", "--store", File(), "--strokes", Counts("2", "2", 35)}, out),
                 UsageError);
}
