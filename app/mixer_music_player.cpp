#include "app/mixer_music_player.h"

#include <fluidsynth.h>

#include <QFile>
#include <QFileInfo>
#include <iostream>
#include <utility>

#include "app/data_file.h"
#include "app/midi_file_check.h"
#include "app/synth_log.h"

MixerMusicPlayer::MixerMusicPlayer(AudioMixer& mixer, bool deviceAvailable, std::string soundFont)
    : mixer_(mixer), deviceAvailable_(deviceAvailable), soundFont_(std::move(soundFont)) {}

MixerMusicPlayer::~MixerMusicPlayer() {
    if (!renderer_) return;
    mixer_.SetTuneEndReport(nullptr);
    mixer_.SetTune(nullptr);
}

bool MixerMusicPlayer::Open(const std::string& file) {
    if (mode_ != Mode::NotOpen || !deviceAvailable_) return false;
    // A sound font not installed is a quiet "cannot be opened"; a damaged one makes the
    // synthesiser say why, in one line.
    if (!QFileInfo::exists(QString::fromStdString(soundFont_))) return false;
    RouteSynthLog();
    if (!fluid_is_soundfont(soundFont_.c_str())) return false;
    const QString path = FindDataFile(QString::fromStdString(file));
    QFile tune(path);
    if (!tune.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = tune.readAll();
    std::vector<std::uint8_t> midi(bytes.begin(), bytes.end());
    if (const std::string fault = MidiFileFault(midi); !fault.empty()) {
        std::cerr << "quelvane: the tune " << path.toStdString() << " is damaged (" << fault
                  << "); the game plays on without music\n";
        return false;
    }
    renderer_ = std::make_unique<TuneRenderer>(soundFont_, std::move(midi));
    mixer_.SetTune(renderer_->Tune());
    mixer_.SetTuneEndReport([this](unsigned play) {
        QMetaObject::invokeMethod(
            &guiThread_, [this, play] { TuneEnded(play); }, Qt::QueuedConnection);
    });
    mode_ = Mode::Stopped;
    return true;
}

void MixerMusicPlayer::Play() {
    if (mode_ != Mode::Stopped) return;
    mode_ = Mode::Playing;
    mixer_.PlayTune(++play_);
}

void MixerMusicPlayer::Stop() {
    if (mode_ == Mode::NotOpen) return;
    if (mode_ == Mode::Playing) mixer_.StopTune();
    mode_ = Mode::Stopped;
    Completed();
}

void MixerMusicPlayer::TuneEnded(unsigned play) {
    // A stop or a new play since the end was queued has already had its say.
    if (mode_ != Mode::Playing || play != play_) return;
    mode_ = Mode::Stopped;
    Completed();
}

void MixerMusicPlayer::Completed() {
    if (auto report = std::exchange(report_, nullptr)) report();
}
