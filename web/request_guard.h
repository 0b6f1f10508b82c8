#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpServer>
#include <QTimer>

class QTcpSocket;

/// Limits that every request must keep before the HTTP server sees it.
struct RequestLimits {
    int maxHeadBytes = 8 * 1024;
    int maxBodyBytes = 4 * 1024;
    /// A request must arrive whole within this time.
    int requestTimeoutMs = 10'000;
    /// A kept-alive connection with no request is closed after this time.
    int idleTimeoutMs = 30'000;
};

/// Watches the bytes of one connection as they arrive and frames its requests: a request line
/// and headers that are well formed and short, a body announced by Content-Length and no larger
/// than the limit, each request whole within the time limit. A request that breaks a rule gets
/// its 4xx answer and the connection is closed, so that nothing unbounded is ever buffered.
class RequestGuard : public QObject {
public:
    RequestGuard(QTcpSocket* socket, const RequestLimits& limits);

private:
    enum class State { Head, Body, Refused };

    void OnReadyRead();
    /// Takes the bytes from `data` that belong to the head; returns how many it took.
    qsizetype TakeHead(const QByteArray& data, qsizetype from);
    /// Checks the complete lines of the head gathered so far; an empty text means no fault.
    QByteArray CheckHeadLines(bool headComplete, int* status);
    void StartRequest();
    void FinishRequest();
    void Refuse(int status, const QByteArray& reason);

    QTcpSocket* socket_;
    RequestLimits limits_;
    State state_ = State::Head;
    QByteArray head_;
    qint64 bodyLeft_ = 0;
    bool requestStarted_ = false;
    bool apiRequest_ = false;
    QTimer requestTimer_;
    QTimer idleTimer_;
};

/// A TCP server whose every connection is watched by a RequestGuard before the HTTP server
/// takes it.
class GuardedTcpServer : public QTcpServer {
public:
    explicit GuardedTcpServer(const RequestLimits& limits) : limits_(limits) {}

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    RequestLimits limits_;
};
