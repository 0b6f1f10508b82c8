#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "app/audio_mixer.h"
#include "app/tune_renderer.h"
#include "play/music_player.h"

/// The game's MIDI player: the tune is rendered by a `TuneRenderer` and played, stopped and
/// resumed in the mixer. The end of the tune is noticed on the audio thread and reported
/// on the GUI thread, through its event queue. Opening fails without an audio device, the
/// General MIDI sound font or the file; a damaged file is refused with one line on stderr.
/// A closed player ignores every command.
class MixerMusicPlayer : public MusicPlayer {
public:
    /// `deviceAvailable`: whether an audio device pulls `mixer` (it rests while the mix is
    /// silent); `soundFont` is the General MIDI sound font to play with.
    MixerMusicPlayer(AudioMixer& mixer, bool deviceAvailable,
                     std::string soundFont = "/usr/share/sounds/sf2/default-GM.sf2");
    ~MixerMusicPlayer() override;

    /// Opens `file`; a name without a folder is looked for beside the program, then in the
    /// installed data folder (FindDataFile).
    bool Open(const std::string& file) override;
    void Play() override;
    void Stop() override;
    Mode CurrentMode() const override { return mode_; }
    void NotifyOnce(std::function<void()> report) override { report_ = std::move(report); }

private:
    /// On the GUI thread: the mixer has played the tune of play command `play` to its end.
    void TuneEnded(unsigned play);
    void Completed();

    AudioMixer& mixer_;
    bool deviceAvailable_;
    std::string soundFont_;
    std::unique_ptr<TuneRenderer> renderer_;
    Mode mode_ = Mode::NotOpen;
    unsigned play_ = 0;  // numbers the play commands, so that a stale end is ignored
    std::function<void()> report_;
    QObject guiThread_;  // receives the end reports queued by the audio thread
};
