#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "play/platform.h"

/// A clock that stands still until the test moves it.
class HandClock : public Clock {
public:
    explicit HandClock(std::int64_t start = 0) : ticks(start) {}
    std::int64_t Ticks() override { return ticks; }
    std::int64_t ticks;
};

/// A sound player that only writes down the names it was asked to play.
class RecordingSounds : public SoundPlayer {
public:
    void Play(const std::string& name, bool) override { played.push_back(name); }
    std::vector<std::string> played;
};
