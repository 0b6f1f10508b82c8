#include "app/game_application.h"

#include <utility>

GameApplication::GameApplication(int& argc, char** argv) : QApplication(argc, argv) {}

int GameApplication::Run() {
    const int status = exec();
    if (escaped_) std::rethrow_exception(std::exchange(escaped_, nullptr));
    return status;
}

bool GameApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // Only the first exception is kept; every message loop, modal ones too, ends.
        if (!escaped_) escaped_ = std::current_exception();
        exit(1);
        return false;
    }
}
