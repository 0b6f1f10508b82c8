#pragma once

#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <chrono>
#include <optional>
#include <vector>

#include "web/rate_limiter.h"
#include "web/score_entry.h"

class ScoreStore;

/// Answers every request of the score list: the page (GET and POST /), its style sheet and the
/// JSON API (GET /api/top, POST /api/scores).
class ScoreService {
public:
    ScoreService(ScoreStore& store, int rateLimitPerMinute);

    QHttpServerResponse Handle(const QHttpServerRequest& request);

private:
    QHttpServerResponse ShowPage(const QHttpServerRequest& request);
    QHttpServerResponse RegisterFromPage(const QHttpServerRequest& request);
    QHttpServerResponse ApiBest(const QHttpServerRequest& request);
    QHttpServerResponse ApiRegister(const QHttpServerRequest& request);
    QHttpServerResponse PageWithError(const QString& error, const QString& typedName,
                                      const QString& typedCode,
                                      QHttpServerResponse::StatusCode status);
    /// The best 100, read again after this process registered a score or after a second (other
    /// processes may share the database); nullptr when the database fails.
    const std::vector<RankedScore>* Best();
    std::optional<RankedScore> Ranked(const StoredScore& entry);

    ScoreStore& store_;
    RateLimiter limiter_;
    std::optional<std::vector<RankedScore>> best_;
    QByteArray plainPage_;  // the page without a message, made from best_
    std::chrono::steady_clock::time_point bestReadAt_;
};
