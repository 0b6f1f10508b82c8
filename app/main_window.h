#pragma once

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QTimer>
#include <vector>

#include "course/catalogue.h"
#include "play/game.h"
#include "play/play_host.h"
#include "play/play_loop.h"
#include "render/ball_painter.h"
#include "render/scene_painter.h"

class StatusBar;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm8;

/// The main game window: owns the game state and the pictures, shows the back buffer
/// in its 630 x 404 client area above a nine-panel status bar.
class TForm1 : public QMainWindow, public PlayHost {
    Q_OBJECT

public:
    /// Every window of the game uses the seams of `platform`; main() makes the real ones.
    explicit TForm1(const Platform& platform, QWidget* parent = nullptr);
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
    void PresentFrame();
    void PresentRect(int x, int y, int width, int height);
    /// Copies one rectangle of the back buffer to the window's picture, to be shown later.
    void CopyToSurface(const QRect& box);

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
    /// The about box, the players and the course dialog, each made on first use; start-up
    /// makes them in this order right after the main window.
    TForm2& Form2();
    TForm3& Form3();
    TForm4& Form4();
    /// The scoreboard, made on first use; it reads this window's game.
    TForm5& Form5();
    /// The Hole of Fame window, made on first use; it keeps its chosen list from then on.
    TForm6& Form6();
    /// The score-code dialog, made on first use with the window's web opener and prompt.
    TForm8& Form8();

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
    void FormClose();

    // What play asks of the window.
    void ShowFrame(const FrameDrawing& drawing) override;
    void ShowAttract(const AttractPicture& picture) override;
    void InvertAimLine(const AimLine& line) override;
    void SetPanelText(int panel, const std::string& text) override;
    void ShowFlag(int player) override;
    void RepaintScoreboard() override;
    void SetTournamentMenus(bool running) override;
    void PlaySound(const std::string& name, bool noStop) override;
    void UpdateRecords(int player, int hole) override;

    void ScheduleFrame();
    /// Starts the frame timer again if it rests.
    void WakeFrames();
    void BuildMenu();
    void FormCreate();
    void FormActivate();
    void FormPaint(QPainter& painter);
    void OpenMusic();
    void StatusBar1DrawPanel(QPainter& painter, const QRect& rect);

    const Course course_ = BuildCourse();
    Game game_{course_};
    ScenePictures pictures_;
    QImage surface_;
    QWidget* client_ = nullptr;
    StatusBar* statusBar1_ = nullptr;
    bool firstActivation_ = true;
    int flagPlayer_ = 0;  ///< whose flag status panel 1 shows; 0 for none
    /// The back buffer holds grass alone between attract frames, and the window shows the
    /// last one: the next frame need only show and clear what it and the last one painted.
    bool attractOnGrass_ = false;
    std::vector<QRect> lastAttract_;

    Platform platform_;
    PlayLoop play_{game_, *this, platform_.random};
    QTimer frameTimer_;

    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
    TForm5* form5_ = nullptr;
    TForm6* form6_ = nullptr;
    TForm8* form8_ = nullptr;
};
