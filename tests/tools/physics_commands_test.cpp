#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "course/catalogue.h"
#include "tools/commands.h"
#include "tools/tool_args.h"

namespace {
std::string RunPrinting(ToolCommand command, const std::vector<std::string>& options) {
    const Course course = BuildCourse();
    Game game{course};
    InitCourse(game);
    std::ostringstream out;
    EXPECT_EQ(command(game, options, out), 0);
    return out.str();
}

TEST(RollCommand, ReportsHowTheBallEnds) {
    struct Case {
        std::vector<std::string> options;
        std::string json;
    };
    const Case cases[] = {
        {{"--hole", "1", "--pos", "-250,0,10", "--face", "1", "--vel", "10,0"},
         "{\"outcome\":\"sinking\",\"frames\":107,\"pos\":[192.43484,0,10],\"face\":2,"
         "\"vel\":[1.1513042,0],\"wallHits\":0,\"backToTee\":false,\"uh\":false}\n"},
        {{"--hole", "1", "--pos", "-250,0,10", "--face", "1", "--vel", "0,0"},
         "{\"outcome\":\"rest\",\"frames\":1,\"pos\":[-250,0,10],\"face\":1,"
         "\"vel\":[0,0],\"wallHits\":0,\"backToTee\":false,\"uh\":false}\n"},
        {{"--hole", "1", "--pos", "-250,0,10", "--face", "1", "--vel", "10,0", "--frames", "3",
          "--trace"},
         "{\"outcome\":\"running\",\"frames\":3,\"pos\":[-220.596,0,10],\"face\":1,"
         "\"vel\":[9.411921,0],\"wallHits\":0,\"backToTee\":false,\"uh\":false,"
         "\"trace\":[[-240,0],[-230.2,0],[-220.596,0]]}\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(RunPrinting(RollCommand, c.options), c.json);
}

TEST(StrokeCommand, PrintsTheClampedEndAndTheVelocity) {
    EXPECT_EQ(RunPrinting(StrokeCommand, {"--spin", "0", "--tilt", "-60", "--mode", "1", "--from",
                                          "100,100", "--to", "500,100"}),
              "{\"end\":[350,100],\"vel\":[-39.52847,0]}\n");
    EXPECT_EQ(RunPrinting(StrokeCommand, {"--spin", "30", "--tilt", "-60", "--mode", "1", "--from",
                                          "320,240", "--to", "100,400"}),
              "{\"end\":[118,387],\"vel\":[50.88501,24.279648]}\n");
}

TEST(PhysicsCommands, RefuseBadArguments) {
    const std::vector<std::string> roll = {"--hole", "1", "--pos", "-250,0,10",
                                           "--face", "1", "--vel", "1,0"};
    // Replaces the value of `name` in the good roll options.
    const auto rollWith = [&roll](const std::string& name, const std::string& value) {
        std::vector<std::string> options = roll;
        for (size_t i = 0; i + 1 < options.size(); ++i)
            if (options[i] == name) options[i + 1] = value;
        if (std::find(options.begin(), options.end(), name) == options.end()) {
            options.push_back(name);
            options.push_back(value);
        }
        return options;
    };
    const std::vector<std::string> stroke = {"--spin", "0",      "--tilt", "-60",  "--mode",
                                             "1",      "--from", "1,1",    "--to", "5,5"};
    const auto strokeWith = [&stroke](const std::string& name, const std::string& value) {
        std::vector<std::string> options = stroke;
        for (size_t i = 0; i + 1 < options.size(); ++i)
            if (options[i] == name) options[i + 1] = value;
        return options;
    };
    const std::vector<std::pair<ToolCommand, std::vector<std::string>>> bad = {
        {RollCommand, rollWith("--face", "0")},
        {RollCommand, rollWith("--face", "3")},  // Basic has two faces
        {RollCommand, rollWith("--hole", "37")},
        {RollCommand, rollWith("--pos", "nan,0,10")},
        {RollCommand, rollWith("--pos", "-250,inf,10")},
        {RollCommand, rollWith("--pos", "-250,0,1e400")},
        {RollCommand, rollWith("--pos", "-250,0")},
        {RollCommand, rollWith("--vel", "1e39,0")},
        {RollCommand, rollWith("--vel", "0,-1000.5")},
        {RollCommand, rollWith("--pos", "-250,10000.5,10")},
        {RollCommand, rollWith("--frames", "0")},
        {RollCommand, rollWith("--frames", "1000001")},
        {RollCommand, rollWith("--frames", "ten")},
        {RollCommand, {"--hole", "1", "--face", "1", "--vel", "1,0"}},
        {StrokeCommand, strokeWith("--mode", "3")},
        {StrokeCommand, strokeWith("--spin", "nan")},
        {StrokeCommand, strokeWith("--spin", "3.5e38")},
        {StrokeCommand, strokeWith("--tilt", "-1e39")},
        {StrokeCommand, strokeWith("--from", "1e30,1")},
        {StrokeCommand, strokeWith("--from", "1.5,1")},
        {StrokeCommand, strokeWith("--to", "5")},
        {StrokeCommand, {"--spin", "0", "--mode", "1", "--from", "1,1", "--to", "5,5"}},
    };
    for (const auto& [command, options] : bad) {
        const Course course = BuildCourse();
        Game game{course};
        InitCourse(game);
        std::ostringstream out;
        EXPECT_THROW(command(game, options, out), UsageError) << ::testing::PrintToString(options);
        EXPECT_EQ(out.str(), "");
    }
}

TEST(RollCommand, RefusesAHoleWithoutGeometry) {
    Course course = BuildCourse();
    course[5] = Hole{};
    Game game{course};
    InitCourse(game);
    std::ostringstream out;
    EXPECT_THROW(
        RollCommand(game, {"--hole", "5", "--pos", "0,0,0", "--face", "1", "--vel", "1,0"}, out),
        UsageError);
}
}  // namespace
