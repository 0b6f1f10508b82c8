#include <QApplication>
#include <QFont>

#include "app/desktop_url_opener.h"
#include "app/fluid_music_player.h"
#include "app/main_window.h"
#include "app/message_box_prompt.h"
#include "app/standard_random.h"
#include "app/steady_clock.h"
#include "app/wave_sound_player.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quelvane");
    QApplication::setFont(QFont("DejaVu Sans", 8));

    SteadyClock clock;
    StandardRandom random;
    WaveSoundPlayer sounds{clock};
    FluidMusicPlayer music;
    MessageBoxPrompt prompt;
    DesktopUrlOpener urls;
    const Platform platform{clock, random, sounds, music, prompt, urls};

    TForm1 form1(platform);
    form1.show();
    return QApplication::exec();
}
