#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "play/music_player.h"
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

/// A music player that records its commands; `End()` plays the tune out.
class FakeMusicPlayer : public MusicPlayer {
public:
    bool Open(const std::string& file) override {
        calls.push_back("Open " + file);
        if (!opens) return false;
        mode = Mode::Stopped;
        return true;
    }
    void Play() override {
        calls.push_back("Play");
        mode = Mode::Playing;
    }
    void Stop() override {
        calls.push_back("Stop");
        mode = Mode::Stopped;
        Report();
    }
    Mode CurrentMode() const override { return mode; }
    void NotifyOnce(std::function<void()> report) override { pending = std::move(report); }

    void End() {
        mode = Mode::Stopped;
        Report();
    }
    void Report() {
        if (auto report = std::exchange(pending, nullptr)) report();
    }

    bool opens = true;
    Mode mode = Mode::NotOpen;
    std::vector<std::string> calls;
    std::function<void()> pending;
};

/// A browser that only writes down the addresses it was asked to open.
class RecordingUrls : public UrlOpener {
public:
    bool Open(const std::string& url) override {
        opened.push_back(url);
        return opens;
    }
    bool opens = true;
    std::vector<std::string> opened;
};
