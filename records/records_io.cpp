#include "records/records_io.h"

#include "records/fame_values.h"

bool ReadRecords(HoleOfFame& fame, KeyValueStore& store) {
    for (const FameValue& value : FameValues()) {
        if (value.IsText()) {
            const std::optional<std::string> text = store.ReadString(value.name);
            if (!text) return false;
            TextOf(fame, value) = *text;
        } else {
            const std::optional<std::int32_t> number = store.ReadInt(value.name);
            if (!number) return false;
            NumberOf(fame, value) = *number;
        }
    }
    return true;
}

bool WriteRecords(HoleOfFame& fame, KeyValueStore& store) {
    fame.rcs1 = fame.rcs2 = static_cast<std::int32_t>(RecordsChecksum(fame));
    for (const FameValue& value : FameValues()) {
        if (value.IsText())
            store.WriteString(value.name, TextOf(fame, value));
        else
            store.WriteInt(value.name, NumberOf(fame, value));
    }
    return store.Commit();
}

bool RecordsVerified(const HoleOfFame& fame) {
    return fame.rcs1 == fame.rcs2 && static_cast<std::uint32_t>(fame.rcs1) == RecordsChecksum(fame);
}
