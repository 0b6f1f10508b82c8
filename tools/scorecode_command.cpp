// quelvane-tool scorecode: makes the web score code of a 36-hole result, given or the best
// of a Hole of Fame store, and reads one back. A code the decoder refuses is reported like a
// bad argument: one line on stderr, status 2.
#include <QString>
#include <stdexcept>
#include <vector>

#include "records/fame_score_code.h"
#include "records/qsettings_store.h"
#include "records/records_io.h"
#include "tools/commands.h"
#include "tools/json.h"
#include "tools/tool_args.h"

namespace {
/// "S1,...,S36": exactly 36 whole numbers 1..9.
SeriesStrokes ParseStrokes(const std::string& text) {
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == ',')
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    SeriesStrokes strokes{};
    bool sound = pieces.size() == strokes.size();
    for (size_t k = 0; sound && k < strokes.size(); ++k) {
        const auto value = ParseInteger(pieces[k]);
        sound = value && *value >= 1 && *value <= 9;
        if (sound) strokes[k] = static_cast<int>(*value);
    }
    if (!sound)
        throw UsageError("--strokes needs 36 comma-separated counts 1..9, not '" + text + "'");
    return strokes;
}

/// Place 1 of the 36-hole list of the store in the INI file `file`, read without changing
/// anything; nothing when the list holds no result.
std::optional<SeriesStrokes> BestOfStore(const std::string& file) {
    QSettingsStore store(QString::fromStdString(file));
    if (store.Open() != KeyValueStore::OpenResult::Opened || store.IsEmpty())
        throw std::runtime_error("no Hole of Fame can be read from " + file);
    HoleOfFame fame;
    if (!ReadRecords(fame, store) || !RecordsVerified(fame))
        throw std::runtime_error("the Hole of Fame in " + file + " fails its check");
    return BestSeriesStrokes(fame.series[kSeries36]);
}

int Encode(const std::vector<std::string>& options, std::ostream& out) {
    const ToolArgs args(options, {"strokes", "store"});
    if (args.Has("strokes") == args.Has("store"))
        throw UsageError("encode needs either --strokes or --store");
    std::optional<SeriesStrokes> result =
        args.Has("strokes") ? ParseStrokes(args.Text("strokes")) : BestOfStore(args.Text("store"));
    if (!result) {
        // An empty 36-hole list: the game shows an empty box.
        out << "{\"code\":\"\"}\n";
        return 1;
    }
    const SeriesStrokes& strokes = *result;
    int total = 0;
    for (int count : strokes) total += count;

    Json json;
    json.BeginObject();
    json.Key("code").Value(EncodeScoreCode(strokes));
    json.Key("plain").Value(PlainScoreText(strokes));
    json.Key("total").Value(total).Key("check").Value(ScoreCheckNumber(strokes));
    json.EndObject();
    out << json.Text() << '\n';
    return 0;
}

int Decode(const std::vector<std::string>& options, std::ostream& out) {
    if (options.size() != 1) throw UsageError("decode needs exactly one score code");
    const ScoreCodeResult result = DecodeScoreCode(options[0]);
    if (!result.score) throw UsageError(result.error);

    Json json;
    json.BeginObject();
    json.Key("strokes").Values(
        std::vector<int>(result.score->strokes.begin(), result.score->strokes.end()));
    json.Key("total").Value(result.score->total).Key("check").Value(result.score->check);
    json.EndObject();
    out << json.Text() << '\n';
    return 0;
}
}  // namespace

int ScoreCodeCommand(Game&, const std::vector<std::string>& options, std::ostream& out) {
    if (options.empty()) throw UsageError("say encode or decode");
    const std::vector<std::string> rest(options.begin() + 1, options.end());
    if (options[0] == "encode") return Encode(rest, out);
    if (options[0] == "decode") return Decode(rest, out);
    throw UsageError("unknown action '" + options[0] + "' (encode or decode)");
}
