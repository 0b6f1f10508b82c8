#include "app/sdl_audio_device.h"

#include <SDL.h>

#include "app/audio_format.h"

namespace {
// 1024 frames are 23 ms at 44.1 kHz: a stroke is heard at once, and the callback wakes
// about 43 times a second.
constexpr Uint16 kDeviceFrames = 1024;
}  // namespace

SdlAudioDevice::SdlAudioDevice(AudioMixer& mixer) {
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quelvane");
    // SDL's audio brings up its event queue, which would catch SIGINT and SIGTERM for a quit
    // event nobody reads; the game keeps the system's handling of them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    SDL_AudioSpec wanted{};
    wanted.freq = kMixRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kMixChannels;
    wanted.samples = kDeviceFrames;
    wanted.callback = &SdlAudioDevice::Pull;
    wanted.userdata = &mixer;
    // SDL converts to whatever the device takes; the mixer always sees its own format.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    SDL_PauseAudioDevice(device_, 0);
}

SdlAudioDevice::~SdlAudioDevice() {
    if (device_ == 0) return;
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudioDevice::Pull(void* mixer, Uint8* stream, int length) {
    static_cast<AudioMixer*>(mixer)->Mix(
        reinterpret_cast<std::int16_t*>(stream),
        length / static_cast<int>(kMixChannels * sizeof(std::int16_t)));
}
