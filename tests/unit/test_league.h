// The unit tests' league in memory, a count of draws and expected texts written by hand.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "data/league.h"

// Player numbers differ from row indices, so a lookup by index is caught.
inline int NumberOfRow(int row) { return 101 + row; }

// The six standings counters, to compare or to assign as one.
template <class T>
auto Counters(T& t) {
    return std::tie(t.points, t.won, t.drawn, t.lost, t.goals_for, t.goals_against);
}

// Module, technique, fantasy, condition, fatigue, each by sector; the setter sets the first n.
template <class Side>
std::vector<int> SectorValues(const Side& side) {
    std::vector<int> values;
    for (const int* f : {side.module, side.technique, side.fantasy, side.condition, side.fatigue})
        values.insert(values.end(), f, f + kSectors);
    return values;
}

template <class Side>
void SetSectorValues(Side& side, const std::vector<int>& values) {
    int* fields[] = {side.module, side.technique, side.fantasy, side.condition, side.fatigue};
    for (size_t i = 0; i < values.size(); ++i) fields[i / kSectors][i % kSectors] = values[i];
}

// Defence, midfield and attack strengths (technique + fantasy + condition) d, m and a.
template <class Side>
void SetStrengths(Side& side, int d, int m, int a) {
    SetSectorValues(side, {0, 0, 0, d - 20, m - 20, a - 20, 12, 12, 12, 8, 8, 8});
}

// Twenty clubs (slot = identifier), a circle-method double round robin; the squad: rows 0-1 GK,
// 2-8 DF, 9-15 MF, 16-21 AT, "S<row>"; Velmo plays rows 0 2-5 9-12 16 17, bench 6 13 18 1.
inline League MakeLeague() {
    static const char* const names[kTeams] = {
        "Alba", "Borgo", "Castello", "Dora", "Elmo", "Fiume", "Gallo", "Isola", "Lago", "Monte",
        "Nera", "Olmo", "Porto", "Quercia", "Riva", "Sasso", "Torre", "Valle", "Zolla", "Velmo"};
    League lg;
    for (int slot = 0; slot < kTeams; ++slot) {
        Team& t = lg.squadra[slot];
        CopyWord(t.name, names[slot]);
        t.id = slot;
        t.keeper = 2 + slot % 4;
        for (int k = 0; k < kSectors; ++k)
            std::tie(t.base_technique[k], t.base_fantasy[k], t.base_condition[k]) =
                std::make_tuple(3 + (slot + k) % 5, 2 + (slot + 2 * k) % 6, 4 + (slot + k) % 3);
    }
    for (int r = 0; r < 19; ++r) {
        lg.giornata[r].number = r + 1;
        lg.giornata[r + 19].number = r + 20;
        for (int k = 0; k < kFixtures; ++k) {
            int home = k == 0 ? kHumanId : (r + k - 1) % 19, away = (r + 18 - k) % 19;
            if ((r + k) % 2 == 1) std::swap(home, away);
            lg.giornata[r].home[k] = lg.giornata[r + 19].away[k] = home;
            lg.giornata[r].away[k] = lg.giornata[r + 19].home[k] = away;
        }
    }
    for (int row = 0; row < kSquadSize; ++row) {
        Player& p = lg.players[row];
        p.number = NumberOfRow(row);
        CopyWord(p.role, row < 2 ? "GK" : row < 9 ? "DF" : row < 16 ? "MF" : "AT");
        CopyWord(p.surname, ("S" + std::to_string(row)).c_str());
        std::tie(p.technique, p.fantasy, p.condition) =
            row == 2 ? std::make_tuple(20, 15, 18) : row == 6 ? std::make_tuple(22, 14, 25)
                     : std::make_tuple(10 + row, 5 + row % 7, 12 + row % 5);
    }
    const int starters[kStarters] = {0, 2, 3, 4, 5, 9, 10, 11, 12, 16, 17}, subs[] = {6, 13, 18, 1};
    for (int i = 0; i < kStarters; ++i) lg.Velmo.starters[i] = NumberOfRow(starters[i]);
    for (int j = 0; j < 4; ++j) lg.Velmo.substitutes[j] = NumberOfRow(subs[j]);
    lg.Velmo.id = kHumanId;
    return lg;
}

// Draws made since srand(seed): the place of the next value among the first 10001 of the seed.
inline int DrawsConsumed(unsigned seed) {
    const int next = std::rand();
    std::srand(seed);
    for (int made = 0; made <= 10000; ++made)
        if (std::rand() == next) return made;
    return -1;
}

// A scratch folder, removed with all it holds at the end of the test.
struct ScratchFolder {
    std::string path;
    ScratchFolder() {
        char pattern[] = "/tmp/velmo-test-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
    std::string Path(const std::string& name) const { return path + "/" + name; }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(Path(name), std::ios::binary) << text;
    }
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// An expected text written by hand under tests/golden/.
inline std::string Golden(const std::string& name) {
    return ReadFile(std::string(VELMO_SOURCE_DIR) + "/tests/golden/" + name);
}
