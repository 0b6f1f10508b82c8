// Entry point of the tests that need Qt widgets: one QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

// Qt and the audio libraries keep some allocations (plugin caches, audio threads) for the
// life of the process; in a sanitizer build their leak reports would be noise, and could
// even fail the listing of the tests at build time. Pure tests keep leak checking.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
