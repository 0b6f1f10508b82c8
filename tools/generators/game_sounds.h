#pragma once

#include <string>
#include <vector>

#include "tools/generators/pcm_wave.h"

/// One of the game's wave sounds: its resource name (upper case) and its samples.
struct NamedSound {
    std::string name;
    MonoSound sound;
};

/// The six sounds of the game, synthesised: HIT, BOUNCE, UH, APPLAUSE, CLAP and LAUGH.
/// The same every run (fixed seeds).
std::vector<NamedSound> GameSounds();
