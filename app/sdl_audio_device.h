#pragma once

#include <SDL_audio.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "app/audio_mixer.h"

/// The game's one audio output: an SDL audio device whose callback pulls `mixer`. It is
/// opened at once, so that `Available` tells whether the system has audio; without it the
/// game runs silent. Once the mixer has been silent for `quiet` the device is closed, so that
/// an idle game wakes no audio thread; a wave or the tune starting opens it again. A thread
/// of the device's own does the closing and reopening, since opening can take longer than a
/// frame.
class SdlAudioDevice {
public:
    explicit SdlAudioDevice(AudioMixer& mixer,
                            std::chrono::milliseconds quiet = std::chrono::seconds(3));
    ~SdlAudioDevice();
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    /// Whether the system had an audio device when the game started.
    bool Available() const { return available_; }
    /// Whether the device is open now; it rests while the mixer is silent.
    bool OpenNow() const;

private:
    static void Pull(void* mixer, Uint8* stream, int length);
    /// The device, playing; 0 when it cannot be opened.
    SDL_AudioDeviceID Open();
    void Wake();
    void CloseWhileQuietReopenWhenWoken();

    AudioMixer& mixer_;
    const std::chrono::milliseconds quiet_;
    bool available_ = false;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool woken_ = false;
    bool stopping_ = false;
    SDL_AudioDeviceID device_ = 0;  // 0 while closed
    std::thread worker_;
};
