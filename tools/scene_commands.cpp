// quelvane-tool draw-order | render: the full scene of a hole, as numbers or as a picture.
#include "render/scene_painter.h"
#include "tools/commands.h"
#include "tools/json.h"
#include "tools/png_file.h"
#include "tools/tool_args.h"

namespace {
struct SceneRequest {
    int hole;
    ViewAngles view;
    float ballX, ballY, ballZ;
};

SceneRequest ReadScene(Game& game, const ToolArgs& args) {
    SceneRequest request{};
    request.hole = args.Hole();
    request.view.spin = static_cast<float>(args.Number("spin", kAngleRange));
    request.view.roll = static_cast<float>(args.Number("roll", kAngleRange, 0.0));
    request.view.tilt = static_cast<float>(args.Number("tilt", kAngleRange, -60.0));
    const Hole& hole = game.course[request.hole];
    request.ballX = static_cast<float>(hole.teeX);
    request.ballY = static_cast<float>(hole.teeY);
    request.ballZ = static_cast<float>(hole.teeZ);
    if (args.Has("ball")) {
        const auto ball = args.Numbers("ball", 3, kCoordinateRange);
        request.ballX = static_cast<float>(ball[0]);
        request.ballY = static_cast<float>(ball[1]);
        request.ballZ = static_cast<float>(ball[2]);
    }
    LoadHole(game.course, request.hole, game.solid);
    game.tournament.currentHole = request.hole;
    game.view = request.view;
    return request;
}
}  // namespace

int DrawOrderCommand(Game& game, const std::vector<std::string>& options, std::ostream& out) {
    const ToolArgs args(options, {"hole", "spin", "roll", "tilt", "ball"});
    const SceneRequest request = ReadScene(game, args);
    Scene& scene = game.scene;
    PrepareScene(request.view, game.solid, scene, request.ballX, request.ballY, request.ballZ);
    Json json;
    json.BeginObject().Key("drawCount").Value(scene.drawCount);
    json.Key("drawOrder")
        .Values(std::vector<int>(scene.drawOrder.begin() + 1,
                                 scene.drawOrder.begin() + 1 + scene.drawCount));
    json.Key("viewOrigin").Values(std::vector<int>{scene.viewOriginX, scene.viewOriginY});
    json.Key("cupScreen").Values(std::vector<float>{scene.cupScreenX, scene.cupScreenY});
    json.EndObject();
    out << json.Text() << '\n';
    return 0;
}

int RenderCommand(Game& game, const std::vector<std::string>& options, std::ostream& out) {
    const ToolArgs args(options, {"hole", "spin", "tilt", "out"});
    const std::string file = args.Text("out");
    const SceneRequest request = ReadScene(game, args);
    ScenePictures pictures = MakeScenePictures();
    BallOnScreen ball;
    DrawFullScene(pictures, request.view, game.solid, game.scene,
                  game.course[request.hole].wallColour, request.ballX, request.ballY, request.ballZ,
                  ball);
    WritePng(pictures.backBuffer, file);
    Json json;
    json.BeginObject().Key("out").Value(file).EndObject();
    out << json.Text() << '\n';
    return 0;
}
