#include "web/request_guard.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <algorithm>

namespace {

const QByteArray kHeadEnd = "\r\n\r\n";

bool IsTokenChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           QByteArray("!#$%&'*+-.^_`|~").contains(c);
}

bool IsToken(QByteArrayView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), IsTokenChar);
}

bool IsVisible(QByteArrayView text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c > 0x20 && c < 0x7f; });
}

bool IsFieldValue(QByteArrayView text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte == '\t' || (byte >= 0x20 && byte != 0x7f);
    });
}

/// Whether a line still arriving can become a request line (ASCII without control bytes) or a
/// header line (no control bytes but tab).
bool IsArrivingLine(QByteArrayView line, bool requestLine) {
    if (line.endsWith('\r')) {
        line.chop(1);
    }
    return requestLine
               ? std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7f; })
               : IsFieldValue(line);
}

QByteArray StatusText(int status) {
    switch (status) {
        case 400:
            return "Bad Request";
        case 408:
            return "Request Timeout";
        case 411:
            return "Length Required";
        case 413:
            return "Payload Too Large";
        case 431:
            return "Request Header Fields Too Large";
        default:
            return "Error";
    }
}

}  // namespace

RequestGuard::RequestGuard(QTcpSocket* socket, const RequestLimits& limits)
    : QObject(socket), socket_(socket), limits_(limits) {
    requestTimer_.setSingleShot(true);
    idleTimer_.setSingleShot(true);
    connect(&requestTimer_, &QTimer::timeout, this,
            [this] { Refuse(408, "The request did not arrive in time."); });
    connect(&idleTimer_, &QTimer::timeout, socket_, &QTcpSocket::disconnectFromHost);
    // Connected before the HTTP server's own handler, so the guard sees every byte first.
    connect(socket_, &QTcpSocket::readyRead, this, &RequestGuard::OnReadyRead);
    // Each answer restarts the idle clock of a kept-alive connection.
    connect(socket_, &QTcpSocket::bytesWritten, this, [this] {
        if (!requestStarted_) {
            idleTimer_.start(limits_.idleTimeoutMs);
        }
    });
    idleTimer_.start(limits_.idleTimeoutMs);
}

void RequestGuard::OnReadyRead() {
    if (state_ == State::Refused) {
        socket_->readAll();
        return;
    }
    // The HTTP server reads what it has not parsed yet; peek leaves that to it.
    const QByteArray data = socket_->peek(socket_->bytesAvailable());
    qsizetype at = 0;
    while (at < data.size() && state_ != State::Refused) {
        if (!requestStarted_) {
            StartRequest();
        }
        if (state_ == State::Head) {
            at += TakeHead(data, at);
        } else {
            const qint64 take = std::min<qint64>(bodyLeft_, data.size() - at);
            bodyLeft_ -= take;
            at += take;
            if (bodyLeft_ == 0) {
                FinishRequest();
            }
        }
    }
}

qsizetype RequestGuard::TakeHead(const QByteArray& data, qsizetype from) {
    const qsizetype before = head_.size();
    head_.append(data.constData() + from, data.size() - from);
    const qsizetype end = head_.indexOf(kHeadEnd, std::max<qsizetype>(0, before - 3));
    const bool complete = end >= 0;
    if (complete) {
        head_.truncate(end + kHeadEnd.size());
    }
    if (head_.size() > limits_.maxHeadBytes) {
        Refuse(431, "The request line and headers are too long.");
        return data.size() - from;
    }
    int status = 400;
    if (QByteArray fault = CheckHeadLines(complete, &status); !fault.isEmpty()) {
        Refuse(status, fault);
        return data.size() - from;
    }
    if (!complete) {
        return data.size() - from;
    }
    const qsizetype taken = head_.size() - before;
    head_.clear();
    if (bodyLeft_ > 0) {
        state_ = State::Body;
    } else {
        FinishRequest();
    }
    return taken;
}

QByteArray RequestGuard::CheckHeadLines(bool headComplete, int* status) {
    const QList<QByteArray> lines = head_.split('\n');
    // The last piece is a line still arriving (or empty after the final line end).
    const qsizetype completeLines = headComplete ? lines.size() - 2 : lines.size() - 1;
    qint64 contentLength = -1;
    for (qsizetype i = 0; i < completeLines; ++i) {
        if (!lines[i].endsWith('\r')) {
            return "Lines must end with CR LF.";
        }
        const QByteArrayView line = QByteArrayView(lines[i]).chopped(1);
        if (i == 0) {
            const QList<QByteArray> words = line.toByteArray().split(' ');
            if (words.size() != 3 || !IsToken(words[0]) || !words[1].startsWith('/') ||
                !IsVisible(words[1]) || (words[2] != "HTTP/1.1" && words[2] != "HTTP/1.0")) {
                return "The request line is not METHOD /PATH HTTP/1.1.";
            }
            apiRequest_ = words[1].startsWith("/api/");
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || !IsToken(line.first(colon)) || !IsFieldValue(line.sliced(colon + 1))) {
            return "A header line is not NAME: VALUE.";
        }
        const QByteArray name = line.first(colon).toByteArray().toLower();
        const QByteArray value = line.sliced(colon + 1).toByteArray().trimmed();
        if (name == "transfer-encoding") {
            *status = 411;
            return "Send the body with a Content-Length header.";
        }
        if (name == "content-length") {
            bool ok = false;
            const qint64 length = value.toLongLong(&ok);
            if (!ok || length < 0 || !IsToken(value) ||
                (contentLength >= 0 && length != contentLength)) {
                return "The Content-Length header is not one whole number.";
            }
            if (length > limits_.maxBodyBytes) {
                *status = 413;
                return "The request body is larger than " +
                       QByteArray::number(limits_.maxBodyBytes) + " bytes.";
            }
            contentLength = length;
        }
    }
    if (headComplete) {
        bodyLeft_ = std::max<qint64>(contentLength, 0);
    } else if (!IsArrivingLine(lines.last(), completeLines == 0)) {
        // Refused at once rather than when the line is complete, which may be never.
        return "The request holds bytes that HTTP does not allow there.";
    }
    return {};
}

void RequestGuard::StartRequest() {
    requestStarted_ = true;
    idleTimer_.stop();
    requestTimer_.start(limits_.requestTimeoutMs);
}

void RequestGuard::FinishRequest() {
    requestStarted_ = false;
    state_ = State::Head;
    requestTimer_.stop();
}

void RequestGuard::Refuse(int status, const QByteArray& reason) {
    state_ = State::Refused;
    requestTimer_.stop();
    idleTimer_.stop();
    socket_->readAll();
    QByteArray body;
    QByteArray type;
    if (apiRequest_) {
        body = QJsonDocument(QJsonObject{{"error", QString::fromUtf8(reason)}})
                   .toJson(QJsonDocument::Compact);
        type = "application/json";
    } else {
        body = reason + "\n";
        type = "text/plain; charset=utf-8";
    }
    socket_->write("HTTP/1.1 " + QByteArray::number(status) + " " + StatusText(status) +
                   "\r\nContent-Type: " + type +
                   "\r\nContent-Length: " + QByteArray::number(body.size()) +
                   "\r\nX-Content-Type-Options: nosniff\r\nConnection: close\r\n\r\n" + body);
    socket_->disconnectFromHost();
}

void GuardedTcpServer::incomingConnection(qintptr socketDescriptor) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(socketDescriptor)) {
        delete socket;
        return;
    }
    // An answer leaves in more than one write (head, then body); without this the second
    // write waits for the client's delayed acknowledgement, some 40 ms on every request.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    new RequestGuard(socket, limits_);
    addPendingConnection(socket);
}
