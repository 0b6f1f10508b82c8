#include "records/load_records.h"

#include "records/records_io.h"
#include "records/save_records.h"

void LoadRecords(HoleOfFame& fame, KeyValueStore& store, Prompt& prompt) {
    fame.closeOnPaint = false;
    ClearRecords(fame);
    const KeyValueStore::OpenResult opened = store.Open();
    if (opened == KeyValueStore::OpenResult::Unavailable) {
        WarnKeptInMemory(fame, prompt,
                         "The Hole of Fame cannot be read from " + store.Location() + ".");
        return;
    }
    const bool parsed = opened == KeyValueStore::OpenResult::Opened;
    const bool complete = parsed && ReadRecords(fame, store);
    // Without "rcs1" the store starts afresh: on a first start, or when "rcs1" was removed
    // by hand. A store that lost "rcs2" as well was cut short, and is asked about.
    const bool firstValueGone = !complete && fame.rcs1 == 0;
    if (parsed && firstValueGone && (store.IsEmpty() || store.ReadInt("rcs2"))) {
        ClearRecords(fame);
        SaveRecords(fame, store, prompt);
        return;
    }
    if (RecordsVerified(fame)) return;
    const Prompt::Answer answer =
        prompt.Ask("Error reading Hole of Fame. Do you want to clear all records?", "Error message",
                   Prompt::Buttons::OkCancel, Prompt::Icon::Stop, Prompt::Answer::Ok);
    if (answer == Prompt::Answer::Ok) {
        ClearRecords(fame);
        SaveRecords(fame, store, prompt);
    } else {
        fame.closeOnPaint = true;
    }
}
