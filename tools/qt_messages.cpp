#include "tools/qt_messages.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace {
bool showMessages = false;

// One line on stderr: the message with its own line breaks folded into spaces.
void PrintLine(const QString& message) {
    std::fprintf(stderr, "quelvane-tool: %s\n", message.simplified().toLocal8Bit().constData());
    std::fflush(stderr);
}

void HandleQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        PrintLine(message);
        std::_Exit(2);
    }
    if (showMessages) PrintLine(message);
}
}  // namespace

void RouteQtMessages(bool verbose) {
    showMessages = verbose;
    qInstallMessageHandler(HandleQtMessage);
}
