// The game as a program: it reads no command line, so Qt's options on it change nothing.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace {
TEST(GameCommandLine, QtOptionsOnTheCommandLineNeverReachQt) {
    // With the options handed to Qt, "-platform nosuch" ends the program at once.
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.path());
    QProcess game;
    game.setProcessEnvironment(env);
    game.start(QUELVANE_PROGRAM, {"-platform", "nosuch", "-session", "x", "-reverse"});
    ASSERT_TRUE(game.waitForStarted());
    EXPECT_FALSE(game.waitForFinished(3000)) << "the game ended with status " << game.exitCode()
                                             << ": " << game.readAllStandardError().toStdString();
    game.kill();
    game.waitForFinished();
}
}  // namespace
