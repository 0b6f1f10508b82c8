#pragma once

#include <cstdint>

/// The state of the frame loop; the stored value is the number.
enum class PlayState : std::uint8_t {
    Idle = 0,            ///< no tournament: the attract animation runs
    Aiming = 1,          ///< the current player may aim and strike
    Rolling = 2,         ///< the struck ball moves
    Sinking = 3,         ///< the ball drops into the cup
    TurnIntro = 4,       ///< the view spins before a turn
    TournamentOver = 5,  ///< the last hole has been finished
};

/// True while a tournament is being played (the close question asks then).
constexpr bool TournamentInPlay(PlayState state) {
    return state == PlayState::Aiming || state == PlayState::Rolling ||
           state == PlayState::Sinking || state == PlayState::TurnIntro;
}
