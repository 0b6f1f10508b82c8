#pragma once

#include <fluidsynth/types.h>

#include <cstdint>
#include <mutex>
#include <string>

/// A General MIDI synthesiser with its sequencer on one MIDI file, rendered on demand by
/// whoever pulls the samples; none of FluidSynth's own audio drivers is used. Safe to render
/// on one thread while another commands it.
class FluidTune {
public:
    FluidTune() = default;
    ~FluidTune();
    FluidTune(const FluidTune&) = delete;
    FluidTune& operator=(const FluidTune&) = delete;

    /// Loads `soundFont` and the MIDI file `midiFile` for `sampleRate`; false when either fails.
    bool Load(const std::string& soundFont, const std::string& midiFile, int sampleRate);
    /// Starts the sequencer at `tick`.
    void Start(int tick);
    /// Halts the sequencer; with `silence` every sounding note is cut off, without it the
    /// last notes ring out.
    void Halt(bool silence);
    /// The sequencer's place, and the tick of the tune's last event (0 until it has started).
    int Tick();
    int LastTick();
    /// Renders `frames` stereo frames of 16-bit samples, interleaved, into `samples`.
    void Render(std::int16_t* samples, int frames);

private:
    std::mutex mutex_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
};
