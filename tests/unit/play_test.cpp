// The play rule: worked examples, lead damping, the decline (its two draws: match_test.cpp).
#include "match/play.h"
#include "test_league.h"

TEST(PlayRule, WorkedExamplesDampingAndTheDeclineInRealTerms) {
    League lg;  // D1 = 60, M1 = 50, A1 = 40 against D2 = 55, M2 = 45, A2 = 35
    SetStrengths(lg.partita.side[0], 60, 50, 40);
    SetStrengths(lg.partita.side[1], 55, 45, 35);
    for (int& f : lg.partita.side[0].fatigue) f = 31;  // no decline at minute 0
    lg.partita.side[1].fatigue[1] = 31;
    // Minute 89: a decline of 31 * 89 / 200 = 13.795, cut to 13: D1 47, M1 37, A1 27, M2 32.
    EXPECT_EQ(SectorStrength(lg.partita.side[0], 0, 89), 47);
    // 47 - 37/5 = 39.6 against 35 + 32/5 = 41.4; 37 - 27/4 = 30.25 against 32 + 35/4 = 40.75;
    // 27 + 37/5 = 34.4 against 55 + 2 * 32/5 = 67.8.
    EXPECT_NEAR(ContestValue(lg, 1, 89, 1, 1, 0), -1.8, 1e-9);
    EXPECT_NEAR(ContestValue(lg, 2, 89, 1, 1, 0), -10.5, 1e-9);
    EXPECT_NEAR(ContestValue(lg, 3, 89, 1, 2, 0), -33.4, 1e-9);
    struct Case { int zone, t1, t2, goals0, goals1, swing; double v; int result; };
    const Case cases[] = {
        {2, 0, 0, 0, 0, 10, 15, 3},   {3, 5, 0, 0, 0, -40, -5, 2},  {1, -2, 1, 0, 0, 0, 36, 2},
        {3, 0, 0, 4, 1, 0, -35, 2},   {1, 0, 0, 0, 0, -5, 20, 2},   {2, 0, 0, 0, 0, -5, 0, 3},
        // Only an attacking leader by three is halved, after its tactic; a halved 35 is 17.5.
        {3, 5, 0, 3, 0, 0, -10, 2},   {3, 5, 0, 2, 0, 0, 35, 4},    {3, 5, 0, 0, 3, 0, 35, 4},
        {1, 0, 5, 0, 3, -10, 10, 2},  {1, 0, 5, 0, 2, -10, -30, 0}, {1, 0, 0, 0, 3, -43, -0.5, 0},
    };
    for (const Case& c : cases) {
        std::tie(lg.partita.goals[0], lg.partita.goals[1]) = std::tie(c.goals0, c.goals1);
        EXPECT_DOUBLE_EQ(ContestValue(lg, c.zone, 0, c.t1, c.t2, c.swing), c.v) << &c - cases;
        EXPECT_EQ(PlayWithSwing(lg, c.zone, 0, c.t1, c.t2, c.swing), c.result) << &c - cases;
    }
}
