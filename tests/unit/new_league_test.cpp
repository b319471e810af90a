// The new league that follows the season's end.
#include "season/new_league.h"
#include "test_league.h"

TEST(NewLeague, StartsAgainAtMatchdayZeroFromTheDataFilesAndKeepsTheLineUp) {
    const std::string game = std::string(VELMO_SOURCE_DIR) + "/game";
    League lg;
    ASSERT_TRUE(LoadLeague(lg, game).ok);
    lg.matchday = lg.today = kMatchdays;  // a finished season
    for (Team& team : lg.squadra) Counters(team) = std::make_tuple(50, 10, 10, 10, 30, 20);
    lg.giornata[3].home_goals[2] = 4;
    lg.Velmo.starters[0] = 7;
    ASSERT_TRUE(StartNewLeague(lg, game).ok);
    EXPECT_EQ(std::tie(lg.matchday, lg.giornata[3].home_goals[2], lg.today, lg.Velmo.starters[0]),
              std::make_tuple(0, 0, kMatchdays, 7)) << "today and the line-up kept";
    for (Team& team : lg.squadra) EXPECT_EQ(Counters(team), std::make_tuple(0, 0, 0, 0, 0, 0));
}
