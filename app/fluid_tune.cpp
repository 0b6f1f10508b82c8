#include "app/fluid_tune.h"

#include <fluidsynth.h>

#include <algorithm>

FluidTune::~FluidTune() {
    if (player_) {
        fluid_player_stop(player_);
        delete_fluid_player(player_);
    }
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

bool FluidTune::Load(const std::string& soundFont, const std::string& midiFile, int sampleRate) {
    std::lock_guard lock(mutex_);
    if (synth_ || !fluid_is_soundfont(soundFont.c_str()) || !fluid_is_midifile(midiFile.c_str()))
        return false;
    settings_ = new_fluid_settings();
    if (!settings_) return false;
    // The sequencer keeps time by the samples rendered, so it runs exactly as fast as the
    // audio output pulls and needs no timer thread.
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
    // Loud enough to be heard under the sounds, which peak near full scale.
    fluid_settings_setnum(settings_, "synth.gain", 0.4);
    synth_ = new_fluid_synth(settings_);
    if (!synth_ || fluid_synth_sfload(synth_, soundFont.c_str(), 1) == FLUID_FAILED) return false;
    player_ = new_fluid_player(synth_);
    return player_ && fluid_player_add(player_, midiFile.c_str()) == FLUID_OK;
}

void FluidTune::Start(int tick) {
    std::lock_guard lock(mutex_);
    if (!player_) return;
    fluid_player_seek(player_, tick);
    fluid_player_play(player_);
}

void FluidTune::Halt(bool silence) {
    std::lock_guard lock(mutex_);
    if (!player_) return;
    fluid_player_stop(player_);
    if (silence) fluid_synth_all_sounds_off(synth_, -1);
}

int FluidTune::Tick() {
    std::lock_guard lock(mutex_);
    return player_ ? fluid_player_get_current_tick(player_) : 0;
}

int FluidTune::LastTick() {
    std::lock_guard lock(mutex_);
    return player_ ? fluid_player_get_total_ticks(player_) : 0;
}

void FluidTune::Render(std::int16_t* samples, int frames) {
    std::lock_guard lock(mutex_);
    if (synth_) {
        fluid_synth_write_s16(synth_, frames, samples, 0, 2, samples, 1, 2);
    } else {
        std::fill(samples, samples + 2 * frames, std::int16_t{0});
    }
}
