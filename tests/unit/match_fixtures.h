// Small leagues built in code for the line-up and match tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "data/league.h"

namespace match_fixtures {

// Player numbers differ from row indices, so a lookup by index is caught.
inline int NumberOfRow(int row) { return 101 + row; }

// Module, then technique, fantasy and condition of defence, midfield and attack.
template <typename Side>
std::vector<int> SectorValues(const Side& side) {
    std::vector<int> values;
    for (const int* field : {side.module, side.technique, side.fantasy, side.condition})
        values.insert(values.end(), field, field + kSectors);
    return values;
}

template <typename Side>
void SetSectorValues(Side& side, const std::vector<int>& values) {
    int* fields[] = {side.module, side.technique, side.fantasy, side.condition};
    for (int i = 0; i < 4 * kSectors; ++i) fields[i / kSectors][i % kSectors] = values[i];
}

// Defence, midfield and attack strengths (technique + fantasy + condition) d, m and a.
template <typename Side>
void SetStrengths(Side& side, int d, int m, int a) {
    SetSectorValues(side, {0, 0, 0, d - 20, m - 20, a - 20, 12, 12, 12, 8, 8, 8});
}

const std::vector<int> kExampleSums = {4, 4, 2, 100, 80, 50, 90, 70, 40, 95, 60, 30};

inline void SetRatings(Player& p, int technique, int fantasy, int condition) {
    p.technique = technique;
    p.fantasy = fantasy;
    p.condition = condition;
}

// Rows 0-1 GK, 2-8 DF, 9-15 MF, 16-21 AT, "S<row>", rated 10 + row, 5 + row % 7, 12 + row % 5 but
// rows 2 and 6; Velmo plays rows 0 2 3 4 5 9 10 11 12 16 17 with kExampleSums, bench 6 13 18 1.
inline League MakeLeague() {
    League lg;
    for (int row = 0; row < kSquadSize; ++row) {
        Player& p = lg.players[row];
        p.number = NumberOfRow(row);
        CopyWord(p.role, row < 2 ? "GK" : row < 9 ? "DF" : row < 16 ? "MF" : "AT");
        CopyWord(p.surname, ("S" + std::to_string(row)).c_str());
        SetRatings(p, 10 + row, 5 + row % 7, 12 + row % 5);
    }
    SetRatings(lg.players[2], 20, 15, 18);
    SetRatings(lg.players[6], 22, 14, 25);
    const int starters[kStarters] = {0, 2, 3, 4, 5, 9, 10, 11, 12, 16, 17}, subs[] = {6, 13, 18, 1};
    for (int i = 0; i < kStarters; ++i) lg.Velmo.starters[i] = NumberOfRow(starters[i]);
    for (int j = 0; j < 4; ++j) lg.Velmo.substitutes[j] = NumberOfRow(subs[j]);
    SetSectorValues(lg.Velmo, kExampleSums);
    for (int slot = 0; slot < kTeams; ++slot) lg.squadra[slot].id = slot;
    lg.Velmo.id = kHumanId;
    return lg;
}

// The rand() value that follows `skipped` draws after srand(seed).
inline int DrawAfter(unsigned seed, int skipped) {
    srand(seed);
    for (int i = 0; i < skipped; ++i) rand();
    return rand();
}

// Whether the next draw is the one after `skipped` draws of seed: reads it before reseeding.
inline bool NextDrawFollows(unsigned seed, int skipped) {
    const int next = rand();
    return next == DrawAfter(seed, skipped);
}

}  // namespace match_fixtures
