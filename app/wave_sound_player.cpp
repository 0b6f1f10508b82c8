#include "app/wave_sound_player.h"

#include <QFile>
#include <QUrl>
#include <algorithm>
#include <cctype>

namespace {
constexpr const char* kWaveNames[] = {"HIT", "BOUNCE", "UH", "APPLAUSE", "CLAP", "LAUGH"};

std::uint32_t LittleEndian(const QByteArray& bytes, qsizetype at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

/// The playing time of a PCM WAVE file in milliseconds, from its format and data chunks;
/// 0 when the file is not one.
std::int64_t WaveLengthMs(const QByteArray& wave) {
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE") return 0;
    std::uint32_t bytesPerSecond = 0;
    for (qsizetype at = 12; at + 8 <= wave.size();) {
        const QByteArray tag = wave.mid(at, 4);
        const std::uint32_t size = LittleEndian(wave, at + 4, 4);
        if (tag == "fmt " && size >= 16 && at + 16 <= wave.size())
            bytesPerSecond = LittleEndian(wave, at + 16, 4);
        if (tag == "data" && bytesPerSecond > 0)
            return static_cast<std::int64_t>(size) * 1000 / bytesPerSecond;
        at += 8 + static_cast<qsizetype>(size) + (size & 1);
    }
    return 0;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
}  // namespace

// The sounds are a resource of a static library, so the program must ask for them by name.
static void InitSoundResources() {
    Q_INIT_RESOURCE(sounds);
}

WaveSoundPlayer::WaveSoundPlayer(Clock& clock) : clock_(clock) {
    InitSoundResources();
    for (const char* name : kWaveNames) {
        const QString path = QStringLiteral(":/sounds/%1.wav").arg(name);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        Wave wave{name, std::make_unique<QSoundEffect>(), WaveLengthMs(file.readAll())};
        wave.effect->setSource(QUrl("qrc" + path));
        waves_.emplace(Lower(name), std::move(wave));
    }
}

WaveSoundPlayer::~WaveSoundPlayer() = default;

void WaveSoundPlayer::Play(const std::string& name, bool noStop) {
    const auto found = waves_.find(Lower(name));
    if (found == waves_.end()) return;
    const std::int64_t now = clock_.Ticks();
    if (current_ && now < endsAt_) {
        if (noStop) return;
        current_->effect->stop();
    }
    current_ = &found->second;
    endsAt_ = now + current_->lengthMs;
    current_->effect->play();
}

std::string WaveSoundPlayer::Playing() {
    return current_ && clock_.Ticks() < endsAt_ ? current_->name : std::string();
}
