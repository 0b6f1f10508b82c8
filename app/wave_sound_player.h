#pragma once

#include <QSoundEffect>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "play/platform.h"

/// The game's six wave sounds, played from the program's resources. One sound plays at a
/// time: a new one cuts off the one still playing, except that a no-stop sound is dropped
/// while another plays. Whether a sound still plays is judged from `clock` and the wave's
/// length, because without an audio device a sound effect reports "playing" for ever.
class WaveSoundPlayer : public SoundPlayer {
public:
    explicit WaveSoundPlayer(Clock& clock);
    ~WaveSoundPlayer() override;

    /// Plays `name` (not case-sensitive); an unknown name or a failed playback is ignored.
    void Play(const std::string& name, bool noStop) override;
    /// The resource name of the sound playing now ("HIT", ...), or "" when all is quiet.
    std::string Playing();

private:
    struct Wave {
        std::string name;
        std::unique_ptr<QSoundEffect> effect;
        std::int64_t lengthMs = 0;
    };

    Clock& clock_;
    std::map<std::string, Wave> waves_;  // by lower-case name
    const Wave* current_ = nullptr;
    std::int64_t endsAt_ = 0;
};
