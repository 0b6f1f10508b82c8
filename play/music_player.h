#pragma once

#include <functional>
#include <string>

/// Plays one MIDI tune: open, play, stop, the mode, and a report when a command completes.
class MusicPlayer {
public:
    enum class Mode { NotOpen, Stopped, Playing };

    /// Opens `file`; false when it cannot be played (missing file, no synthesiser, no device).
    virtual bool Open(const std::string& file) = 0;
    /// Plays on from where playing stopped, or from the start when standing at the end.
    virtual void Play() = 0;
    /// Stops at the current place; a pending report fires.
    virtual void Stop() = 0;
    virtual Mode CurrentMode() const = 0;
    /// Asks for one call of `report` when the next command completes: playing reaches the
    /// end, or is stopped. Each request reports once.
    virtual void NotifyOnce(std::function<void()> report) = 0;
    virtual ~MusicPlayer() = default;
};
