#pragma once

#include <functional>

#include "play/music_player.h"

/// Where the tune stands: playing, stopped at a place, or stopped at its end. The music
/// player keeps this itself from the sequencer's tick count, because the synthesiser's own
/// "done" comes seconds after the last note and follows a stop as well.
class TuneProgress {
public:
    using Mode = MusicPlayer::Mode;

    Mode CurrentMode() const { return mode_; }
    /// The tune is loaded: stopped at its start.
    void Opened();
    /// A play command. Returns the tick to play from: where playing stopped, or 0 when
    /// standing at the end; -1 when there is nothing to start (not open, or already playing).
    int Play();
    /// A stop command with the sequencer at `tick`: stopped there; the pending report fires.
    void Stop(int tick);
    /// The sequencer's tick while playing. True when it has reached `lastTick`, the tune's
    /// end: the tune is then stopped at its end and the caller, once it has halted the
    /// sequencer, calls `Completed` to fire the report.
    bool Advance(int tick, int lastTick);
    /// Fires the pending report, if any.
    void Completed();
    /// Asks for one call of `report` at the next completion (the end, or a stop).
    void NotifyOnce(std::function<void()> report) { report_ = std::move(report); }

private:
    Mode mode_ = Mode::NotOpen;
    int place_ = 0;
    bool atEnd_ = false;
    std::function<void()> report_;
};
