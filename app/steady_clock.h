#pragma once

#include <chrono>

#include "play/platform.h"

/// Milliseconds of the system's steady clock; never goes backwards.
class SteadyClock : public Clock {
public:
    std::int64_t Ticks() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};
