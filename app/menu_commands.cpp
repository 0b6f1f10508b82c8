// The commands of the main window's menu bar, the close question and the music loop.
#include <QCloseEvent>

#include "app/about_box.h"
#include "app/center_on_main_form.h"
#include "app/main_window.h"
#include "records/fame_score_code.h"
#include "records/hole_of_fame_window.h"
#include "records/score_code_dialog.h"
#include "records/scoreboard_window.h"
#include "setup/course_dialog.h"
#include "setup/players_dialog.h"

namespace {
constexpr const char* kMusicFile = "quelvane.mid";
}  // namespace

void TForm1::ConnectMenuCommands() {
    // Sound is a checkable item: its own toggle is the whole command, and every sound call
    // reads its check mark. E&xit closes the window, so the close question applies.
    connect(Players, &QAction::triggered, this, &TForm1::PlayersClick);
    connect(Courses, &QAction::triggered, this, &TForm1::CoursesClick);
    connect(Music, &QAction::triggered, this, &TForm1::MusicClick);
    connect(Scoreboard, &QAction::triggered, this, &TForm1::ScoreboardClick);
    connect(HoleofFame, &QAction::triggered, this, &TForm1::HoleofFameClick);
    connect(WWWHoleofFame, &QAction::triggered, this, &TForm1::WWWHoleofFameClick);
    connect(Contents, &QAction::triggered, this, &TForm1::ContentsClick);
    connect(Index, &QAction::triggered, this, &TForm1::IndexClick);
    connect(About, &QAction::triggered, this, &TForm1::AboutClick);
}

TForm2& TForm1::Form2() {
    if (!form2_) form2_ = new TForm2(platform_.prompt, platform_.urls, this);
    return *form2_;
}

TForm3& TForm1::Form3() {
    if (!form3_) form3_ = new TForm3(game_, platform_.prompt, this);
    return *form3_;
}

TForm4& TForm1::Form4() {
    if (!form4_) form4_ = new TForm4(game_, platform_.prompt, this);
    return *form4_;
}

TForm5& TForm1::Form5() {
    if (!form5_) form5_ = new TForm5(game_, this);
    return *form5_;
}

TForm6& TForm1::Form6() {
    if (!form6_) form6_ = new TForm6(game_, this);
    return *form6_;
}

TForm8& TForm1::Form8() {
    if (!form8_) form8_ = new TForm8(platform_.urls, platform_.prompt, this);
    return *form8_;
}

void TForm1::PlayersClick() {
    TForm3& dialog = Form3();
    dialog.PlayersAccepted = false;
    CenterOnMainForm(dialog, *this);
    dialog.exec();
    // Players were stored: a tournament can start and its scoreboard be shown.
    if (dialog.PlayersAccepted) {
        Start->setEnabled(true);
        Scoreboard->setEnabled(true);
    }
}

void TForm1::CoursesClick() {
    TForm4& dialog = Form4();
    dialog.LoadSettings();
    CenterOnMainForm(dialog, *this);
    game_.attractPaused = true;
    dialog.exec();
    game_.attractPaused = false;
}

void TForm1::HoleofFameClick() {
    TForm6& window = Form6();
    CenterOnMainForm(window, *this);
    window.exec();
}

void TForm1::MusicClick() {
    // The item has already toggled its check mark.
    if (Music->isChecked())
        platform_.music.Play();
    else
        platform_.music.Stop();
}

void TForm1::OpenMusic() {
    if (!platform_.music.Open(kMusicFile)) {
        Music->setChecked(false);
        Music->setEnabled(false);
        return;
    }
    if (Music->isChecked()) platform_.music.Play();
    platform_.music.NotifyOnce([this] { MediaPlayer1Notify(); });
}

void TForm1::MediaPlayer1Notify() {
    if (platform_.music.CurrentMode() != MusicPlayer::Mode::Stopped) return;
    if (Music->isChecked()) platform_.music.Play();
    platform_.music.NotifyOnce([this] { MediaPlayer1Notify(); });
}

bool TForm1::FormCloseQuery() {
    if (!TournamentInPlay(game_.playState)) return true;
    return platform_.prompt.Ask("Are you sure you want to quit the tournament?", "Exit Quelvane?",
                                Prompt::Buttons::YesNo, Prompt::Icon::Exclamation,
                                Prompt::Answer::No) == Prompt::Answer::Yes;
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    FormClose();
}

void TForm1::ScoreboardClick() {
    // Not modal: it stays open beside play. Opening it again brings it back over the main
    // window and to the front.
    TForm5& scoreboard = Form5();
    CenterOnMainForm(scoreboard, *this);
    scoreboard.show();
    scoreboard.raise();
    scoreboard.activateWindow();
}

void TForm1::FormClose() {
    platform_.store.Close();
}

void TForm1::WWWHoleofFameClick() {
    // The code is made afresh from the lists each time; the dialog is not modal.
    TForm8& dialog = Form8();
    dialog.SetScoreCode(ScoreCode(game_.fame.series[kSeries36]));
    CenterOnMainForm(dialog, *this);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

// The help is a window of its own: the game goes on while it is open.
void TForm1::ContentsClick() {
    platform_.help.ShowContents();
}

void TForm1::IndexClick() {
    platform_.help.ShowIndex();
}

void TForm1::AboutClick() {
    TForm2& about = Form2();
    CenterOnMainForm(about, *this);
    about.exec();
}
