// quelvane-tool roll | stroke: the ball's motion without drawing, and the arithmetic of a stroke.
#include <cmath>

#include "play/roll.h"
#include "play/stroke.h"
#include "tools/commands.h"
#include "tools/json.h"
#include "tools/tool_args.h"

namespace {
constexpr int kDefaultFrames = 5000;
constexpr int kMostFrames = 1000000;

// A window pixel: two whole numbers.
AimPoint ReadPixel(const ToolArgs& args, const std::string& name) {
    const std::vector<double> xy = args.Numbers(name, 2, kPixelRange);
    if (xy[0] != std::trunc(xy[0]) || xy[1] != std::trunc(xy[1]))
        throw UsageError("--" + name + " needs a pixel as two whole numbers X,Y");
    return {static_cast<int>(xy[0]), static_cast<int>(xy[1])};
}

const char* OutcomeName(RollOutcome outcome) {
    switch (outcome) {
        case RollOutcome::Running:
            return "running";
        case RollOutcome::Rest:
            return "rest";
        case RollOutcome::Sinking:
            return "sinking";
    }
    return "running";
}
}  // namespace

int RollCommand(Game& game, const std::vector<std::string>& options, std::ostream& out) {
    const ToolArgs args(options, {"hole", "pos", "face", "vel", "frames"}, {"trace"});
    const int number = args.Hole();
    const Hole& hole = game.course[number];
    if (!hole.HasGeometry())
        throw UsageError("hole " + std::to_string(number) + " has no geometry");
    const std::vector<double> pos = args.Numbers("pos", 3, kCoordinateRange);
    const int face = args.Int("face");
    if (face < 1 || face > hole.faceCount) {
        throw UsageError("face " + std::to_string(face) + " is not on hole " +
                         std::to_string(number) + " (faces are 1.." +
                         std::to_string(hole.faceCount) + ")");
    }
    const std::vector<double> vel = args.Numbers("vel", 2, kVelocityRange);
    const int frames = args.Int("frames", kDefaultFrames);
    if (frames < 1 || frames > kMostFrames)
        throw UsageError("--frames needs a whole number from 1 to 1000000, not " +
                         std::to_string(frames));

    LoadHole(game.course, number, game.solid);
    game.tournament.currentHole = number;
    BallState& ball = game.ball;
    ball = BallState{};
    ball.face = face;
    ball.x = static_cast<float>(pos[0]);
    ball.y = static_cast<float>(pos[1]);
    ball.z = static_cast<float>(pos[2]);
    ball.vx = static_cast<float>(vel[0]);
    ball.vy = static_cast<float>(vel[1]);
    StrokeState stroke;
    std::vector<TracePoint> trace;
    const RollResult result =
        Roll(game.solid, hole, ball, stroke, frames, args.Has("trace") ? &trace : nullptr);

    Json json;
    json.BeginObject();
    json.Key("outcome").Value(OutcomeName(result.outcome));
    json.Key("frames").Value(result.frames);
    json.Key("pos").Values(std::vector<float>{ball.x, ball.y, ball.z});
    json.Key("face").Value(ball.face);
    json.Key("vel").Values(std::vector<float>{ball.vx, ball.vy});
    json.Key("wallHits").Value(stroke.wallHits);
    json.Key("backToTee").Value(result.backToTee);
    json.Key("uh").Value(result.uh);
    if (args.Has("trace")) {
        json.Key("trace").BeginArray();
        for (const TracePoint& point : trace) json.Values(std::vector<float>{point.x, point.y});
        json.EndArray();
    }
    json.EndObject();
    out << json.Text() << '\n';
    return 0;
}

int StrokeCommand(Game&, const std::vector<std::string>& options, std::ostream& out) {
    const ToolArgs args(options, {"spin", "tilt", "mode", "from", "to"});
    const float spin = static_cast<float>(args.Number("spin", kAngleRange));
    const float tilt = static_cast<float>(args.Number("tilt", kAngleRange));
    const int mode = args.Int("mode");
    if (mode != kFineStroke && mode != kStrongStroke)
        throw UsageError("--mode needs 1 (fine, left button) or 2 (strong, right button)");
    const AimPoint start = ReadPixel(args, "from");
    const AimPoint end = ClampAimEnd(mode, start, ReadPixel(args, "to"));
    const BallVelocity velocity = StrokeVelocity(mode, spin, tilt, start, end);

    Json json;
    json.BeginObject();
    json.Key("end").Values(std::vector<int>{end.x, end.y});
    json.Key("vel").Values(std::vector<float>{velocity.vx, velocity.vy});
    json.EndObject();
    out << json.Text() << '\n';
    return 0;
}
