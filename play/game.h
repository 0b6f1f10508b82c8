#pragma once

#include "course/hole.h"
#include "course/solid.h"
#include "play/ball_state.h"
#include "play/play_state.h"
#include "play/tournament.h"
#include "render/view_transform.h"

/// All game state, owned by the main window; every other window works on a reference.
struct Game {
    Course course;         ///< the 36 holes, fixed after InitCourse
    Solid solid;           ///< the loaded hole
    ViewAngles view;       ///< the main view's angles
    Scene scene;           ///< the last full scene's arrays
    BallState ball;        ///< the live ball of the current player
    Tournament tournament; ///< players, settings and progress
    PlayState playState = PlayState::Idle;
    bool attractPaused = false;  ///< the attract animation stands still (splash, course dialog)
};

/// Fills the catalogue with the 36 holes and gives the play fields their first values.
void InitCourse(Game& game);
