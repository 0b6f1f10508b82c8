#pragma once

#include <functional>
#include <utility>

#include "play/music_player.h"

/// Stands in for the MIDI player until the game has its synthesiser: it opens any file and
/// keeps its mode, but plays no sound and never reaches the end of the tune.
class SilentMusicPlayer : public MusicPlayer {
public:
    bool Open(const std::string&) override {
        mode_ = Mode::Stopped;
        return true;
    }
    void Play() override { mode_ = Mode::Playing; }
    void Stop() override {
        mode_ = Mode::Stopped;
        if (auto report = std::exchange(report_, nullptr)) report();
    }
    Mode CurrentMode() const override { return mode_; }
    void NotifyOnce(std::function<void()> report) override { report_ = std::move(report); }

private:
    Mode mode_ = Mode::NotOpen;
    std::function<void()> report_;
};
