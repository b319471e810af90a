// The other fixtures of a matchday and the recording of every result.
//
// Each fixture the human club does not play is settled by ninety plays of the
// play rule between two freshly drawn computer line-ups, the home club as the
// first side. Every play draws a tactic for each side from {-2,-1,0,0,1,2};
// each side has a goal cap drawn from {2,3,4,5} before kick-off: a goal
// beyond it is not credited but still restarts the ball in midfield.
// Draws per simulated fixture: 11 + 11 (line-ups) + 18 (side blocks)
// + 2 (caps) + 90 x (2 tactics + 2 of the play rule) = 402.
//
// A result counts 3 points for a win, 1 each for a draw, and is written into
// the fixture list of matchday `matchday` in whichever orientation the
// fixture has.
#include "season/fixtures.h"

#include <cstdlib>

#include "data/loaders.h"
#include "match/play.h"
#include "season/opponent.h"

namespace {

constexpr int kTactics[6] = {-2, -1, 0, 0, 1, 2};
constexpr int kGoalCaps[4] = {2, 3, 4, 5};
constexpr int kSteps = 90;
constexpr int kKickOffZone = 2;
constexpr int kFirstSideGoal = 4;   // the home side has scored
constexpr int kSecondSideGoal = 0;  // the away side has scored

// One more goal, never beyond the cap.
int CreditGoal(int goals, int cap) {
    ++goals;
    return goals > cap ? cap : goals;
}

void AddGoals(Team& team, int scored, int conceded) {
    team.goals_for += scored;
    team.goals_against += conceded;
}

}  // namespace

void PlayFixture(League& lg, int home_id, int away_id) {
    const int home_slot = MakeOtherTeams(lg, home_id);
    const int away_slot = MakeOtherTeams(lg, away_id);
    SetUpComputerTeams(lg, home_slot, away_slot);

    int zone = kKickOffZone;
    int home_goals = 0;
    int away_goals = 0;
    lg.partita.goals[0] = 0;
    lg.partita.goals[1] = 0;
    const int home_cap = kGoalCaps[rand() % 4];
    const int away_cap = kGoalCaps[rand() % 4];

    for (int minute = 0; minute < kSteps; ++minute) {
        const int home_tactic = kTactics[rand() % 6];
        const int away_tactic = kTactics[rand() % 6];
        zone = PlayBall(lg, zone, minute, home_tactic, away_tactic);
        if (zone == kSecondSideGoal) {
            away_goals = CreditGoal(away_goals, away_cap);
            lg.partita.goals[1] = away_goals;
            zone = kKickOffZone;
        }
        if (zone == kFirstSideGoal) {
            home_goals = CreditGoal(home_goals, home_cap);
            lg.partita.goals[0] = home_goals;
            zone = kKickOffZone;
        }
    }
    RecordResult(lg, home_id, away_id, home_goals, away_goals);
}

void PlayAllGames(League& lg) {
    if (lg.matchday < 0 || lg.matchday >= kMatchdays) return;  // no such matchday record
    const Matchday& md = lg.giornata[lg.matchday];
    for (int i = 0; i < kFixtures; ++i) {
        const int home_id = md.home[i];
        const int away_id = md.away[i];
        if (home_id == lg.Velmo.id || away_id == lg.Velmo.id) continue;  // the human match
        PlayFixture(lg, home_id, away_id);
    }
}

void RecordResult(League& lg, int first_id, int second_id, int first_goals, int second_goals) {
    char unused[kWordSize] = {};
    AddResult(lg.squadra[FindTeam(lg, first_id, unused)], lg.squadra[FindTeam(lg, second_id, unused)],
              first_goals, second_goals);
    UpdateCalendario(lg, lg.matchday, first_id, second_id, first_goals, second_goals);
}

void AddResult(Team& first, Team& second, int first_goals, int second_goals) {
    // Both references may name the same slot, so each counter is added
    // through its own statement.
    AddGoals(first, first_goals, second_goals);
    AddGoals(second, second_goals, first_goals);
    if (first_goals > second_goals) {
        first.points += 3;
        first.won += 1;
        second.lost += 1;
    } else if (first_goals == second_goals) {
        first.points += 1;
        first.drawn += 1;
        second.points += 1;
        second.drawn += 1;
    } else {
        second.points += 3;
        second.won += 1;
        first.lost += 1;
    }
}

void UpdateCalendario(League& lg, int day, int first_id, int second_id, int first_goals,
                      int second_goals) {
    if (day < 0 || day >= kMatchdays) return;  // no such matchday record: nothing to write
    Matchday& md = lg.giornata[day];
    for (int i = 0; i < kFixtures; ++i) {
        if (md.home[i] == first_id && md.away[i] == second_id) {
            md.home_goals[i] = first_goals;
            md.away_goals[i] = second_goals;
        }
        if (md.away[i] == first_id && md.home[i] == second_id) {
            md.home_goals[i] = second_goals;
            md.away_goals[i] = first_goals;
        }
    }
}
