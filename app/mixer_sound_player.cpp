#include "app/mixer_sound_player.h"

#include <QFile>
#include <algorithm>
#include <cctype>
#include <iostream>

#include "app/wave_decoding.h"

namespace {
constexpr const char* kWaveNames[] = {"HIT", "BOUNCE", "UH", "APPLAUSE", "CLAP", "LAUGH"};

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

MixerSoundPlayer::MixerSoundPlayer(AudioMixer& mixer, bool deviceAvailable)
    : mixer_(mixer), deviceAvailable_(deviceAvailable) {
    InitSoundResources();
    for (const char* name : kWaveNames) {
        QFile file(QStringLiteral(":/sounds/%1.wav").arg(name));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QByteArray bytes = file.readAll();
        std::string fault;
        auto samples = DecodeWave(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), fault);
        if (!samples) {
            std::cerr << "quelvane: the sound " << name << " is damaged and stays silent (" << fault
                      << ")\n";
            continue;
        }
        waves_.emplace(Lower(name),
                       std::make_shared<const MixWave>(MixWave{name, std::move(*samples)}));
    }
}

void MixerSoundPlayer::Play(const std::string& name, bool noStop) {
    if (!deviceAvailable_) return;
    const auto found = waves_.find(Lower(name));
    if (found != waves_.end()) mixer_.PlayWave(found->second, noStop);
}
