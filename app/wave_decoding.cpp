#include "app/wave_decoding.h"

#include <SDL.h>

#include <cstring>
#include <memory>

#include "app/audio_format.h"

std::optional<std::vector<std::int16_t>> DecodeWave(const std::vector<std::uint8_t>& bytes,
                                                    std::string& fault) {
    // A cut-off data chunk means a damaged file, not a shorter sound.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
    SDL_AudioSpec stored{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (!stream || !SDL_LoadWAV_RW(stream, 1, &stored, &data, &length)) {
        fault = SDL_GetError();
        return std::nullopt;
    }
    const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> wave(data, &SDL_FreeWAV);

    SDL_AudioCVT conversion;
    if (SDL_BuildAudioCVT(&conversion, stored.format, stored.channels, stored.freq, AUDIO_S16SYS, 1,
                          kMixRate) < 0) {
        fault = SDL_GetError();
        return std::nullopt;
    }
    std::vector<Uint8> buffer(static_cast<std::size_t>(length) * conversion.len_mult);
    std::memcpy(buffer.data(), data, length);
    conversion.buf = buffer.data();
    conversion.len = static_cast<int>(length);
    if (conversion.needed && SDL_ConvertAudio(&conversion) < 0) {
        fault = SDL_GetError();
        return std::nullopt;
    }
    const int converted = conversion.needed ? conversion.len_cvt : conversion.len;
    std::vector<std::int16_t> samples(static_cast<std::size_t>(converted) / 2);
    std::memcpy(samples.data(), buffer.data(), samples.size() * 2);
    return samples;
}
