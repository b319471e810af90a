// The other fixtures of a matchday and result recording: draws, goal caps, points.
#include "season/fixtures.h"

#include <set>

#include "test_league.h"

// One side overwhelming, under seeds whose line-up draws give it 4-3-3 (it then wins
// every contest): it scores exactly the cap drawn for it, 2..5 (draw 40 home, 41 away).
TEST(PlayFixture, AnOverwhelmingSideScoresExactlyItsCap) {
    for (const int scorer : {0, 1}) {
        std::set<int> caps_seen;
        for (unsigned seed = 1; caps_seen.size() < 4 && seed < 5000; ++seed) {
            const std::vector<int> r = Reference(seed, 42);
            if (r[11 * scorer] % 3 != 1 || r[11 * scorer + 1] % 3 != 0) continue;
            League lg = MakeLeague();
            Team& strong = lg.squadra[scorer];
            for (int* base : {strong.base_technique, strong.base_fantasy, strong.base_condition})
                std::fill_n(base, kSectors, 1000);
            std::srand(seed);
            PlayFixture(lg, 0, 1);
            const int cap = 2 + r[40 + scorer] % 4, home_goals = scorer == 0 ? cap : 0;
            caps_seen.insert(cap);
            EXPECT_EQ(std::make_tuple(lg.partita.goals[0], lg.partita.goals[1], strong.goals_for),
                      std::make_tuple(home_goals, cap - home_goals, cap)) << "seed " << seed;
        }
        EXPECT_EQ(caps_seen.size(), 4u);
    }
}

// Day 25: the human club away at Fiume (5), moved to the fifth fixture; then the nine others.
TEST(RecordResult, WritesTheHumanFixtureInHomeAwayOrderAndPlayAllGamesTheOtherNine) {
    League lg = MakeLeague();
    lg.matchday = 25;
    Matchday& md = lg.giornata[25];
    std::swap(md.home[0], md.home[4]);
    std::swap(md.away[0], md.away[4]);
    League expected = lg;
    expected.giornata[25].home_goals[4] = 1;
    expected.giornata[25].away_goals[4] = 2;
    RecordResult(lg, kHumanId, 5, 2, 1);
    EXPECT_EQ(std::memcmp(expected.giornata, lg.giornata, sizeof lg.giornata), 0);
    EXPECT_EQ(Counters(lg.squadra[kHumanId]), std::make_tuple(3, 1, 0, 0, 2, 1));
    EXPECT_EQ(Counters(lg.squadra[5]), std::make_tuple(0, 0, 0, 1, 1, 2));
    std::srand(77);
    PlayAllGames(lg);
    EXPECT_EQ(DrawsConsumed(77), 9 * 402);
    for (int i = 0; i < kFixtures; ++i) {  // each fixture counted once: the human one not again
        const Team &home = lg.squadra[md.home[i]], &away = lg.squadra[md.away[i]];
        EXPECT_EQ(std::make_tuple(home.won + home.drawn + home.lost, home.goals_for,
                                  away.won + away.drawn + away.lost, away.goals_for),
                  std::make_tuple(1, md.home_goals[i], 1, md.away_goals[i]));
    }
}
