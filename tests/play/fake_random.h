#pragma once

#include <cstdint>
#include <deque>

#include "play/platform.h"

/// Hands out a fixed list of numbers, then a simple repeatable sequence.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(std::deque<int> script = {}) : script_(std::move(script)) {}
    int Next() override {
        if (!script_.empty()) {
            const int value = script_.front();
            script_.pop_front();
            return value;
        }
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }
    void Seed(std::uint32_t seed) override { state_ = seed; }

private:
    std::deque<int> script_;
    std::uint32_t state_ = 1;
};
