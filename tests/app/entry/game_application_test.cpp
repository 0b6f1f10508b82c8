#include "app/game_application.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QTimer>
#include <stdexcept>

#include "app/exception_report.h"
#include "tests/setup/recording_prompt.h"

namespace {
GameApplication& Application() {
    return *static_cast<GameApplication*>(QCoreApplication::instance());
}

TEST(ExceptionReport, AnExceptionFromAnEventHandlerEndsTheLoopAndReachesTheEntry) {
    QTimer::singleShot(0, [] { throw std::runtime_error("The course is broken"); });
    bool reported = false;
    try {
        Application().Run();
    } catch (const std::runtime_error& error) {
        reported = true;
        EXPECT_STREQ(error.what(), "The course is broken");
    }
    EXPECT_TRUE(reported);
}

TEST(ExceptionReport, AnExceptionInsideAModalDialogEndsEveryLoop) {
    QDialog dialog;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(10, [] { throw std::logic_error("Broken inside the dialog"); });
        dialog.exec();
    });
    EXPECT_THROW(Application().Run(), std::logic_error);
    // The loop runs normally again afterwards.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    EXPECT_EQ(Application().Run(), 0);
}

TEST(ExceptionReport, ShowsTheTextWithTheStopIconAndGivesAFailingStatus) {
    struct Case {
        std::exception_ptr exception;
        std::string text;
    };
    const Case cases[] = {
        {std::make_exception_ptr(std::runtime_error("No picture \"sball\"")),
         "No picture \"sball\""},
        {std::make_exception_ptr(42), "An unknown error ended the game."},
    };
    for (const Case& c : cases) {
        RecordingPrompt prompt;
        EXPECT_NE(ReportException(prompt, c.exception), 0);
        ASSERT_EQ(prompt.asked.size(), 1u);
        EXPECT_EQ(prompt.asked[0].text, c.text);
        EXPECT_EQ(prompt.asked[0].caption, "Quelvane");
        EXPECT_EQ(prompt.asked[0].buttons, Prompt::Buttons::Ok);
        EXPECT_EQ(prompt.asked[0].icon, Prompt::Icon::Stop);
    }
}
}  // namespace
