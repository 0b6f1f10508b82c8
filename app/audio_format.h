#pragma once

/// The one format the game's audio device plays and the mixer produces: 16-bit signed
/// samples, two interleaved channels at 44.1 kHz.
constexpr int kMixRate = 44100;
constexpr int kMixChannels = 2;
