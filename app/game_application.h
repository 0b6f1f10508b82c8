#pragma once

#include <QApplication>
#include <exception>

/// The application object of the game. An exception thrown by any event handler ends the
/// message loop, and Run() throws it on to the program entry, which reports it; no
/// exception is lost inside the toolkit and none ends the program silently.
class GameApplication : public QApplication {
public:
    GameApplication(int& argc, char** argv);

    /// Runs the message loop until the main window closes; an exception that escaped an
    /// event handler is thrown again from here.
    int Run();

    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::exception_ptr escaped_;
};
