#pragma once

#include "play/platform.h"

/// The classic linear congruential generator: 0..32767 per draw, the same sequence for the
/// same seed.
class StandardRandom : public Random {
public:
    int Next() override {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }
    void Seed(std::uint32_t seed) override { state_ = seed; }

private:
    std::uint32_t state_ = 1;
};
