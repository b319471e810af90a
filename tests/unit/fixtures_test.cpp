// The other fixtures of a matchday and result recording: draw counts, goal
// caps, points and the orientation of the fixture list.
#include "season/fixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "season_fixtures.h"

using namespace season_test;

namespace {

constexpr int kDrawsPerFixture = 402;
constexpr int kCaps[4] = {2, 3, 4, 5};

// Makes the club in `slot` overwhelming (4-3-3 line-ups of thousands) and
// the club in `other` as weak as a club can be.
void MakeMismatch(League& lg, int slot, int other) {
    for (int k = 0; k < kSectors; ++k) {
        lg.squadra[slot].base_technique[k] = 1000;
        lg.squadra[slot].base_fantasy[k] = 1000;
        lg.squadra[slot].base_condition[k] = 1000;
        lg.squadra[other].base_technique[k] = 0;
        lg.squadra[other].base_fantasy[k] = 0;
        lg.squadra[other].base_condition[k] = 0;
    }
    lg.squadra[other].keeper = 0;
}

// A line-up drawn from draws r[i], r[i+1] is 4-3-3: the overwhelming side
// then wins every contest whatever the tactics.
bool FourThreeThree(const std::vector<int>& r, int i) { return r[i] % 3 == 1 && r[i + 1] % 3 == 0; }

// The matchday and fixture where `home` receives `away`.
std::pair<int, int> FindFixture(const League& lg, int home, int away) {
    for (int d = 0; d < kMatchdays; ++d)
        for (int i = 0; i < kFixtures; ++i)
            if (lg.giornata[d].home[i] == home && lg.giornata[d].away[i] == away) return {d, i};
    ADD_FAILURE() << "no fixture " << home << "-" << away;
    return {0, 0};
}

// Plays home-away under every seed from 1 on that `wanted` accepts, until
// each goal cap of the scoring side has been seen; `check` sees the league
// after each fixture together with the cap drawn for the scoring side.
void ForEachCap(bool home_scores,
                const std::function<void(const League&, int)>& check) {
    std::set<int> caps_seen;
    for (unsigned seed = 1; caps_seen.size() < 4 && seed < 5000; ++seed) {
        const std::vector<int> r = Reference(seed, 42);
        if (!FourThreeThree(r, home_scores ? 0 : 11)) continue;
        League lg = MakeLeague();
        const int home = lg.giornata[0].home[1];
        const int away = lg.giornata[0].away[1];
        MakeMismatch(lg, home_scores ? home : away, home_scores ? away : home);
        std::srand(seed);
        PlayFixture(lg, home, away);
        EXPECT_EQ(DrawsConsumed(seed), kDrawsPerFixture) << "seed " << seed;
        const int cap = kCaps[r[home_scores ? 40 : 41] % 4];  // home cap, then away cap
        caps_seen.insert(cap);
        check(lg, cap);
    }
    EXPECT_EQ(caps_seen.size(), 4u);
}

}  // namespace

TEST(PlayAllGames, SimulatesTheNineOtherFixturesWith402DrawsEach) {
    League lg = MakeLeague();
    lg.matchday = 3;
    std::srand(77);
    PlayAllGames(lg);
    EXPECT_EQ(DrawsConsumed(77), 9 * kDrawsPerFixture);

    const Matchday& md = lg.giornata[3];
    int human_opponent = -1;
    int goals_for = 0, goals_against = 0;
    for (int i = 0; i < kFixtures; ++i) {
        EXPECT_GE(md.home_goals[i], 0);
        EXPECT_LE(md.home_goals[i], 5);
        EXPECT_GE(md.away_goals[i], 0);
        EXPECT_LE(md.away_goals[i], 5);
        if (md.home[i] == kHumanId || md.away[i] == kHumanId) {
            EXPECT_EQ(md.home_goals[i] + md.away_goals[i], 0) << "the human fixture is not played";
            human_opponent = md.home[i] == kHumanId ? md.away[i] : md.home[i];
        }
    }
    for (int s = 0; s < kTeams; ++s) {
        const Team& t = lg.squadra[s];
        goals_for += t.goals_for;
        goals_against += t.goals_against;
        const int played = t.won + t.drawn + t.lost;
        EXPECT_EQ(played, s == kHumanId || s == human_opponent ? 0 : 1) << "slot " << s;
    }
    EXPECT_EQ(goals_for, goals_against);
    for (int d = 0; d < kMatchdays; ++d) {
        if (d == 3) continue;
        for (int i = 0; i < kFixtures; ++i) EXPECT_EQ(lg.giornata[d].home_goals[i], 0);
    }
}

TEST(PlayAllGames, AMatchdayWithoutTheHumanClubPlaysAllTen) {
    League lg = MakeLeague();
    lg.giornata[0].home[0] = 18;  // 18 then plays twice: the count does not mind
    std::srand(4);
    PlayAllGames(lg);
    EXPECT_EQ(DrawsConsumed(4), 10 * kDrawsPerFixture);
}

TEST(PlayFixture, TheHomeSideScoresUpToItsCapAndNoMore) {
    ForEachCap(true, [](const League& lg, int cap) {
        const int home = lg.giornata[0].home[1];
        const int away = lg.giornata[0].away[1];
        EXPECT_EQ(lg.giornata[0].home_goals[1], cap);
        EXPECT_EQ(lg.giornata[0].away_goals[1], 0);
        EXPECT_EQ(lg.partita.goals[0], cap) << "the running score is the credited one";
        EXPECT_EQ(lg.partita.goals[1], 0);
        EXPECT_EQ(lg.squadra[home].points, 3);
        EXPECT_EQ(lg.squadra[away].lost, 1);
    });
}

TEST(PlayFixture, TheAwaySideScoresUpToItsCapAndNoMore) {
    ForEachCap(false, [](const League& lg, int cap) {
        EXPECT_EQ(lg.giornata[0].home_goals[1], 0);
        EXPECT_EQ(lg.giornata[0].away_goals[1], cap);
        EXPECT_EQ(lg.partita.goals[1], cap);
        EXPECT_EQ(lg.squadra[lg.giornata[0].away[1]].won, 1);
    });
}

TEST(RecordResult, CountsPointsAndGoalsForWinDrawAndDefeat) {
    League lg = MakeLeague();
    RecordResult(lg, 3, 4, 2, 0);
    RecordResult(lg, 3, 4, 1, 1);
    RecordResult(lg, 3, 4, 0, 3);
    const Team& a = lg.squadra[3];
    const Team& b = lg.squadra[4];
    EXPECT_EQ(a.points, 4);
    EXPECT_EQ(a.won, 1);
    EXPECT_EQ(a.drawn, 1);
    EXPECT_EQ(a.lost, 1);
    EXPECT_EQ(a.goals_for, 3);
    EXPECT_EQ(a.goals_against, 4);
    EXPECT_EQ(b.points, 4);
    EXPECT_EQ(b.won, 1);
    EXPECT_EQ(b.drawn, 1);
    EXPECT_EQ(b.lost, 1);
    EXPECT_EQ(b.goals_for, 4);
    EXPECT_EQ(b.goals_against, 3);
}

TEST(RecordResult, TheHumanClubsAwayWinLandsInHomeAwayOrderOnTheCurrentMatchdayOnly) {
    League lg = MakeLeague();
    const auto [day, fixture] = FindFixture(lg, 5, kHumanId);
    const auto [other_day, other_fixture] = FindFixture(lg, kHumanId, 5);
    lg.matchday = day;
    RecordResult(lg, kHumanId, 5, 2, 1);
    EXPECT_EQ(lg.giornata[day].home_goals[fixture], 1);
    EXPECT_EQ(lg.giornata[day].away_goals[fixture], 2);
    EXPECT_EQ(lg.giornata[other_day].home_goals[other_fixture], 0) << "the return fixture";
    EXPECT_EQ(lg.giornata[other_day].away_goals[other_fixture], 0);
    EXPECT_EQ(lg.squadra[kHumanId].points, 3);
    EXPECT_EQ(lg.squadra[5].lost, 1);
    EXPECT_EQ(lg.squadra[5].goals_for, 1);
    EXPECT_EQ(lg.squadra[5].goals_against, 2);
}

TEST(UpdateCalendario, WritesOnlyTheMeetingOfTheTwoClubs) {
    League lg = MakeLeague();
    const League before = lg;
    UpdateCalendario(lg, 0, 1, 2, 4, 4);  // 1 and 2 do not meet on matchday 0
    ExpectSameLeague(before, lg);

    // Both orientations are checked in turn: a club listed against itself
    // ends with the second orientation's write.
    lg.giornata[0].home[2] = 7;
    lg.giornata[0].away[2] = 7;
    UpdateCalendario(lg, 0, 7, 7, 3, 1);
    EXPECT_EQ(lg.giornata[0].home_goals[2], 1);
    EXPECT_EQ(lg.giornata[0].away_goals[2], 3);
}
