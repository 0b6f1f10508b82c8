#pragma once

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "app/audio_mixer.h"
#include "app/sdl_audio_device.h"

/// The game's audio device on SDL's driver `driver`: "dummy" pulls the mixer in real time
/// into nothing, an unknown name leaves the device closed. It closes once the mixer has been
/// silent for `quiet`.
inline std::unique_ptr<SdlAudioDevice> AudioDeviceWithDriver(
    AudioMixer& mixer, const char* driver,
    std::chrono::milliseconds quiet = std::chrono::seconds(3)) {
    setenv("SDL_AUDIODRIVER", driver, 1);
    auto device = std::make_unique<SdlAudioDevice>(mixer, quiet);
    unsetenv("SDL_AUDIODRIVER");
    return device;
}

/// Whether `happened` came true within ten seconds (a busy machine can be slow), looking
/// every millisecond.
template <class Condition>
bool HappensSoon(Condition happened) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!happened()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}
