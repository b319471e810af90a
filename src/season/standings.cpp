// The league table.
//
// The rows are copied from the twenty team records and ordered by one rule:
// more points first; on equal points the greater goal difference first;
// rows level on both keep their slot order (a stable sort), so the human
// club, slot 19, comes last among the clubs level with it. Goals scored,
// wins and names never break a tie.
#include "season/standings.h"

#include <algorithm>
#include <string>

namespace {

// True when row a ranks above row b on the two keys; ties fall to the slot
// order kept by the stable sort.
bool RanksAbove(const RankRow& a, const RankRow& b) {
    if (a.points != b.points) return a.points > b.points;            // points
    return a.goal_difference > b.goal_difference;                    // goal difference
}

}  // namespace

RankRow RowOf(const Team& team) {
    RankRow row;
    CopyWord(row.name, team.name);
    row.id = team.id;
    row.points = team.points;
    row.won = team.won;
    row.drawn = team.drawn;
    row.lost = team.lost;
    row.goals_for = team.goals_for;
    row.goals_against = team.goals_against;
    row.goal_difference = team.goals_for - team.goals_against;
    return row;
}

void OrderTable(RankRow (&rows)[kTeams]) { std::stable_sort(std::begin(rows), std::end(rows), RanksAbove); }

namespace {

// One line of the numbers column: P. G. V. P. S. GF. GS.
std::string NumbersLine(const RankRow& row, int played) {
    using std::to_string;
    return to_string(row.points) + "  " + to_string(played) + "  " + to_string(row.won) + "  " +
           to_string(row.drawn) + "   " + to_string(row.lost) + "   " +
           to_string(row.goals_for) + "    " + to_string(row.goals_against) + "\n\n";
}

}  // namespace

void UpdateRanking(League& lg) {
    lg.textranking = "Team \n\n";
    lg.textrank2 = "P.  G.  V.  P.  S.  GF.  GS. \n\n";
    for (int slot = 0; slot < kTeams; ++slot) lg.classifica[slot] = RowOf(lg.squadra[slot]);
    OrderTable(lg.classifica);
}

void MakeRanking(League& lg) {
    for (const RankRow& row : lg.classifica) {
        lg.textranking += row.name;
        lg.textranking += "\n\n";
        lg.textrank2 += NumbersLine(row, lg.matchday);
    }
}
