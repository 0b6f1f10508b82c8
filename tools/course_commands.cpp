// quelvane-tool holes | validate: the catalogue as data, and its rules checked.
#include <iostream>

#include "course/validate.h"
#include "tools/commands.h"
#include "tools/json.h"
#include "tools/tool_args.h"

namespace {
void WriteHole(Json& json, const Hole& hole, int number) {
    json.BeginObject();
    json.Key("number").Value(number).Key("name").Value(hole.name).Key("par").Value(hole.par);
    json.Key("vertices").BeginArray();
    for (int v = 1; v <= hole.vertexCount; ++v)
        json.Values(std::vector<int>{hole.vertexX[v], hole.vertexY[v], hole.vertexZ[v]});
    json.EndArray();
    json.Key("faces").BeginArray();
    for (int f = 1; f <= hole.faceCount; ++f) {
        const int c = hole.faceCorners[f];
        json.BeginObject();
        json.Key("corners").Values(
            std::vector<int>(hole.faceVertex[f].begin() + 1, hole.faceVertex[f].begin() + 1 + c));
        json.Key("neighbours")
            .Values(std::vector<int>(hole.faceNeighbour[f].begin() + 1,
                                     hole.faceNeighbour[f].begin() + 1 + c));
        json.EndObject();
    }
    json.EndArray();
    json.Key("tee").Values(std::vector<int>{hole.teeX, hole.teeY, hole.teeZ});
    json.Key("teeFace").Value(hole.teeFace);
    json.Key("cup").Values(std::vector<int>{hole.cupX, hole.cupY, hole.cupZ});
    json.Key("wallColour")
        .Values(std::vector<int>{RedOf(hole.wallColour), GreenOf(hole.wallColour),
                                 BlueOf(hole.wallColour)});
    json.EndObject();
}
}  // namespace

int HolesCommand(Game& game, const std::vector<std::string>& options, std::ostream& out) {
    ToolArgs args(options, {});
    Json json;
    json.BeginArray();
    for (int number = 1; number <= kHoleCount; ++number)
        WriteHole(json, game.course[number], number);
    json.EndArray();
    out << json.Text() << '\n';
    return 0;
}

int ValidateCommand(Game& game, const std::vector<std::string>& options, std::ostream& out) {
    ToolArgs args(options, {"hole"});
    int first = 1, last = kHoleCount;
    if (args.Has("hole")) first = last = args.Hole();
    int violations = 0;
    for (int number = first; number <= last; ++number) {
        for (const std::string& line : ValidateHole(game.course, number)) {
            out << line << '\n';
            ++violations;
        }
    }
    return violations == 0 ? 0 : 1;
}
