// The play rule: worked examples, real tactic terms, lead damping, decline
// and the two draws of every play.
#include <gtest/gtest.h>

#include <cstdlib>

#include "match/play.h"
#include "match_fixtures.h"

using match_fixtures::DrawAfter;
using match_fixtures::NextDrawFollows;
using match_fixtures::SetStrengths;

namespace {

// D1 = 60, M1 = 50, A1 = 40 against D2 = 55, M2 = 45, A2 = 35, no decline.
League ExampleLeague(int first_goals = 0, int second_goals = 0) {
    League lg;
    SetStrengths(lg.partita.side[0], 60, 50, 40);
    SetStrengths(lg.partita.side[1], 55, 45, 35);
    lg.partita.goals[0] = first_goals;
    lg.partita.goals[1] = second_goals;
    return lg;
}

struct Example {
    int zone, t1, t2, first_goals, second_goals, swing;
    double v;
    int result;
};

TEST(PlayRule, WorkedExamples) {
    const Example examples[] = {
        {2, 0, 0, 0, 0, 10, 15, 3},    {3, 5, 0, 0, 0, -40, -5, 2},
        {1, -2, 1, 0, 0, 0, 36, 2},    {3, 0, 0, 4, 1, 0, -35, 2},
        {1, 0, 0, 0, 0, -5, 20, 2},    {2, 0, 0, 0, 0, -5, 0, 3},
    };
    for (const Example& e : examples) {
        const League lg = ExampleLeague(e.first_goals, e.second_goals);
        SCOPED_TRACE(testing::Message() << "zone " << e.zone << " swing " << e.swing);
        EXPECT_DOUBLE_EQ(ContestValue(lg, e.zone, 0, e.t1, e.t2, e.swing), e.v);
        EXPECT_EQ(PlayWithSwing(lg, e.zone, 0, e.t1, e.t2, e.swing), e.result);
    }
}

TEST(PlayRule, TacticTermsAreRealQuotients) {
    League lg = ExampleLeague();
    // Zone 2, first attack 42: F = 50 - 1 * 42 / 4 = 39.5, v = 39.5 - 45 + 5 = -0.5.
    SetStrengths(lg.partita.side[0], 60, 50, 42);
    EXPECT_DOUBLE_EQ(ContestValue(lg, 2, 0, 1, 0, 5), -0.5);
    EXPECT_EQ(PlayWithSwing(lg, 2, 0, 1, 0, 5), 1);
    // Defending tactic: F = 50 + 3 * 42 / 4 = 81.5.
    EXPECT_DOUBLE_EQ(ContestValue(lg, 2, 0, -3, 0, 0), 36.5);

    // Zone 3, first midfield 52: F = 40 + 52 / 5 = 50.4, v = 50.4 - 55 + 4 = -0.6.
    SetStrengths(lg.partita.side[0], 60, 52, 40);
    EXPECT_NEAR(ContestValue(lg, 3, 0, 1, 0, 4), -0.6, 1e-9);
    EXPECT_EQ(PlayWithSwing(lg, 3, 0, 1, 0, 4), 2);

    // The second side's term is added: S = 45 + 38 / 4 = 54.5 in zone 2.
    lg = ExampleLeague();
    SetStrengths(lg.partita.side[1], 55, 45, 38);
    EXPECT_DOUBLE_EQ(ContestValue(lg, 2, 0, 0, 1, 4), -0.5);
    EXPECT_EQ(PlayWithSwing(lg, 2, 0, 0, 1, 4), 1);
}

TEST(PlayRule, LeadOfThreeDampsTheAttackingLeaderAfterTheTactic) {
    // Zone 3 at "Crazy Attack": F = (40 + 50) / 2 = 45 at 3-0, not 20 + 50.
    EXPECT_DOUBLE_EQ(ContestValue(ExampleLeague(3, 0), 3, 0, 5, 0, 0), -10);
    EXPECT_EQ(PlayWithSwing(ExampleLeague(3, 0), 3, 0, 5, 0, 0), 2);
    // A lead of two does not damp, nor does trailing.
    EXPECT_DOUBLE_EQ(ContestValue(ExampleLeague(2, 0), 3, 0, 5, 0, 0), 35);
    EXPECT_DOUBLE_EQ(ContestValue(ExampleLeague(0, 3), 3, 0, 5, 0, 0), 35);

    // Zone 1, second side 0-3 up: S = (35 + 45) / 2 = 40.
    EXPECT_DOUBLE_EQ(ContestValue(ExampleLeague(0, 3), 1, 0, 0, 5, -10), 10);
    EXPECT_EQ(PlayWithSwing(ExampleLeague(0, 3), 1, 0, 0, 5, -10), 2);
    EXPECT_DOUBLE_EQ(ContestValue(ExampleLeague(0, 2), 1, 0, 0, 5, -10), -30);
    EXPECT_DOUBLE_EQ(ContestValue(ExampleLeague(3, 0), 1, 0, 0, 5, -10), -30);

    // The midfield is never damped.
    EXPECT_DOUBLE_EQ(ContestValue(ExampleLeague(5, 0), 2, 0, 0, 0, 0), 5);
    EXPECT_DOUBLE_EQ(ContestValue(ExampleLeague(0, 5), 2, 0, 0, 0, 0), 5);
}

TEST(PlayRule, SectorsDeclineWithFatigueAndMinute) {
    SideBlock side;
    SetStrengths(side, 60, 50, 40);
    side.fatigue[0] = 31;
    side.fatigue[1] = 28;
    EXPECT_EQ(SectorStrength(side, 0, 0), 60);
    EXPECT_EQ(SectorStrength(side, 0, 89), 60 - 13);  // 31 * 89 / 200 = 13.795
    EXPECT_EQ(SectorStrength(side, 1, 45), 50 - 6);
    EXPECT_EQ(SectorStrength(side, 1, 89), 50 - 12);
    EXPECT_EQ(SectorStrength(side, 2, 89), 40);  // fatigue 0 never declines

    // The contest reads the strengths at the minute it is given.
    League lg = ExampleLeague();
    lg.partita.side[0].fatigue[1] = 28;
    EXPECT_EQ(PlayWithSwing(lg, 2, 0, 0, 0, 0), 3);
    EXPECT_DOUBLE_EQ(ContestValue(lg, 2, 89, 0, 0, 0), -7);
    EXPECT_EQ(PlayWithSwing(lg, 2, 89, 0, 0, 0), 1);
}

TEST(PlayRule, EachPlayDrawsTwiceFirstMinusSecond) {
    // Equal midfields: v is the swing alone, so the result shows its sign.
    League even;
    SetStrengths(even.partita.side[0], 50, 50, 50);
    SetStrengths(even.partita.side[1], 50, 50, 50);
    // A certain outcome still draws twice.
    League certain = ExampleLeague();
    SetStrengths(certain.partita.side[0], 60, 500, 400);

    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        const int swing = DrawAfter(seed, 0) % 100 - DrawAfter(seed, 1) % 100;
        srand(seed);
        EXPECT_EQ(PlayBall(even, 2, 10, 0, 0), swing < 0 ? 1 : 3);
        EXPECT_TRUE(NextDrawFollows(seed, 2));

        for (int zone = 1; zone <= 3; ++zone) {
            srand(seed);
            EXPECT_EQ(PlayBall(certain, zone, 30, 2, -1),
                      PlayWithSwing(certain, zone, 30, 2, -1, swing));
            EXPECT_TRUE(NextDrawFollows(seed, 2));
        }
    }
}

TEST(PlayRule, GoalZonePassedByMistakeRestartsAfterTwoDraws) {
    srand(7);
    EXPECT_EQ(PlayBall(ExampleLeague(), 4, 0, 0, 0), 2);
    EXPECT_TRUE(NextDrawFollows(7, 2));
    srand(7);
    EXPECT_EQ(PlayBall(ExampleLeague(), 0, 0, 0, 0), 2);
    EXPECT_TRUE(NextDrawFollows(7, 2));
}

}  // namespace
