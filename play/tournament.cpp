#include "play/tournament.h"

#include "play/platform.h"

namespace {
constexpr int kTurnScanEnd = kPlayerSlots + 1;  // position 9 always holds 0
constexpr int kStrokeLimit = 7;
constexpr int kStrokeLimitScore = 9;

int HolesInMode(int mode) {
    switch (mode) {
        case kSixHoles:
            return 6;
        case kTwelveHoles:
            return 12;
        case kEighteenHoles:
            return 18;
        default:
            return kHoleCount;
    }
}

bool IsPlaying(const Tournament& tournament, int slot) {
    return slot >= 1 && slot <= kPlayerSlots &&
           tournament.players[slot].status == PlayerStatus::Playing;
}

// Holes 1..last that are still to be played and pass `wanted`.
template <typename Wanted>
bool AnyLeft(const Tournament& tournament, int last, Wanted wanted) {
    for (int h = 1; h <= last; ++h)
        if (tournament.holePlayed[h] == 0 && wanted(h)) return true;
    return false;
}

// Next hole of the first N course holes, or 0 when all are played.
int NextOfFirstHoles(const Tournament& tournament, Random& random, int last) {
    const auto any = [](int) { return true; };
    switch (tournament.holeOrder) {
        case kHoleRandom: {
            if (!AnyLeft(tournament, last, any)) return 0;
            int hole;
            do hole = random.Next() % last + 1;
            while (tournament.holePlayed[hole] != 0);
            return hole;
        }
        case kHoleBackward:
            for (int h = last; h >= 1; --h)
                if (tournament.holePlayed[h] == 0) return h;
            return 0;
        default:
            // Beyond the last hole also ends it, so a record left at a later hole cannot
            // run past the end of the tables.
            return tournament.currentHole >= last ? 0 : tournament.currentHole + 1;
    }
}

// Next hole of the hand-picked selection, or 0 when none is left.
int NextOfSelection(const Tournament& tournament, Random& random) {
    const auto candidate = [&](int h) {
        return tournament.holeSelected[h] == 1 && tournament.holePlayed[h] == 0;
    };
    switch (tournament.holeOrder) {
        case kHoleRandom: {
            if (!AnyLeft(tournament, kHoleCount, candidate)) return 0;
            int hole;
            do hole = random.Next() % kHoleCount + 1;
            while (!candidate(hole));
            return hole;
        }
        case kHoleBackward:
            for (int h = kHoleCount; h >= 1; --h)
                if (candidate(h)) return h;
            return 0;
        default:
            for (int h = 1; h <= kHoleCount; ++h)
                if (candidate(h)) return h;
            return 0;
    }
}

// Scans the turn order from the position after `index`; returns the position of the next
// filled one, or the end of the scan.
int ScanFrom(const Tournament& tournament, int index) {
    ++index;
    while (index < kTurnScanEnd && tournament.turnOrder[index] == -1) ++index;
    return index;
}
}  // namespace

void StartTournament(Tournament& tournament) {
    for (int p = 1; p <= kPlayerSlots; ++p) {
        PlayerRecord& player = tournament.players[p];
        player.strokes.fill(0);
        player.overPar.fill(0);
        player.holeDone.fill(0);
        player.seriesEntered.fill(0);
        player.totalStrokes = 0;
        player.totalOverPar = 0;
    }
    tournament.holePlayed.fill(0);
    tournament.currentHole = 0;
    tournament.currentPlayer = 0;
}

void RecordStroke(Tournament& tournament, const Course& course) {
    const int p = tournament.currentPlayer, h = tournament.currentHole;
    if (p < 1 || p > kPlayerSlots || !IsHoleNumber(h)) return;
    tournament.players[p].strokes[h] += 1;
    tournament.players[p].totalStrokes += 1;
    RecomputeOverPar(tournament, course, p, h);
}

void RecomputeOverPar(Tournament& tournament, const Course& course, int player, int hole) {
    if (player < 1 || player > kPlayerSlots || !IsHoleNumber(hole)) return;
    PlayerRecord& record = tournament.players[player];
    record.overPar[hole] = record.strokes[hole] - course[hole].par;
    record.totalOverPar = 0;
    for (int h = 1; h <= kHoleCount; ++h) record.totalOverPar += record.overPar[h];
}

bool ChooseNextHole(Tournament& tournament, Random& random) {
    const int entry = tournament.currentHole;
    if (entry >= 0 && entry <= kHoleCount) tournament.holePlayed[entry] = 1;
    const int next =
        tournament.holeCountMode == kSelectedHoles
            ? NextOfSelection(tournament, random)
            : NextOfFirstHoles(tournament, random, HolesInMode(tournament.holeCountMode));
    tournament.currentHole = next == 0 ? entry : next;
    return next != 0;
}

void BuildTurnOrder(Tournament& tournament, Random& random) {
    tournament.turnIndex = 0;
    tournament.turnOrder.fill(-1);
    tournament.turnOrder[0] = 0;
    tournament.turnOrder[kTurnScanEnd] = 0;
    switch (tournament.playerOrder) {
        case kPlayerRandom:
            for (int p = 1; p <= kPlayerSlots; ++p) {
                if (!IsPlaying(tournament, p)) continue;
                int position;
                do position = random.Next() % kPlayerSlots + 1;
                while (tournament.turnOrder[position] != -1);
                tournament.turnOrder[position] = p;
            }
            break;
        case kLastFirst: {
            // Most strokes first, the lower slot on ties; absent slots are dropped later.
            std::array<bool, kPlayerSlots + 1> placed{};
            for (int position = 1; position <= kPlayerSlots; ++position) {
                int best = 0;
                for (int p = 1; p <= kPlayerSlots; ++p) {
                    if (placed[p]) continue;
                    if (best == 0 ||
                        tournament.players[p].totalStrokes > tournament.players[best].totalStrokes)
                        best = p;
                }
                placed[best] = true;
                tournament.turnOrder[position] = best;
            }
            break;
        }
        default: {
            int position = 1;
            for (int p = 1; p <= kPlayerSlots; ++p)
                if (IsPlaying(tournament, p)) tournament.turnOrder[position++] = p;
            break;
        }
    }
}

int ChooseNextPlayer(Tournament& tournament, Random& random) {
    if (tournament.currentPlayer == 0) BuildTurnOrder(tournament, random);
    tournament.previousPlayer = tournament.currentPlayer;
    for (int position = 1; position <= kPlayerSlots; ++position)
        if (!IsPlaying(tournament, tournament.turnOrder[position]))
            tournament.turnOrder[position] = -1;

    int index = ScanFrom(tournament, tournament.turnIndex);
    if (index >= kTurnScanEnd) index = ScanFrom(tournament, 0);
    if (index >= kTurnScanEnd) {
        tournament.currentPlayer = 0;
        return 0;
    }
    tournament.turnIndex = index;
    tournament.currentPlayer = tournament.turnOrder[index];
    return tournament.currentPlayer;
}

bool ApplyStrokeLimit(Tournament& tournament, const Course& course) {
    const int p = tournament.currentPlayer, h = tournament.currentHole;
    if (p < 1 || p > kPlayerSlots || !IsHoleNumber(h)) return false;
    PlayerRecord& record = tournament.players[p];
    if (record.strokes[h] != kStrokeLimit) return false;
    record.strokes[h] = kStrokeLimitScore;
    record.totalStrokes += kStrokeLimitScore - kStrokeLimit;
    RecomputeOverPar(tournament, course, p, h);
    return true;
}
