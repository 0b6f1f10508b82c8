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
// Course coordinates stay within +-700 and balls move a few units per frame; a bound far
// beyond that keeps every later sum of floats finite.
constexpr double kLargestValue = 1000000.0;

// The comma-separated numbers of `name`, each within +-kLargestValue.
std::vector<double> BoundedNumbers(const ToolArgs& args, const std::string& name, size_t count) {
    std::vector<double> numbers = args.Numbers(name, count);
    for (const double number : numbers) {
        if (std::fabs(number) > kLargestValue)
            throw UsageError("--" + name + " needs numbers between -1000000 and 1000000");
    }
    return numbers;
}

double BoundedNumber(const ToolArgs& args, const std::string& name) {
    return BoundedNumbers(args, name, 1)[0];
}

// A window pixel: two whole numbers.
AimPoint ReadPixel(const ToolArgs& args, const std::string& name) {
    const std::vector<double> xy = BoundedNumbers(args, name, 2);
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
    const std::vector<double> pos = BoundedNumbers(args, "pos", 3);
    const int face = args.Int("face");
    if (face < 1 || face > hole.faceCount) {
        throw UsageError("face " + std::to_string(face) + " is not on hole " +
                         std::to_string(number) + " (faces are 1.." +
                         std::to_string(hole.faceCount) + ")");
    }
    const std::vector<double> vel = BoundedNumbers(args, "vel", 2);
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
    const float spin = static_cast<float>(BoundedNumber(args, "spin"));
    const float tilt = static_cast<float>(BoundedNumber(args, "tilt"));
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
