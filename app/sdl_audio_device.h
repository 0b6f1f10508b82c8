#pragma once

#include <SDL_audio.h>

#include "app/audio_mixer.h"

/// The game's one audio output: an SDL audio device whose callback pulls `mixer`. When the
/// system has no audio device it stays closed and the game runs silent.
class SdlAudioDevice {
public:
    explicit SdlAudioDevice(AudioMixer& mixer);
    ~SdlAudioDevice();
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    bool IsOpen() const { return device_ != 0; }

private:
    static void Pull(void* mixer, Uint8* stream, int length);

    SDL_AudioDeviceID device_ = 0;
};
