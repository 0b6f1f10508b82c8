// How long the Hole of Fame store takes: one write of all 1,922 values (the game writes the
// whole store at every finished hole, so it must stay well under a frame or two), the
// start-up load, and a whole finished hole as the game saves it (lock, re-read, write).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "records/load_records.h"
#include "records/qsettings_store.h"
#include "records/records_io.h"
#include "records/save_records.h"

namespace {
// Full lists: every place of every list holds a result and a name.
HoleOfFame FullLists() {
    HoleOfFame fame;
    for (int i = 1; i <= kFamePlaces; ++i) {
        for (int s = kSeries6; s <= kSeries36; ++s) {
            FameRecord& record = fame.series[s][i];
            record = {i, "Player " + std::to_string(i), NoStrokes(), 0};
            for (int k = 1; k <= kSeriesHoles[s]; ++k) record.total += (record.strokes[k] = 3);
        }
        for (int j = 1; j <= kHoleCount; ++j) fame.holes[j][i] = {i, "Player", NoStrokes(), 0};
    }
    return fame;
}

class AnswersOk : public Prompt {
    Answer Ask(const std::string&, const std::string&, Buttons, Icon, Answer) override {
        return Answer::Ok;
    }
};

void BM_WriteRecords(benchmark::State& state) {
    QTemporaryDir dir;
    QSettingsStore store(dir.path() + "/Quelvane.conf");
    HoleOfFame fame = FullLists();
    store.Lock();
    for (auto _ : state) {
        if (!WriteRecords(fame, store)) state.SkipWithError("the store could not be written");
    }
    store.Unlock();
}
BENCHMARK(BM_WriteRecords)->Unit(benchmark::kMillisecond);

void BM_LoadRecords(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.path() + "/Quelvane.conf";
    {
        QSettingsStore store(file);
        HoleOfFame fame = FullLists();
        store.Lock();
        WriteRecords(fame, store);
        store.Unlock();
    }
    AnswersOk prompt;
    for (auto _ : state) {
        QSettingsStore store(file);
        HoleOfFame fame;
        LoadRecords(fame, store, prompt);
        benchmark::DoNotOptimize(fame.rcs1);
    }
}
BENCHMARK(BM_LoadRecords)->Unit(benchmark::kMillisecond);

void BM_FinishedHoleSaved(benchmark::State& state) {
    QTemporaryDir dir;
    QSettingsStore store(dir.path() + "/Quelvane.conf");
    HoleOfFame fame = FullLists();
    AnswersOk prompt;
    store.Open();
    SaveRecords(fame, store, prompt);
    PlayerRecord player;
    player.name = "Ann";
    player.strokes[5] = 2;
    player.holeDone[5] = 1;
    for (auto _ : state) UpdateRecords(fame, player, 5, store, prompt);
}
BENCHMARK(BM_FinishedHoleSaved)->Unit(benchmark::kMillisecond);
}  // namespace
