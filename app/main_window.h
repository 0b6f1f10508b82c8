#pragma once

#include <QAction>
#include <QImage>
#include <QMainWindow>

#include "play/game.h"
#include "render/ball_painter.h"
#include "render/scene_painter.h"

class StatusBar;

/// The main game window: owns the game state and the pictures, shows the back buffer
/// in its 630 x 404 client area above a nine-panel status bar.
class TForm1 : public QMainWindow {
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
    void PresentFrame();
    void PresentRect(int x, int y, int width, int height);

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

private:
    void BuildMenu();
    void FormCreate();
    void FormActivate();
    void FormPaint(QPainter& painter);
    void StatusBar1DrawPanel(QPainter& painter, const QRect& rect);

    Game game_;
    ScenePictures pictures_;
    BallSprite ballSprite_;
    QImage surface_;
    QWidget* client_ = nullptr;
    StatusBar* statusBar1_ = nullptr;
    bool firstActivation_ = true;
};
