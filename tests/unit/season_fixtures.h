// Shared test helpers of the season and saved-game tests: a league built in
// memory (no data files), reference random sequences, golden files and a
// comparison of two whole leagues.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "data/league.h"
#include "data/savegame.h"

namespace season_test {

// Slot i carries identifier i; slot 19 is the human club.
inline const char* const kClubNames[kTeams] = {
    "Alba",  "Borgo", "Castello", "Dora",  "Elmo",    "Fiume", "Gallo",
    "Isola", "Lago",  "Monte",    "Nera",  "Olmo",    "Porto", "Quercia",
    "Riva",  "Sasso", "Torre",    "Valle", "Zolla",   "Velmo"};

// A double round robin by the circle method: matchday r < 19 pairs the
// fixed club 19 with a rotating ring of 0..18; matchday r + 19 swaps venues.
inline void FillRoundRobin(League& lg) {
    constexpr int kRounds = kTeams - 1;
    for (int r = 0; r < kRounds; ++r) {
        int ring[kTeams];
        ring[0] = kHumanId;
        for (int p = 1; p < kTeams; ++p) ring[p] = (r + p - 1) % kRounds;
        for (int k = 0; k < kFixtures; ++k) {
            int home = ring[k];
            int away = ring[kTeams - 1 - k];
            if ((r + k) % 2 == 1) std::swap(home, away);
            Matchday& first = lg.giornata[r];
            Matchday& second = lg.giornata[r + kRounds];
            first.number = r + 1;
            second.number = r + 1 + kRounds;
            first.home[k] = home;
            first.away[k] = away;
            second.home[k] = away;
            second.away[k] = home;
        }
    }
    lg.ngiornate = kMatchdays;
}

// Twenty clubs with plain ratings and the full fixture list; nothing played.
inline League MakeLeague() {
    League lg;
    for (int slot = 0; slot < kTeams; ++slot) {
        Team& t = lg.squadra[slot];
        CopyWord(t.name, kClubNames[slot]);
        t.id = slot;
        t.keeper = 2 + slot % 4;
        for (int k = 0; k < kSectors; ++k) {
            t.base_technique[k] = 3 + (slot + k) % 5;
            t.base_fantasy[k] = 2 + (slot + 2 * k) % 6;
            t.base_condition[k] = 4 + (slot + k) % 3;
            t.fatigue[k] = 25 + (slot + k) % 7;
        }
    }
    lg.Velmo = lg.squadra[kHumanId];
    FillRoundRobin(lg);
    return lg;
}

// How many draws were made since srand(seed): the position of the next
// value in the reference sequence (-1 beyond `limit`).
inline int DrawsConsumed(unsigned seed, int limit = 10000) {
    const int next = std::rand();
    std::srand(seed);
    for (int k = 0; k <= limit; ++k) {
        if (std::rand() == next) return k;
    }
    return -1;
}

// The first n values of the sequence from `seed`.
inline std::vector<int> Reference(unsigned seed, int n) {
    std::srand(seed);
    std::vector<int> values(n);
    for (int& v : values) v = std::rand();
    return values;
}

inline std::string Golden(const std::string& name) {
    std::ifstream in(std::string(VELMO_SOURCE_DIR) + "/tests/golden/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << "missing golden file " << name;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Everything a load may touch, compared field by field: the progress, every
// team's name and counters, all 38 matchday records, the table and its texts.
inline void ExpectSameLeague(const League& expected, const League& actual) {
    EXPECT_EQ(expected.matchday, actual.matchday);
    for (int s = 0; s < kTeams; ++s) {
        const Team& a = expected.squadra[s];
        const Team& b = actual.squadra[s];
        EXPECT_STREQ(a.name, b.name) << "slot " << s;
        EXPECT_EQ(a.id, b.id) << "slot " << s;
        EXPECT_EQ(a.points, b.points) << "slot " << s;
        EXPECT_EQ(a.won, b.won) << "slot " << s;
        EXPECT_EQ(a.drawn, b.drawn) << "slot " << s;
        EXPECT_EQ(a.lost, b.lost) << "slot " << s;
        EXPECT_EQ(a.goals_for, b.goals_for) << "slot " << s;
        EXPECT_EQ(a.goals_against, b.goals_against) << "slot " << s;
        EXPECT_EQ(expected.classifica[s].id, actual.classifica[s].id) << "row " << s;
        EXPECT_EQ(expected.classifica[s].points, actual.classifica[s].points) << "row " << s;
    }
    for (int d = 0; d < kMatchdays; ++d) {
        const Matchday& a = expected.giornata[d];
        const Matchday& b = actual.giornata[d];
        EXPECT_EQ(a.number, b.number) << "matchday " << d;
        for (int j = 0; j < kFixtures; ++j) {
            EXPECT_EQ(a.home[j], b.home[j]) << "matchday " << d << " fixture " << j;
            EXPECT_EQ(a.away[j], b.away[j]) << "matchday " << d << " fixture " << j;
            EXPECT_EQ(a.home_goals[j], b.home_goals[j]) << "matchday " << d << " fixture " << j;
            EXPECT_EQ(a.away_goals[j], b.away_goals[j]) << "matchday " << d << " fixture " << j;
        }
    }
    EXPECT_EQ(expected.textranking, actual.textranking);
    EXPECT_EQ(expected.textrank2, actual.textrank2);
    League a = expected;  // SavedGameText rebuilds the table: work on copies
    League b = actual;
    EXPECT_EQ(SavedGameText(a), SavedGameText(b));
}

}  // namespace season_test
