// quelvane-tool scorecode: makes the web score code of a 36-hole result and reads one back.
// A code the decoder refuses is reported like a bad argument: one line on stderr, status 2.
#include <vector>

#include "records/score_code.h"
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

int Encode(const std::vector<std::string>& options, std::ostream& out) {
    const ToolArgs args(options, {"strokes"});
    const SeriesStrokes strokes = ParseStrokes(args.Text("strokes"));
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
