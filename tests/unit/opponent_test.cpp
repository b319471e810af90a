// Computer line-ups and the next opponent: draw counts and orders, sums,
// floors, venue and once-per-matchday preparation.
#include "season/opponent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "season_fixtures.h"

using namespace season_test;

namespace {

constexpr int kSizes[3] = {3, 4, 5};

// The first seed >= `from` whose first two draws give defence and midfield
// sizes d and m.
unsigned SeedForModule(int d, int m, unsigned from = 1) {
    for (unsigned seed = from;; ++seed) {
        const std::vector<int> r = Reference(seed, 2);
        if (kSizes[r[0] % 3] == d && kSizes[r[1] % 3] == m) return seed;
    }
}

}  // namespace

TEST(MakeOtherTeams, DrawsElevenNumbersIntoTheirFieldsInOrder) {
    League lg = MakeLeague();
    const unsigned seed = 41;
    const std::vector<int> r = Reference(seed, 12);
    std::srand(seed);
    EXPECT_EQ(MakeOtherTeams(lg, 4), 4);
    EXPECT_EQ(std::rand(), r[11]) << "exactly eleven draws";

    const Team& t = lg.squadra[4];
    EXPECT_EQ(t.module[0], kSizes[r[0] % 3]);
    EXPECT_EQ(t.module[1], kSizes[r[1] % 3]);
    EXPECT_EQ(t.module[0] + t.module[1] + t.module[2], 10);
    EXPECT_EQ(t.extra_fantasy[2], r[2] % 15 - 7);
    EXPECT_EQ(t.extra_fantasy[1], r[3] % 15 - 7);
    EXPECT_EQ(t.extra_fantasy[0], r[4] % 15 - 7);
    EXPECT_EQ(t.extra_technique[2], r[5] % 15 - 7);
    EXPECT_EQ(t.extra_technique[1], r[6] % 15 - 7);
    EXPECT_EQ(t.extra_technique[0], r[7] % 15 - 7);
    EXPECT_EQ(t.extra_condition[0], r[8] % 5 - 2);
    EXPECT_EQ(t.extra_condition[2], r[9] % 5 - 2);
    EXPECT_EQ(t.extra_condition[1], r[10] % 5 - 2);
    for (int k = 0; k < kSectors; ++k) {
        const int keeper = k == 0 ? t.keeper : 0;
        const int floor = k == 2 ? 10 : -1000;
        EXPECT_EQ(t.technique[k],
                  std::max(floor, t.base_technique[k] * t.module[k] + t.extra_technique[k] + keeper));
        EXPECT_EQ(t.fantasy[k],
                  std::max(floor, t.base_fantasy[k] * t.module[k] + t.extra_fantasy[k] + keeper));
        EXPECT_EQ(t.condition[k], std::max(floor, t.base_condition[k] * t.module[k] +
                                                      t.extra_condition[k] + keeper));
        EXPECT_EQ(t.fatigue[k], 28);
    }
}

TEST(MakeOtherTeams, DrawsForEverySlotCarryingTheIdAndMissesDrawNothing) {
    League lg = MakeLeague();
    lg.squadra[12].id = 3;  // two slots carry identifier 3
    std::srand(5);
    EXPECT_EQ(MakeOtherTeams(lg, 3), 12) << "the last matching slot";
    EXPECT_EQ(DrawsConsumed(5), 22);
    EXPECT_EQ(lg.squadra[3].fatigue[0], 28);

    const League before = lg;
    std::srand(5);
    EXPECT_EQ(MakeOtherTeams(lg, 77), 0);
    EXPECT_EQ(DrawsConsumed(5), 0) << "a miss consumes nothing";
    EXPECT_EQ(std::memcmp(&before.squadra[0].module, &lg.squadra[0].module, sizeof(int) * 3), 0);
    EXPECT_EQ(lg.squadra[0].fatigue[0], before.squadra[0].fatigue[0]);
}

TEST(MakeOtherTeams, FiveFiveZeroHasAttackSumsOfExactlyTen) {
    League lg = MakeLeague();
    for (int k = 0; k < kSectors; ++k) lg.squadra[6].base_technique[k] = 30;
    std::srand(SeedForModule(5, 5));
    MakeOtherTeams(lg, 6);
    const Team& t = lg.squadra[6];
    EXPECT_EQ(t.module[2], 0);
    EXPECT_EQ(t.technique[2], 10);
    EXPECT_EQ(t.fantasy[2], 10);
    EXPECT_EQ(t.condition[2], 10);
}

TEST(MakeOtherTeams, KeeperCountsInDefenceOnly) {
    League a = MakeLeague();
    League b = a;
    b.squadra[8].keeper = a.squadra[8].keeper + 10;
    std::srand(99);
    MakeOtherTeams(a, 8);
    std::srand(99);
    MakeOtherTeams(b, 8);
    const Team& ta = a.squadra[8];
    const Team& tb = b.squadra[8];
    EXPECT_EQ(tb.technique[0] - ta.technique[0], 10);
    EXPECT_EQ(tb.fantasy[0] - ta.fantasy[0], 10);
    EXPECT_EQ(tb.condition[0] - ta.condition[0], 10);
    for (int k = 1; k < kSectors; ++k) {
        EXPECT_EQ(tb.technique[k], ta.technique[k]);
        EXPECT_EQ(tb.fantasy[k], ta.fantasy[k]);
        EXPECT_EQ(tb.condition[k], ta.condition[k]);
    }
}

TEST(SetUpComputerTeams, EighteenDrawsHomeBoostFirstThenAway) {
    League lg = MakeLeague();
    std::srand(3);
    MakeOtherTeams(lg, 2);
    MakeOtherTeams(lg, 9);
    const Team home = lg.squadra[2];
    const Team away = lg.squadra[9];
    const unsigned seed = 1234;
    const std::vector<int> r = Reference(seed, 19);
    std::srand(seed);
    SetUpComputerTeams(lg, 2, 9);
    EXPECT_EQ(std::rand(), r[18]) << "exactly eighteen draws";

    const SideBlock& h = lg.partita.side[0];
    const SideBlock& a = lg.partita.side[1];
    const int home_boost[9] = {20, 20, 30, 20, 20, 30, 20, 20, 20};
    for (int k = 0; k < kSectors; ++k) {
        EXPECT_EQ(h.technique[k], home.technique[k] + r[k] % home_boost[k]);
        EXPECT_EQ(h.fantasy[k], home.fantasy[k] + r[3 + k] % home_boost[3 + k]);
        EXPECT_EQ(h.condition[k], home.condition[k] + r[6 + k] % home_boost[6 + k]);
        EXPECT_EQ(a.technique[k], away.technique[k] + r[9 + k] % 10);
        EXPECT_EQ(a.fantasy[k], away.fantasy[k] + r[12 + k] % 10);
        EXPECT_EQ(a.condition[k], away.condition[k] + r[15 + k] % 10);
        EXPECT_EQ(h.module[k], home.module[k]);
        EXPECT_EQ(a.module[k], away.module[k]);
        EXPECT_EQ(h.fatigue[k], 28);
        EXPECT_EQ(a.fatigue[k], 28);
    }
    EXPECT_EQ(lg.squadra[2].technique[0], home.technique[0]) << "the clubs stay unchanged";
}

TEST(SetUpOpponent, FindsTheVenueAndDrawsTheOpponent) {
    League lg = MakeLeague();
    // Matchday 0: the human club at home to 0; matchday 1: away at 1.
    ASSERT_EQ(lg.giornata[0].home[0], kHumanId);
    ASSERT_EQ(lg.giornata[1].away[0], kHumanId);
    const int host = lg.giornata[1].home[0];

    std::srand(8);
    EXPECT_EQ(SetUpOpponent(lg), lg.giornata[0].away[0]);
    EXPECT_EQ(DrawsConsumed(8), 11);
    EXPECT_EQ(lg.where, "in casa");
    EXPECT_EQ(lg.ontheroad, 0);

    lg.matchday = 1;
    EXPECT_EQ(SetUpOpponent(lg), host);
    EXPECT_EQ(lg.where, "in trasferta");
    EXPECT_EQ(lg.ontheroad, 1);
}

TEST(SetUpOpponent, AHomeFixtureWinsAndAMissingFixtureKeepsEverything) {
    League lg = MakeLeague();
    Matchday& md = lg.giornata[0];
    md.away[3] = kHumanId;  // malformed: also away in fixture 3
    md.home[5] = kHumanId;  // and at home again in fixture 5: the last wins
    EXPECT_EQ(SetUpOpponent(lg), md.away[5]);
    EXPECT_EQ(lg.where, "in casa");

    for (int i = 0; i < kFixtures; ++i) {
        if (md.home[i] == kHumanId) md.home[i] = 4;
        if (md.away[i] == kHumanId) md.away[i] = 4;
    }
    lg.avversario = 7;
    lg.where = "in trasferta";
    lg.ontheroad = 1;
    std::srand(8);
    EXPECT_EQ(SetUpOpponent(lg), 7) << "the previous opponent";
    EXPECT_EQ(DrawsConsumed(8), 0) << "nothing drawn";
    EXPECT_EQ(lg.where, "in trasferta");
    EXPECT_EQ(lg.ontheroad, 1);
}

TEST(PrepareOpponent, DrawsOncePerMatchdayAndStopsWhenTheSeasonIsOver) {
    League lg = MakeLeague();
    std::srand(21);
    ASSERT_TRUE(PrepareOpponent(lg));
    EXPECT_EQ(DrawsConsumed(21), 11);
    EXPECT_EQ(lg.today, 1);
    const int opponent = lg.avversario;
    EXPECT_EQ(opponent, lg.giornata[0].away[0]);
    EXPECT_STREQ(lg.othername, kClubNames[opponent]);
    const Team drawn = lg.squadra[opponent];

    std::srand(21);
    ASSERT_TRUE(PrepareOpponent(lg));  // the main screen drawn again
    EXPECT_EQ(DrawsConsumed(21), 0);
    EXPECT_EQ(std::memcmp(drawn.module, lg.squadra[opponent].module, sizeof drawn.module), 0);
    EXPECT_EQ(std::memcmp(drawn.technique, lg.squadra[opponent].technique, sizeof drawn.technique), 0);

    lg.giornata[5].number = -1;
    lg.matchday = 5;
    EXPECT_TRUE(SeasonOver(lg));
    std::srand(21);
    EXPECT_FALSE(PrepareOpponent(lg));
    EXPECT_EQ(DrawsConsumed(21), 0);

    lg.matchday = 37;
    EXPECT_FALSE(SeasonOver(lg));
    lg.matchday = 38;
    EXPECT_TRUE(SeasonOver(lg));
    EXPECT_FALSE(PrepareOpponent(lg));
}
