// The line-up check: the squad list's marks become the human club's line-up.
//
// Starter marks are read in row order: the first eleven are stored by player
// number, counted per role and summed per sector (defence = goalkeepers and
// defenders); later marks are counted and cleared. Substitute marks: the
// first six are stored, later ones counted and left marked. The check never
// refuses: it stores what it can and returns the messages, in order.
#include "lineup/lineup.h"

#include <cstring>

namespace {

const char* const kRoleUnknown = "Player's role unknown! Help!!";
const char* const kTooFew =
    "You have to add more players: football needs 11 players per side! :)";
const char* const kTooMany = "You included too many players! \nPlease correct your team line up.";
const char* const kTooManySubs = "You can choose only 6 substitutes.\n";
const char* const kNoKeeper =
    "It seems like you forgot the goalkeeper.... are you sure you want to play like that?";

// Nothing of the previous line-up survives a check.
void ClearLineup(Team& team) {
    team.starters_count = 0;
    team.subs_count = 0;
    team.keeper = 0;
    for (int s = 0; s < kSectors; ++s) {
        team.module[s] = 0;
        team.technique[s] = 0;
        team.fantasy[s] = 0;
        team.condition[s] = 0;
    }
    for (int& number : team.starters) number = 0;
    for (int& number : team.substitutes) number = 0;
}

void ReadStarters(League& lg, const LineupMarks& marks, LineupCheck& check) {
    Team& velmo = lg.Velmo;
    int stored = 0;
    for (int row = 0; row < kSquadSize; ++row) {
        if (!marks.starter[row]) continue;
        ++velmo.starters_count;
        if (velmo.starters_count > kStarters) {
            check.cleared_starters.push_back(row);
            continue;
        }
        const Player& player = lg.players[row];
        // A player of unknown role keeps his starter slot all the same.
        velmo.starters[stored++] = player.number;
        if (!AddToSectors(velmo, player, +1)) check.messages.push_back(kRoleUnknown);
        if (std::strcmp(player.role, "GK") == 0) ++velmo.keeper;
    }
}

void ReadSubstitutes(League& lg, const LineupMarks& marks) {
    Team& velmo = lg.Velmo;
    int stored = 0;
    for (int row = 0; row < kSquadSize; ++row) {
        if (!marks.substitute[row]) continue;
        ++velmo.subs_count;
        if (velmo.subs_count <= kSubstitutes) velmo.substitutes[stored++] = lg.players[row].number;
    }
}

}  // namespace

int RoleSector(const char* role) {
    if (std::strcmp(role, "GK") == 0 || std::strcmp(role, "DF") == 0) return 0;
    if (std::strcmp(role, "MF") == 0) return 1;
    if (std::strcmp(role, "AT") == 0) return 2;
    return -1;
}

bool AddToSectors(Team& team, const Player& player, int sign) {
    const int sector = RoleSector(player.role);
    if (sector < 0) return false;
    if (std::strcmp(player.role, "GK") != 0) team.module[sector] += sign;
    team.technique[sector] += sign * player.technique;
    team.fantasy[sector] += sign * player.fantasy;
    team.condition[sector] += sign * player.condition;
    return true;
}

LineupCheck SetUpTeam(League& lg, const LineupMarks& marks) {
    LineupCheck check;
    Team& velmo = lg.Velmo;
    ClearLineup(velmo);
    CopyWord(velmo.badge, "velmo.gif");

    ReadStarters(lg, marks, check);
    if (velmo.starters_count <= kStarters - 1) {
        check.messages.push_back(kTooFew);
    } else if (velmo.starters_count > kStarters) {
        check.messages.push_back(kTooMany);
    }

    ReadSubstitutes(lg, marks);
    if (velmo.subs_count > kSubstitutes) check.messages.push_back(kTooManySubs);

    if (velmo.starters_count == kStarters) {
        if (velmo.keeper != 1) {
            check.messages.push_back(kNoKeeper);
        } else {
            check.redraw = true;
        }
    }
    return check;
}
