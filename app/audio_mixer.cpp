#include "app/audio_mixer.h"

#include <algorithm>
#include <limits>

namespace {
std::int16_t Saturated(int value) {
    return static_cast<std::int16_t>(std::clamp<int>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}
}  // namespace

bool AudioMixer::PlayWave(std::shared_ptr<const ::MixWave> wave, bool noStop) {
    WakeUp wakeUp;
    {
        std::lock_guard lock(mutex_);
        if (wave_ && noStop) return false;
        wave_ = std::move(wave);
        wavePlace_ = 0;
        wakeUp = wakeUp_;
    }
    if (wakeUp) wakeUp();
    return true;
}

std::string AudioMixer::SoundingWave() const {
    std::lock_guard lock(mutex_);
    return wave_ ? wave_->name : std::string();
}

void AudioMixer::SetTune(std::shared_ptr<const RenderedTune> tune) {
    std::lock_guard lock(mutex_);
    tune_ = std::move(tune);
    tunePlace_ = 0;
    tunePlaying_ = false;
}

void AudioMixer::SetTuneEndReport(TuneEndReport report) {
    std::lock_guard lock(mutex_);
    tuneEndReport_ = std::move(report);
}

void AudioMixer::PlayTune(unsigned play) {
    WakeUp wakeUp;
    {
        std::lock_guard lock(mutex_);
        if (!tune_) return;
        if (tune_->Complete() && tunePlace_ >= tune_->Rendered()) tunePlace_ = 0;
        tunePlaying_ = true;
        play_ = play;
        wakeUp = wakeUp_;
    }
    if (wakeUp) wakeUp();
}

void AudioMixer::StopTune() {
    std::lock_guard lock(mutex_);
    tunePlaying_ = false;
}

std::size_t AudioMixer::TunePlace() const {
    std::lock_guard lock(mutex_);
    return tunePlace_;
}

bool AudioMixer::TunePlaying() const {
    std::lock_guard lock(mutex_);
    return tunePlaying_;
}

bool AudioMixer::Audible() const {
    std::lock_guard lock(mutex_);
    return wave_ || tunePlaying_;
}

void AudioMixer::SetWakeUp(WakeUp wakeUp) {
    std::lock_guard lock(mutex_);
    wakeUp_ = std::move(wakeUp);
}

void AudioMixer::Mix(std::int16_t* out, int frames) {
    std::lock_guard lock(mutex_);
    std::fill(out, out + static_cast<std::size_t>(frames) * kMixChannels, std::int16_t{0});
    if (tunePlaying_ && tune_) MixTune(out, frames);
    if (wave_) MixWave(out, frames);
}

void AudioMixer::MixTune(std::int16_t* out, int frames) {
    // Read "complete" before the count, so that a complete tune's count is its final one.
    const bool complete = tune_->Complete();
    const std::size_t rendered = tune_->Rendered();
    const std::size_t count =
        std::min<std::size_t>(frames, rendered > tunePlace_ ? rendered - tunePlace_ : 0);
    const std::int16_t* from = tune_->Frame(tunePlace_);
    std::copy(from, from + count * kMixChannels, out);
    tunePlace_ += count;
    // An empty tune never "ends", or the restart after each end would spin.
    if (complete && rendered > 0 && tunePlace_ >= rendered) {
        tunePlaying_ = false;
        if (tuneEndReport_) tuneEndReport_(play_);
    }
}

void AudioMixer::MixWave(std::int16_t* out, int frames) {
    const std::size_t count = std::min<std::size_t>(frames, wave_->samples.size() - wavePlace_);
    const std::int16_t* from = wave_->samples.data() + wavePlace_;
    for (std::size_t frame = 0; frame < count; ++frame) {
        for (int channel = 0; channel < kMixChannels; ++channel) {
            std::int16_t& sample = out[frame * kMixChannels + channel];
            sample = Saturated(sample + from[frame]);
        }
    }
    wavePlace_ += count;
    if (wavePlace_ >= wave_->samples.size()) wave_.reset();
}
