// Computer clubs' line-ups and the human club's next opponent.
//
// A computer club has no squad: each line-up is drawn afresh. The module
// takes defenders and midfielders from {3,4,5} and gives the rest of ten to
// attack; each sector sum is one player's rating times the sector's size
// plus a drawn offset (-7..7 for technique and fantasy, -2..2 for
// condition), the goalkeeper rating added to the three defence sums. An
// attack sum of 9 or less is raised to 10. Draws: 2 (module) + 6 (skill
// offsets) + 3 (condition offsets) = 11 per club.
//
// A simulated fixture copies both clubs' sums into the match record with a
// boost: 0..19 for the home side (0..29 on attack technique and fantasy),
// 0..9 for the away side. 18 draws.
#include "season/opponent.h"

#include <cstdlib>

#include "data/loaders.h"

namespace {

constexpr int kSectorSizes[3] = {3, 4, 5};
constexpr int kOutfieldPlayers = 10;
constexpr int kDrawnFatigue = 28;
constexpr int kAttackFloor = 10;  // an attack sum of 9 or less becomes this

int SkillOffset() { return rand() % 15 - 7; }
int ConditionOffset() { return rand() % 5 - 2; }

// Steps of one club's line-up draw, in their order of draws.
void DrawLineUp(Team& club) {
    for (int& f : club.fatigue) f = kDrawnFatigue;
    club.module[0] = kSectorSizes[rand() % 3];
    club.module[1] = kSectorSizes[rand() % 3];
    club.module[2] = kOutfieldPlayers - club.module[0] - club.module[1];

    club.extra_fantasy[2] = SkillOffset();
    club.extra_fantasy[1] = SkillOffset();
    club.extra_fantasy[0] = SkillOffset();
    club.extra_technique[2] = SkillOffset();
    club.extra_technique[1] = SkillOffset();
    club.extra_technique[0] = SkillOffset();
    club.extra_condition[0] = ConditionOffset();
    club.extra_condition[2] = ConditionOffset();
    club.extra_condition[1] = ConditionOffset();

    for (int k = 0; k < kSectors; ++k) {
        club.technique[k] = club.base_technique[k] * club.module[k] + club.extra_technique[k];
        club.fantasy[k] = club.base_fantasy[k] * club.module[k] + club.extra_fantasy[k];
        club.condition[k] = club.base_condition[k] * club.module[k] + club.extra_condition[k];
    }
    // The goalkeeper counts in defence.
    club.technique[0] += club.keeper;
    club.fantasy[0] += club.keeper;
    club.condition[0] += club.keeper;

    if (club.condition[2] <= kAttackFloor - 1) club.condition[2] = kAttackFloor;
    if (club.technique[2] <= kAttackFloor - 1) club.technique[2] = kAttackFloor;
    if (club.fantasy[2] <= kAttackFloor - 1) club.fantasy[2] = kAttackFloor;
}

// One side block from a club's sums: technique, fantasy, condition in sector
// order, each sum plus rand() % its boost.
void FillSide(SideBlock& side, const Team& club, const int (&boost)[kSectors * 3]) {
    for (int k = 0; k < kSectors; ++k) side.module[k] = club.module[k];
    const int* sums[3] = {club.technique, club.fantasy, club.condition};
    int* fields[3] = {side.technique, side.fantasy, side.condition};
    for (int f = 0; f < 3; ++f) {
        for (int k = 0; k < kSectors; ++k) {
            fields[f][k] = sums[f][k] + rand() % boost[f * kSectors + k];
        }
    }
    for (int k = 0; k < kSectors; ++k) side.fatigue[k] = club.fatigue[k];
}

constexpr int kHomeBoost[9] = {20, 20, 30, 20, 20, 30, 20, 20, 20};
constexpr int kAwayBoost[9] = {10, 10, 10, 10, 10, 10, 10, 10, 10};

}  // namespace

int MakeOtherTeams(League& lg, int id) {
    int found = 0;
    // Every slot carrying the identifier is drawn; the last one is returned.
    for (int slot = 0; slot < kTeams; ++slot) {
        if (lg.squadra[slot].id != id) continue;
        DrawLineUp(lg.squadra[slot]);
        found = slot;
    }
    return found;
}

void SetUpComputerTeams(League& lg, int first_slot, int second_slot) {
    FillSide(lg.partita.side[0], lg.squadra[first_slot], kHomeBoost);
    FillSide(lg.partita.side[1], lg.squadra[second_slot], kAwayBoost);
}

int SetUpOpponent(League& lg) {
    const Matchday& md = lg.giornata[lg.matchday];
    const int human = lg.Velmo.id;
    bool found = false;
    int opponent_id = 0;
    for (int i = 0; i < kFixtures; ++i) {
        if (md.home[i] != human) continue;
        opponent_id = md.away[i];
        lg.ontheroad = 0;
        lg.where = "in casa";
        found = true;
    }
    if (!found) {
        for (int i = 0; i < kFixtures; ++i) {
            if (md.away[i] != human) continue;
            opponent_id = md.home[i];
            lg.where = "in trasferta";
            lg.ontheroad = 1;
            found = true;
        }
    }
    // A fixture file that leaves the human club out of this matchday is
    // malformed: keep the previous opponent, venue and line-up, draw nothing.
    if (!found) return lg.avversario;
    return MakeOtherTeams(lg, opponent_id);
}

bool SeasonOver(const League& lg) {
    return lg.matchday >= kMatchdays || lg.giornata[lg.matchday].number == -1;
}

bool PrepareOpponent(League& lg) {
    if (SeasonOver(lg)) return false;
    // Once per matchday index: a fixture file may number two matchdays alike.
    if (lg.matchday != lg.prepared_matchday) {
        lg.prepared_matchday = lg.matchday;
        lg.today = lg.giornata[lg.matchday].number;
        lg.avversario = SetUpOpponent(lg);
    }
    CopyWord(lg.othername, lg.squadra[lg.avversario].name);
    return true;
}
