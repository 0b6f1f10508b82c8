#pragma once

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QTimer>

#include "app/fluid_music_player.h"
#include "app/message_box_prompt.h"
#include "app/standard_random.h"
#include "app/steady_clock.h"
#include "app/wave_sound_player.h"
#include "play/game.h"
#include "play/play_host.h"
#include "play/play_loop.h"
#include "render/ball_painter.h"
#include "render/scene_painter.h"

class StatusBar;
class TForm3;
class TForm4;

/// The main game window: owns the game state and the pictures, shows the back buffer
/// in its 630 x 404 client area above a nine-panel status bar.
class TForm1 : public QMainWindow, public PlayHost {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    Game& GameState() { return game_; }
    const QImage& BackBuffer() const { return pictures_.backBuffer; }
    /// What the client area shows now, pixel for pixel (the back buffer as last presented,
    /// with anything drawn straight onto the window).
    const QImage& WindowSurface() const { return surface_; }
    StatusBar* StatusBar1() const { return statusBar1_; }
    QWidget* ClientArea() const { return client_; }

    /// A full scene of hole `hole` under the current view, the ball on the tee, presented.
    void ShowHole(int hole);

    /// Copies the whole back buffer, or one rectangle of it, to the window.
    void PresentFrame() override;
    void PresentRect(int x, int y, int width, int height) override;

    /// "&Start Tournament": starts a tournament with the players and settings as they are.
    void StartClick();
    /// "Sto&p Tournament": asks, and on Yes ends the tournament.
    void StopClick();
    /// Mouse events of the client area, in client pixels.
    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void FormMouseMove(int x, int y);
    void FormMouseUp(Qt::MouseButton button, int x, int y);
    /// A wake-up of the frame loop: reads the clock and runs a frame when one has begun.
    void AppIdle();

    /// The platform seams; tests put their doubles in before they play.
    void UseClock(Clock& clock);
    void UsePrompt(Prompt& prompt) { prompt_ = &prompt; }
    void UseSounds(SoundPlayer& sounds) { sounds_ = &sounds; }
    Random& RandomSource() { return random_; }

    // Menu commands (app/menu_commands.cpp).
    void PlayersClick();
    void CoursesClick();
    void MusicClick();
    void ScoreboardClick();
    void HoleofFameClick();
    void WWWHoleofFameClick();
    void ContentsClick();
    void IndexClick();
    void AboutClick();
    /// The music player's completion report: starts the tune again while Music is on.
    void MediaPlayer1Notify();
    /// Opens the game's tune "quelvane.mid" beside the program and starts it; main() calls
    /// it once, so that windows made by tests never reach for an audio device.
    void OpenMusic();
    /// Opens the tune on `player` and starts it, as at start-up; tests pass their double.
    void OpenMusic(MusicPlayer& player);
    /// The players and course dialogs, made on first use with the window's prompt.
    TForm3& Form3();
    TForm4& Form4();

    // Menu items, named after their captions.
    QAction* Open = nullptr;
    QAction* Save = nullptr;
    QAction* SaveAs = nullptr;
    QAction* Print = nullptr;
    QAction* Exit = nullptr;
    QAction* Start = nullptr;
    QAction* Stop = nullptr;
    QAction* Players = nullptr;
    QAction* Courses = nullptr;
    QAction* Sound = nullptr;
    QAction* Music = nullptr;
    QAction* Scoreboard = nullptr;
    QAction* HoleofFame = nullptr;
    QAction* WWWHoleofFame = nullptr;
    QAction* Contents = nullptr;
    QAction* Index = nullptr;
    QAction* About = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectMenuCommands();
    bool FormCloseQuery();

    // What play asks of the window.
    void SetPanelText(int panel, const std::string& text) override;
    void RepaintStatusBar() override;
    void RepaintScoreboard() override;
    void SetTournamentMenus(bool running) override;
    void PlaySound(const std::string& name, bool noStop) override;
    void UpdateRecords(int player, int hole) override;
    void DrawGrass() override;
    ViewPoint DrawHoleScene() override;
    void SaveUnderBall() override;
    void DrawBallSprite(bool withShadow) override;
    void DrawLine(int x0, int y0, int x1, int y1, Colour colour) override;
    void InvertWindowLine(int x0, int y0, int x1, int y1, int width) override;
    void AttractFrame() override;

    void ScheduleFrame();
    void BuildMenu();
    void FormCreate();
    void FormActivate();
    void FormPaint(QPainter& painter);
    void StatusBar1DrawPanel(QPainter& painter, const QRect& rect);

    Game game_;
    ScenePictures pictures_;
    QImage surface_;
    QWidget* client_ = nullptr;
    StatusBar* statusBar1_ = nullptr;
    bool firstActivation_ = true;

    SteadyClock steadyClock_;
    StandardRandom random_;
    WaveSoundPlayer waveSounds_{steadyClock_};
    MessageBoxPrompt messageBoxPrompt_{this};
    Clock* clock_ = &steadyClock_;
    Prompt* prompt_ = &messageBoxPrompt_;
    SoundPlayer* sounds_ = &waveSounds_;
    PlayLoop play_{game_, *this, random_};
    QTimer frameTimer_;

    FluidMusicPlayer fluidMusic_;
    MusicPlayer* music_ = &fluidMusic_;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
};
