#pragma once

#include <QTimer>
#include <memory>
#include <string>

#include "app/fluid_tune.h"
#include "app/tune_progress.h"
#include "play/music_player.h"

class QAudioSink;
class QIODevice;

/// The game's MIDI player: FluidSynth renders the tune into a QAudioSink that pulls the
/// samples. Opening fails, quietly, without the file, the General MIDI sound font or an
/// audio output; the player then stays closed and ignores every command.
class FluidMusicPlayer : public MusicPlayer {
public:
    /// `soundFont` is the General MIDI sound font to play with.
    explicit FluidMusicPlayer(std::string soundFont = "/usr/share/sounds/sf2/default-GM.sf2");
    ~FluidMusicPlayer() override;

    /// Opens `file`; a name without a folder is looked for beside the program, then in the
    /// installed data folder (FindDataFile).
    bool Open(const std::string& file) override;
    void Play() override;
    void Stop() override;
    Mode CurrentMode() const override { return progress_.CurrentMode(); }
    void NotifyOnce(std::function<void()> report) override;

private:
    void Poll();

    std::string soundFont_;
    TuneProgress progress_;
    FluidTune tune_;
    std::unique_ptr<QIODevice> source_;
    std::unique_ptr<QAudioSink> sink_;
    QTimer poll_;  // watches for the tune's end while it plays
};
