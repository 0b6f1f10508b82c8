// The tool as a program: what reaches stderr and the exit status for hostile command lines.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace {
struct ToolRun {
    int status;
    QString out, err;
};

// Runs quelvane-tool with `arguments`; `environment` entries NAME=VALUE are added, and
// XDG_RUNTIME_DIR is removed so that Qt has a warning to give.
ToolRun RunTool(const QStringList& arguments, const QStringList& environment = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    env.remove("QT_QPA_PLATFORM");
    for (const QString& entry : environment)
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QUELVANE_TOOL_PROGRAM, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << arguments.join(' ').toStdString();
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {status, QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(ToolCommandLine, EveryErrorIsOneLineOnStderrAndStatusTwo) {
    struct Case {
        QStringList arguments;
        QStringList environment;
        QString expected;  // a piece of the one line
    };
    const QString png = QTemporaryDir().path() + "-unused.png";
    const Case cases[] = {
        {{"render", "--hole", "1", "--spin", "1e39", "--out", png}, {}, "--spin needs a number"},
        {{"draw-order", "--hole", "1", "--spin", "3.5e38"}, {}, "--spin needs a number"},
        {{"draw-order", "--hole", "1", "--spin", "0", "--tilt", "-361"}, {}, "--tilt"},
        {{"draw-order", "--hole", "1", "--spin", "0", "--ball", "0,1e30,0"}, {}, "--ball"},
        {{"roll", "--hole", "1", "--pos", "-250,0,10", "--face", "1", "--vel", "3e38,0"},
         {},
         "--vel"},
        {{"stroke", "--spin", "1e39", "--tilt", "-60", "--mode", "1", "--from", "1,1", "--to",
          "5,5"},
         {},
         "--spin"},
        // Options that Qt's own parser would take are the tool's, and unknown to it.
        {{"holes", "-platform", "nosuch"}, {}, "unexpected argument '-platform'"},
        {{"holes", "-reverse"}, {}, "unexpected argument '-reverse'"},
        {{"holes", "-session", "x"}, {}, "unexpected argument '-session'"},
        {{"holes", "-plugin", "x"}, {}, "unexpected argument '-plugin'"},
        {{"holes", "-qwindowtitle", "x"}, {}, "unexpected argument '-qwindowtitle'"},
        {{"holes", "--platform", "offscreen"}, {}, "unknown option --platform"},
        {{"render", "--hole", "1", "--spin", "0", "--out", ""}, {}, "--out needs a file name"},
        {{"render", "--hole", "1", "--spin", "0", "--out", "/dev/full"}, {}, "cannot write"},
        {{"sheet", "--out", "/no/such/folder/sheet.png"}, {}, "cannot write"},
        {{}, {}, "no command"},
        {{"nosuch"}, {}, "unknown command 'nosuch'"},
        {{"holes"}, {"QT_QPA_PLATFORM=nosuch"}, "platform plugin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " " +
                     c.environment.join(' ').toStdString());
        const ToolRun run = RunTool(c.arguments, c.environment);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.endsWith('\n'));
        EXPECT_TRUE(run.err.contains(c.expected)) << run.err.toStdString();
    }
}

TEST(ToolCommandLine, QtMessagesShowOnlyWhenVerbose) {
    QTemporaryDir folder;
    const QString png = folder.filePath("hole.png");
    const ToolRun quiet = RunTool({"render", "--hole", "1", "--spin", "0", "--out", png});
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.err, "");
    EXPECT_TRUE(quiet.out.contains("hole.png"));

    const ToolRun verbose =
        RunTool({"--verbose", "render", "--hole", "1", "--spin", "0", "--out", png});
    EXPECT_EQ(verbose.status, 0);
    EXPECT_TRUE(verbose.err.contains("XDG_RUNTIME_DIR")) << verbose.err.toStdString();

    const ToolRun full =
        RunTool({"--verbose", "render", "--hole", "1", "--spin", "0", "--out", "/dev/full"});
    EXPECT_EQ(full.status, 2);
    EXPECT_TRUE(full.err.endsWith("cannot write /dev/full: No space left on device\n"))
        << full.err.toStdString();
}
}  // namespace
