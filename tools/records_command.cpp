// quelvane-tool records: shows a Hole of Fame store as JSON, and enters one player's
// finished holes into it as the game does at the cup. The store is an INI file in the
// game's own format; without --store, show reads the game's own store.
#include <QString>
#include <memory>
#include <set>
#include <vector>

#include "records/enter_result.h"
#include "records/load_records.h"
#include "records/qsettings_store.h"
#include "records/records_io.h"
#include "records/save_records.h"
#include "tools/commands.h"
#include "tools/json.h"
#include "tools/tool_args.h"

namespace {
/// Answers the game's questions about the store for the tool: a damaged store is left as it
/// is (the game's Cancel), and the command then fails.
class ToolPrompt : public Prompt {
public:
    Answer Ask(const std::string&, const std::string&, Buttons, Icon, Answer) override {
        return Answer::Cancel;
    }
};

struct FinishedHole {
    int hole, strokes;
};

/// "H:S,H:S,...": course holes 1..36, each once, with 1..7 strokes or the stroke limit's 9.
std::vector<FinishedHole> ParseHoles(const std::string& text) {
    std::vector<FinishedHole> holes;
    std::set<int> seen;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(',', start), text.size());
        const std::string piece = text.substr(start, comma - start);
        const size_t colon = piece.find(':');
        const auto hole = ParseInteger(piece.substr(0, colon));
        const auto strokes =
            colon == std::string::npos ? std::nullopt : ParseInteger(piece.substr(colon + 1));
        if (!hole || !strokes)
            throw UsageError("--holes needs HOLE:STROKES pairs, not '" + piece + "'");
        if (!IsHoleNumber(static_cast<int>(*hole)))
            throw UsageError("--holes: hole " + std::to_string(*hole) + " is not 1..36");
        if ((*strokes < 1 || *strokes > 7) && *strokes != 9)
            throw UsageError(
                "--holes: a hole ends with 1 to 7 strokes, or 9 after the stroke "
                "limit, not " +
                std::to_string(*strokes));
        if (!seen.insert(static_cast<int>(*hole)).second)
            throw UsageError("--holes: hole " + std::to_string(*hole) + " is given twice");
        holes.push_back({static_cast<int>(*hole), static_cast<int>(*strokes)});
        start = comma + 1;
    }
    return holes;
}

std::string Name(const ToolArgs& args) {
    const std::string name = args.Text("name");
    if (name.empty()) throw UsageError("--name must not be empty");
    if (QString::fromUtf8(name).toUtf8().toStdString() != name)
        throw UsageError("--name must be UTF-8 text");
    return name;
}

void PrintList(Json& json, const std::string& title, const FameList& list, int holes) {
    json.BeginObject().Key("list").Value(title).Key("places").BeginArray();
    for (int i = 1; i <= kFamePlaces; ++i) {
        const FameRecord& record = list[i];
        std::vector<int> strokes;
        for (int k = 1; k <= std::max(holes, 1); ++k) strokes.push_back(record.strokes[k]);
        json.BeginObject();
        json.Key("place").Value(record.place).Key("name").Value(record.name);
        json.Key("strokes").Values(strokes);
        json.Key("total").Value(holes > 0 ? record.total : record.strokes[1]);
        json.EndObject();
    }
    json.EndArray().EndObject();
}

void PrintStore(const HoleOfFame& fame, bool valid, std::ostream& out) {
    Json json;
    json.BeginObject();
    json.Key("rcs1").Value(fame.rcs1).Key("rcs2").Value(fame.rcs2);
    json.Key("checksum").Value(static_cast<long long>(RecordsChecksum(fame)));
    json.Key("valid").Value(valid);
    json.Key("lists").BeginArray();
    for (int s = kSeries36; s >= kSeries6; --s)
        PrintList(json, std::to_string(kSeriesHoles[s]) + " holes", fame.series[s],
                  kSeriesHoles[s]);
    for (int j = 1; j <= kHoleCount; ++j)
        PrintList(json, "hole " + std::to_string(j), fame.holes[j], 0);
    json.EndArray().EndObject();
    out << json.Text() << '\n';
}

// What is stored, read without changing anything.
int Show(const std::vector<std::string>& options, std::ostream& out) {
    const ToolArgs args(options, {"store"});
    const std::unique_ptr<QSettingsStore> chosen =
        args.Has("store")
            ? std::make_unique<QSettingsStore>(QString::fromStdString(args.Text("store")))
            : std::make_unique<QSettingsStore>();
    KeyValueStore& store = *chosen;
    if (store.Open() == KeyValueStore::OpenResult::Unavailable)
        throw std::runtime_error("cannot read " + store.Location());
    HoleOfFame fame;
    const bool valid = ReadRecords(fame, store) && RecordsVerified(fame);
    PrintStore(fame, valid, out);
    return 0;
}

int Enter(const std::vector<std::string>& options, std::ostream& out) {
    const ToolArgs args(options, {"store", "name", "holes"});
    QSettingsStore store(QString::fromStdString(args.Text("store")));
    PlayerRecord player;
    player.name = Name(args);
    player.status = PlayerStatus::Playing;
    const std::vector<FinishedHole> holes = ParseHoles(args.Text("holes"));

    HoleOfFame fame;
    ToolPrompt prompt;
    LoadRecords(fame, store, prompt);
    if (fame.closeOnPaint)
        throw std::runtime_error(store.Location() +
                                 " fails its check; the game would ask to clear it");
    for (const FinishedHole& finished : holes) {
        player.strokes[finished.hole] = finished.strokes;
        player.holeDone[finished.hole] = 1;
        player.status = PlayerStatus::Finished;
        UpdateRecords(fame, player, finished.hole, store, prompt);
    }
    if (!fame.unsaved.empty())
        throw std::runtime_error("the results could not be saved to " + store.Location());
    PrintStore(fame, true, out);
    return 0;
}
}  // namespace

int RecordsCommand(Game&, const std::vector<std::string>& options, std::ostream& out) {
    if (options.empty()) throw UsageError("say show or enter");
    const std::vector<std::string> rest(options.begin() + 1, options.end());
    if (options[0] == "show") return Show(rest, out);
    if (options[0] == "enter") return Enter(rest, out);
    throw UsageError("unknown action '" + options[0] + "' (show or enter)");
}
