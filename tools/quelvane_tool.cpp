// quelvane-tool: inspects the course, the drawing and the physics from the shell.
// Every command prints JSON on stdout; a bad command line prints one line on stderr
// and exits with status 2.
#include <QGuiApplication>
#include <cstring>
#include <iostream>

#include "tools/commands.h"
#include "tools/tool_args.h"

namespace {
struct CommandEntry {
    const char* name;
    const char* usage;
    ToolCommand run;
};

const CommandEntry kCommands[] = {
    {"holes", "holes", HolesCommand},
    {"validate", "validate [--hole N]", ValidateCommand},
    {"draw-order", "draw-order --hole N --spin S [--roll R] [--tilt T] [--ball X,Y,Z]",
     DrawOrderCommand},
    {"render", "render --hole N --spin S [--tilt T] --out FILE.png", RenderCommand},
    {"roll", "roll --hole N --pos X,Y,Z --face F --vel VX,VY [--frames M] [--trace]", RollCommand},
    {"stroke", "stroke --spin S --tilt T --mode 1|2 --from X,Y --to X,Y", StrokeCommand},
    {"sheet", "sheet --out FILE.png", SheetCommand},
    {"solve", "solve --hole N", SolveCommand},
    {"scorecode", "scorecode encode --strokes S1,...,S36 | decode CODE", ScoreCodeCommand},
};

void PrintUsage(std::ostream& out) {
    out << "usage: quelvane-tool COMMAND [OPTIONS]\n";
    for (const CommandEntry& command : kCommands)
        out << "  quelvane-tool " << command.usage << '\n';
}
}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        PrintUsage(std::cerr);
        return 2;
    }
    // Pictures and their text need a GUI application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const std::vector<std::string> options(argv + 2, argv + argc);
    for (const CommandEntry& command : kCommands) {
        if (std::strcmp(command.name, argv[1]) != 0) continue;
        try {
            Game game;
            InitCourse(game);
            return command.run(game, options, std::cout);
        } catch (const UsageError& error) {
            std::cerr << "quelvane-tool " << command.name << ": " << error.what() << '\n';
            return 2;
        }
    }
    std::cerr << "quelvane-tool: unknown command '" << argv[1] << "'\n";
    PrintUsage(std::cerr);
    return 2;
}
