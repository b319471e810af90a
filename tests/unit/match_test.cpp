// The human match: kick-off, one play per clock value, commentary, scorers, substitutions, the end.
#include "match/match.h"
#include "match/strength.h"
#include "test_league.h"

// Velmo away at Alba on matchday 1, Alba losing half a point a minute; a last match's record.
static League MatchLeague(int d1, int m1, int a1, int d2, int m2, int a2) {
    League lg = MakeLeague();
    SetStrengths(lg.Velmo, d1, m1, a1);
    SetStrengths(lg.squadra[0], d2, m2, a2);
    for (int& f : lg.squadra[0].fatigue) f = 100;
    CopyWord(lg.Velmo.name, "VELMO");
    CopyWord(lg.othername, "Alba");
    lg.partita.minute = 45;
    lg.matchday = lg.partita.goals[0] = lg.partita.goals[1] = lg.partita.sub_pending = 1;
    lg.textmatch = "old\n";
    return lg;
}

// srand(1): 1804289383 % 5 = 3 is the chant; then two draws a play, %100 each: 86 77, 15 93,
// 35 86; then 1649760492. Alba's decline at minute m is m / 2, cut.
//   clock 37 (held up: one play), slider 5, zone 2: 50 - 5*40/4 = 0 against 60 - 18, swing +9: -33
//   clock 44, zone 1: 60 - 5*50/5 = 10 against 35 - 22 = 13, swing -78: -81, Alba scores
//   clock 47 (a box open across the end), slider -5, zone 2: 50 + 50 = 100 against 60 - 23,
//   swing -51: +12, where a rival that never tires would have won the ball (-11)
TEST(HumanMatch, OnePlayPerNewClockValueWithTheSliderAgainstANeutralRival) {
    League lg = MatchLeague(60, 50, 40, 55, 60, 35);
    lg.Velmo.starters[10] = 0;
    std::srand(1);
    EXPECT_FALSE(CanKickOff(lg));
    lg.Velmo.starters[10] = NumberOfRow(17);
    lg.giornata[1].number = -1;  // the season is over: whatever the line-up, no kick-off
    EXPECT_FALSE(CanKickOff(lg));
    lg.giornata[1].number = 2;
    EXPECT_TRUE(CanKickOff(lg));
    MatchRun run = KickOff(lg);
    EXPECT_EQ(run.chant, 3);
    EXPECT_TRUE(AdvanceClock(lg, run, 37, 5));
    EXPECT_FALSE(AdvanceClock(lg, run, 37, 5));
    EXPECT_TRUE(AdvanceClock(lg, run, 44, 5));
    EXPECT_EQ(CloseRefusal(lg), "The match is not over yet. \nYou can't leave the field now!");
    EXPECT_TRUE(AdvanceClock(lg, run, 47, -5));
    EXPECT_FALSE(AdvanceClock(lg, run, 48, -5));
    EXPECT_EQ(std::rand(), 1649760492) << "seven draws";
    EXPECT_EQ(lg.textmatch, "Alba is attacking\n\nAlba scored!\n\nVelmo is attacking\n");
    EXPECT_EQ(std::make_tuple(lg.partita.goals[0], lg.partita.goals[1], CloseRefusal(lg)),
              std::make_tuple(0, 1, std::string()));
}

// Velmo overwhelming, srand(1): each goal's scorer is drawn after its play, 6 + r % 5 of
// 424238335, 1025202362, 1967513926: slots 6, 8, 7 (rows 10, 12, 11). Three up at clock 8,
// its attack is halved: 600 / 2 = 300 against 420 - 4, swing 72 - 36: back to midfield.
TEST(HumanMatch, CommentaryLinesAndScorersDrawnAfterThePlay) {
    League lg = MatchLeague(100, 1000, 600, 420, 20, 100);
    std::srand(1);
    MatchRun run = KickOff(lg);
    for (int clock = 1; clock <= 9; ++clock) AdvanceClock(lg, run, clock, 0);
    EXPECT_EQ(lg.textmatch,
              "Velmo is attacking\n\n GOOAL!! S10\n\nVelmo is attacking\n\n GOOAL!! S12\n\n"
              "Velmo is attacking\n\n GOOAL!! S11\n\nVelmo is attacking\nmidfield action\nVelmo is attacking\n");
    EXPECT_EQ(std::rand(), 294702567) << "1 + 9 * 2 + 3 draws";
}

// Substitutions change Velmo by the roles of the two players; then the end of matchday 1.
TEST(HumanMatch, SubstitutionsAndTheirRefusalsThenTheOtherFixtures) {
    League lg = MatchLeague(60, 50, 40, 55, 45, 35);
    SetSectorValues(lg.Velmo, {4, 4, 2, 100, 80, 50, 90, 70, 40, 95, 60, 30});
    MatchRun run = KickOff(lg);
    const Match& m = lg.partita;
    EXPECT_FALSE(SubIn(lg, run, 0));  // nothing pending
    EXPECT_EQ(SubOut(lg, run, 1), "");
    EXPECT_EQ(SubOut(lg, run, 5), "No more substitutions left!");  // one is pending
    lg.players[21].number = 0;       // a cleared row of a short squad...
    EXPECT_FALSE(SubIn(lg, run, 4));  // ...is no player for an empty bench slot
    lg.Velmo.substitutes[5] = 999;   // a number nobody carries
    EXPECT_FALSE(SubIn(lg, run, 5));
    // Row 2 (20 15 18) off, row 6 (22 14 25) on: defender for defender.
    EXPECT_TRUE(SubIn(lg, run, 0));
    EXPECT_EQ(SectorValues(m.side[0]),
              (std::vector<int>{4, 4, 2, 102, 80, 50, 89, 70, 40, 102, 60, 30, 0, 0, 0}));
    EXPECT_FALSE(SubIn(lg, run, 2)) << "an In with no Out pending";
    EXPECT_EQ(SubOut(lg, run, 8), "");
    EXPECT_FALSE(SubIn(lg, run, 0));  // already on the field
    EXPECT_TRUE(SubIn(lg, run, 2));   // row 12 (22 10 14), a midfielder, for row 18 (28 9 15)
    EXPECT_EQ(ModuleText(lg.Velmo) + SectorText(lg.Velmo, 2), "4 - 3 - 3 78 49 45");
    EXPECT_EQ(SubOut(lg, run, 1), "");  // taken off again...
    EXPECT_FALSE(SubIn(lg, run, 0));   // ...he cannot return
    EXPECT_TRUE(SubIn(lg, run, 3));    // a keeper (11 6 13) for him: one defender fewer
    EXPECT_EQ(SubOut(lg, run, 0), "No more substitutions left!");  // a fourth
    EXPECT_EQ(std::tie(m.subs_left, m.sub_pending, m.out_slot), std::make_tuple(0, 0, 1));
    EXPECT_EQ(SectorValues(m.side[0]),
              (std::vector<int>{3, 3, 3, 91, 58, 78, 81, 60, 49, 90, 46, 45, 0, 0, 0}));
    const int rows[kStarters] = {0, 1, 3, 4, 5, 9, 10, 11, 18, 16, 17};
    for (int i = 0; i < kStarters; ++i) EXPECT_EQ(lg.Velmo.starters[i], NumberOfRow(rows[i]));
    lg.Velmo.keeper = NumberOfRow(7);  // the word after the bench holds someone who might come on
    EXPECT_FALSE(MayComeOn(lg, run, 6) || MayComeOn(lg, run, -1)) << "no bench slot";

    // Conditions move by one for the eleven on the field, within 1..30: row 3 at 30, row 4 at 1,
    // row 1 (a keeper who came on) 13, row 18 15; row 0's slot holds a number nobody carries.
    lg.players[3].condition = 30;
    lg.players[4].condition = 1;
    lg.Velmo.starters[0] = 999;
    // Alba's goals; conditions of rows 3 4 1 18 0 2; Velmo's points, won, drawn, lost.
    const int results[][11] = {{1, 30, 2, 14, 16, 12, 18, 3, 1, 0, 0},
                               {3, 29, 1, 12, 14, 12, 18, 0, 0, 0, 1},
                               {2, 30, 1, 13, 15, 12, 18, 1, 0, 1, 0}};
    for (const auto& r : results) {
        League after = lg;
        std::tie(after.partita.goals[0], after.partita.goals[1]) = std::make_tuple(2, r[0]);
        EXPECT_EQ(ResultMessage(after), "VELMO - Alba : 2   " + std::to_string(r[0]));
        std::srand(99);
        FinishMatch(after);
        EXPECT_EQ(DrawsConsumed(99), 9 * 402) << "the nine other fixtures, nothing more";
        const Team& v = after.squadra[kHumanId];
        const Player* p = after.players;
        EXPECT_EQ((std::vector<int>{p[3].condition, p[4].condition, p[1].condition, p[18].condition,
                                    p[0].condition, p[2].condition, v.points, v.won, v.drawn, v.lost}),
                  std::vector<int>(r + 1, r + 11)) << "2-" << r[0];
        EXPECT_EQ(std::make_tuple(after.giornata[1].home_goals[0], after.giornata[1].away_goals[0], after.matchday),
                  std::make_tuple(r[0], 2, 2));
    }
}

// "&Finish" plays what watching would have played; the whistle at 45 lets the player leave.
TEST(HumanMatch, FinishPlaysEveryRemainingClockValueAsWatchingWould) {
    League watched = MatchLeague(60, 55, 50, 60, 55, 50), finished = watched;
    std::srand(5);
    MatchRun run = KickOff(watched);
    int plays = 0;
    for (int clock = 1; clock <= kMatchLength; ++clock) plays += AdvanceClock(watched, run, clock, 3);
    EXPECT_EQ(std::make_tuple(plays, CloseRefusal(watched)), std::make_tuple(45, std::string()));
    const int next_draw = std::rand();
    std::srand(5);
    run = KickOff(finished);
    PlayClockUntil(finished, run, 7, 3);
    PlayRemainingClock(finished, run, 3);
    EXPECT_EQ(std::rand(), next_draw);
    EXPECT_EQ(std::make_tuple(finished.textmatch, finished.partita.goals[0], finished.partita.goals[1],
                              finished.partita.minute),
              std::make_tuple(watched.textmatch, watched.partita.goals[0], watched.partita.goals[1], 45));
    std::srand(5);
    PlayRemainingClock(finished, run, 3);  // over: nothing more
    EXPECT_EQ(DrawsConsumed(5), 0);
}
