// The league table: ordered by points, goal difference, slot; its two texts.
#include "season/standings.h"
#include "test_league.h"

// Five matchdays in: Elmo on 12; Olmo +5, then Castello, Isola, Velmo +4 on 10 (Isola's
// line "10  5  3  1   1   8    4"); fourteen on 5, Quercia +1 first, Borgo -1 last; Alba 0.
TEST(Standings, OrderedByPointsGoalDifferenceSlotAndTheSameWhenShownTwice) {
    League lg = MakeLeague();
    lg.matchday = 5;
    for (Team& t : lg.squadra) Counters(t) = std::make_tuple(5, 1, 2, 2, 5, 5);
    const int changed[][7] = {  // slot, then its counters
        {4, 12, 4, 0, 1, 9, 3},  {11, 10, 3, 1, 1, 7, 2}, {2, 10, 3, 1, 1, 6, 2},
        {7, 10, 3, 1, 1, 8, 4},  {19, 10, 3, 1, 1, 5, 1}, {13, 5, 1, 2, 2, 6, 5},
        {1, 5, 1, 2, 2, 4, 5},   {0, 0, 0, 0, 5, 1, 12}};
    for (const auto& c : changed)
        Counters(lg.squadra[c[0]]) = std::make_tuple(c[1], c[2], c[3], c[4], c[5], c[6]);
    for (int shown = 1; shown <= 2; ++shown) {
        UpdateRanking(lg);
        MakeRanking(lg);
        EXPECT_EQ(lg.textranking, Golden("standings_names.txt")) << "shown " << shown;
        EXPECT_EQ(lg.textrank2, Golden("standings_numbers.txt")) << "shown " << shown;
    }
}
