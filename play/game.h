#pragma once

#include <cstdint>

#include "course/hole.h"
#include "course/solid.h"
#include "play/attract.h"
#include "play/ball_state.h"
#include "play/physics.h"
#include "play/play_state.h"
#include "play/tournament.h"
#include "records/hole_of_fame.h"
#include "view/ball_on_screen.h"
#include "view/view_transform.h"

/// All game state, owned by the main window; every other window works on a reference.
struct Game {
    /// Plays on the holes of `course`, which outlives the game and never changes.
    explicit Game(const Course& catalogue) : course(catalogue) {}

    const Course& course;   ///< the 36 holes
    Solid solid;            ///< the loaded hole
    ViewAngles view;        ///< the main view's angles
    Scene scene;            ///< the last full scene's arrays
    BallState ball;         ///< the live ball of the current player
    Tournament tournament;  ///< players, settings and progress
    PlayState playState = PlayState::Idle;
    bool attractPaused = false;  ///< the attract animation stands still (splash, course dialog)
    Attract attract;             ///< the balls over the grass between tournaments
    HoleOfFame fame;             ///< the best results ever played, as loaded and updated

    // The frame clock: 20 ms frames counted from the millisecond ticks.
    std::int64_t tickCount = 0;      ///< ticks read at the last wake-up
    std::int64_t frameClock = 0;     ///< tickCount / 20
    std::int64_t lastFrame = 0;      ///< frameClock when the last frame ran
    std::int64_t framesElapsed = 0;  ///< frame periods between the last two frames run

    // The spin of the view before a turn.
    int introFrame = 0;          ///< steps done
    int introLength = 0;         ///< steps to do, 10..90
    float introSpinStep = 0.0f;  ///< degrees per step, +2 or -2

    int sinkFrame = -1;  ///< frame of the drop into the cup, 0..18; -1 when none runs
    StrokeState stroke;  ///< wall hits and the "Uh" of the stroke in play

    // Aiming: the line from the ball to the mouse while a button is held.
    bool dragging = false;
    int aimMode = 1;  ///< 1 fine (left button), 2 strong (right button)
    int aimStartX = 0, aimStartY = 0, aimEndX = 0, aimEndY = 0;

    BallOnScreen ballOnScreen;
};

/// Gives the play fields their first values: no hole, the ball and cup of the empty course.
void InitCourse(Game& game);
