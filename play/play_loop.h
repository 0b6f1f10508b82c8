#pragma once

#include <cstdint>

#include "play/game.h"
#include "play/platform.h"
#include "play/play_host.h"

/// The mouse buttons the aim tells apart.
enum class MouseButton { Left, Right, Middle };

/// The play of a tournament: the 20 ms frame loop with its play states, the progress of
/// turns and holes, aiming and the drop into the cup. Works on the game state and shows
/// everything through the host.
class PlayLoop {
public:
    PlayLoop(Game& game, PlayHost& host, Random& random)
        : game_(game), host_(host), random_(random) {}

    /// Starts the frame clock at `ticks` milliseconds: the current frame counts as run.
    void StartClock(std::int64_t ticks);
    /// A wake-up of the loop at `ticks` milliseconds: runs one frame when a new 20 ms frame
    /// has begun since the last one, however many have passed.
    void AppIdle(std::int64_t ticks);
    /// One step of the play state machine; a state outside 0..5 does nothing.
    void FrameStep();
    /// Milliseconds from `ticks` until the next frame begins (1..20).
    static int MillisecondsToNextFrame(std::int64_t ticks);
    /// True while no frame would change anything: the ball waits for the player's stroke,
    /// and only the mouse or a command moves the game on.
    bool WaitsForInput() const { return game_.playState == PlayState::Aiming; }

    /// Starts a tournament with the current players and settings; the first turn begins
    /// without a spin, facing a random direction.
    void StartTournamentPlay();
    /// Ends the tournament at once (the player confirmed Stop): menus and status bar reset.
    void StopTournamentPlay();
    /// Starts the next hole, or ends the tournament when none is left.
    void StartNextHole();
    /// Passes the turn to the next player, or to the next hole when nobody is left.
    void NextTurn();
    /// The current player has finished the current hole.
    void FinishPlayerHole();
    /// One frame of the ball dropping into the cup.
    void SinkFrameStep();

    /// A button pressed at window pixel (x, y): starts an aim on or next to the ball.
    void MouseDown(MouseButton button, int x, int y);
    /// The mouse moved to (x, y): moves the aim line, limited in length.
    void MouseMove(int x, int y);
    /// A button released: strikes the ball against the aim.
    void MouseUp(int x, int y);

private:
    void RollingFrame();
    void IntroFrame();
    void ClosingFrame();
    void AttractFrame();
    /// Prepares the loaded hole's scene under the game's view for `drawing`, placed so that
    /// the cup and the live ball show; returns the rotated ball.
    ViewPoint PrepareHoleScene(FrameDrawing& drawing);
    /// A fresh scene with the live ball on it, shown whole.
    void ShowSceneWithBall();
    /// Moves the ball's anchor to its view position and adds the move to `drawing`.
    void MoveBall(FrameDrawing& drawing);
    void ShowCurrentFlag();
    void InvertAimLine();
    void WriteScorePanels();

    Game& game_;
    PlayHost& host_;
    Random& random_;
};
