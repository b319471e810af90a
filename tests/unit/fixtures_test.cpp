// The other fixtures of a matchday and result recording: draws, goal caps, points.
#include "season/fixtures.h"

#include "test_league.h"

// srand(29): the home line-up draws 1881172855 991966287 (%3 = 1 0: 4-3-3), the away one
// 347140191 220585252 (%3 = 0 1: 3-4-3); after the side blocks the caps, 2 + r % 4, of
// 238421942 (4 at home) and 1749348763 (5 away). A side of ratings 1000 wins every contest,
// tactics and swing whatever they are, and scores exactly its cap; the other side nothing.
TEST(PlayFixture, AnOverwhelmingSideScoresExactlyItsCap) {
    for (const int strong : {1, 16}) {  // Borgo at home to Torre, matchday 1's third fixture
        League lg = MakeLeague();
        Team& club = lg.squadra[strong];
        for (int* base : {club.base_technique, club.base_fantasy, club.base_condition}) std::fill_n(base, kSectors, 1000);
        std::srand(29);
        PlayFixture(lg, 1, 16);
        EXPECT_EQ(DrawsConsumed(29), 402);
        const Matchday& md = lg.giornata[0];
        const int home = strong == 1 ? 4 : 0, away = strong == 1 ? 0 : 5;
        EXPECT_EQ(std::make_tuple(md.home[2], md.home_goals[2], md.away_goals[2], lg.squadra[1].goals_for,
                                  lg.squadra[16].goals_for),
                  std::make_tuple(1, home, away, home, away));
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
