#include <gtest/gtest.h>

#include <sstream>

#include "course/catalogue.h"
#include "tools/commands.h"
#include "tools/tool_args.h"

namespace {
struct Outcome {
    int status;
    std::string out;
};

Outcome RunCommand(ToolCommand command, const std::vector<std::string>& options) {
    const Course course = BuildCourse();
    Game game{course};
    InitCourse(game);
    std::ostringstream out;
    const int status = command(game, options, out);
    return {status, out.str()};
}

TEST(Tool, DrawOrderOfBasicAtSpinZero) {
    const Outcome run = RunCommand(DrawOrderCommand, {"--hole", "1", "--spin", "0"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "{\"drawCount\":12,\"drawOrder\":[202,902,302,201,402,501,401,702,502,602,2,1],"
              "\"viewOrigin\":[350,217],\"cupScreen\":[550,208.33975]}\n");
}

TEST(Tool, DrawOrderAcceptsTheEndsOfEveryRange) {
    const Outcome run =
        RunCommand(DrawOrderCommand, {"--hole", "1", "--spin", "-360", "--roll", "360", "--tilt",
                                      "-360", "--ball", "-10000,10000,-10000"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.find("null"), std::string::npos) << run.out;
}

TEST(Tool, HolesListsAllThirtySixWithBasicInFull) {
    const Outcome run = RunCommand(HolesCommand, {});
    EXPECT_EQ(
        run.out.rfind("[{\"number\":1,\"name\":\"Basic\",\"par\":2,\"vertices\":[[-300,50,10],", 0),
        0u);
    EXPECT_NE(run.out.find("\"number\":36,\"name\":\"Maze\""), std::string::npos);
    EXPECT_NE(run.out.find(
                  "\"tee\":[-250,0,10],\"teeFace\":1,\"cup\":[200,0,10],\"wallColour\":[64,0,0]"),
              std::string::npos);
}

TEST(Tool, ValidateOfASoundHolePrintsNothing) {
    const Outcome run = RunCommand(ValidateCommand, {"--hole", "3"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

TEST(Tool, RefusesBadArguments) {
    const std::vector<std::pair<ToolCommand, std::vector<std::string>>> bad = {
        {DrawOrderCommand, {"--hole", "37", "--spin", "0"}},
        {DrawOrderCommand, {"--hole", "0", "--spin", "0"}},
        {DrawOrderCommand, {"--hole", "1"}},
        {DrawOrderCommand, {"--hole", "1", "--spin", "ten"}},
        {DrawOrderCommand, {"--hole", "1", "--spin", "nan"}},
        // Angles beyond a float's range would become infinities, and NaN in the view.
        {DrawOrderCommand, {"--hole", "1", "--spin", "3.5e38"}},
        {DrawOrderCommand, {"--hole", "1", "--spin", "360.5"}},
        {DrawOrderCommand, {"--hole", "1", "--spin", "0", "--roll", "-1e39"}},
        {DrawOrderCommand, {"--hole", "1", "--spin", "0", "--tilt", "400"}},
        {DrawOrderCommand, {"--hole", "1", "--spin", "0", "--ball", "0,0,1e39"}},
        {DrawOrderCommand, {"--hole", "1", "--spin", "0", "--ball", "10001,0,0"}},
        {RenderCommand, {"--hole", "1", "--spin", "1e39", "--out", "/tmp/never.png"}},
        {RenderCommand, {"--hole", "1", "--spin", "0", "--out", ""}},
        {DrawOrderCommand, {"--hole", "1", "--spin", "0", "--ball", "1,2"}},
        {DrawOrderCommand, {"--hole", "1", "--spin", "0", "--colour", "red"}},
        {ValidateCommand, {"--hole", "x"}},
        {RenderCommand, {"--hole", "1", "--spin", "0"}},
        {RenderCommand, {"--hole", "1", "--spin", "0", "--out", "/no/such/dir/a.png"}},
    };
    for (const auto& [command, options] : bad) {
        const Course course = BuildCourse();
        Game game{course};
        InitCourse(game);
        std::ostringstream out;
        EXPECT_THROW(command(game, options, out), UsageError) << options[1];
    }
}
}  // namespace
