// The human match: kick-off, the clock and its plays, commentary, scorers,
// substitutions and the end of the match.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "match/match.h"
#include "match/play.h"
#include "match/strength.h"
#include "match_fixtures.h"

using match_fixtures::DrawAfter;
using match_fixtures::NextDrawFollows;
using match_fixtures::MakeLeague;
using match_fixtures::NumberOfRow;
using match_fixtures::SetLineup;
using match_fixtures::SetPlayer;
using match_fixtures::SetStrengths;

namespace {

constexpr int kRival = 7;

// Velmo (defence, midfield, attack totals) against CLUB7, away from home.
League MatchLeague(int d1, int m1, int a1, int d2, int m2, int a2) {
    League lg = MakeLeague();
    // Four on the bench, two empty bench slots.
    SetLineup(lg, {0, 2, 3, 4, 5, 9, 10, 11, 12, 16, 17}, {6, 13, 18, 1});
    SetStrengths(lg.Velmo, d1, m1, a1);
    SetStrengths(lg.squadra[kRival], d2, m2, a2);
    for (int& f : lg.squadra[kRival].fatigue) f = 28;
    lg.avversario = kRival;
    CopyWord(lg.othername, "CLUB7");
    return lg;
}

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(HumanMatch, KickOffResetsTheMatchAndDrawsTheChant) {
    League lg = MatchLeague(60, 50, 40, 55, 45, 35);
    lg.partita.minute = 45;
    lg.partita.goals[0] = 3;
    lg.partita.goals[1] = 1;
    lg.partita.subs_left = 0;
    lg.partita.sub_pending = 1;
    lg.partita.out_slot = 4;
    lg.textmatch = "old commentary\n";

    srand(11);
    const MatchRun run = KickOff(lg);
    EXPECT_EQ(run.chant, DrawAfter(11, 0) % 5);
    EXPECT_TRUE(NextDrawFollows(11, 1));  // the chant is the only draw

    const Match& m = lg.partita;
    EXPECT_EQ(m.minute, 0);
    EXPECT_EQ(run.last_played, 0);
    EXPECT_EQ(run.zone, 2);
    EXPECT_EQ(lg.textmatch, "");
    EXPECT_EQ(m.first_id, kHumanId);
    EXPECT_EQ(m.second_id, kRival);
    EXPECT_EQ(m.subs_left, 3);
    EXPECT_EQ(m.sub_pending, 0);
    EXPECT_EQ(m.out_slot, -1);
    EXPECT_EQ(m.goals[0], 0);
    EXPECT_EQ(m.goals[1], 0);
    for (bool came_on : run.came_on) EXPECT_FALSE(came_on);
    EXPECT_EQ(m.side[0].technique[1], lg.Velmo.technique[1]);
    EXPECT_EQ(m.side[1].fatigue[2], 28);
    EXPECT_STREQ(kChantFiles[0], "media/chinonsalta.wav");
    EXPECT_STREQ(kChantFiles[4], "media/orvenarossoblu.wav");
}

TEST(HumanMatch, NoKickOffWithoutAnEleventhStarter) {
    League lg = MatchLeague(60, 50, 40, 55, 45, 35);
    EXPECT_TRUE(CanKickOff(lg));
    lg.Velmo.starters[10] = 0;
    srand(5);
    EXPECT_FALSE(CanKickOff(lg));
    EXPECT_TRUE(NextDrawFollows(5, 0));  // the refusal draws nothing
    lg.Velmo.starters[10] = -3;
    EXPECT_FALSE(CanKickOff(lg));
}

TEST(HumanMatch, FortyFivePlaysAndTheirDraws) {
    League lg = MatchLeague(150, 150, 150, 100, 100, 100);
    const unsigned seed = 2024;
    srand(seed);
    MatchRun run = KickOff(lg);
    int plays = 0;
    for (int clock = 1; clock <= 45; ++clock) {
        EXPECT_FALSE(MatchOver(lg));
        if (AdvanceClock(lg, run, clock, 0)) ++plays;
    }
    EXPECT_EQ(plays, 45);
    EXPECT_TRUE(MatchOver(lg));
    EXPECT_EQ(lg.partita.minute, 45);
    EXPECT_FALSE(AdvanceClock(lg, run, 46, 0));  // the clock has run out
    EXPECT_EQ(lg.partita.minute, 45);

    const int scored = lg.partita.goals[0];
    ASSERT_GT(scored, 0);
    EXPECT_TRUE(NextDrawFollows(seed, 1 + 90 + scored));

    const std::string& text = lg.textmatch;
    EXPECT_EQ(Count(text, "\n GOOAL!! "), scored);
    EXPECT_EQ(Count(text, "\nCLUB7 scored!\n\n"), lg.partita.goals[1]);
    EXPECT_EQ(Count(text, "GOOAL!! ") + Count(text, " scored!\n\n") + Count(text, " is attacking\n") +
                  Count(text, "midfield action\n"),
              45);
}

TEST(HumanMatch, OnePlayPerNewClockValue) {
    League lg = MatchLeague(60, 50, 40, 55, 45, 35);
    srand(3);
    MatchRun run = KickOff(lg);
    EXPECT_FALSE(AdvanceClock(lg, run, 0, 0));  // kick-off time itself: no play
    EXPECT_TRUE(AdvanceClock(lg, run, 1, 0));
    EXPECT_FALSE(AdvanceClock(lg, run, 1, 0));
    EXPECT_TRUE(AdvanceClock(lg, run, 40, 0));  // held up: one play for the jump
    EXPECT_EQ(run.last_played, 40);
    EXPECT_EQ(CloseRefusal(lg), "The match is not over yet. \nYou can't leave the field now!");
    EXPECT_TRUE(AdvanceClock(lg, run, 47, 0));  // a box open across the end
    EXPECT_EQ(lg.partita.minute, 47);
    EXPECT_TRUE(MatchOver(lg));
    EXPECT_EQ(CloseRefusal(lg), "");
    EXPECT_FALSE(AdvanceClock(lg, run, 48, 0));
    EXPECT_EQ(lg.partita.minute, 47);
    EXPECT_TRUE(NextDrawFollows(3, 1 + 3 * 2 + lg.partita.goals[0]));
}

TEST(HumanMatch, CloseIsRefusedUntilTheClockPasses44) {
    League lg = MatchLeague(60, 50, 40, 55, 45, 35);
    lg.partita.minute = 44;
    EXPECT_EQ(CloseRefusal(lg), "The match is not over yet. \nYou can't leave the field now!");
    lg.partita.minute = 45;
    EXPECT_EQ(CloseRefusal(lg), "");
}

TEST(HumanMatch, PlaysUseTheClockAndTheSliderAgainstANeutralRival) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        for (int tactic : {-5, 0, 5}) {
            League lg = MatchLeague(60, 50, 40, 55, 45, 35);
            lg.squadra[kRival].fatigue[1] = 31;
            srand(seed);
            MatchRun run = KickOff(lg);
            ASSERT_TRUE(AdvanceClock(lg, run, 37, tactic));
            const int swing = DrawAfter(seed, 1) % 100 - DrawAfter(seed, 2) % 100;
            EXPECT_EQ(run.zone, PlayWithSwing(lg, 2, 37, tactic, 0, swing))
                << "seed " << seed << " tactic " << tactic;
        }
    }
}

TEST(HumanMatch, CommentaryLinesForEveryResult) {
    // Velmo always wins the midfield and scores until it leads by three;
    // then its damped attack loses the ball back to midfield.
    League lg = MatchLeague(100, 1000, 600, 420, 20, 100);
    for (int row : {9, 10, 11, 12, 16, 17}) CopyWord(lg.players[row].surname, "Bomber");
    srand(8);
    MatchRun run = KickOff(lg);
    for (int clock = 1; clock <= 9; ++clock) AdvanceClock(lg, run, clock, 0);
    EXPECT_EQ(lg.textmatch,
              "Velmo is attacking\n\n GOOAL!! Bomber\n\n"
              "Velmo is attacking\n\n GOOAL!! Bomber\n\n"
              "Velmo is attacking\n\n GOOAL!! Bomber\n\n"
              "Velmo is attacking\nmidfield action\nVelmo is attacking\n");
    EXPECT_EQ(lg.partita.goals[0], 3);
    EXPECT_EQ(lg.partita.goals[1], 0);

    // The mirror image for the rival.
    lg = MatchLeague(400, 20, 100, 100, 1000, 600);
    run = KickOff(lg);
    for (int clock = 1; clock <= 9; ++clock) AdvanceClock(lg, run, clock, 0);
    EXPECT_EQ(lg.textmatch,
              "CLUB7 is attacking\n\nCLUB7 scored!\n\n"
              "CLUB7 is attacking\n\nCLUB7 scored!\n\n"
              "CLUB7 is attacking\n\nCLUB7 scored!\n\n"
              "CLUB7 is attacking\nmidfield action\nCLUB7 is attacking\n");
    EXPECT_EQ(lg.partita.goals[0], 0);
    EXPECT_EQ(lg.partita.goals[1], 3);
}

TEST(HumanMatch, ScorerIsDrawnFromSlotsSixToTenAfterThePlay) {
    std::set<int> slots_seen;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        League lg = MatchLeague(100, 1000, 600, 400, 20, 100);  // scores at the second play
        srand(seed);
        MatchRun run = KickOff(lg);
        AdvanceClock(lg, run, 1, 0);
        AdvanceClock(lg, run, 2, 0);
        EXPECT_TRUE(NextDrawFollows(seed, 6));
        const int slot = 6 + DrawAfter(seed, 5) % 5;  // chant, two plays, then the scorer
        slots_seen.insert(slot);
        const Player& scorer = lg.players[lg.Velmo.starters[slot] - NumberOfRow(0)];
        EXPECT_EQ(lg.textmatch,
                  "Velmo is attacking\n\n GOOAL!! " + std::string(scorer.surname) + "\n\n");
    }
    EXPECT_EQ(slots_seen, (std::set<int>{6, 7, 8, 9, 10}));

    // A slot nobody fills names nobody.
    League lg = MatchLeague(100, 1000, 600, 400, 20, 100);
    for (int slot = 6; slot < kStarters; ++slot) lg.Velmo.starters[slot] = 999;
    MatchRun run = KickOff(lg);
    AdvanceClock(lg, run, 1, 0);
    AdvanceClock(lg, run, 2, 0);
    EXPECT_EQ(lg.textmatch, "Velmo is attacking\n\n GOOAL!! \n\n");
}

// Substitutions -------------------------------------------------------------

class Substitutions : public testing::Test {
protected:
    void SetUp() override {
        lg = MatchLeague(60, 50, 40, 55, 45, 35);
        // Velmo's own sums, as the line-up check would make them: 1-4-4-2.
        Team& v = lg.Velmo;
        const int module[] = {4, 4, 2}, technique[] = {100, 80, 50}, fantasy[] = {90, 70, 40},
                  condition[] = {95, 60, 30};
        for (int s = 0; s < kSectors; ++s) {
            v.module[s] = module[s];
            v.technique[s] = technique[s];
            v.fantasy[s] = fantasy[s];
            v.condition[s] = condition[s];
        }
        SetPlayer(lg, 2, "Outgoing", "DF", 20, 15, 18);
        SetPlayer(lg, 6, "Incoming", "DF", 22, 14, 25);
        SetPlayer(lg, 0, "Keeper", "GK", 11, 12, 13);
        SetPlayer(lg, 9, "Middle", "MF", 17, 16, 15);
        SetPlayer(lg, 18, "Striker", "AT", 19, 21, 23);
        run = KickOff(lg);
    }
    League lg;
    MatchRun run;
};

TEST_F(Substitutions, DefenderForDefender) {
    EXPECT_EQ(SubOut(lg, 1), "");
    EXPECT_TRUE(SubIn(lg, run, 0));
    EXPECT_EQ(lg.Velmo.starters[1], NumberOfRow(6));
    EXPECT_EQ(lg.Velmo.module[0], 4);
    EXPECT_EQ(lg.Velmo.technique[0], 102);
    EXPECT_EQ(lg.Velmo.fantasy[0], 89);
    EXPECT_EQ(lg.Velmo.condition[0], 102);
    EXPECT_EQ(lg.partita.side[0].condition[0], 102);
    EXPECT_EQ(lg.partita.sub_pending, 0);
    EXPECT_EQ(lg.partita.out_slot, 1);  // keeps its value
}

TEST_F(Substitutions, KeeperForDefenderAndMidfielderForAttacker) {
    SubOut(lg, 0);                   // the keeper off
    ASSERT_TRUE(SubIn(lg, run, 0));  // a defender on
    EXPECT_EQ(lg.Velmo.module[0], 5);
    EXPECT_EQ(lg.Velmo.technique[0], 100 - 11 + 22);
    SubOut(lg, 5);                   // a midfielder off
    ASSERT_TRUE(SubIn(lg, run, 2));  // an attacker on
    EXPECT_EQ(ModuleText(lg.Velmo), "5 - 3 - 3");
    EXPECT_EQ(SectorText(lg.Velmo, 1), " 63 54 45");
    EXPECT_EQ(SectorText(lg.Velmo, 2), " 69 61 53");
    EXPECT_EQ(lg.partita.side[0].module[1], 3);
}

TEST_F(Substitutions, ThreeAtMostAndOneAtATime) {
    EXPECT_EQ(SubOut(lg, 3), "");
    EXPECT_EQ(SubOut(lg, 5), "No more substitutions left!");  // one is pending
    EXPECT_EQ(lg.partita.subs_left, 2);
    EXPECT_EQ(lg.partita.out_slot, 3);
    EXPECT_TRUE(SubIn(lg, run, 1));
    EXPECT_EQ(lg.Velmo.starters[3], NumberOfRow(13));
    EXPECT_EQ(lg.Velmo.starters[5], NumberOfRow(9));

    EXPECT_EQ(SubOut(lg, 5), "");
    EXPECT_TRUE(SubIn(lg, run, 2));
    EXPECT_EQ(SubOut(lg, 8), "");  // the third is counted at the "Out"
    EXPECT_EQ(lg.partita.subs_left, 0);
    EXPECT_TRUE(SubIn(lg, run, 3));
    const Team before = lg.Velmo;
    EXPECT_EQ(SubOut(lg, 9), "No more substitutions left!");
    EXPECT_EQ(lg.partita.subs_left, 0);
    EXPECT_EQ(lg.partita.sub_pending, 0);
    EXPECT_EQ(lg.partita.out_slot, 8);
    EXPECT_FALSE(SubIn(lg, run, 0));  // nothing pending
    EXPECT_EQ(lg.Velmo.starters[9], before.starters[9]);
    EXPECT_EQ(lg.Velmo.technique[0], before.technique[0]);
}

TEST_F(Substitutions, InWithNothingPendingDoesNothing) {
    EXPECT_FALSE(SubIn(lg, run, 0));
    EXPECT_EQ(lg.Velmo.starters[1], NumberOfRow(2));
    EXPECT_EQ(lg.Velmo.technique[0], 100);
    EXPECT_EQ(lg.partita.subs_left, 3);
    EXPECT_FALSE(run.came_on[0]);
}

TEST_F(Substitutions, EmptyBenchSlotBringsNobodyOn) {
    SubOut(lg, 1);
    EXPECT_FALSE(SubIn(lg, run, 4));  // number 0
    lg.Velmo.substitutes[5] = 999;    // a number nobody carries
    EXPECT_FALSE(SubIn(lg, run, 5));
    EXPECT_EQ(lg.partita.sub_pending, 1);  // the "Out" waits for a real player
    EXPECT_EQ(lg.Velmo.starters[1], NumberOfRow(2));
    EXPECT_EQ(lg.Velmo.module[0], 4);
    EXPECT_EQ(lg.Velmo.technique[0], 100);
    EXPECT_TRUE(SubIn(lg, run, 0));
    EXPECT_EQ(lg.Velmo.starters[1], NumberOfRow(6));
}

TEST_F(Substitutions, NoSubstituteComesOnTwice) {
    SubOut(lg, 8);
    ASSERT_TRUE(SubIn(lg, run, 2));
    EXPECT_EQ(lg.Velmo.starters[8], NumberOfRow(18));  // can now be named as a scorer
    SubOut(lg, 9);
    EXPECT_FALSE(SubIn(lg, run, 2));  // already on the field
    SubIn(lg, run, 1);
    SubOut(lg, 8);  // taken off again...
    const Team before = lg.Velmo;
    EXPECT_EQ(lg.partita.subs_left, 0);
    EXPECT_FALSE(SubIn(lg, run, 2));  // ...and still cannot return
    EXPECT_EQ(lg.partita.sub_pending, 1);
    EXPECT_EQ(lg.Velmo.technique[2], before.technique[2]);
    EXPECT_TRUE(SubIn(lg, run, 3));
    EXPECT_EQ(lg.Velmo.starters[8], NumberOfRow(1));
}

TEST_F(Substitutions, StillWorkAfterTheFinalWhistle) {
    for (int clock = 1; clock <= 45; ++clock) AdvanceClock(lg, run, clock, 0);
    ASSERT_TRUE(MatchOver(lg));
    EXPECT_EQ(SubOut(lg, 1), "");
    EXPECT_TRUE(SubIn(lg, run, 0));
    EXPECT_EQ(lg.Velmo.technique[0], 102);
}

// End of the match ----------------------------------------------------------

TEST(MatchEnd, ResultNamesVelmoFirst) {
    League lg = MatchLeague(60, 50, 40, 55, 45, 35);
    lg.ontheroad = 1;
    lg.partita.goals[0] = 2;
    lg.partita.goals[1] = 1;
    EXPECT_EQ(ResultMessage(lg), "VELMO - CLUB7 : 2   1");
}

// Matchday 0: Velmo away at CLUB7, and nine computer fixtures.
League MatchdayLeague() {
    League lg = MatchLeague(60, 50, 40, 55, 45, 35);
    Matchday& day = lg.giornata[0];
    day.number = 1;
    day.home[0] = kRival;
    day.away[0] = kHumanId;
    const int others[] = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    for (int i = 1; i < kFixtures; ++i) {
        day.home[i] = others[2 * (i - 1)];
        day.away[i] = others[2 * (i - 1) + 1];
    }
    lg.giornata[1].number = 2;
    return lg;
}

TEST(MatchEnd, ConditionsMoveForTheElevenOnTheField) {
    League lg = MatchdayLeague();
    KickOff(lg);
    lg.players[2].condition = 30;  // a starter at the cap
    lg.players[3].condition = 1;   // a starter at the floor
    SubOut(lg, 9);                 // row 16 goes off; row 13 comes on
    MatchRun run;
    ASSERT_TRUE(SubIn(lg, run, 1));
    lg.Velmo.starters[4] = 999;  // a number nobody carries: not player 0
    lg.players[0].condition = 20;
    lg.Velmo.starters[0] = NumberOfRow(1);

    League win = lg;
    win.partita.goals[0] = 2;
    win.partita.goals[1] = 1;
    FinishMatch(win);
    EXPECT_EQ(win.players[1].condition, lg.players[1].condition + 1);
    EXPECT_EQ(win.players[2].condition, 30);
    EXPECT_EQ(win.players[3].condition, 2);
    EXPECT_EQ(win.players[13].condition, lg.players[13].condition + 1);  // came on
    EXPECT_EQ(win.players[16].condition, lg.players[16].condition);      // went off
    EXPECT_EQ(win.players[5].condition, lg.players[5].condition);        // the 999 slot
    EXPECT_EQ(win.players[0].condition, 20);

    League defeat = lg;
    defeat.partita.goals[1] = 1;
    FinishMatch(defeat);
    EXPECT_EQ(defeat.players[1].condition, lg.players[1].condition - 1);
    EXPECT_EQ(defeat.players[2].condition, 29);
    EXPECT_EQ(defeat.players[3].condition, 1);
    EXPECT_EQ(defeat.players[0].condition, 20);

    League draw = lg;
    draw.partita.goals[0] = 1;
    draw.partita.goals[1] = 1;
    FinishMatch(draw);
    for (int row = 0; row < kSquadSize; ++row)
        EXPECT_EQ(draw.players[row].condition, lg.players[row].condition) << "row " << row;
}

TEST(MatchEnd, FinishRecordsTheResultAndPlaysTheMatchday) {
    League lg = MatchdayLeague();
    KickOff(lg);
    lg.partita.goals[0] = 2;
    lg.partita.goals[1] = 1;
    srand(99);
    FinishMatch(lg);
    EXPECT_TRUE(NextDrawFollows(99, 9 * 402));  // the nine other fixtures, nothing more

    EXPECT_EQ(lg.matchday, 1);
    EXPECT_EQ(lg.giornata[0].home_goals[0], 1);  // Velmo won 2-1 away
    EXPECT_EQ(lg.giornata[0].away_goals[0], 2);
    const Team& velmo = lg.squadra[kHumanId];
    EXPECT_EQ(velmo.points, 3);
    EXPECT_EQ(velmo.won, 1);
    EXPECT_EQ(velmo.goals_for, 2);
    EXPECT_EQ(velmo.goals_against, 1);
    EXPECT_EQ(lg.squadra[kRival].lost, 1);
    for (int slot = 0; slot < kTeams; ++slot) {
        const Team& t = lg.squadra[slot];
        EXPECT_EQ(t.won + t.drawn + t.lost, 1) << "slot " << slot;
    }
}

}  // namespace
