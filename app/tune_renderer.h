#pragma once

#include <fluidsynth/types.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/rendered_tune.h"

/// Renders one MIDI tune into memory with FluidSynth's synthesiser and sequencer, on a
/// thread of its own, so that the mixer can loop it for nothing afterwards; none of
/// FluidSynth's audio drivers is used, and the GUI thread never waits for the synthesiser.
/// Playing may start at once: the mixer waits in silence for frames not rendered yet. A
/// tune too heavy for its time plays late; notes beyond the synthesiser's polyphony are
/// left out, and a tune longer than `maxFrames` is cut there.
class TuneRenderer {
public:
    /// Five minutes of tune at most: 53 MB of samples, only touched as far as they are used.
    static constexpr std::size_t kMaxFrames = std::size_t{5} * 60 * 44100;

    /// Starts rendering the MIDI file `midi` with the sound font file `soundFont`.
    TuneRenderer(std::string soundFont, std::vector<std::uint8_t> midi,
                 std::size_t maxFrames = kMaxFrames);
    /// Stops rendering (leaving what is done) and waits for the thread.
    ~TuneRenderer();
    TuneRenderer(const TuneRenderer&) = delete;
    TuneRenderer& operator=(const TuneRenderer&) = delete;

    /// The tune as far as it is rendered; complete when the whole of it is.
    std::shared_ptr<const RenderedTune> Tune() const { return tune_; }

private:
    void Render();
    void RenderWith(fluid_synth_t* synth, fluid_player_t* player);
    static int PlayEvent(void* renderer, fluid_midi_event_t* event);

    std::string soundFont_;
    std::vector<std::uint8_t> midi_;
    std::shared_ptr<RenderedTune> tune_;
    std::atomic<bool> quit_{false};
    fluid_synth_t* synth_ = nullptr;  // used by the rendering thread only
    int polyphony_ = 0;
    std::thread thread_;
};
