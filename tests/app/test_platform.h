#pragma once

#include "app/standard_random.h"
#include "tests/platform_doubles.h"
#include "tests/setup/recording_prompt.h"

/// Doubles of every seam for a window made in a test: a clock that stands at `start` until
/// the test moves it, the game's own generator, and recorders for sounds, music, message
/// boxes, web addresses and help requests.
struct TestPlatform {
    explicit TestPlatform(std::int64_t start = 0) : clock(start) {}
    Platform Seams() { return {clock, random, sounds, music, prompt, urls, store, help}; }

    HandClock clock;
    StandardRandom random;
    RecordingSounds sounds;
    FakeMusicPlayer music;
    RecordingPrompt prompt;
    RecordingUrls urls;
    MemoryStore store;
    RecordingHelp help;
};
