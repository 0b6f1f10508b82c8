// The game's sounds, made from noise, damped sines and a formant-filtered voice.
#include "tools/generators/game_sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>

namespace {
constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

/// Uniform noise in -1..1 from a fixed-seed generator; mt19937's output is the same everywhere.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : engine_(seed) {}
    double Next() { return Unit() * 2.0 - 1.0; }
    double Unit() { return static_cast<double>(engine_()) / 4294967296.0; }

private:
    std::mt19937 engine_;
};

MonoSound Silence(double seconds) {
    MonoSound sound;
    sound.sampleRate = kRate;
    sound.samples.assign(static_cast<std::size_t>(seconds * kRate), 0.0);
    return sound;
}

/// A two-pole resonator at `frequency` with bandwidth `bandwidth` (Hz), unit gain at its peak.
class Resonator {
public:
    Resonator(double frequency, double bandwidth) {
        const double r = std::exp(-std::numbers::pi * bandwidth / kRate);
        a1_ = 2.0 * r * std::cos(kTwoPi * frequency / kRate);
        a2_ = -r * r;
        gain_ = 1.0 - r;
    }
    double Step(double in) {
        const double out = gain_ * in + a1_ * y1_ + a2_ * y2_;
        y2_ = y1_;
        y1_ = out;
        return out;
    }

private:
    double a1_ = 0, a2_ = 0, gain_ = 1, y1_ = 0, y2_ = 0;
};

void Normalise(MonoSound& sound, double peak) {
    double largest = 0.0;
    for (double s : sound.samples) largest = std::max(largest, std::abs(s));
    if (largest == 0.0) return;
    for (double& s : sound.samples) s *= peak / largest;
}

/// Adds one hand clap at `start` seconds: a burst of band-passed noise with a fast decay.
void AddClap(MonoSound& sound, double start, double loudness, double brightness, Noise& noise) {
    Resonator body(1100.0 * brightness, 900.0);
    Resonator crack(2400.0 * brightness, 1600.0);
    const auto first = static_cast<std::size_t>(start * kRate);
    const auto length = static_cast<std::size_t>(0.06 * kRate);
    for (std::size_t i = 0; i < length && first + i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double envelope = std::min(1.0, t / 0.0008) * std::exp(-t / 0.011);
        const double n = noise.Next();
        sound.samples[first + i] +=
            loudness * envelope * (body.Step(n) + 0.7 * crack.Step(n)) * 8.0;
    }
}

MonoSound Hit() {
    // The putter's face on the ball: a click with a short metallic ring.
    MonoSound sound = Silence(0.12);
    Noise noise(11);
    for (std::size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double click = noise.Next() * std::exp(-t / 0.003);
        const double ring = std::sin(kTwoPi * 1850.0 * t) * std::exp(-t / 0.018) +
                            0.5 * std::sin(kTwoPi * 3270.0 * t) * std::exp(-t / 0.010);
        sound.samples[i] = 0.8 * click + ring;
    }
    Normalise(sound, 0.85);
    return sound;
}

MonoSound Bounce() {
    // The ball against a cushion: a soft, low knock.
    MonoSound sound = Silence(0.15);
    Noise noise(23);
    Resonator thump(260.0, 180.0);
    for (std::size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double attack = std::min(1.0, t / 0.002);
        const double tone = std::sin(kTwoPi * 190.0 * t) * std::exp(-t / 0.030) +
                            0.4 * std::sin(kTwoPi * 430.0 * t) * std::exp(-t / 0.015);
        sound.samples[i] = attack * (tone + 6.0 * thump.Step(noise.Next()) * std::exp(-t / 0.01));
    }
    Normalise(sound, 0.6);
    return sound;
}

/// A voiced sound: a pulse train at a pitch running from `startPitch` to `endPitch` (Hz),
/// shaped by three formants, with an envelope of `attack` and `release` seconds.
void AddVoice(MonoSound& sound, double start, double seconds, double startPitch, double endPitch,
              const double (&formants)[3], double attack, double release, double breath,
              Noise& noise) {
    Resonator f1(formants[0], 90.0), f2(formants[1], 110.0), f3(formants[2], 170.0);
    const auto first = static_cast<std::size_t>(start * kRate);
    const auto length = static_cast<std::size_t>(seconds * kRate);
    double phase = 0.0;
    for (std::size_t i = 0; i < length && first + i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double progress = t / seconds;
        const double pitch = startPitch * std::pow(endPitch / startPitch, progress);
        phase += pitch / kRate;
        phase -= std::floor(phase);
        // A glottal pulse: a sharp rise and fall once per period, plus some breath.
        const double source = std::exp(-phase * 12.0) - 1.0 / 12.0 + breath * noise.Next();
        const double envelope = std::min(1.0, t / attack) * std::min(1.0, (seconds - t) / release);
        const double voiced = f1.Step(source) + 0.6 * f2.Step(source) + 0.3 * f3.Step(source);
        sound.samples[first + i] += envelope * voiced;
    }
}

MonoSound Uh() {
    // A disappointed groan: "uh", its pitch falling by almost an octave.
    MonoSound sound = Silence(0.8);
    Noise noise(31);
    const double uh[3] = {640.0, 1190.0, 2390.0};
    AddVoice(sound, 0.0, 0.78, 190.0, 105.0, uh, 0.05, 0.25, 0.05, noise);
    Normalise(sound, 0.8);
    return sound;
}

MonoSound Applause() {
    // A crowd: hundreds of claps at random moments, swelling and dying away over two seconds.
    MonoSound sound = Silence(2.2);
    Noise noise(47);
    const int claps = 420;
    for (int i = 0; i < claps; ++i) {
        // Onsets crowd towards the first second, then thin out.
        const double u = noise.Unit();
        const double start = 2.05 * std::pow(u, 1.4);
        const double swell =
            std::min(1.0, start / 0.15) * std::exp(-std::max(0.0, start - 0.9) / 0.5);
        AddClap(sound, start, swell * (0.4 + 0.6 * noise.Unit()), 0.7 + 0.6 * noise.Unit(), noise);
    }
    Normalise(sound, 0.8);
    return sound;
}

MonoSound Clap() {
    // One person clapping three times.
    MonoSound sound = Silence(0.75);
    Noise noise(53);
    for (double start : {0.0, 0.26, 0.52}) AddClap(sound, start, 1.0, 1.0, noise);
    Normalise(sound, 0.8);
    return sound;
}

MonoSound Laugh() {
    // "Ha-ha-ha-ha": breathy onsets into an open vowel, each burst a little lower.
    MonoSound sound = Silence(1.0);
    Noise noise(61);
    const double ah[3] = {800.0, 1250.0, 2600.0};
    double pitch = 270.0;
    for (int burst = 0; burst < 4; ++burst) {
        const double start = 0.02 + burst * 0.22;
        Resonator aspiration(1400.0, 1200.0);
        const auto first = static_cast<std::size_t>(start * kRate);
        for (std::size_t i = 0; i < static_cast<std::size_t>(0.05 * kRate); ++i) {
            const double t = static_cast<double>(i) / kRate;
            sound.samples[first + i] +=
                0.6 * aspiration.Step(noise.Next()) * std::sin(std::numbers::pi * t / 0.05);
        }
        AddVoice(sound, start + 0.03, 0.13, pitch, pitch * 0.85, ah, 0.015, 0.04, 0.15, noise);
        pitch *= 0.93;
    }
    Normalise(sound, 0.8);
    return sound;
}
}  // namespace

std::vector<NamedSound> GameSounds() {
    return {{"HIT", Hit()},           {"BOUNCE", Bounce()}, {"UH", Uh()},
            {"APPLAUSE", Applause()}, {"CLAP", Clap()},     {"LAUGH", Laugh()}};
}
