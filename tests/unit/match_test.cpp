// The human match: kick-off, one play per clock value, commentary, scorers, substitutions, the end.
#include <set>

#include "match/match.h"
#include "match/strength.h"
#include "test_league.h"

// Velmo away at Alba on matchday 1, Alba losing half a point a minute; a last match's record.
static League MatchLeague(int d1, int m1, int a1, int d2, int m2, int a2) {
    League lg = MakeLeague();
    SetStrengths(lg.Velmo, d1, m1, a1);
    SetStrengths(lg.squadra[0], d2, m2, a2);
    for (int& f : lg.squadra[0].fatigue) f = 100;
    CopyWord(lg.othername, "Alba");
    lg.partita.minute = 45;
    lg.matchday = lg.partita.goals[0] = lg.partita.goals[1] = lg.partita.sub_pending = 1;
    lg.textmatch = "old\n";
    return lg;
}

TEST(HumanMatch, OnePlayPerNewClockValueWithTheSliderAgainstANeutralRival) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(seed);
        const int tactic = seed % 2 ? 5 : -5;
        const std::vector<int> r = Reference(seed, 3);  // the chant, then the first play's two
        League lg = MatchLeague(60, 50, 40, 55, 45, 35);
        lg.Velmo.starters[10] = 0;
        srand(seed);
        EXPECT_FALSE(CanKickOff(lg));  // and draws nothing: see the count below
        lg.Velmo.starters[10] = NumberOfRow(17);
        lg.giornata[1].number = -1;  // the season is over: whatever the line-up, no kick-off
        EXPECT_FALSE(CanKickOff(lg));
        lg.giornata[1].number = 2;
        EXPECT_TRUE(CanKickOff(lg));
        MatchRun run = KickOff(lg);
        EXPECT_TRUE(AdvanceClock(lg, run, 37, tactic));  // held up: one play, minute 37, decline 18
        EXPECT_EQ(run.zone, 50 - 10 * tactic - (45 - 18) + r[1] % 100 - r[2] % 100 < 0 ? 1 : 3);
        EXPECT_FALSE(AdvanceClock(lg, run, 37, tactic));
        EXPECT_TRUE(AdvanceClock(lg, run, 44, tactic));
        EXPECT_EQ(CloseRefusal(lg), "The match is not over yet. \nYou can't leave the field now!");
        EXPECT_TRUE(AdvanceClock(lg, run, 47, tactic));  // a box open across the end
        EXPECT_FALSE(AdvanceClock(lg, run, 48, tactic));
        EXPECT_EQ(DrawsConsumed(seed), 1 + 3 * 2 + lg.partita.goals[0]);
        EXPECT_EQ(CloseRefusal(lg), "");
    }
}

TEST(HumanMatch, CommentaryLinesAndScorersDrawnAfterThePlay) {
    // The stronger side scores every second play until three up; then, halved, it loses the ball.
    const std::string tail = " is attacking\nmidfield action\n";
    std::set<int> slots_seen;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        League lg = MatchLeague(100, 1000, 600, 420, 20, 100);
        const std::vector<int> r = Reference(seed, 16);
        std::string text;
        for (int goal = 0; goal < 3; ++goal) {  // the chant, then two plays and a scorer each
            const int slot = 6 + r[5 + 5 * goal] % 5;
            slots_seen.insert(slot);
            const Player& scorer = lg.players[lg.Velmo.starters[slot] - NumberOfRow(0)];
            text += "Velmo is attacking\n\n GOOAL!! " + std::string(scorer.surname) + "\n\n";
        }
        srand(seed);
        MatchRun run = KickOff(lg);
        for (int clock = 1; clock <= 9; ++clock) AdvanceClock(lg, run, clock, 0);
        EXPECT_EQ(lg.textmatch, text + "Velmo" + tail + "Velmo is attacking\n");
    }
    EXPECT_EQ(slots_seen, (std::set<int>{6, 7, 8, 9, 10}));
    League lg = MatchLeague(400, 20, 100, 100, 1000, 600);
    MatchRun run = KickOff(lg);
    for (int clock = 1; clock <= 9; ++clock) AdvanceClock(lg, run, clock, 0);
    const std::string theirs = "Alba is attacking\n\nAlba scored!\n\n";
    EXPECT_EQ(lg.textmatch, theirs + theirs + theirs + "Alba" + tail + "Alba is attacking\n");
    EXPECT_EQ(std::vector<int>(lg.partita.goals, lg.partita.goals + 2), (std::vector<int>{0, 3}));
}

// 45 plays, substitutions after the whistle, then the end of matchday 1.
TEST(HumanMatch, AWholeMatchDayFromKickOffToTheOtherFixtures) {
    League lg = MatchLeague(60, 50, 40, 55, 45, 35);
    SetSectorValues(lg.Velmo, {4, 4, 2, 100, 80, 50, 90, 70, 40, 95, 60, 30});
    srand(2024);
    MatchRun run = KickOff(lg);
    int plays = 0;
    for (int clock = 1; clock <= 46; ++clock) plays += AdvanceClock(lg, run, clock, 0);
    ASSERT_GT(lg.partita.goals[0], 0);
    EXPECT_EQ(DrawsConsumed(2024), 1 + 90 + lg.partita.goals[0]);
    EXPECT_EQ(std::make_tuple(plays, lg.partita.minute), std::make_tuple(45, 45));

    const Match& m = lg.partita;
    EXPECT_FALSE(SubIn(lg, run, 0));  // nothing pending
    EXPECT_EQ(SubOut(lg, run, 1), "");
    EXPECT_EQ(SubOut(lg, run, 5), "No more substitutions left!");  // one is pending
    EXPECT_FALSE(SubIn(lg, run, 4));                          // an empty bench slot
    lg.Velmo.substitutes[5] = 999;                            // a number nobody carries
    EXPECT_FALSE(SubIn(lg, run, 5));
    EXPECT_TRUE(SubIn(lg, run, 0));  // the "Out" waited for a real player: defender for defender
    EXPECT_EQ(SectorValues(m.side[0]),
              (std::vector<int>{4, 4, 2, 102, 80, 50, 89, 70, 40, 102, 60, 30, 0, 0, 0}));
    EXPECT_EQ(SubOut(lg, run, 8), "");
    EXPECT_FALSE(SubIn(lg, run, 0));  // already on the field
    EXPECT_TRUE(SubIn(lg, run, 2));   // midfielder for attacker
    EXPECT_EQ(ModuleText(lg.Velmo) + SectorText(lg.Velmo, 2), "4 - 3 - 3 78 49 45");
    EXPECT_EQ(SubOut(lg, run, 1), "");     // taken off again...
    EXPECT_FALSE(SubIn(lg, run, 0));  // ...he cannot return
    EXPECT_TRUE(SubIn(lg, run, 3));   // a keeper for him: one defender fewer
    EXPECT_EQ(SubOut(lg, run, 0), "No more substitutions left!");  // a fourth
    EXPECT_EQ(std::tie(m.subs_left, m.sub_pending, m.out_slot), std::make_tuple(0, 0, 1));
    EXPECT_EQ(SectorValues(m.side[0]),
              (std::vector<int>{3, 3, 3, 91, 58, 78, 81, 60, 49, 90, 46, 45, 0, 0, 0}));
    const int rows[kStarters] = {0, 1, 3, 4, 5, 9, 10, 11, 18, 16, 17};
    for (int i = 0; i < kStarters; ++i) EXPECT_EQ(lg.Velmo.starters[i], NumberOfRow(rows[i]));

    lg.players[3].condition = 30;  // at the cap
    lg.players[4].condition = 1;   // at the floor
    lg.Velmo.starters[0] = 999;    // a number nobody carries: not row 0
    // Goals against Velmo's 2; the fixture's goals; Velmo's points, won, drawn, lost; matchday.
    const int results[][8] = {
        {1, 1, 2, 3, 1, 0, 0, 2}, {3, 3, 2, 0, 0, 0, 1, 2}, {2, 2, 2, 1, 0, 1, 0, 2}};
    for (const auto& r : results) {
        League after = lg;
        std::tie(after.partita.goals[0], after.partita.goals[1]) = std::make_tuple(2, r[0]);
        srand(99);
        FinishMatch(after);
        EXPECT_EQ(DrawsConsumed(99), 9 * 402);  // the nine other fixtures, nothing more
        for (int row = 0; row < kSquadSize; ++row) {
            const int was = lg.players[row].condition, step = 2 - r[0];
            const bool on = row != 0 && std::count(rows, rows + kStarters, row) > 0;
            EXPECT_EQ(after.players[row].condition, on ? std::clamp(was + step, 1, 30) : was)
                << "2-" << r[0] << " row " << row;
        }
        const Team& v = after.squadra[kHumanId];
        const Matchday& day = after.giornata[1];
        for (int i = 1; i < kFixtures; ++i) {  // the other nine of the same matchday, not the next
            const Team &home = after.squadra[day.home[i]], &away = after.squadra[day.away[i]];
            EXPECT_EQ(std::make_tuple(home.won + home.drawn + home.lost, home.goals_for,
                                      away.won + away.drawn + away.lost, away.goals_for),
                      std::make_tuple(1, day.home_goals[i], 1, day.away_goals[i]));
        }
        EXPECT_EQ((std::vector<int>{r[0], day.home_goals[0], day.away_goals[0], v.points, v.won,
                                    v.drawn, v.lost, after.matchday}), std::vector<int>(r, r + 8));
    }
}

// Who may come on, across two matches with no line-up check between them.
TEST(Substitutions, NobodyComesOnTwiceAndAnOutNeedsSomeoneToComeOn) {
    League lg = MatchLeague(60, 50, 40, 55, 45, 35);
    MatchRun run = KickOff(lg);
    ASSERT_EQ(SubOut(lg, run, 9), "");
    ASSERT_TRUE(SubIn(lg, run, 2));  // bench slot 2 (row 18) plays for row 16 from now on
    PlayRemainingClock(lg, run, 0);
    FinishMatch(lg);

    run = KickOff(lg);  // the same line-up: he still stands in starter slot 9
    EXPECT_FALSE(MayComeOn(lg, run, 2));
    EXPECT_EQ(SubOut(lg, run, 9), "");
    EXPECT_FALSE(SubIn(lg, run, 2)) << "on the field until the In";
    EXPECT_EQ(std::make_tuple(lg.partita.sub_pending, lg.partita.subs_left), std::make_tuple(1, 2));
    EXPECT_TRUE(SubIn(lg, run, 1));  // the "Out" waited for someone who may come on
    EXPECT_FALSE(MayComeOn(lg, run, 2)) << "taken off: off the field, yet he may not come back";
    EXPECT_EQ(SubOut(lg, run, 9), "");  // bench slot 1 came on and goes off again...
    EXPECT_FALSE(SubIn(lg, run, 2));
    EXPECT_TRUE(SubIn(lg, run, 0));
    EXPECT_FALSE(MayComeOn(lg, run, 1)) << "...and may not come back either";
    EXPECT_EQ(lg.Velmo.starters[9], NumberOfRow(6));

    // Nobody may come on now: 0 plays, 1 and 2 were taken off, 3..5 hold nobody.
    lg.Velmo.substitutes[3] = 0;  // an empty slot...
    lg.players[21].number = 0;    // ...in a squad shorter than 22, whose cleared rows carry 0
    CopyWord(lg.players[21].surname, "-");
    for (int j = 0; j < kSubstitutes; ++j) EXPECT_FALSE(MayComeOn(lg, run, j)) << "bench slot " << j;
    const Match before = lg.partita;  // one substitution left, but nobody may come on
    EXPECT_EQ(SubOut(lg, run, 5), "No substitute can come on.");
    EXPECT_EQ(std::make_tuple(lg.partita.subs_left, lg.partita.sub_pending, lg.partita.out_slot),
              std::make_tuple(1, 0, before.out_slot));
    lg.partita.subs_left = 0;
    EXPECT_EQ(SubOut(lg, run, 5), "No more substitutions left!") << "that message comes first";
}

// "&Finish" plays what watching would have played; a match held up before it loses nothing.
TEST(HumanMatch, FinishPlaysEveryRemainingClockValueAsWatchingWould) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        League watched = MatchLeague(60, 55, 50, 60, 55, 50), finished = watched;
        srand(seed);
        MatchRun run = KickOff(watched);
        int plays = 0;
        for (int clock = 1; clock <= kMatchLength; ++clock) plays += AdvanceClock(watched, run, clock, 3);
        EXPECT_EQ(plays, 45);
        EXPECT_EQ(CloseRefusal(watched), "") << "the whistle at minute 45 lets the player leave";
        const int next_draw = rand();

        srand(seed);
        run = KickOff(finished);
        PlayClockUntil(finished, run, 7, 3);
        PlayRemainingClock(finished, run, 3);
        EXPECT_EQ(rand(), next_draw);
        EXPECT_EQ(finished.textmatch, watched.textmatch);
        EXPECT_EQ(std::make_tuple(finished.partita.goals[0], finished.partita.goals[1], finished.partita.minute),
                  std::make_tuple(watched.partita.goals[0], watched.partita.goals[1], 45));
        srand(seed);
        PlayRemainingClock(finished, run, 3);  // over: nothing more
        EXPECT_EQ(DrawsConsumed(seed), 0);

        League held = MatchLeague(60, 55, 50, 60, 55, 50);
        run = KickOff(held);
        AdvanceClock(held, run, 30, 0);  // a box kept open from kick-off to clock 30
        PlayRemainingClock(held, run, 0);
        EXPECT_EQ(std::count(held.textmatch.begin(), held.textmatch.end(), '\n') -
                      2 * (held.partita.goals[0] + held.partita.goals[1]),
                  1 + 15) << "one play for the jump, then clock values 31..45";
    }
}
