#include "records/save_records.h"

#include "records/enter_result.h"
#include "records/records_io.h"

bool SaveRecords(HoleOfFame& fame, KeyValueStore& store, Prompt& prompt) {
    bool saved = false;
    if (store.Lock()) {
        HoleOfFame stored;
        if (ReadRecords(stored, store) && RecordsVerified(stored) && !SameLists(stored, fame)) {
            fame.series = stored.series;
            fame.holes = stored.holes;
            for (const FameResult& result : fame.unsaved) EnterResult(fame, result);
        }
        saved = WriteRecords(fame, store);
        store.Unlock();
    }
    if (saved)
        fame.unsaved.clear();
    else
        WarnKeptInMemory(fame, prompt,
                         "The Hole of Fame cannot be saved to " + store.Location() + ".");
    return saved;
}

void UpdateRecords(HoleOfFame& fame, PlayerRecord& player, int hole, KeyValueStore& store,
                   Prompt& prompt) {
    for (FameResult& result : FinishedHoleResults(player, hole)) {
        EnterResult(fame, result);
        fame.unsaved.push_back(std::move(result));
    }
    SaveRecords(fame, store, prompt);
}

void WarnKeptInMemory(HoleOfFame& fame, Prompt& prompt, const std::string& problem) {
    if (fame.unsavedWarningShown) return;
    fame.unsavedWarningShown = true;
    prompt.Ask(problem +
                   "\nThe results of this run are kept in memory and saved as soon as the store "
                   "can be written again.",
               "Warning", Prompt::Buttons::Ok, Prompt::Icon::Exclamation, Prompt::Answer::Ok);
}
