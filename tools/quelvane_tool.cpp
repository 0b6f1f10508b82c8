#include "course/catalogue.h"
// quelvane-tool: inspects the course, the drawing and the physics from the shell.
// Every command prints JSON on stdout; a bad command line prints one line on stderr
// and exits with status 2. Qt's own messages stay off stderr unless --verbose asks for them.
#include <QGuiApplication>
#include <iostream>
#include <string>
#include <vector>

#include "tools/commands.h"
#include "tools/qt_messages.h"
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
    {"scorecode", "scorecode encode --strokes S1,...,S36 | encode --store FILE | decode CODE",
     ScoreCodeCommand},
    {"art", "art --out FILE.png", ArtCommand},
    {"records", "records show [--store FILE] | enter --store FILE --name NAME --holes H:S,H:S,...",
     RecordsCommand},
};

void PrintUsage(std::ostream& out) {
    out << "usage: quelvane-tool [--verbose] COMMAND [OPTIONS]\n";
    for (const CommandEntry& command : kCommands)
        out << "  quelvane-tool " << command.usage << '\n';
    out << "--verbose also shows the messages of Qt and of the image libraries on stderr\n";
}

const CommandEntry* FindCommand(const std::string& name) {
    for (const CommandEntry& command : kCommands)
        if (name == command.name) return &command;
    return nullptr;
}
}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> words(argv + 1, argv + argc);
    const bool verbose = !words.empty() && words.front() == "--verbose";
    if (verbose) words.erase(words.begin());
    if (words.empty()) {
        std::cerr << "quelvane-tool: no command given (quelvane-tool --help lists them)\n";
        return 2;
    }
    if (words.front() == "--help") {
        PrintUsage(std::cout);
        return 0;
    }
    const CommandEntry* command = FindCommand(words.front());
    if (!command) {
        std::cerr << "quelvane-tool: unknown command '" << words.front()
                  << "' (quelvane-tool --help lists them)\n";
        return 2;
    }

    RouteQtMessages(verbose);
    // Pictures and their text need a GUI application, but never a screen. Qt sees only the
    // program's name: every option on the command line is the tool's own.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication application(qtArgc, qtArgv);

    const std::vector<std::string> options(words.begin() + 1, words.end());
    try {
        const Course course = BuildCourse();
        Game game{course};
        InitCourse(game);
        return command->run(game, options, std::cout);
    } catch (const UsageError& error) {
        std::cerr << "quelvane-tool " << command->name << ": " << error.what() << '\n';
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "quelvane-tool " << command->name << ": failed: " << error.what() << '\n';
        return 1;
    }
}
