// A simulated fixture: its draws and its goal caps (whole seasons: tests/scripts/test_sim.py).
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
