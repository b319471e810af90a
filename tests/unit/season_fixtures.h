// Helpers of the season and saved-game tests: a league in memory, reference draws, texts.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "data/league.h"

// The six standings counters, to compare or to assign as one.
template <class T>
auto Counters(T& t) {
    return std::tie(t.points, t.won, t.drawn, t.lost, t.goals_for, t.goals_against);
}

// Twenty clubs (slot = identifier), plain ratings, a circle-method double round robin.
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
        for (int k = 0; k < kSectors; ++k) {
            t.base_technique[k] = 3 + (slot + k) % 5;
            t.base_fantasy[k] = 2 + (slot + 2 * k) % 6;
            t.base_condition[k] = 4 + (slot + k) % 3;
        }
    }
    lg.Velmo = lg.squadra[kHumanId];
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
    return lg;
}

inline std::vector<int> Reference(unsigned seed, int n) {
    std::srand(seed);
    std::vector<int> values(n);
    for (int& v : values) v = std::rand();
    return values;
}

// Draws made since srand(seed): the next value's position in the reference sequence.
inline int DrawsConsumed(unsigned seed) {
    const int next = std::rand();
    const std::vector<int> r = Reference(seed, 10001);
    return static_cast<int>(std::find(r.begin(), r.end(), next) - r.begin());
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// An expected text written by hand under tests/golden/.
inline std::string Golden(const std::string& name) {
    return ReadFile(std::string(VELMO_SOURCE_DIR) + "/tests/golden/" + name);
}

// Everything a load may touch: progress, clubs, results and the table.
inline void ExpectSameLeague(const League& expected, const League& actual) {
    EXPECT_EQ(expected.matchday, actual.matchday);
    EXPECT_EQ(std::memcmp(expected.squadra, actual.squadra, sizeof actual.squadra), 0) << "clubs";
    EXPECT_EQ(std::memcmp(expected.giornata, actual.giornata, sizeof actual.giornata), 0);
    EXPECT_EQ(std::memcmp(expected.classifica, actual.classifica, sizeof actual.classifica), 0);
}
