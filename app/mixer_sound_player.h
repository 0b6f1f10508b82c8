#pragma once

#include <map>
#include <memory>
#include <string>

#include "app/audio_mixer.h"
#include "play/platform.h"

/// The game's six wave sounds, decoded once from the program's resources and played through
/// the mixer: a new sound cuts off the one still sounding, a no-stop sound is dropped while
/// another sounds. Without an audio device the game is silent.
class MixerSoundPlayer : public SoundPlayer {
public:
    /// `deviceAvailable`: whether an audio device pulls `mixer` (it rests while the mix is
    /// silent).
    MixerSoundPlayer(AudioMixer& mixer, bool deviceAvailable);

    /// Plays `name` (not case-sensitive); an unknown name is ignored.
    void Play(const std::string& name, bool noStop) override;

private:
    AudioMixer& mixer_;
    bool deviceAvailable_;
    std::map<std::string, std::shared_ptr<const MixWave>> waves_;  // by lower-case name
};
