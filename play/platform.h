#pragma once

#include <cstdint>
#include <string>

#include "play/music_player.h"
#include "records/key_value_store.h"

// What the game needs from the operating system, one small interface each. The
// application supplies real adapters; tests supply doubles.

/// Milliseconds from a steady clock.
class Clock {
public:
    virtual std::int64_t Ticks() = 0;
    virtual ~Clock() = default;
};

/// The one pseudo-random generator behind every random choice; seedable.
class Random {
public:
    /// A non-negative pseudo-random integer (0..32767, like the classic C generator).
    virtual int Next() = 0;
    virtual void Seed(std::uint32_t seed) = 0;
    virtual ~Random() = default;
};

/// Plays the game's named wave sounds asynchronously.
class SoundPlayer {
public:
    /// Plays `name` ("Hit", "Bounce", "Uh", "Applause", "Clap", "Laugh"), cutting off a
    /// sound still playing, or, with `noStop`, dropping this one while another plays.
    virtual void Play(const std::string& name, bool noStop) = 0;
    virtual ~SoundPlayer() = default;
};

/// A message box: caption, text, buttons and icon in; the pressed button out.
class Prompt {
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Icon { Exclamation, Stop, Question, Information };
    enum class Answer { Ok, Cancel, Yes, No };
    /// `defaultAnswer` is the button that Enter presses.
    virtual Answer Ask(const std::string& text, const std::string& caption, Buttons buttons,
                       Icon icon, Answer defaultAnswer) = 0;
    virtual ~Prompt() = default;
};

/// Opens a web address with the user's browser.
class UrlOpener {
public:
    /// False when the address could not be handed to a browser.
    virtual bool Open(const std::string& url) = 0;
    virtual ~UrlOpener() = default;
};

/// Shows the game's help book.
class HelpViewer {
public:
    /// Opens the contents page.
    virtual void ShowContents() = 0;
    /// Opens the keyword index.
    virtual void ShowIndex() = 0;
    virtual ~HelpViewer() = default;
};

/// The platform seams, made once by main() (tests make doubles) and given to every window
/// at construction, so that all windows share one clock, one generator and one prompt.
struct Platform {
    Clock& clock;
    Random& random;
    SoundPlayer& sounds;
    MusicPlayer& music;
    Prompt& prompt;
    UrlOpener& urls;
    KeyValueStore& store;  ///< where the Hole of Fame is kept between runs
    HelpViewer& help;
};
