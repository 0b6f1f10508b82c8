#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "app/audio_format.h"

/// The tune as rendered samples: one thread appends frames, the audio callback reads the
/// frames published so far. The capacity is reserved up front and never moves, so the
/// reader needs no lock; `Rendered` and `Complete` publish the writer's progress.
class RenderedTune {
public:
    /// Room for `capacityFrames` stereo frames; pages are only touched as they are written.
    explicit RenderedTune(std::size_t capacityFrames)
        : capacity_(capacityFrames), samples_(new std::int16_t[capacityFrames * kMixChannels]) {}

    std::size_t Capacity() const { return capacity_; }
    /// The first sample of frame `frame`.
    std::int16_t* Frame(std::size_t frame) { return samples_.get() + frame * kMixChannels; }
    const std::int16_t* Frame(std::size_t frame) const {
        return samples_.get() + frame * kMixChannels;
    }

    /// Frames written so far; the writer publishes them with `Publish`.
    std::size_t Rendered() const { return rendered_.load(std::memory_order_acquire); }
    void Publish(std::size_t frames) { rendered_.store(frames, std::memory_order_release); }
    /// True once the writer has rendered the whole tune (or given up): `Rendered` is final.
    bool Complete() const { return complete_.load(std::memory_order_acquire); }
    void Finish() { complete_.store(true, std::memory_order_release); }

private:
    std::size_t capacity_;
    std::unique_ptr<std::int16_t[]> samples_;
    std::atomic<std::size_t> rendered_{0};
    std::atomic<bool> complete_{false};
};
