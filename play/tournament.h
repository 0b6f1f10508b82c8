#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "course/colour.h"
#include "course/hole.h"
#include "course/limits.h"
#include "play/ball_state.h"

enum class PlayerStatus : std::uint8_t { Absent = 0, Playing = 1, Finished = 2 };

/// One of the eight player slots; per-hole tables are indexed by course hole 1..36.
struct PlayerRecord {
    std::string name;  ///< at most 16 characters; empty for a slot without a player
    std::array<int, kHoleCount + 1> strokes{};
    int totalStrokes = 0;
    std::array<int, kHoleCount + 1> overPar{};
    int totalOverPar = 0;
    PlayerStatus status = PlayerStatus::Absent;
    std::array<std::uint8_t, kHoleCount + 1> holeDone{};
    std::array<std::uint8_t, 5> seriesEntered{};  ///< 1..4: the 6-, 12-, 18- and 36-hole series
};

/// How many holes a tournament plays.
enum HoleCountMode : int {
    kSixHoles = 0,
    kTwelveHoles = 1,
    kEighteenHoles = 2,
    kAllHoles = 3,
    kSelectedHoles = 4
};
/// In which order the holes are played.
enum HoleOrder : int { kHoleSequence = 0, kHoleRandom = 1, kHoleBackward = 2 };
/// In which order the players start each hole.
enum PlayerOrder : int { kPlayerSequence = 0, kPlayerRandom = 1, kLastFirst = 2 };

/// The record of the game in progress: players, settings and progress.
struct Tournament {
    std::array<PlayerRecord, kPlayerSlots + 1> players;  ///< slots 1..8; slot 0 is spare

    // Settings, written by the dialogs.
    int holeCountMode = kAllHoles;
    int holeOrder = kHoleSequence;
    std::array<std::uint8_t, kHoleCount + 1> holeSelected{};
    int playerOrder = kPlayerSequence;

    // Progress.
    int currentHole = 0;
    std::array<std::uint8_t, kHoleCount + 1> holePlayed{};
    int currentPlayer = 0;
    int previousPlayer = 0;
    std::array<int, kPlayerSlots + 2> turnOrder{};  ///< positions 1..8, -1 empty; 9 always 0
    int turnIndex = 0;
    std::array<BallState, kPlayerSlots + 1> playerBall{};  ///< each player's waiting ball
};

class Random;

/// Clears every slot's scores and the progress for a new tournament; names and status stay.
void StartTournament(Tournament& tournament);

/// Counts one stroke of the current player on the current hole and updates his over-par.
void RecordStroke(Tournament& tournament, const Course& course);

/// OverPar[h] of slot p from its strokes and the hole's par; TotalOverPar summed anew.
void RecomputeOverPar(Tournament& tournament, const Course& course, int player, int hole);

/// Marks the current hole played and makes the next one current; false when none is left,
/// in which case the current hole stays the last one played.
bool ChooseNextHole(Tournament& tournament, Random& random);

/// Fills the turn order of a new hole from the playing slots and the player order.
void BuildTurnOrder(Tournament& tournament, Random& random);

/// Passes the turn to the next playing slot in the turn order and returns it; 0 when
/// nobody is left on this hole.
int ChooseNextPlayer(Tournament& tournament, Random& random);

/// A seventh stroke that did not hole out scores 9; returns whether the rule applied.
bool ApplyStrokeLimit(Tournament& tournament, const Course& course);
