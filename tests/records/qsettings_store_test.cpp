#include "records/qsettings_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "records/load_records.h"
#include "records/records_io.h"
#include "records/save_records.h"
#include "tests/records/game_copy.h"

namespace {
constexpr const char* kReadError = "Error reading Hole of Fame. Do you want to clear all records?";

QByteArray Garbage() {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 7919 + 13) % 256));
    return garbage;
}

class QSettingsStoreTest : public ::testing::Test {
protected:
    QString StoreDir() const { return dir_.path() + "/Dolvarn"; }
    QString StoreFile() const { return StoreDir() + "/Quelvane.conf"; }

    // A fresh start of the game on the store file: what it loads and what it asked.
    HoleOfFame Load(Prompt::Answer answer = Prompt::Answer::Ok) {
        HoleOfFame fame;
        QSettingsStore store(StoreFile());
        prompt_ = RecordingPrompt();
        prompt_.answer = answer;
        LoadRecords(fame, store, prompt_);
        return fame;
    }
    // One start that finishes `hole` in `strokes` for `name`.
    void StoreResult(const std::string& name, int hole, int strokes) {
        QSettingsStore store(StoreFile());
        GameCopy(store, name).Finish(hole, strokes);
    }
    QByteArray FileText() const {
        QFile file(StoreFile());
        return file.open(QFile::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteFileText(const QByteArray& text) const {
        QFile file(StoreFile());
        ASSERT_TRUE(file.open(QFile::WriteOnly | QFile::Truncate));
        file.write(text);
    }

    QTemporaryDir dir_;
    RecordingPrompt prompt_;
};

TEST_F(QSettingsStoreTest, GamesOwnStoreIsTheUsersIniFileOfDolvarnQuelvane) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    QSettingsStore store;
    EXPECT_EQ(QString::fromStdString(store.Location()), StoreFile());
    HoleOfFame fame;
    LoadRecords(fame, store, prompt_);
    EXPECT_TRUE(prompt_.asked.empty());
    QSettings written(StoreFile(), QSettings::IniFormat);
    EXPECT_EQ(written.allKeys().size(), 1922);
    EXPECT_EQ(written.value("rcs1").toString(), "17225000");
    EXPECT_EQ(written.value("rcs2").toString(), "17225000");
    EXPECT_EQ(written.value("ps_36_10").toString(), "-1");
    EXPECT_EQ(written.value("hs_36_10").toString(), "777");
}

TEST_F(QSettingsStoreTest, AnyNameComesBackExactlyAsWritten) {
    const std::string names[] = {
        "plain",
        std::string(5000, 'x'),
        "Zoë ☃ 名前",
        "a=b",
        "[General]",
        "line\nnext\r\nthird",
        "tab\tbell\a\x01 end",
        "a, b, c",
        "@Variant(garbage)",
        "\"quoted\"",
        "back\\slash\\",
        ";semicolon #hash",
        "  spaces  ",
        "12345",
        "-1",
    };
    HoleOfFame fame;
    for (int i = 1; i <= kFamePlaces; ++i) {
        fame.holes[1][i].name = names[i - 1];
        fame.holes[2][i].name = names[(i + 4) % 15];
    }
    QSettingsStore store(StoreFile());
    store.Lock();
    ASSERT_TRUE(WriteRecords(fame, store));
    store.Unlock();

    const HoleOfFame loaded = Load();
    EXPECT_TRUE(prompt_.asked.empty());
    for (int i = 1; i <= kFamePlaces; ++i) {
        EXPECT_EQ(loaded.holes[1][i].name, names[i - 1]);
        EXPECT_EQ(loaded.holes[2][i].name, names[(i + 4) % 15]);
    }
}

TEST_F(QSettingsStoreTest, HandDamagedFileAsksAndNeverCrashes) {
    struct Case {
        const char* what;
        QByteArray (*damage)(QByteArray);
    };
    const Case cases[] = {
        {"truncated", [](QByteArray text) { return text.left(text.size() / 2); }},
        {"binary garbage", [](QByteArray) { return Garbage(); }},
        {"a huge number",
         [](QByteArray text) { return text.replace("t36_1=777", "t36_1=99999999999999999999"); }},
        {"a negative place", [](QByteArray text) { return text.replace("ps_3_1=1", "ps_3_1=-7"); }},
        {"a number in hex", [](QByteArray text) { return text.replace("hs_3_1=2", "hs_3_1=0x2"); }},
        {"a number as a list",
         [](QByteArray text) { return text.replace("hs_3_1=2", "hs_3_1=2, 3"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(StoreFile());
        QFile::remove(StoreFile() + ".damaged");
        StoreResult("Ann", 3, 2);
        const QByteArray damaged = c.damage(FileText());
        ASSERT_NE(damaged, FileText());
        WriteFileText(damaged);

        Load(Prompt::Answer::Cancel);
        ASSERT_EQ(prompt_.asked.size(), 1u);
        EXPECT_EQ(prompt_.asked[0].text, kReadError);
        EXPECT_EQ(FileText(), damaged);  // Cancel touches nothing

        const HoleOfFame cleared = Load(Prompt::Answer::Ok);
        ASSERT_EQ(prompt_.asked.size(), 1u);
        EXPECT_EQ(cleared.holes[3], FameList{});
        Load();
        EXPECT_TRUE(prompt_.asked.empty());
    }
}

TEST_F(QSettingsStoreTest, UnparsableFileIsKeptAsideWhenReplaced) {
    QDir().mkpath(StoreDir());
    WriteFileText(Garbage());
    Load(Prompt::Answer::Ok);
    ASSERT_EQ(prompt_.asked.size(), 1u);
    QFile aside(StoreFile() + ".damaged");
    ASSERT_TRUE(aside.open(QFile::ReadOnly));
    EXPECT_EQ(aside.readAll(), Garbage());
    Load();
    EXPECT_TRUE(prompt_.asked.empty());
}

TEST_F(QSettingsStoreTest, StoreThatCannotBeWrittenKeepsResultsUntilItCanAgain) {
    StoreResult("Ann", 1, 2);
    QSettingsStore store(StoreFile());
    GameCopy game(store, "Bo");
    const auto finish = [&](int hole, int strokes) { game.Finish(hole, strokes); };
    const std::vector<RecordingPrompt::Question>& asked = game.prompt.asked;

    // The config folder is moved away and a file of the same name takes its place.
    ASSERT_TRUE(QDir().rename(StoreDir(), StoreDir() + ".away"));
    QFile blocker(StoreDir());
    ASSERT_TRUE(blocker.open(QFile::WriteOnly));
    blocker.close();
    finish(1, 1);
    finish(2, 3);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, "Warning");
    EXPECT_NE(asked[0].text.find(StoreFile().toStdString()), std::string::npos);
    EXPECT_EQ(game.fame.holes[1][1].name, "Bo");

    ASSERT_TRUE(QFile::remove(StoreDir()));
    ASSERT_TRUE(QDir().rename(StoreDir() + ".away", StoreDir()));
    finish(3, 4);
    EXPECT_EQ(asked.size(), 1u);
    const HoleOfFame loaded = Load();
    EXPECT_TRUE(prompt_.asked.empty());
    EXPECT_EQ(loaded.holes[1][1].name, "Bo");
    EXPECT_EQ(loaded.holes[1][2].name, "Ann");
    EXPECT_EQ(loaded.holes[1][3].name, "");  // nothing entered twice
    EXPECT_EQ(loaded.holes[2][1].name, "Bo");
    EXPECT_EQ(loaded.holes[3][1].name, "Bo");
}

TEST_F(QSettingsStoreTest, ReadOnlyConfigFolderIsToldOnce) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    StoreResult("Ann", 1, 2);
    QFile::setPermissions(StoreDir(), QFile::ReadOwner | QFile::ExeOwner);
    QSettingsStore store(StoreFile());
    GameCopy game(store, "Bo");
    game.Finish(1, 1);
    game.Finish(2, 1);
    QFile::setPermissions(StoreDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(game.prompt.asked.size(), 1u);
    EXPECT_EQ(game.prompt.asked[0].caption, "Warning");
    EXPECT_EQ(game.fame.holes[2][1].name, "Bo");
}
}  // namespace
