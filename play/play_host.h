#pragma once

#include <string>

#include "course/colour.h"
#include "view/view_transform.h"

/// What play needs from the main window: drawing into the back buffer and onto the window,
/// the status bar, the scoreboard, the menus, sounds and the Hole of Fame.
class PlayHost {
public:
    /// Copies the whole back buffer to the window.
    virtual void PresentFrame() = 0;
    /// Copies one rectangle of the back buffer to the same place on the window.
    virtual void PresentRect(int x, int y, int width, int height) = 0;
    /// Sets the text of status panel 0..8.
    virtual void SetPanelText(int panel, const std::string& text) = 0;
    /// Redraws the whole status bar, the flag of panel 1 included.
    virtual void RepaintStatusBar() = 0;
    /// Asks the scoreboard window to redraw.
    virtual void RepaintScoreboard() = 0;
    /// Menus while a tournament runs (Stop only) or not (Start, Players, Course).
    virtual void SetTournamentMenus(bool running) = 0;
    /// Plays a named wave when sound is on; with `noStop` it is dropped while another plays.
    virtual void PlaySound(const std::string& name, bool noStop) = 0;
    /// Enters the current player's finished hole into the Hole of Fame.
    virtual void UpdateRecords(int player, int hole) = 0;

    /// Lays the grass over the whole back buffer.
    virtual void DrawGrass() = 0;
    /// Grass and the loaded hole under the game's view, placed so that the cup and the live
    /// ball show; fills the game's scene and returns the rotated ball.
    virtual ViewPoint DrawHoleScene() = 0;
    /// Saves the back buffer under the ball's last anchor, after a full scene.
    virtual void SaveUnderBall() = 0;
    /// Moves the ball sprite in the back buffer from the game's previous ball anchor to
    /// its current one (repair, save, shadow if asked, mask, frame).
    virtual void DrawBallSprite(bool withShadow) = 0;
    /// A one-pixel line into the back buffer, without its end pixel.
    virtual void DrawLine(int x0, int y0, int x1, int y1, Colour colour) = 0;
    /// Inverts a line of pen width 1 or 3 straight on the window; twice restores it.
    virtual void InvertWindowLine(int x0, int y0, int x1, int y1, int width) = 0;
    /// One frame of the attract animation over the grass.
    virtual void AttractFrame() = 0;

    virtual ~PlayHost() = default;
};
