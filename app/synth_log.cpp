#include "app/synth_log.h"

#include <fluidsynth.h>

#include <chrono>
#include <cstdio>
#include <mutex>

void LineBudget::Roll(std::int64_t nowMs) {
    const std::int64_t second = nowMs / 1000;
    if (second == second_) return;
    second_ = second;
    used_ = 0;
    leftOutBefore_ += leftOut_;
    leftOut_ = 0;
}

bool LineBudget::Take(std::int64_t nowMs) {
    Roll(nowMs);
    if (used_ < linesPerSecond_) {
        ++used_;
        return true;
    }
    ++leftOut_;
    return false;
}

int LineBudget::LeftOut(std::int64_t nowMs) {
    Roll(nowMs);
    const int count = leftOutBefore_;
    leftOutBefore_ = 0;
    return count;
}

namespace {
constexpr int kLinesPerSecond = 5;

std::mutex logMutex;
LineBudget budget{kLinesPerSecond};

void WriteSynthMessage(int level, const char* message, void*) {
    if (level == FLUID_DBG) return;
    const std::int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now().time_since_epoch())
                                 .count();
    std::lock_guard lock(logMutex);
    if (const int leftOut = budget.LeftOut(now); leftOut > 0 && budget.Take(now))
        std::fprintf(stderr, "quelvane: synthesiser: %d more messages left out\n", leftOut);
    if (budget.Take(now)) std::fprintf(stderr, "quelvane: synthesiser: %s\n", message);
}
}  // namespace

void RouteSynthLog() {
    static std::once_flag routed;
    std::call_once(routed, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, WriteSynthMessage, nullptr);
    });
}
