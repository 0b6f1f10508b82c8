#include "app/tune_progress.h"

#include <utility>

void TuneProgress::Opened() {
    mode_ = Mode::Stopped;
    place_ = 0;
    atEnd_ = false;
}

int TuneProgress::Play() {
    if (mode_ != Mode::Stopped) return -1;
    if (atEnd_) place_ = 0;
    atEnd_ = false;
    mode_ = Mode::Playing;
    return place_;
}

void TuneProgress::Stop(int tick) {
    if (mode_ == Mode::NotOpen) return;
    if (mode_ == Mode::Playing) place_ = tick;
    mode_ = Mode::Stopped;
    Completed();
}

bool TuneProgress::Advance(int tick, int lastTick) {
    // Until the sequencer has loaded the file its last tick reads 0.
    if (mode_ != Mode::Playing || lastTick <= 0) return false;
    place_ = tick;
    if (tick < lastTick) return false;
    mode_ = Mode::Stopped;
    atEnd_ = true;
    return true;
}

void TuneProgress::Completed() {
    if (auto report = std::exchange(report_, nullptr)) report();
}
