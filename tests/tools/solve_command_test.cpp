#include <gtest/gtest.h>

#include <sstream>

#include "course/catalogue.h"
#include "tools/commands.h"
#include "tools/tool_args.h"

namespace {
TEST(SolveCommand, PrintsTheStrokesThatHoleOutWithinPar) {
    const Course course = BuildCourse();
    Game game{course};
    InitCourse(game);
    std::ostringstream out;
    EXPECT_EQ(SolveCommand(game, {"--hole", "26"}, out), 0);
    // "Green": par 1, one putt from the tee on face 1 straight up to the cup.
    EXPECT_EQ(
        out.str().rfind("{\"hole\":26,\"par\":1,\"holed\":true,\"strokes\":[{\"pos\":[0,-75,10],"
                        "\"face\":1,\"vel\":[",
                        0),
        0u);
    EXPECT_EQ(out.str().find("},{"), std::string::npos) << out.str();
}

TEST(SolveCommand, RefusesBadArguments) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--hole", "0"},
        {"--hole", "37"},
        {"--hole", "x"},
        {"--hole", "3", "--par", "1"},
        {"--hole"},
    };
    for (const auto& options : bad) {
        const Course course = BuildCourse();
        Game game{course};
        InitCourse(game);
        std::ostringstream out;
        EXPECT_THROW(SolveCommand(game, options, out), UsageError)
            << ::testing::PrintToString(options);
        EXPECT_EQ(out.str(), "");
    }
}
}  // namespace
