// Computer line-ups and the next opponent: draws, sector sums, venue, once per matchday.
#include "season/opponent.h"

#include <gtest/gtest.h>

#include "season_fixtures.h"

// Module, fatigue, then technique, fantasy, condition by sector (the boost draws' order).
template <class T>
std::vector<int> LineUp(const T& x) {
    std::vector<int> v;
    for (const int* f : {x.module, x.fatigue, x.technique, x.fantasy, x.condition})
        v.insert(v.end(), f, f + kSectors);
    return v;
}

// Draws: defence and midfield sizes; fantasy, then technique offsets, attack to defence;
// condition offsets defence, attack, midfield. Seed 41, then the first 5-5-0 seed.
TEST(MakeOtherTeams, ElevenDrawsIntoTheSectorSumsAndAMissDrawsNothing) {
    unsigned five_five = 1;
    while (Reference(five_five, 1)[0] % 3 != 2 || Reference(five_five, 2)[1] % 3 != 2) ++five_five;
    for (const unsigned seed : {41u, five_five}) {
        League lg = MakeLeague();
        const std::vector<int> r = Reference(seed, 11);
        std::srand(seed);
        EXPECT_EQ(MakeOtherTeams(lg, 4), 4);
        EXPECT_EQ(DrawsConsumed(seed), 11);
        const Team& t = lg.squadra[4];
        const int module[3] = {3 + r[0] % 3, 3 + r[1] % 3, 4 - r[0] % 3 - r[1] % 3};
        const int offset[9] = {r[7] % 15 - 7, r[6] % 15 - 7, r[5] % 15 - 7,
                               r[4] % 15 - 7, r[3] % 15 - 7, r[2] % 15 - 7,
                               r[8] % 5 - 2,  r[10] % 5 - 2, r[9] % 5 - 2};
        const int* base[3] = {t.base_technique, t.base_fantasy, t.base_condition};
        std::vector<int> expected = {module[0], module[1], module[2], 28, 28, 28};
        for (int i = 0; i < 9; ++i) {  // the keeper counts in defence only; attack at least 10
            const int k = i % 3, sum = base[i / 3][k] * module[k] + offset[i] + (k ? 0 : t.keeper);
            expected.push_back(k == 2 ? std::max(10, sum) : sum);
        }
        EXPECT_EQ(LineUp(t), expected);
        if (seed == five_five) {
            EXPECT_EQ(t.technique[2] + t.fantasy[2] + t.condition[2], 30);
        }
        std::srand(seed);
        EXPECT_EQ(MakeOtherTeams(lg, 77), 0);
        EXPECT_EQ(DrawsConsumed(seed), 0) << "a miss draws nothing";
    }
}

TEST(SetUpComputerTeams, EighteenDrawsHomeBoostFirstThenAway) {
    League lg = MakeLeague();
    std::srand(3);
    MakeOtherTeams(lg, 2);
    MakeOtherTeams(lg, 9);
    const std::vector<int> r = Reference(1234, 18);
    std::srand(1234);
    SetUpComputerTeams(lg, 2, 9);
    EXPECT_EQ(DrawsConsumed(1234), 18);
    const int home_boost[9] = {20, 20, 30, 20, 20, 30, 20, 20, 20};
    std::vector<int> home = LineUp(lg.squadra[2]), away = LineUp(lg.squadra[9]);
    for (int i = 0; i < 9; ++i) {
        home[6 + i] += r[i] % home_boost[i];
        away[6 + i] += r[9 + i] % 10;
    }
    EXPECT_EQ(LineUp(lg.partita.side[0]), home);
    EXPECT_EQ(LineUp(lg.partita.side[1]), away);
}

// Day 0 home to Zolla (18), shown twice; day 1 at Alba (0); a short fixture file; the end.
TEST(PrepareOpponent, DrawsOncePerMatchdayAtTheRightVenueUntilTheSeasonIsOver) {
    League lg = MakeLeague();
    lg.giornata[5].number = -1;
    const struct { int day, draws, today, opponent, ontheroad; const char* where; } steps[] = {
        {0, 11, 1, 18, 0, "in casa"},     {0, 0, 1, 18, 0, "in casa"},
        {1, 11, 2, 0, 1, "in trasferta"}, {5, 0, 2, 0, 1, "in trasferta"},
        {kMatchdays, 0, 2, 0, 1, "in trasferta"}};
    for (const auto& s : steps) {
        lg.matchday = s.day;
        std::srand(21);
        EXPECT_EQ(PrepareOpponent(lg), s.day < 5);
        EXPECT_EQ(DrawsConsumed(21), s.draws) << "matchday " << s.day;
        EXPECT_EQ(std::tie(lg.today, lg.avversario, lg.ontheroad, lg.where),
                  std::make_tuple(s.today, s.opponent, s.ontheroad, std::string(s.where)));
        EXPECT_STREQ(lg.othername, lg.squadra[s.opponent].name);
    }
}
