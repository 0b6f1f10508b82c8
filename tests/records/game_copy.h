#pragma once

#include <string>

#include "records/load_records.h"
#include "records/save_records.h"
#include "tests/platform_doubles.h"
#include "tests/setup/recording_prompt.h"

/// One running copy of the game on a store: loaded at its start, with one player who
/// finishes holes; the prompt answers OK and keeps what it was asked.
struct GameCopy {
    GameCopy(KeyValueStore& gameStore, const std::string& name) : store(gameStore) {
        LoadRecords(fame, store, prompt);
        player.name = name;
    }
    /// The player finishes `hole` in `strokes`; the game enters and saves it.
    void Finish(int hole, int strokes) {
        player.strokes[hole] = strokes;
        player.holeDone[hole] = 1;
        UpdateRecords(fame, player, hole, store, prompt);
    }

    KeyValueStore& store;
    RecordingPrompt prompt;
    HoleOfFame fame;
    PlayerRecord player;
};
