#include "app/fluid_music_player.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFileInfo>
#include <QIODevice>
#include <QMediaDevices>

#include "app/data_file.h"

namespace {
constexpr int kSampleRate = 44100;
constexpr int kBytesPerFrame = 4;  // 16-bit stereo
constexpr int kBufferMs = 200;     // how far the synthesiser renders ahead of the speaker
constexpr int kPollMs = 50;

/// An endless stream of the synthesiser's samples for the audio sink to pull.
class TuneStream : public QIODevice {
public:
    explicit TuneStream(FluidTune& tune) : tune_(tune) {}
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return kSampleRate * kBytesPerFrame; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const auto frames = static_cast<int>(maxSize / kBytesPerFrame);
        tune_.Render(reinterpret_cast<std::int16_t*>(data), frames);
        return static_cast<qint64>(frames) * kBytesPerFrame;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    FluidTune& tune_;
};

}  // namespace

FluidMusicPlayer::FluidMusicPlayer(std::string soundFont) : soundFont_(std::move(soundFont)) {
    poll_.setInterval(kPollMs);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
}

FluidMusicPlayer::~FluidMusicPlayer() {
    if (sink_) sink_->stop();
}

bool FluidMusicPlayer::Open(const std::string& file) {
    if (progress_.CurrentMode() != Mode::NotOpen) return false;
    const QString path = FindDataFile(QString::fromStdString(file));
    if (!QFileInfo::exists(path)) return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return false;
    if (!tune_.Load(soundFont_, path.toStdString(), kSampleRate)) return false;

    source_ = std::make_unique<TuneStream>(tune_);
    source_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(kSampleRate * kBytesPerFrame * kBufferMs / 1000);
    sink_->start(source_.get());
    if (sink_->error() != QAudio::NoError) {
        sink_.reset();
        return false;
    }
    progress_.Opened();
    return true;
}

void FluidMusicPlayer::Play() {
    const int from = progress_.Play();
    if (from < 0) return;
    tune_.Start(from);
    poll_.start();
}

void FluidMusicPlayer::Stop() {
    if (progress_.CurrentMode() == Mode::Playing) {
        poll_.stop();
        tune_.Halt(true);
    }
    progress_.Stop(tune_.Tick());
}

void FluidMusicPlayer::NotifyOnce(std::function<void()> report) {
    progress_.NotifyOnce(std::move(report));
}

void FluidMusicPlayer::Poll() {
    if (!progress_.Advance(tune_.Tick(), tune_.LastTick())) return;
    poll_.stop();
    tune_.Halt(false);
    progress_.Completed();
}
