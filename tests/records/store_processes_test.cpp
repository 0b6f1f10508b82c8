// The store's guarantees between processes: a write killed at any moment, and two copies
// of the game entering results at the same time.
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <random>

#include "records/load_records.h"
#include "records/qsettings_store.h"
#include "tests/platform_doubles.h"
#include "tests/records/store_generation.h"
#include "tests/setup/recording_prompt.h"

namespace {
class StoreProcessesTest : public ::testing::Test {
protected:
    QString StoreFile() const { return dir_.path() + "/Quelvane.conf"; }

    // A fresh start of the game on the store: what it loads; it must not ask anything.
    HoleOfFame Load() {
        HoleOfFame fame;
        QSettingsStore store(StoreFile());
        RecordingPrompt prompt;
        LoadRecords(fame, store, prompt);
        EXPECT_TRUE(prompt.asked.empty()) << (prompt.asked.empty() ? "" : prompt.asked[0].text);
        return fame;
    }
    // Starts the helper and waits for its first line.
    void Start(QProcess& process, const QStringList& arguments, const QByteArray& firstLine) {
        process.start(RECORDS_STORE_HELPER, arguments);
        ASSERT_TRUE(process.waitForStarted());
        ASSERT_TRUE(process.waitForReadyRead(30000));
        ASSERT_EQ(process.readLine().trimmed(), firstLine);
    }

    QTemporaryDir dir_;
};

TEST_F(StoreProcessesTest, WriteKilledAtAnyMomentLeavesTheOldOrTheNewListsWhole) {
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> microseconds(0, 20000);
    int generation = 0;
    for (int kill = 1; kill <= 200; ++kill) {
        SCOPED_TRACE(::testing::Message() << "kill " << kill);
        QProcess writer;
        Start(writer, {"write-loop", StoreFile()}, "writing");
        QThread::usleep(microseconds(random));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        ASSERT_TRUE(writer.waitForFinished());

        const HoleOfFame loaded = Load();
        const int stored = StoredGeneration(loaded);
        EXPECT_GE(stored, generation + 1);  // the first write of each writer was complete
        EXPECT_TRUE(SameLists(loaded, GenerationLists(stored)));
        generation = stored;
        if (HasFailure()) break;
    }
}

TEST_F(StoreProcessesTest, TwoRunningCopiesKeepEachOthersResults) {
    Load();
    QProcess ann, bob;
    Start(ann, {"player", StoreFile(), "Ann"}, "ready");
    Start(bob, {"player", StoreFile(), "Bob"}, "ready");
    const auto enter = [](QProcess& copy, int hole, int strokes) {
        copy.write(QByteArray::number(hole) + " " + QByteArray::number(strokes) + "\n");
    };
    const auto answers = [](QProcess& copy, int count) {
        for (int i = 0; i < count; ++i) {
            while (!copy.canReadLine()) ASSERT_TRUE(copy.waitForReadyRead(30000));
            ASSERT_EQ(copy.readLine().trimmed(), "ok");
        }
    };
    // Holes 1..6 in turn, one copy after the other, as two players at two machines would.
    for (int hole = 1; hole <= 6; ++hole) {
        enter(ann, hole, 3);
        answers(ann, 1);
        enter(bob, hole, 2);
        answers(bob, 1);
    }
    // Holes 7..12 as fast as both can go, at the same time.
    for (int hole = 7; hole <= 12; ++hole) {
        enter(ann, hole, 4);
        enter(bob, hole, 5);
    }
    answers(ann, 6);
    answers(bob, 6);
    ann.closeWriteChannel();
    bob.closeWriteChannel();
    ASSERT_TRUE(ann.waitForFinished());
    ASSERT_TRUE(bob.waitForFinished());

    const HoleOfFame loaded = Load();
    for (int hole = 1; hole <= 12; ++hole) {
        SCOPED_TRACE(::testing::Message() << "hole " << hole);
        const bool bobFirst = hole <= 6;
        EXPECT_EQ(loaded.holes[hole][1].name, bobFirst ? "Bob" : "Ann");
        EXPECT_EQ(loaded.holes[hole][2].name, bobFirst ? "Ann" : "Bob");
        EXPECT_EQ(loaded.holes[hole][3].name, "");
    }
    EXPECT_EQ(loaded.series[kSeries6][1].name, "Bob");
    EXPECT_EQ(loaded.series[kSeries6][1].total, 12);
    EXPECT_EQ(loaded.series[kSeries6][2].name, "Ann");
    EXPECT_EQ(loaded.series[kSeries12][1].total, 42);  // Ann 18 + 24, Bob 12 + 30: shared
    EXPECT_EQ(loaded.series[kSeries12][2].total, 42);
    EXPECT_EQ(loaded.series[kSeries12][2].place, 1);
}
}  // namespace
