// The league table: its order (points, goal difference, slot) and its two
// texts, compared with hand-written expected texts.
#include "season/standings.h"

#include <gtest/gtest.h>

#include "season_fixtures.h"

using namespace season_test;

namespace {

void SetCounters(Team& t, int points, int won, int drawn, int lost, int gf, int ga) {
    t.points = points;
    t.won = won;
    t.drawn = drawn;
    t.lost = lost;
    t.goals_for = gf;
    t.goals_against = ga;
}

// Five matchdays in: one leader on 12, four clubs on 10 (Olmo +5, then
// Castello, Isola and the human club all +4, Isola with the most goals),
// fourteen on 5 (Quercia +1 first, Borgo -1 last), Alba on 0.
League FiveMatchdaysIn() {
    League lg = MakeLeague();
    lg.matchday = 5;
    for (int s = 0; s < kTeams; ++s) SetCounters(lg.squadra[s], 5, 1, 2, 2, 5, 5);
    SetCounters(lg.squadra[4], 12, 4, 0, 1, 9, 3);
    SetCounters(lg.squadra[11], 10, 3, 1, 1, 7, 2);
    SetCounters(lg.squadra[2], 10, 3, 1, 1, 6, 2);
    SetCounters(lg.squadra[7], 10, 3, 1, 1, 8, 4);
    SetCounters(lg.squadra[kHumanId], 10, 3, 1, 1, 5, 1);
    SetCounters(lg.squadra[13], 5, 1, 2, 2, 6, 5);
    SetCounters(lg.squadra[1], 5, 1, 2, 2, 4, 5);
    SetCounters(lg.squadra[0], 0, 0, 0, 5, 1, 12);
    return lg;
}

}  // namespace

TEST(UpdateRanking, AFreshLeagueListsTheClubsInSlotOrder) {
    League lg = MakeLeague();
    UpdateRanking(lg);
    for (int r = 0; r < kTeams; ++r) {
        EXPECT_EQ(lg.classifica[r].id, r);
        EXPECT_EQ(lg.classifica[r].points, 0);
        EXPECT_EQ(lg.classifica[r].goal_difference, 0);
    }
    EXPECT_EQ(lg.textranking, "Team \n\n");
    EXPECT_EQ(lg.textrank2, "P.  G.  V.  P.  S.  GF.  GS. \n\n");
}

TEST(UpdateRanking, OrdersByPointsThenGoalDifferenceThenSlot) {
    League lg = FiveMatchdaysIn();
    UpdateRanking(lg);
    const int expected[kTeams] = {4, 11, 2, 7, kHumanId, 13, 3, 5, 6, 8,
                                  9, 10, 12, 14, 15, 16, 17, 18, 1, 0};
    for (int r = 0; r < kTeams; ++r) EXPECT_EQ(lg.classifica[r].id, expected[r]) << "row " << r;
    EXPECT_EQ(lg.classifica[3].goal_difference, 4);
    EXPECT_EQ(lg.classifica[19].goal_difference, -11);
    EXPECT_STREQ(lg.classifica[0].name, "Elmo");
}

TEST(MakeRanking, WritesBothColumnsAndShowingTwiceGivesTheSameTexts) {
    League lg = FiveMatchdaysIn();
    UpdateRanking(lg);
    MakeRanking(lg);
    EXPECT_EQ(lg.textranking, Golden("standings_names.txt"));
    EXPECT_EQ(lg.textrank2, Golden("standings_numbers.txt"));
    EXPECT_NE(lg.textrank2.find("\n\n10  5  3  1   1   8    4\n\n"), std::string::npos);

    UpdateRanking(lg);
    MakeRanking(lg);
    EXPECT_EQ(lg.textranking, Golden("standings_names.txt"));
    EXPECT_EQ(lg.textrank2, Golden("standings_numbers.txt"));
}
