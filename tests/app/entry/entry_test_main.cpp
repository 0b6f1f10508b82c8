// Entry point of the program-entry tests: the game's application object on the offscreen
// platform.
#include <gtest/gtest.h>

#include "app/game_application.h"

// As in the other Qt tests: the toolkit keeps some allocations for the life of the process.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    GameApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
