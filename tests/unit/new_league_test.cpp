// The season's end: the last results shown, and the new league after it.
#include <gtest/gtest.h>

#include <string>

#include "season/new_league.h"

namespace {

const std::string kGame = std::string(VELMO_SOURCE_DIR) + "/game";

// A league of four named clubs (identifiers 0..2 and the human club), with
// every fixture of matchday record `index` set to one pairing.
League SmallLeague() {
    League lg;
    const char* names[] = {"ALFA", "BETA", "GAMMA"};
    for (int slot = 0; slot < 3; ++slot) {
        lg.squadra[slot].id = slot;
        CopyWord(lg.squadra[slot].name, names[slot]);
    }
    for (int slot = 3; slot < kTeams; ++slot) lg.squadra[slot].id = 100 + slot;
    lg.squadra[kHumanId].id = kHumanId;
    lg.Velmo.id = kHumanId;
    for (Matchday& md : lg.giornata) {
        md.number = -1;
        for (int j = 0; j < kFixtures; ++j) md.home[j] = md.away[j] = -1;
    }
    return lg;
}

void SetFixtures(League& lg, int index, int number, int home, int away, int hg, int ag) {
    Matchday& md = lg.giornata[index];
    md.number = number;
    for (int j = 0; j < kFixtures; ++j) {
        md.home[j] = home;
        md.away[j] = away;
        md.home_goals[j] = hg;
        md.away_goals[j] = ag;
    }
}

std::string Repeat(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += line;
    return text;
}

TEST(LastResults, NoMatchdayPlayedSaysSo) {
    League lg = SmallLeague();
    lg.textbuffer = "left from an earlier page";
    ComposeLastResults(lg);
    EXPECT_EQ(lg.textbuffer, "No matchday was played.\n");
}

TEST(LastResults, ShowsTheLastMatchdayPlayed) {
    League lg = SmallLeague();
    SetFixtures(lg, 0, 1, 0, 1, 5, 5);
    SetFixtures(lg, 1, 2, 2, kHumanId, 3, 1);  // the human club away
    SetFixtures(lg, 2, 3, 1, 0, 0, 0);        // not yet played
    lg.matchday = 2;
    ComposeLastResults(lg);
    EXPECT_EQ(lg.textbuffer, Repeat("GAMMA  VELMO  3 - 1\n\n", kFixtures));
    EXPECT_EQ(lg.now, 1);
}

TEST(LastResults, AfterAFullSeasonShowsTheThirtyEighth) {
    League lg = SmallLeague();
    SetFixtures(lg, 36, 37, 0, 1, 1, 1);
    SetFixtures(lg, 37, 38, kHumanId, 1, 2, 0);
    lg.matchday = kMatchdays;
    ComposeLastResults(lg);
    EXPECT_EQ(lg.textbuffer, Repeat("VELMO  BETA  2 - 0\n\n", kFixtures));
    EXPECT_EQ(lg.now, 37);
}

TEST(NewLeague, StartsAgainFromTheDataFilesAndKeepsTheLineUp) {
    League lg;
    ASSERT_TRUE(LoadLeague(lg, kGame).ok);
    const std::string first_name = lg.players[0].surname;
    const int first_condition = lg.players[0].condition;
    // A finished season with its counters, results and a changed squad.
    lg.matchday = kMatchdays;
    for (Team& team : lg.squadra) {
        team.points = 50;
        team.won = team.drawn = team.lost = 10;
        team.goals_for = 30;
        team.goals_against = 20;
    }
    for (Matchday& md : lg.giornata) md.home_goals[0] = md.away_goals[9] = 4;
    lg.players[0].condition = first_condition == 1 ? 2 : 1;
    lg.today = 38;
    lg.Velmo.starters[0] = 7;
    lg.Velmo.starters_count = 11;
    lg.Velmo.module[0] = 4;

    const LoadStatus status = StartNewLeague(lg, kGame);

    ASSERT_TRUE(status.ok) << status.message;
    EXPECT_EQ(lg.matchday, 0);
    for (const Team& team : lg.squadra) {
        EXPECT_EQ(team.points + team.won + team.drawn + team.lost + team.goals_for +
                      team.goals_against,
                  0)
            << team.name;
    }
    for (const Matchday& md : lg.giornata) {
        EXPECT_EQ(md.home_goals[0], 0);
        EXPECT_EQ(md.away_goals[9], 0);
    }
    EXPECT_EQ(lg.players[0].surname, first_name);
    EXPECT_EQ(lg.players[0].condition, first_condition);  // read again from the squad file
    // What a new league keeps.
    EXPECT_EQ(lg.today, 38);
    EXPECT_EQ(lg.Velmo.starters[0], 7);
    EXPECT_EQ(lg.Velmo.starters_count, 11);
    EXPECT_EQ(lg.Velmo.module[0], 4);
}

TEST(NewLeague, AMissingDataFileIsReported) {
    League lg;
    lg.matchday = 20;
    const LoadStatus status = StartNewLeague(lg, kGame + "/no-such-folder");
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.message, "Impossible to find file 'velmo.dat'!");
    EXPECT_EQ(lg.matchday, 0);
}

}  // namespace
