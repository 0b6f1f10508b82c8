#include "app/tune_renderer.h"

#include <fluidsynth.h>

#include <algorithm>

#include "app/audio_format.h"
#include "app/synth_log.h"

namespace {
constexpr int kBlockFrames = 1024;
constexpr int kNoteOn = 0x90;

/// FluidSynth's objects, freed in the right order however far building them got.
struct Synthesiser {
    ~Synthesiser() {
        if (player) {
            fluid_player_stop(player);
            delete_fluid_player(player);
        }
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
};
}  // namespace

TuneRenderer::TuneRenderer(std::string soundFont, std::vector<std::uint8_t> midi,
                           std::size_t maxFrames)
    : soundFont_(std::move(soundFont)),
      midi_(std::move(midi)),
      tune_(std::make_shared<RenderedTune>(maxFrames)) {
    RouteSynthLog();
    thread_ = std::thread([this] { Render(); });
}

TuneRenderer::~TuneRenderer() {
    quit_ = true;
    thread_.join();
}

void TuneRenderer::Render() {
    Synthesiser fluid;
    fluid.settings = new_fluid_settings();
    if (fluid.settings) {
        // The sequencer keeps time by the samples rendered, so it needs no timer thread,
        // and only this thread ever touches the synthesiser.
        fluid_settings_setstr(fluid.settings, "player.timing-source", "sample");
        fluid_settings_setint(fluid.settings, "synth.threadsafe-api", 0);
        fluid_settings_setint(fluid.settings, "synth.lock-memory", 0);
        // Only the samples of the instruments the tune uses are loaded.
        fluid_settings_setint(fluid.settings, "synth.dynamic-sample-loading", 1);
        fluid_settings_setnum(fluid.settings, "synth.sample-rate", kMixRate);
        // Loud enough to be heard under the sounds, which peak near full scale.
        fluid_settings_setnum(fluid.settings, "synth.gain", 0.4);
        fluid.synth = new_fluid_synth(fluid.settings);
    }
    if (fluid.synth && fluid_synth_sfload(fluid.synth, soundFont_.c_str(), 1) != FLUID_FAILED)
        fluid.player = new_fluid_player(fluid.synth);
    if (fluid.player) {
        synth_ = fluid.synth;
        polyphony_ = fluid_synth_get_polyphony(fluid.synth);
        fluid_player_set_playback_callback(fluid.player, &TuneRenderer::PlayEvent, this);
        if (fluid_player_add_mem(fluid.player, midi_.data(), midi_.size()) == FLUID_OK &&
            fluid_player_play(fluid.player) == FLUID_OK)
            RenderWith(fluid.synth, fluid.player);
    }
    tune_->Finish();
}

void TuneRenderer::RenderWith(fluid_synth_t* synth, fluid_player_t* player) {
    std::size_t frames = 0;
    while (!quit_ && frames < tune_->Capacity()) {
        // The sequencer's own "done" comes seconds after the last event; its tick count
        // (0 until the file is loaded) tells the end exactly.
        const int lastTick = fluid_player_get_total_ticks(player);
        if (fluid_player_get_status(player) == FLUID_PLAYER_DONE ||
            (lastTick > 0 && fluid_player_get_current_tick(player) >= lastTick))
            break;
        const int count =
            static_cast<int>(std::min<std::size_t>(kBlockFrames, tune_->Capacity() - frames));
        std::int16_t* out = tune_->Frame(frames);
        fluid_synth_write_s16(synth, count, out, 0, 2, out, 1, 2);
        frames += count;
        tune_->Publish(frames);
    }
}

int TuneRenderer::PlayEvent(void* renderer, fluid_midi_event_t* event) {
    auto& self = *static_cast<TuneRenderer*>(renderer);
    // Stopping skips what is left; a note that finds every voice busy is left out rather
    // than stealing one, so that a flood of notes costs little.
    if (self.quit_) return FLUID_OK;
    if (fluid_midi_event_get_type(event) == kNoteOn && fluid_midi_event_get_velocity(event) > 0 &&
        fluid_synth_get_active_voice_count(self.synth_) >= self.polyphony_)
        return FLUID_OK;
    return fluid_synth_handle_midi_event(self.synth_, event);
}
