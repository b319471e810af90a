// The season's story, told from the fixture records alone.
//
// The table after matchday d is rebuilt from nothing: every club starts at
// zero, the results of matchdays 1..d are added by the points rule
// (AddResult) and the rows are put in the table's one order (OrderTable:
// points, goal difference, slot). So a position here is the place the
// standings give after that matchday, and the last one is the place they
// give now, also after a load, since a saved game keeps its results.
#include "season/story.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "data/promises.h"
#include "season/fixtures.h"
#include "season/standings.h"

namespace {

// The clubs with their names and identifiers and every counter at zero.
void ClearTally(const League& lg, Team (&tally)[kTeams]) {
    for (int slot = 0; slot < kTeams; ++slot) {
        tally[slot] = Team();
        CopyWord(tally[slot].name, lg.squadra[slot].name);
        tally[slot].id = slot == kHumanId ? kHumanId : lg.squadra[slot].id;
    }
}

// Adds one matchday's results; a fixture naming an identifier no club
// carries (which no loaded league holds) counts for nobody.
void AddMatchday(const League& lg, const Matchday& md, Team (&tally)[kTeams]) {
    for (int i = 0; i < kFixtures; ++i) {
        const int home = ClubSlot(lg, md.home[i]);
        const int away = ClubSlot(lg, md.away[i]);
        if (home < 0 || away < 0) continue;
        AddResult(tally[home], tally[away], md.home_goals[i], md.away_goals[i]);
    }
}

// Each slot's position, 1..20, in the table of the tally.
void PositionsOf(const Team (&tally)[kTeams], int (&position)[kTeams]) {
    RankRow rows[kTeams];
    for (int slot = 0; slot < kTeams; ++slot) rows[slot] = RowOf(tally[slot]);
    OrderTable(rows);
    for (int place = 0; place < kTeams; ++place) {
        for (int slot = 0; slot < kTeams; ++slot)
            if (tally[slot].id == rows[place].id) position[slot] = place + 1;
    }
}

// The human club's match of the matchday; false when the matchday leaves it out.
bool HumanMatch(const League& lg, const Matchday& md, HumanResult& result) {
    for (int i = 0; i < kFixtures; ++i) {
        const bool home = md.home[i] == kHumanId;
        if (!home && md.away[i] != kHumanId) continue;
        result.matchday_number = md.number;
        result.home = home;
        result.opponent_slot = ClubSlot(lg, home ? md.away[i] : md.home[i]);
        result.goals_for = home ? md.home_goals[i] : md.away_goals[i];
        result.goals_against = home ? md.away_goals[i] : md.home_goals[i];
        result.outcome = result.goals_for > result.goals_against    ? 'W'
                         : result.goals_for == result.goals_against ? 'D'
                                                                     : 'L';
        return result.opponent_slot >= 0;
    }
    return false;
}

// The margin of a result and the winner's goals: what makes one win (or one
// defeat) bigger than another.
struct Size {
    int margin;
    int winner_goals;
};
Size SizeOf(const HumanResult& r) {
    return {std::abs(r.goals_for - r.goals_against), std::max(r.goals_for, r.goals_against)};
}

// Keeps in `best` the index of the bigger of the two; the earlier on a tie.
void KeepBigger(const std::vector<HumanResult>& results, int candidate, int& best) {
    if (best < 0) {
        best = candidate;
        return;
    }
    const Size a = SizeOf(results[candidate]), b = SizeOf(results[best]);
    if (a.margin > b.margin || (a.margin == b.margin && a.winner_goals > b.winner_goals))
        best = candidate;
}

}  // namespace

SeasonStory TellSeason(const League& lg) {
    SeasonStory story;
    Team tally[kTeams];
    ClearTally(lg, tally);
    std::vector<std::array<int, kTeams>> tables;  // every slot's position after each matchday
    const int played = std::min(lg.matchday, kMatchdays);
    for (int d = 0; d < played && lg.giornata[d].number >= 0; ++d) {
        const Matchday& md = lg.giornata[d];
        AddMatchday(lg, md, tally);
        int position[kTeams] = {};
        PositionsOf(tally, position);
        tables.emplace_back();
        std::copy(std::begin(position), std::end(position), tables.back().begin());
        HumanResult result;
        if (HumanMatch(lg, md, result)) story.results.push_back(result);
    }
    story.played = static_cast<int>(tables.size());
    if (tables.empty()) return story;
    const std::array<int, kTeams>& now = tables.back();
    story.leader_slot = static_cast<int>(std::find(now.begin(), now.end(), 1) - now.begin());
    for (const std::array<int, kTeams>& table : tables) {
        story.positions.push_back(table[kHumanId]);
        story.leader_positions.push_back(table[story.leader_slot]);
    }
    return story;
}

std::vector<HumanResult> RecentForm(const SeasonStory& story, int count) {
    const size_t from = story.results.size() > static_cast<size_t>(std::max(count, 0))
                            ? story.results.size() - std::max(count, 0)
                            : 0;
    return {story.results.begin() + from, story.results.end()};
}

SeasonFigures FiguresOf(const SeasonStory& story) {
    SeasonFigures f;
    Team human, opponent;  // the points rule counts for the human club
    for (size_t i = 0; i < story.results.size(); ++i) {
        const HumanResult& r = story.results[i];
        AddResult(human, opponent, r.goals_for, r.goals_against);
        int& won = r.home ? f.home_won : f.away_won;
        int& drawn = r.home ? f.home_drawn : f.away_drawn;
        int& lost = r.home ? f.home_lost : f.away_lost;
        (r.outcome == 'W' ? won : r.outcome == 'D' ? drawn : lost) += 1;
        if (r.outcome == 'W') KeepBigger(story.results, static_cast<int>(i), f.biggest_win);
        if (r.outcome == 'L') KeepBigger(story.results, static_cast<int>(i), f.heaviest_defeat);
    }
    f.played = static_cast<int>(story.results.size());
    f.won = human.won;
    f.drawn = human.drawn;
    f.lost = human.lost;
    f.goals_for = human.goals_for;
    f.goals_against = human.goals_against;
    f.points = human.points;
    if (!story.positions.empty()) {
        f.best_position = *std::min_element(story.positions.begin(), story.positions.end());
        f.worst_position = *std::max_element(story.positions.begin(), story.positions.end());
    }
    return f;
}
