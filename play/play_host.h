#pragma once

#include <string>

#include "view/attract_projection.h"
#include "view/frame_drawing.h"

/// What play needs from the main window. Every call carries what the window needs to
/// answer it; the window never reads the game state back.
class PlayHost {
public:
    /// Draws what one step of play shows into the back buffer and copies it to the screen.
    virtual void ShowFrame(const FrameDrawing& drawing) = 0;
    /// Paints one frame of the attract animation over the grass and shows it.
    virtual void ShowAttract(const AttractPicture& picture) = 0;
    /// Inverts the aim line straight on the window; the same line again restores it.
    virtual void InvertAimLine(const AimLine& line) = 0;
    /// Sets the text of status panel 0..8.
    virtual void SetPanelText(int panel, const std::string& text) = 0;
    /// Shows the flag of player 1..8 in status panel 1, or no flag for 0.
    virtual void ShowFlag(int player) = 0;
    /// Asks the scoreboard window to redraw.
    virtual void RepaintScoreboard() = 0;
    /// Menus while a tournament runs (Stop only) or not (Start, Players, Course).
    virtual void SetTournamentMenus(bool running) = 0;
    /// Plays a named wave when sound is on; with `noStop` it is dropped while another plays.
    virtual void PlaySound(const std::string& name, bool noStop) = 0;
    /// Enters `player`'s finished hole number `hole` into the Hole of Fame.
    virtual void UpdateRecords(int player, int hole) = 0;

    virtual ~PlayHost() = default;
};
