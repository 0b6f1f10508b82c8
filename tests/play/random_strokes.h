#pragma once

#include <cmath>
#include <cstdint>
#include <random>

#include "course/hole.h"
#include "play/stroke.h"
#include "tools/solver/stroke_search.h"

/// Strokes as a careless player gives them, from a fixed seed: any heading, any speed up to
/// the strongest stroke a player can give.
class RandomStrokes {
public:
    explicit RandomStrokes(std::uint32_t seed) : random_(seed) {}

    BallVelocity Next() {
        const double angle = heading_(random_) * 3.14159265358979323846 / 180.0;
        const float strength = speed_(random_);
        return {static_cast<float>(strength * std::cos(angle)),
                static_cast<float>(strength * std::sin(angle))};
    }

private:
    std::mt19937 random_;
    std::uniform_real_distribution<float> heading_{-180.0f, 180.0f};
    std::uniform_real_distribution<float> speed_{0.0f, kStrongestStroke};
};

/// The ball lying on the tee of `hole`.
inline Lie TeeOf(const Hole& hole) {
    return {static_cast<float>(hole.teeX), static_cast<float>(hole.teeY),
            static_cast<float>(hole.teeZ), hole.teeFace};
}
