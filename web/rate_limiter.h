#pragma once

#include <QHash>
#include <QHostAddress>
#include <chrono>

/// A token bucket per client address: each address may make `perMinute` requests in a burst
/// and gets them back evenly over a minute. Buckets that have filled up again are forgotten, so
/// the table stays as small as the set of recent clients.
class RateLimiter {
public:
    using Clock = std::chrono::steady_clock;

    /// `perMinute` 0 lets every request through.
    explicit RateLimiter(int perMinute) : perMinute_(perMinute) {}

    /// Takes one request from the address's bucket; false when the bucket is empty.
    bool Allow(const QHostAddress& client, Clock::time_point now);
    /// Whole seconds until the address may send its next request.
    int SecondsUntilNextRequest() const;

private:
    struct Bucket {
        double tokens = 0;
        Clock::time_point updated;
    };
    void ForgetFullBuckets(Clock::time_point now);

    int perMinute_;
    QHash<QString, Bucket> buckets_;
    Clock::time_point lastSweep_;
};
