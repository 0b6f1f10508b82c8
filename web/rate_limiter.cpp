#include "web/rate_limiter.h"

#include <algorithm>
#include <cmath>

namespace {

double Refill(double tokens, std::chrono::duration<double> elapsed, int perMinute) {
    return std::min<double>(perMinute, tokens + elapsed.count() * perMinute / 60.0);
}

}  // namespace

bool RateLimiter::Allow(const QHostAddress& client, Clock::time_point now) {
    if (perMinute_ == 0) {
        return true;
    }
    if (now - lastSweep_ > std::chrono::minutes(1)) {
        ForgetFullBuckets(now);
    }
    const QString key = client.toString();
    auto found = buckets_.find(key);
    if (found == buckets_.end()) {
        found = buckets_.insert(key, Bucket{static_cast<double>(perMinute_), now});
    }
    Bucket& bucket = *found;
    bucket.tokens = Refill(bucket.tokens, now - bucket.updated, perMinute_);
    bucket.updated = now;
    if (bucket.tokens < 1.0) {
        return false;
    }
    bucket.tokens -= 1.0;
    return true;
}

int RateLimiter::SecondsUntilNextRequest() const {
    return perMinute_ == 0 ? 0 : static_cast<int>(std::ceil(60.0 / perMinute_));
}

void RateLimiter::ForgetFullBuckets(Clock::time_point now) {
    lastSweep_ = now;
    for (auto it = buckets_.begin(); it != buckets_.end();) {
        if (Refill(it->tokens, now - it->updated, perMinute_) >= perMinute_) {
            it = buckets_.erase(it);
        } else {
            ++it;
        }
    }
}
