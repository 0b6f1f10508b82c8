// quelvane-scores: the score-list web server where players register their score codes.
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QHttpServer>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>

#include "web/request_guard.h"
#include "web/score_service.h"
#include "web/score_store.h"
#include "web/server_options.h"

namespace {

int stopSignalPipe[2];

void OnStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(stopSignalPipe[1], &byte, 1);
}

/// SIGTERM and SIGINT end the event loop, so that the database is closed cleanly.
void QuitOnStopSignals(QCoreApplication& application) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, stopSignalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(stopSignalPipe[0], QSocketNotifier::Read, &application);
    QObject::connect(notifier, &QSocketNotifier::activated, &application, &QCoreApplication::quit);
    std::signal(SIGTERM, OnStopSignal);
    std::signal(SIGINT, OnStopSignal);
}

}  // namespace

int main(int argc, char** argv) {
    // Whatever the server creates (the database and its journals) is the user's alone.
    ::umask(077);
    QCoreApplication application(argc, argv);
    QCoreApplication::setOrganizationName("Dolvarn");
    QCoreApplication::setApplicationName("quelvane-scores");

    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.contains("--help")) {
        std::fputs(qUtf8Printable(ServerUsage()), stdout);
        return 0;
    }
    const auto parsed = ParseServerOptions(arguments);
    if (const auto* error = std::get_if<OptionsError>(&parsed)) {
        std::fprintf(stderr, "quelvane-scores: %s\n", qUtf8Printable(error->message));
        return 2;
    }
    const ServerOptions& options = std::get<ServerOptions>(parsed);
    const auto target = ParseDatabaseUrl(options.database);
    if (const auto* error = std::get_if<QString>(&target)) {
        std::fprintf(stderr, "quelvane-scores: %s\n", qUtf8Printable(*error));
        return 2;
    }
    QString openError;
    const std::unique_ptr<ScoreStore> store =
        ScoreStore::Open(std::get<DatabaseTarget>(target), &openError);
    if (!store) {
        std::fprintf(stderr, "quelvane-scores: %s\n", qUtf8Printable(openError));
        return 1;
    }

    ScoreService service(*store, options.rateLimitPerMinute);
    QHttpServer server;
    server.setMissingHandler(
        [&service](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
            service.Handle(request).write(std::move(responder));
        });
    auto* listener = new GuardedTcpServer(RequestLimits{});
    if (!listener->listen(options.address, options.port)) {
        std::fprintf(stderr, "quelvane-scores: cannot listen on %s:%u: %s\n",
                     qUtf8Printable(options.address.toString()), options.port,
                     qUtf8Printable(listener->errorString()));
        delete listener;
        return 1;
    }
    server.bind(listener);
    QuitOnStopSignals(application);

    const QString host = options.address.protocol() == QAbstractSocket::IPv6Protocol
                             ? "[" + options.address.toString() + "]"
                             : options.address.toString();
    std::printf("quelvane-scores: listening on http://%s:%u/\n", qUtf8Printable(host),
                listener->serverPort());
    std::fflush(stdout);
    return application.exec();
}
