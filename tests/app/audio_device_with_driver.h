#pragma once

#include <cstdlib>
#include <memory>

#include "app/audio_mixer.h"
#include "app/sdl_audio_device.h"

/// The game's audio device on SDL's driver `driver`: "dummy" pulls the mixer in real time
/// into nothing, an unknown name leaves the device closed.
inline std::unique_ptr<SdlAudioDevice> AudioDeviceWithDriver(AudioMixer& mixer,
                                                             const char* driver) {
    setenv("SDL_AUDIODRIVER", driver, 1);
    auto device = std::make_unique<SdlAudioDevice>(mixer);
    unsetenv("SDL_AUDIODRIVER");
    return device;
}
