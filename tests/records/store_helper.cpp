// A stand-in for a running copy of the game, driven by the store tests in another process.
//   records_store_helper write-loop FILE   writes generation after generation of whole lists
//                                          until it is killed; says "writing" after the first
//   records_store_helper player FILE NAME  loads the store, then for each "HOLE STROKES" line
//                                          on stdin enters NAME's finished hole and says "ok"
#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "records/qsettings_store.h"
#include "records/records_io.h"
#include "tests/records/game_copy.h"
#include "tests/records/store_generation.h"

// Qt keeps some allocations for the life of the process; leak reports would be noise.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

namespace {
int WriteLoop(const QString& file) {
    QSettingsStore store(file);
    HoleOfFame fame;
    RecordingPrompt prompt;
    LoadRecords(fame, store, prompt);
    const int first = StoredGeneration(fame) + 1;
    for (int generation = first;; ++generation) {
        fame = GenerationLists(generation);
        if (!store.Lock()) return 1;
        const bool written = WriteRecords(fame, store);
        store.Unlock();
        if (!written) return 1;
        if (generation == first) std::cout << "writing" << std::endl;
    }
}

int Player(const QString& file, const std::string& name) {
    QSettingsStore store(file);
    GameCopy game(store, name);
    std::cout << "ready" << std::endl;
    int hole = 0, strokes = 0;
    while (std::cin >> hole >> strokes) {
        game.Finish(hole, strokes);
        std::cout << (game.prompt.asked.empty() ? "ok" : "warned") << std::endl;
    }
    return 0;
}
}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "write-loop") == 0) return WriteLoop(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "player") == 0) return Player(argv[2], argv[3]);
    std::cerr << "usage: records_store_helper write-loop FILE | player FILE NAME\n";
    return 2;
}
