#pragma once

#include "play/platform.h"

/// Stands in for the wave player until the game has its sounds: every sound is silent.
class SilentSoundPlayer : public SoundPlayer {
public:
    void Play(const std::string&, bool) override {}
};
