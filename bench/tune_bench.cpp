// What the tune costs while it plays: rendering it live costs the synthesiser's time for each
// second of music; once rendered into memory, looping it costs one copy in the mixer.
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "app/audio_format.h"
#include "app/audio_mixer.h"
#include "app/tune_renderer.h"
#include "tools/generators/tune.h"

namespace {
constexpr int kDeviceFrames = 1024;

/// The whole tune rendered once (CPU of every thread); the CPU time per second of music is
/// what rendering it live would cost.
void TuneRenderedOnce(benchmark::State& state) {
    double musicSeconds = 0;
    for (auto _ : state) {
        TuneRenderer renderer("/usr/share/sounds/sf2/default-GM.sf2", QuelvaneTuneBytes());
        while (!renderer.Tune()->Complete())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        musicSeconds = double(renderer.Tune()->Rendered()) / kMixRate;
    }
    state.counters["music_s"] = musicSeconds;
}
BENCHMARK(TuneRenderedOnce)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(3);

/// One second of the rendered tune through the mixer, as the device pulls it.
void OneSecondOfTheLoopedTuneMixed(benchmark::State& state) {
    TuneRenderer renderer("/usr/share/sounds/sf2/default-GM.sf2", QuelvaneTuneBytes());
    while (!renderer.Tune()->Complete()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    AudioMixer mixer;
    mixer.SetTune(renderer.Tune());
    std::vector<std::int16_t> out(kDeviceFrames * kMixChannels);
    unsigned play = 0;
    for (auto _ : state) {
        for (int pulled = 0; pulled < kMixRate; pulled += kDeviceFrames) {
            if (!mixer.TunePlaying()) mixer.PlayTune(++play);
            mixer.Mix(out.data(), kDeviceFrames);
        }
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(OneSecondOfTheLoopedTuneMixed)->Unit(benchmark::kMicrosecond);
}  // namespace
