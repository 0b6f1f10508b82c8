// A cheerful sixteen-bar tune in C major. The loop plays it again when it ends, so its last
// bar settles on the tonic and the first bar can follow straight on.
#include "tools/generators/tune.h"

#include <array>

#include "tools/generators/midi_file.h"

namespace {
constexpr int kQuarter = 480;
constexpr int kEighth = kQuarter / 2;
constexpr int kBar = 4 * kQuarter;
constexpr int kBars = 16;
constexpr std::uint32_t kMicrosecondsPerQuarter = 500000;  // 120 beats a minute

constexpr int kMelodyChannel = 0;
constexpr int kChordChannel = 1;
constexpr int kBassChannel = 2;
constexpr int kDrumChannel = 9;  // General MIDI percussion

// General MIDI programs (0-based) and percussion keys.
constexpr int kMarimba = 12;
constexpr int kStringEnsemble = 48;
constexpr int kFingeredBass = 33;
constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kCrash = 49;

/// A chord by its root's pitch class and whether it is minor.
struct Chord {
    int root;
    bool minor;
};
constexpr int C = 0, D = 2, E = 4, F = 5, G = 7, A = 9;
constexpr Chord kC{C, false}, kDm{D, true}, kEm{E, true}, kF{F, false}, kG{G, false}, kAm{A, true};
constexpr std::array<Chord, kBars> kChords{kC, kAm, kF,  kG,  kC, kAm, kDm, kG,
                                           kF, kG,  kEm, kAm, kF, kG,  kC,  kC};

/// One melody note: key (0 = rest) and length in eighths.
struct Step {
    int key;
    int eighths;
};
// Octave 5 starts at key 72.
constexpr int B4 = 71, C5 = 72, D5 = 74, E5 = 76, F5 = 77, G5 = 79, A5 = 81, B5 = 83, C6 = 84,
              D6 = 86, E6 = 88, F6 = 89;
const std::array<std::vector<Step>, kBars> kMelody{{
    {{E5, 2}, {G5, 2}, {C6, 3}, {B5, 1}},
    {{A5, 2}, {E5, 2}, {C5, 2}, {E5, 2}},
    {{F5, 1}, {G5, 1}, {A5, 2}, {C6, 2}, {A5, 2}},
    {{G5, 3}, {F5, 1}, {D5, 2}, {B4, 2}},
    {{C5, 1}, {E5, 1}, {G5, 2}, {E5, 1}, {G5, 1}, {C6, 2}},
    {{B5, 1}, {A5, 1}, {E5, 2}, {A5, 2}, {C6, 2}},
    {{D6, 2}, {A5, 2}, {F5, 2}, {D5, 2}},
    {{G5, 2}, {B5, 2}, {D6, 4}},
    {{C6, 2}, {A5, 1}, {F5, 1}, {A5, 2}, {C6, 2}},
    {{B5, 2}, {G5, 1}, {D5, 1}, {G5, 2}, {B5, 2}},
    {{E6, 2}, {B5, 2}, {G5, 2}, {E5, 2}},
    {{A5, 1}, {B5, 1}, {C6, 2}, {E6, 2}, {C6, 2}},
    {{A5, 2}, {C6, 2}, {F6, 2}, {C6, 2}},
    {{B5, 1}, {C6, 1}, {D6, 2}, {B5, 2}, {G5, 2}},
    {{C6, 2}, {G5, 2}, {E5, 2}, {G5, 2}},
    {{C6, 6}, {0, 2}},
}};

std::vector<std::uint8_t> ProgramChange(int channel, int program) {
    return {static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(program)};
}

MidiTrack TempoTrack() {
    MidiTrack track;
    track.Add(0, {0xFF, 0x58, 0x04, 4, 2, 24, 8});  // 4/4
    track.Add(0, {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(kMicrosecondsPerQuarter >> 16),
                  static_cast<std::uint8_t>(kMicrosecondsPerQuarter >> 8),
                  static_cast<std::uint8_t>(kMicrosecondsPerQuarter)});
    return track;
}

MidiTrack MelodyTrack() {
    MidiTrack track;
    track.Add(0, ProgramChange(kMelodyChannel, kMarimba));
    for (int bar = 0; bar < kBars; ++bar) {
        std::uint32_t tick = bar * kBar;
        for (const Step& step : kMelody[bar]) {
            const std::uint32_t length = step.eighths * kEighth;
            // Notes on the beat a little louder; each note released just before the next.
            const int velocity = (tick % kQuarter == 0) ? 100 : 84;
            if (step.key != 0) track.Note(tick, length - 20, kMelodyChannel, step.key, velocity);
            tick += length;
        }
    }
    return track;
}

MidiTrack ChordTrack() {
    MidiTrack track;
    track.Add(0, ProgramChange(kChordChannel, kStringEnsemble));
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord chord = kChords[bar];
        const int root = 60 + chord.root;
        for (int interval : {0, chord.minor ? 3 : 4, 7})
            track.Note(bar * kBar, kBar - 10, kChordChannel, root + interval, 52);
    }
    return track;
}

MidiTrack BassTrack() {
    MidiTrack track;
    track.Add(0, ProgramChange(kBassChannel, kFingeredBass));
    for (int bar = 0; bar < kBars; ++bar) {
        const int root = 36 + kChords[bar].root;
        const bool last = bar == kBars - 1;
        const std::array<int, 4> walk{root, root + 7, root + 12, root + 7};
        for (int beat = 0; beat < (last ? 1 : 4); ++beat)
            track.Note(bar * kBar + beat * kQuarter, (last ? kBar : kQuarter) - 30, kBassChannel,
                       walk[beat], beat == 0 ? 96 : 80);
    }
    return track;
}

MidiTrack DrumTrack() {
    MidiTrack track;
    for (int bar = 0; bar < kBars; ++bar) {
        const std::uint32_t start = bar * kBar;
        if (bar == 0 || bar == 8 || bar == kBars - 1)
            track.Note(start, kQuarter, kDrumChannel, kCrash, 90);
        if (bar == kBars - 1) {
            track.Note(start, kEighth, kDrumChannel, kKick, 100);
            continue;
        }
        for (int eighth = 0; eighth < 8; ++eighth)
            track.Note(start + eighth * kEighth, kEighth / 2, kDrumChannel, kClosedHat,
                       eighth % 2 == 0 ? 70 : 50);
        for (int beat : {0, 2})
            track.Note(start + beat * kQuarter, kEighth, kDrumChannel, kKick, 100);
        for (int beat : {1, 3})
            track.Note(start + beat * kQuarter, kEighth, kDrumChannel, kSnare, 88);
    }
    return track;
}
}  // namespace

std::vector<std::uint8_t> QuelvaneTuneBytes() {
    return MidiFileBytes(kQuarter,
                         {TempoTrack(), MelodyTrack(), ChordTrack(), BassTrack(), DrumTrack()});
}
