// Load on the score-list server: N clients on kept-alive connections register codes and read
// the page for a fixed time against an SQLite file. Reports registrations and page views per
// second, the median and 99th percentile latency, and how many accepted registrations are
// missing from the database afterwards.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "records/score_code.h"

namespace {

using Clock = std::chrono::steady_clock;

/// One client's kept-alive connection, speaking just enough HTTP/1.1 for the benchmark.
class Connection {
public:
    explicit Connection(int port) : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const int on = 1;
        ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~Connection() { ::close(fd_); }

    /// Sends one request and returns the status of its answer, 0 when the connection failed.
    int Exchange(const std::string& request) {
        if (!connected_ || ::send(fd_, request.data(), request.size(), MSG_NOSIGNAL) < 0) {
            return 0;
        }
        std::string received;
        size_t headEnd;
        while ((headEnd = received.find("\r\n\r\n")) == std::string::npos) {
            if (!Receive(received)) {
                return 0;
            }
        }
        const size_t lengthAt = received.find("Content-Length: ");
        const size_t length =
            lengthAt < headEnd ? std::stoul(received.substr(lengthAt + 16)) : size_t{0};
        while (received.size() < headEnd + 4 + length) {
            if (!Receive(received)) {
                return 0;
            }
        }
        return std::stoi(received.substr(9, 3));
    }

private:
    bool Receive(std::string& received) {
        char buffer[65536];
        const ssize_t got = ::recv(fd_, buffer, sizeof buffer, 0);
        if (got <= 0) {
            return false;
        }
        received.append(buffer, static_cast<size_t>(got));
        return true;
    }

    int fd_;
    bool connected_ = false;
};

struct ClientResult {
    std::vector<double> latenciesMs;
    std::vector<std::string> accepted;
    int pageViews = 0;
    int failures = 0;
};

std::string RegistrationRequest(const std::string& code, int client) {
    const std::string body =
        R"({"name": "Load )" + std::to_string(client) + R"(", "code": ")" + code + "\"}";
    return "POST /api/scores HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/json\r\n"
           "Content-Length: " +
           std::to_string(body.size()) + "\r\n\r\n" + body;
}

/// Each client registers one code and then reads the page `viewsPerRegistration` times.
ClientResult RunClient(int port, int client, Clock::time_point end, int viewsPerRegistration) {
    ClientResult result;
    std::mt19937 random(static_cast<unsigned>(client) * 7919u + 1u);
    std::uniform_int_distribution<int> count(1, 9);
    Connection connection(port);
    const std::string pageView = "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    for (int step = 0; Clock::now() < end; ++step) {
        std::string code;
        const bool registration = step % (viewsPerRegistration + 1) == 0;
        if (registration) {
            SeriesStrokes strokes;
            std::generate(strokes.begin(), strokes.end(), [&] { return count(random); });
            code = EncodeScoreCode(strokes);
        }
        const auto start = Clock::now();
        const int status =
            connection.Exchange(registration ? RegistrationRequest(code, client) : pageView);
        result.latenciesMs.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (registration && status == 201) {
            result.accepted.push_back(code);
        } else if (!registration && status == 200) {
            ++result.pageViews;
        } else if (status != 200) {
            ++result.failures;
        }
        if (status == 0) {
            break;
        }
    }
    return result;
}

int CountStored(const QString& path, const std::vector<std::string>& accepted) {
    int found = 0;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "load-check");
        database.setDatabaseName(path);
        database.open();
        std::set<std::string> stored;
        QSqlQuery query("SELECT code FROM scores", database);
        while (query.next()) {
            stored.insert(query.value(0).toString().toStdString());
        }
        for (const std::string& code : accepted) {
            found += static_cast<int>(stored.count(code));
        }
    }
    QSqlDatabase::removeDatabase("load-check");
    return found;
}

/// CPU seconds the process has used so far, from /proc.
double CpuSeconds(qint64 pid) {
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return 0;
    }
    // The fields after the command name: utime and stime are the 12th and 13th.
    const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / sysconf(_SC_CLK_TCK);
}

double Percentile(std::vector<double>& values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    const auto at = values.begin() + static_cast<long>(fraction * (values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

void BM_ScoreListUnderLoad(benchmark::State& state) {
    const int clients = static_cast<int>(state.range(0));
    const auto duration = std::chrono::seconds(state.range(1));
    const int viewsPerRegistration = 5;
    QTemporaryDir folder;
    const QString database = folder.filePath("scores.sqlite");
    QProcess server;
    server.start(QUELVANE_SCORES_PATH, {"--listen", "127.0.0.1:0", "--database",
                                        "sqlite:" + database, "--rate-limit", "0"});
    server.waitForReadyRead(10'000);
    const int port = QString::fromUtf8(server.readLine()).section(':', -1).remove('/').toInt();
    if (port == 0) {
        state.SkipWithError("the server did not start");
        return;
    }
    for (auto _ : state) {
        const auto end = Clock::now() + duration;
        std::vector<ClientResult> results(static_cast<size_t>(clients));
        std::vector<std::thread> threads;
        for (int c = 0; c < clients; ++c) {
            threads.emplace_back([&, c] {
                results[static_cast<size_t>(c)] = RunClient(port, c, end, viewsPerRegistration);
            });
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
        const double serverCpu = CpuSeconds(server.processId());
        server.terminate();
        server.waitForFinished(10'000);

        std::vector<double> latencies;
        std::vector<std::string> accepted;
        int pageViews = 0;
        int failures = 0;
        for (ClientResult& result : results) {
            latencies.insert(latencies.end(), result.latenciesMs.begin(), result.latenciesMs.end());
            accepted.insert(accepted.end(), result.accepted.begin(), result.accepted.end());
            pageViews += result.pageViews;
            failures += result.failures;
        }
        const double seconds = std::chrono::duration<double>(duration).count();
        state.counters["registrations_per_s"] = static_cast<double>(accepted.size()) / seconds;
        state.counters["page_views_per_s"] = pageViews / seconds;
        state.counters["p50_ms"] = Percentile(latencies, 0.50);
        state.counters["p99_ms"] = Percentile(latencies, 0.99);
        state.counters["failed_requests"] = failures;
        // The machine is shared: requests per CPU second of the server tell its own cost.
        state.counters["requests_per_server_cpu_s"] =
            serverCpu > 0 ? static_cast<double>(latencies.size()) / serverCpu : 0;
        state.counters["lost_registrations"] =
            static_cast<double>(accepted.size()) - CountStored(database, accepted);
    }
}

}  // namespace

// Arguments: clients, seconds.
BENCHMARK(BM_ScoreListUnderLoad)->Args({8, 3})->Iterations(1)->Unit(benchmark::kSecond);
