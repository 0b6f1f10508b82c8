#include "course/solid.h"
#include "play/play_loop.h"
#include "play/status_text.h"
#include "play/tournament.h"

void PlayLoop::StartTournamentPlay() {
    StartTournament(game_.tournament);
    StartNextHole();
    host_.RepaintScoreboard();
    game_.view.spin = static_cast<float>(random_.Next() % 360);
    if (game_.playState == PlayState::TournamentOver) return;  // nothing to play: close at once
    ShowSceneWithBall();
    game_.playState = PlayState::Aiming;
    host_.SetTournamentMenus(true);
}

void PlayLoop::StopTournamentPlay() {
    if (game_.dragging) {
        InvertAimLine();
        game_.dragging = false;
    }
    host_.SetTournamentMenus(false);
    game_.playState = PlayState::Idle;
    game_.sinkFrame = -1;
    for (int panel = 0; panel <= 7; ++panel) host_.SetPanelText(panel, "");
    host_.SetPanelText(kPromptPanel, kSelectPlayersPrompt);
    ShowCurrentFlag();
}

void PlayLoop::StartNextHole() {
    Tournament& tournament = game_.tournament;
    tournament.currentPlayer = 0;
    tournament.previousPlayer = 0;
    const bool over = !ChooseNextHole(tournament, random_);
    if (over) game_.playState = PlayState::TournamentOver;

    const Hole& hole = game_.course[tournament.currentHole];
    for (int p = 1; p <= kPlayerSlots; ++p) {
        if (tournament.players[p].status == PlayerStatus::Absent) continue;
        tournament.players[p].status = PlayerStatus::Playing;
        PlaceOnTee(tournament.playerBall[p], hole);
    }
    if (over) return;
    LoadHole(game_.course, tournament.currentHole, game_.solid);
    NextTurn();
}

void PlayLoop::NextTurn() {
    Tournament& tournament = game_.tournament;
    game_.view.tilt = -60.0f;
    if (ChooseNextPlayer(tournament, random_) == 0) {
        StartNextHole();
        host_.RepaintScoreboard();
    } else {
        ShowCurrentFlag();
        host_.RepaintScoreboard();

        game_.introFrame = 0;
        game_.introLength = random_.Next() % 81 + 10;
        game_.introSpinStep = random_.Next() % 2 == 0 ? 2.0f : -2.0f;
        game_.playState = PlayState::TurnIntro;

        const int player = tournament.currentPlayer, hole = tournament.currentHole;
        host_.SetPanelText(kPlayerPanel, std::to_string(player));
        host_.SetPanelText(kNamePanel, tournament.players[player].name);
        host_.SetPanelText(kHolePanel, HoleText(hole, game_.course[hole].name));
        RecomputeOverPar(tournament, game_.course, player, hole);
        WriteScorePanels();
        host_.SetPanelText(kPromptPanel, kHitPrompt);
        ShowCurrentFlag();
    }
    // The live ball waits in the previous player's slot; the new player's ball comes out.
    tournament.playerBall[tournament.previousPlayer] = game_.ball;
    game_.ball = tournament.playerBall[tournament.currentPlayer];
    ShowCurrentFlag();
}

void PlayLoop::FinishPlayerHole() {
    Tournament& tournament = game_.tournament;
    const int player = tournament.currentPlayer, hole = tournament.currentHole;
    if (player < 1 || player > kPlayerSlots || !IsHoleNumber(hole)) return;
    tournament.players[player].status = PlayerStatus::Finished;
    tournament.players[player].holeDone[hole] = 1;
    host_.UpdateRecords(player, hole);
}

void PlayLoop::WriteScorePanels() {
    const Tournament& tournament = game_.tournament;
    const auto texts =
        ScorePanelTexts(tournament.players[tournament.currentPlayer], tournament.currentHole);
    for (int i = 0; i < 4; ++i) host_.SetPanelText(4 + i, texts[i]);
}
