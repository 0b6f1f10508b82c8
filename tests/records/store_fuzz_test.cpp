// The Hole of Fame store under hostile files: thousands of seeded mutations of a valid store
// (bytes flipped, lines cut, values replaced by huge, negative, non-numeric or very long ones,
// sections and lines repeated), each loaded through the real settings adapter. The game must
// either come up with sound lists or ask about the damage, and never crash.
// QUELVANE_FUZZ_SEED and QUELVANE_FUZZ_COUNT pick another run.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <random>
#include <thread>

#include "records/load_records.h"
#include "records/qsettings_store.h"
#include "records/records_io.h"
#include "records/save_records.h"
#include "tests/setup/recording_prompt.h"

namespace {
constexpr const char* kReadError = "Error reading Hole of Fame. Do you want to clear all records?";

std::uint32_t Setting(const char* name, std::uint32_t fallback) {
    bool ok = false;
    const std::uint32_t value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

// Values that a damaged or hand-edited file may hold in place of a number or a name.
const QByteArray kHostileValues[] = {
    "2147483648",
    "-2147483649",
    "4294967296",
    "99999999999999999999999",
    "-1",
    "-777",
    "0",
    "",
    "abc",
    "0x10",
    "1e9",
    "12.5",
    " 7 ",
    "+3",
    "--4",
    "@Invalid()",
    "@ByteArray(\\0\\xff)",
    "@Variant(\\0\\0\\0\\x7f)",
    "\"quoted\"",
    "\\",
    "\\x",
    "\xc3\xa9",
    "\xff\xfe",
    QByteArray(5000, '9'),
    QByteArray(5000, 'A'),
    QByteArray(3, '\0'),
};
const QByteArray kJunkLines[] = {"[", "=", "]]]", "==1", QByteArray(1, '\0'), "\xff\xfe", "rcs1"};

// A store with results in every kind of list, as a few tournaments leave it.
QByteArray ValidStoreText(const QString& file) {
    HoleOfFame fame;
    QSettingsStore store(file);
    RecordingPrompt prompt;
    LoadRecords(fame, store, prompt);
    PlayerRecord player;
    player.name = "Ann";
    for (int hole = 1; hole <= kHoleCount; ++hole) {
        player.strokes[hole] = hole % 5 + 1;
        player.holeDone[hole] = 1;
        UpdateRecords(fame, player, hole, store, prompt);
    }
    store.Close();
    QFile written(file);
    return written.open(QFile::ReadOnly) ? written.readAll() : QByteArray();
}

// One case: the damaged file and how the user answers the prompt, all drawn from one seed.
class Mutation {
public:
    Mutation(std::uint32_t seed, const QList<QByteArray>& validLines) : random_(seed) {
        QList<QByteArray> lines = validLines;
        for (int damages = Draw(1, 3); damages > 0 && !lines.isEmpty(); --damages)
            DamageOnce(lines);
        text = lines.join('\n');
        // OK rewrites the whole store, so it is the rarer answer.
        answer = Draw(0, 7) == 0 ? Prompt::Answer::Ok : Prompt::Answer::Cancel;
    }

    QByteArray text;
    Prompt::Answer answer;
    std::string what;  ///< the damages, for a failure message

private:
    int Draw(int lowest, int highest) {
        return std::uniform_int_distribution<int>(lowest, highest)(random_);
    }
    int DrawIndex(qsizetype size) { return Draw(0, static_cast<int>(size) - 1); }

    void DamageOnce(QList<QByteArray>& lines) {
        const int line = DrawIndex(lines.size());
        QByteArray& entry = lines[line];
        const int equals = static_cast<int>(entry.indexOf('='));
        switch (Draw(0, 6)) {
            case 0:  // bits flipped
                for (int n = Draw(1, 8); n > 0 && !entry.isEmpty(); --n)
                    entry[DrawIndex(entry.size())] ^= static_cast<char>(1 << Draw(0, 7));
                what += "bits flipped in line " + std::to_string(line) + "; ";
                break;
            case 1:  // the file cut short inside a line, as a write that stopped part-way
                entry.truncate(Draw(0, static_cast<int>(entry.size())));
                lines.resize(line + 1);
                what += "cut in line " + std::to_string(line) + "; ";
                break;
            case 2:  // a line lost
                lines.removeAt(line);
                what += "line " + std::to_string(line) + " removed; ";
                break;
            case 3: {  // a value replaced
                if (equals < 0) break;
                const QByteArray& value = kHostileValues[DrawIndex(std::size(kHostileValues))];
                what += "value of " + entry.left(equals).toStdString() + " replaced by '" +
                        value.left(24).toStdString() + "'; ";
                entry = entry.left(equals + 1) + value;
                break;
            }
            case 4: {  // a run of lines repeated elsewhere under a section header
                const int length = Draw(1, 200);
                QList<QByteArray> run = lines.mid(line, length);
                run.prepend(Draw(0, 1) ? "[General]" : "[Other]");
                const int at = Draw(0, static_cast<int>(lines.size()));
                what += "lines " + std::to_string(line) + "+" + std::to_string(length) +
                        " repeated at " + std::to_string(at) + "; ";
                lines = lines.mid(0, at) + run + lines.mid(at);
                break;
            }
            case 5:  // a key renamed
                if (equals < 1) break;
                entry[Draw(0, equals - 1)] = "x_1=[%"[Draw(0, 5)];
                what += "key of line " + std::to_string(line) + " changed; ";
                break;
            default:  // a junk line
                lines.insert(line, kJunkLines[DrawIndex(std::size(kJunkLines))]);
                what += "junk at line " + std::to_string(line) + "; ";
                break;
        }
    }

    std::mt19937 random_;
};

// What is wrong with lists that were loaded without a question; empty when they are sound.
std::string BrokenList(const FameList& list, int holes) {
    for (int i = 1; i <= kFamePlaces; ++i) {
        const FameRecord& place = list[i];
        const std::string at = "place " + std::to_string(i) + ": ";
        const std::int32_t value = holes == 1 ? place.strokes[1] : place.total;
        const bool empty = value == NoResult;
        if (empty != (place.place == kEmptyPlace) ||
            (!empty && (place.place < 1 || place.place > i)))
            return at + "numbered " + std::to_string(place.place);
        if (i > 1 && value < (holes == 1 ? list[i - 1].strokes[1] : list[i - 1].total))
            return at + "better than the one above";
        if (empty) continue;
        std::int64_t sum = 0;
        for (int k = 1; k <= holes; ++k) {
            if (place.strokes[k] < 1 || place.strokes[k] > 9)
                return at + std::to_string(place.strokes[k]) + " strokes on hole " +
                       std::to_string(k);
            sum += place.strokes[k];
        }
        if (holes > 1 && sum != place.total) return at + "totals " + std::to_string(place.total);
    }
    return {};
}

std::string BrokenLists(const HoleOfFame& fame) {
    for (int s = kSeries6; s <= kSeries36; ++s)
        if (std::string broken = BrokenList(fame.series[s], kSeriesHoles[s]); !broken.empty())
            return "series " + std::to_string(kSeriesHoles[s]) + ", " + broken;
    for (int hole = 1; hole <= kHoleCount; ++hole)
        if (std::string broken = BrokenList(fame.holes[hole], 1); !broken.empty())
            return "hole " + std::to_string(hole) + ", " + broken;
    if (!RecordsVerified(fame)) return "check values do not match the lists";
    return {};
}

QByteArray FileBytes(const QString& file) {
    QFile in(file);
    return in.open(QFile::ReadOnly) ? in.readAll() : QByteArray();
}

// Loads `damaged` from `file` as a start of the game would; empty when all went as it must.
std::string LoadFails(const QString& file, const Mutation& damaged) {
    {
        QFile out(file);
        if (!out.open(QFile::WriteOnly | QFile::Truncate)) return "cannot write the store";
        out.write(damaged.text);
    }
    HoleOfFame fame;
    QSettingsStore store(file);
    RecordingPrompt prompt;
    prompt.answer = damaged.answer;
    LoadRecords(fame, store, prompt);
    store.Close();
    if (prompt.asked.empty()) return BrokenLists(fame);
    if (prompt.asked.size() != 1 || prompt.asked[0].text != kReadError)
        return "asked '" + prompt.asked[0].text + "'";
    if (damaged.answer == Prompt::Answer::Cancel) {
        if (!fame.closeOnPaint) return "Cancel does not end the game";
        if (FileBytes(file) != damaged.text) return "Cancel changed the store";
        return {};
    }
    // A file that could not be parsed is kept aside, not lost.
    const QByteArray aside = FileBytes(file + ".damaged");
    if (!aside.isEmpty() && aside != damaged.text) return "the damaged file kept aside differs";
    if (std::string broken = BrokenLists(fame); !broken.empty()) return "after OK: " + broken;
    HoleOfFame again;
    QSettingsStore reopened(file);
    RecordingPrompt next;
    LoadRecords(again, reopened, next);
    if (!next.asked.empty()) return "the store cleared by OK is asked about again";
    return BrokenLists(again);
}

TEST(StoreFuzz, DamagedStoresLoadAsSoundListsOrAreAskedAbout) {
    const std::uint32_t seed = Setting("QUELVANE_FUZZ_SEED", 20261210);
    const int count = static_cast<int>(Setting("QUELVANE_FUZZ_COUNT", 10000));
    QTemporaryDir dir(QDir("/dev/shm").exists() ? "/dev/shm/quelvane-fuzz-XXXXXX" : QString());
    ASSERT_TRUE(dir.isValid());
    const QByteArray valid = ValidStoreText(dir.filePath("valid.conf"));
    ASSERT_GT(valid.size(), 20000);
    const QList<QByteArray> validLines = valid.split('\n');

    // The cases are independent, so they share out the machine's cores; each worker has a
    // store file of its own and takes the next case number.
    std::atomic<int> next{1};
    std::mutex failureLock;
    std::string failure;
    auto work = [&](int worker) {
        const QString file = dir.filePath(QString("store-%1.conf").arg(worker));
        for (int n = next++; n <= count; n = next++) {
            const Mutation damaged(seed + static_cast<std::uint32_t>(n), validLines);
            const std::string fails = LoadFails(file, damaged);
            for (const char* left : {"", ".damaged"}) QFile::remove(file + left);
            if (fails.empty()) continue;
            const std::lock_guard<std::mutex> locked(failureLock);
            failure = "seed " + std::to_string(seed) + ", mutation " + std::to_string(n) + " (" +
                      damaged.what + "): " + fails;
            next = count + 1;
        }
    };
    std::vector<std::thread> workers;
    for (unsigned w = 0; w < std::max(2u, std::thread::hardware_concurrency()); ++w)
        workers.emplace_back(work, static_cast<int>(w));
    for (std::thread& worker : workers) worker.join();
    EXPECT_EQ(failure, "") << "replay with QUELVANE_FUZZ_SEED=" << seed;
}
}  // namespace
