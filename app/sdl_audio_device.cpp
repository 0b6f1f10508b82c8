#include "app/sdl_audio_device.h"

#include <SDL.h>

#include <utility>

#include "app/audio_format.h"

namespace {
// 1024 frames are 23 ms at 44.1 kHz: a stroke is heard at once, and the callback wakes
// about 43 times a second.
constexpr Uint16 kDeviceFrames = 1024;
}  // namespace

SdlAudioDevice::SdlAudioDevice(AudioMixer& mixer, std::chrono::milliseconds quiet)
    : mixer_(mixer), quiet_(quiet) {
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quelvane");
    // SDL's audio brings up its event queue, which would catch SIGINT and SIGTERM for a quit
    // event nobody reads; the game keeps the system's handling of them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    device_ = Open();
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    available_ = true;
    worker_ = std::thread(&SdlAudioDevice::CloseWhileQuietReopenWhenWoken, this);
    mixer_.SetWakeUp([this] { Wake(); });
}

SdlAudioDevice::~SdlAudioDevice() {
    if (!available_) return;
    mixer_.SetWakeUp(nullptr);
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_one();
    worker_.join();
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudioDevice::OpenNow() const {
    std::lock_guard lock(mutex_);
    return device_ != 0;
}

SDL_AudioDeviceID SdlAudioDevice::Open() {
    SDL_AudioSpec wanted{};
    wanted.freq = kMixRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kMixChannels;
    wanted.samples = kDeviceFrames;
    wanted.callback = &SdlAudioDevice::Pull;
    wanted.userdata = &mixer_;
    // SDL converts to whatever the device takes; the mixer always sees its own format.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device != 0) SDL_PauseAudioDevice(device, 0);
    return device;
}

void SdlAudioDevice::Wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    changed_.notify_one();
}

void SdlAudioDevice::CloseWhileQuietReopenWhenWoken() {
    using Clock = std::chrono::steady_clock;
    // Three looks at the mixer within the quiet time: the device closes at most a third of
    // it late, and an open device wakes this thread three times in the quiet time.
    const auto look = quiet_ / 3;
    auto heard = Clock::now();
    auto wokenOrStopping = [this] { return woken_ || stopping_; };
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (device_ == 0) {
            // Closed, the thread sleeps until a wave or the tune starts.
            changed_.wait(lock, wokenOrStopping);
            if (stopping_) break;
            woken_ = false;
            lock.unlock();
            // A device gone since the start leaves the game silent until the next try.
            const SDL_AudioDeviceID device = Open();
            lock.lock();
            device_ = device;
            heard = Clock::now();
            continue;
        }
        if (changed_.wait_for(lock, look, wokenOrStopping)) {
            woken_ = false;
            heard = Clock::now();
            continue;
        }
        // A device unplugged while open stops pulling: it is closed, and the next wave or
        // tune tries to open the system's device again.
        const bool lost = SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED;
        // Read under this thread's lock: a wave started after this look wakes it again.
        if (!lost && mixer_.Audible()) heard = Clock::now();
        if (!lost && Clock::now() - heard < quiet_) continue;
        const SDL_AudioDeviceID device = std::exchange(device_, 0);
        lock.unlock();
        SDL_CloseAudioDevice(device);
        lock.lock();
    }
}

void SdlAudioDevice::Pull(void* mixer, Uint8* stream, int length) {
    static_cast<AudioMixer*>(mixer)->Mix(
        reinterpret_cast<std::int16_t*>(stream),
        length / static_cast<int>(kMixChannels * sizeof(std::int16_t)));
}
