// Small leagues built in code for the line-up and match tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "data/league.h"

namespace match_fixtures {

// Player numbers differ from row indices, so a lookup by index is caught.
inline int NumberOfRow(int row) { return 101 + row; }

inline void SetPlayer(League& lg, int row, const char* surname, const char* role, int technique,
                      int fantasy, int condition) {
    Player& p = lg.players[row];
    p.number = NumberOfRow(row);
    CopyWord(p.name, "Name");
    CopyWord(p.surname, surname);
    CopyWord(p.role, role);
    p.technique = technique;
    p.fantasy = fantasy;
    p.condition = condition;
}

// A squad of 22: rows 0-1 GK, 2-8 DF, 9-15 MF, 16-21 AT, surnames "S0".."S21",
// ratings that differ from row to row; twenty clubs "CLUB0".."CLUB18" and VELMO.
inline League MakeLeague() {
    League lg;
    for (int row = 0; row < kSquadSize; ++row) {
        const char* role = row < 2 ? "GK" : row < 9 ? "DF" : row < 16 ? "MF" : "AT";
        const std::string surname = "S" + std::to_string(row);
        SetPlayer(lg, row, surname.c_str(), role, 10 + row, 5 + row % 7, 12 + row % 5);
    }
    for (int slot = 0; slot < kTeams; ++slot) {
        Team& team = lg.squadra[slot];
        team.id = slot;
        const std::string name = "CLUB" + std::to_string(slot);
        CopyWord(team.name, slot == kHumanId ? "VELMO" : name.c_str());
    }
    CopyWord(lg.Velmo.name, "VELMO");
    lg.Velmo.id = kHumanId;
    return lg;
}

// Fills Velmo's line-up directly: starters and substitutes by squad row.
inline void SetLineup(League& lg, const std::vector<int>& starter_rows,
                      const std::vector<int>& sub_rows) {
    for (int i = 0; i < kStarters; ++i)
        lg.Velmo.starters[i] = i < static_cast<int>(starter_rows.size())
                                   ? NumberOfRow(starter_rows[i]) : 0;
    for (int j = 0; j < kSubstitutes; ++j)
        lg.Velmo.substitutes[j] = j < static_cast<int>(sub_rows.size())
                                      ? NumberOfRow(sub_rows[j]) : 0;
}

// Sets one side's sector values so that technique + fantasy + condition of
// defence, midfield and attack are d, m and a, with no decline.
inline void SetStrengths(Team& team, int d, int m, int a) {
    const int totals[kSectors] = {d, m, a};
    for (int s = 0; s < kSectors; ++s) {
        team.technique[s] = totals[s] - 20;
        team.fantasy[s] = 12;
        team.condition[s] = 8;
        team.fatigue[s] = 0;
    }
}

inline void SetStrengths(SideBlock& side, int d, int m, int a) {
    const int totals[kSectors] = {d, m, a};
    for (int s = 0; s < kSectors; ++s) {
        side.technique[s] = totals[s] - 20;
        side.fantasy[s] = 12;
        side.condition[s] = 8;
        side.fatigue[s] = 0;
    }
}

// The rand() value that follows `skipped` draws after srand(seed).
inline int DrawAfter(unsigned seed, int skipped) {
    srand(seed);
    for (int i = 0; i < skipped; ++i) rand();
    return rand();
}

// Checks that the generator's next value is the one that follows `skipped`
// draws after srand(seed); reseeds the generator to find it.
inline testing::AssertionResult NextDrawFollows(unsigned seed, int skipped) {
    const int next = rand();
    const int expected = DrawAfter(seed, skipped);
    if (next == expected) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the next draw is not draw " << skipped + 1
                                       << " of seed " << seed;
}

}  // namespace match_fixtures
