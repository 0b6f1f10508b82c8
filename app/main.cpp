// The program entry: the splash screen first, then the windows of the game, then the
// message loop. An exception that escapes any of it is reported in a message box.
#include <QElapsedTimer>
#include <QFont>
#include <QThread>
#include <QWindow>

#include "app/audio_mixer.h"
#include "app/desktop_url_opener.h"
#include "app/exception_report.h"
#include "app/game_application.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/message_box_prompt.h"
#include "app/mixer_music_player.h"
#include "app/mixer_sound_player.h"
#include "app/sdl_audio_device.h"
#include "app/splash_screen.h"
#include "app/standard_random.h"
#include "app/steady_clock.h"
#include "records/qsettings_store.h"
#include "render/game_pictures.h"

namespace {
constexpr unsigned long kStillSplashMilliseconds = 2000;

// The window system shows a new window a moment later; the splash is painted as soon as
// it can be seen, so that the pause after it shows the whole picture. Clicks and timer
// ticks wait for the message loop.
void ShowAndPaintAtOnce(QWidget& window) {
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!window.windowHandle()->isExposed() && waited.elapsed() < 1000)
        QCoreApplication::processEvents(
            QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers, 10);
    window.repaint();
}

int RunGame(GameApplication& application) {
    QApplication::setApplicationName("Quelvane");
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName("org.dolvarn.Quelvane");
    QApplication::setApplicationDisplayName("Quelvane");
    QApplication::setFont(QFont("DejaVu Sans", 8));
    QApplication::setWindowIcon(ApplicationIcon());

    TForm7 splash;
    ShowAndPaintAtOnce(splash);
    QThread::msleep(kStillSplashMilliseconds);

    SteadyClock clock;
    StandardRandom random;
    // One audio device mixes the sounds and the tune; without one the game runs silent.
    AudioMixer mixer;
    SdlAudioDevice audio{mixer};
    MixerSoundPlayer sounds{mixer, audio.Available()};
    MixerMusicPlayer music{mixer, audio.Available()};
    MessageBoxPrompt prompt;
    DesktopUrlOpener urls;
    HelpWindow help;
    QSettingsStore store;
    const Platform platform{clock, random, sounds, music, prompt, urls, store, help};

    // The main window first, then the other windows in their order.
    TForm1 form1(platform);
    form1.Form2();
    form1.Form3();
    form1.Form4();
    form1.Form5();
    help.CentreFirstOver(form1);
    splash.HandOverTo(form1, form1.GameState().attractPaused);
    form1.show();
    // The splash stays above the main window; a desktop without a window manager needs
    // to be told so after the main window has appeared.
    splash.raise();
    return application.Run();
}
}  // namespace

int main(int, char* argv[]) {
    // The game reads no command line: Qt sees only the program's name, so none of its
    // options (-platform, -reverse, -session ...) act. Its environment variables still do.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    GameApplication application(qtArgc, qtArgv);
    try {
        return RunGame(application);
    } catch (...) {
        MessageBoxPrompt prompt;
        return ReportException(prompt, std::current_exception());
    }
}
