#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/rendered_tune.h"

/// One wave sound, decoded: mono samples at the mix rate.
struct MixWave {
    std::string name;
    std::vector<std::int16_t> samples;
};

/// The game's one mix of sound and music, pulled by the audio device: the current wave
/// sound over the tune. The audio callback calls `Mix` and touches nothing else; every other
/// call comes from the GUI thread, and one lock keeps the two apart. Whether a wave still
/// sounds is read from the mixer's own place in it, so it is exact. While the device does
/// not pull, waves and the tune wait where they are.
class AudioMixer {
public:
    /// Called on the audio thread, under the mixer's lock, when the tune has played to its
    /// end; `play` is the number of the play command that ended. It must only pass the news
    /// on (queue it for the GUI thread), never call back into the mixer.
    using TuneEndReport = std::function<void(unsigned play)>;
    /// Called outside the mixer's lock, never on the audio thread, when a wave or the tune
    /// starts: the device, resting while the mix is silent, is to pull again.
    using WakeUp = std::function<void()>;

    /// Starts `wave` from its beginning, cutting off the wave still sounding; with `noStop`
    /// the new wave is dropped instead while another sounds. True when it started.
    bool PlayWave(std::shared_ptr<const MixWave> wave, bool noStop);
    /// The name of the wave sounding now, or "" when none does.
    std::string SoundingWave() const;

    /// The tune to play (it may still be rendering); it stands at its start, stopped.
    void SetTune(std::shared_ptr<const RenderedTune> tune);
    void SetTuneEndReport(TuneEndReport report);
    /// Plays the tune on from its place, or from the start when it stands at its end.
    /// Frames not rendered yet are waited for in silence.
    void PlayTune(unsigned play);
    /// Stops the tune at once, keeping its place.
    void StopTune();
    /// The tune's place in frames, and whether it is playing (not once it has ended).
    std::size_t TunePlace() const;
    bool TunePlaying() const;

    /// Whether a wave sounds or the tune plays (also while it waits for frames).
    bool Audible() const;
    void SetWakeUp(WakeUp wakeUp);

    /// The audio callback: the next `frames` stereo frames of the mix into `out`.
    void Mix(std::int16_t* out, int frames);

private:
    void MixTune(std::int16_t* out, int frames);
    void MixWave(std::int16_t* out, int frames);

    mutable std::mutex mutex_;
    std::shared_ptr<const ::MixWave> wave_;  // null when no wave sounds
    std::size_t wavePlace_ = 0;
    std::shared_ptr<const RenderedTune> tune_;
    std::size_t tunePlace_ = 0;
    bool tunePlaying_ = false;
    unsigned play_ = 0;
    TuneEndReport tuneEndReport_;
    WakeUp wakeUp_;
};
