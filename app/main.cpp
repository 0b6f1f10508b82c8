#include <QApplication>
#include <QFont>

#include "app/audio_mixer.h"
#include "app/desktop_url_opener.h"
#include "app/main_window.h"
#include "app/message_box_prompt.h"
#include "app/mixer_music_player.h"
#include "app/mixer_sound_player.h"
#include "app/sdl_audio_device.h"
#include "app/standard_random.h"
#include "app/steady_clock.h"
#include "records/qsettings_store.h"
#include "render/game_pictures.h"

int main(int, char* argv[]) {
    // The game reads no command line: Qt sees only the program's name, so none of its
    // options (-platform, -reverse, -session ...) act. Its environment variables still do.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);
    QApplication::setApplicationName("Quelvane");
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName("org.dolvarn.Quelvane");
    QApplication::setFont(QFont("DejaVu Sans", 8));
    QApplication::setWindowIcon(ApplicationIcon());

    SteadyClock clock;
    StandardRandom random;
    // One audio device mixes the sounds and the tune; without one the game runs silent.
    AudioMixer mixer;
    SdlAudioDevice audio{mixer};
    MixerSoundPlayer sounds{mixer, audio.IsOpen()};
    MixerMusicPlayer music{mixer, audio.IsOpen()};
    MessageBoxPrompt prompt;
    DesktopUrlOpener urls;
    QSettingsStore store;
    const Platform platform{clock, random, sounds, music, prompt, urls, store};

    TForm1 form1(platform);
    form1.show();
    return QApplication::exec();
}
