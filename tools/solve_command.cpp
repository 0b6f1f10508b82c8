// quelvane-tool solve: a way to hole out within par, found with the game's own rolling frames.
// Exits with 1 when the search finds none, like validate when a rule is broken.
#include "tools/commands.h"
#include "tools/json.h"
#include "tools/solver/stroke_search.h"
#include "tools/tool_args.h"

int SolveCommand(Game& game, const std::vector<std::string>& options, std::ostream& out) {
    const ToolArgs args(options, {"hole"});
    const int number = args.Hole();
    const Hole& hole = game.course[number];
    if (!hole.HasGeometry())
        throw UsageError("hole " + std::to_string(number) + " has no geometry");
    LoadHole(game.course, number, game.solid);
    game.tournament.currentHole = number;
    const StrokePlan plan = SearchStrokes(game.solid, hole, hole.par);

    Json json;
    json.BeginObject();
    json.Key("hole").Value(number).Key("par").Value(hole.par).Key("holed").Value(plan.holed);
    json.Key("strokes").BeginArray();
    for (const PlannedStroke& stroke : plan.strokes) {
        json.BeginObject();
        json.Key("pos").Values(std::vector<float>{stroke.from.x, stroke.from.y, stroke.from.z});
        json.Key("face").Value(stroke.from.face);
        json.Key("vel").Values(std::vector<float>{stroke.vx, stroke.vy});
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    out << json.Text() << '\n';
    return plan.holed ? 0 : 1;
}
