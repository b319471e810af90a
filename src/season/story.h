// The season's story: where the human club stood after each matchday, how it
// has been playing lately, and its figures, all told from the results in the
// fixture records of the matchdays played. Telling it draws no number and
// changes nothing in the league.
#pragma once

#include <vector>

#include "data/league.h"

// The human club's match of one matchday, as played.
struct HumanResult {
    int matchday_number = 0;  // the fixture file's number of the matchday
    int opponent_slot = 0;    // squadra slot of the opponent
    bool home = false;        // the human club played at home
    int goals_for = 0;        // the human club's goals
    int goals_against = 0;
    char outcome = 'D';       // 'W', 'D' or 'L'
};

struct SeasonStory {
    int played = 0;                     // matchdays played
    std::vector<int> positions;         // the human club's position, 1..20, after matchday 1..played
    int leader_slot = -1;               // the club that leads the table now; -1 before the first matchday
    std::vector<int> leader_positions;  // its position after each matchday
    std::vector<HumanResult> results;   // the human club's match of each matchday played (every
                                        // matchday holds one: the fixture file's promise)
};

// Positions follow the standings' own order (points, goal difference, slot)
// of the table rebuilt from the results of matchdays 1..d, so they agree
// with the standings after every matchday and after a load.
SeasonStory TellSeason(const League& lg);

// The last `count` results, oldest first (fewer when fewer were played).
std::vector<HumanResult> RecentForm(const SeasonStory& story, int count = 5);

struct SeasonFigures {
    int played = 0, won = 0, drawn = 0, lost = 0, goals_for = 0, goals_against = 0, points = 0;
    int home_won = 0, home_drawn = 0, home_lost = 0;
    int away_won = 0, away_drawn = 0, away_lost = 0;
    int best_position = 0, worst_position = 0;  // 0 before the first matchday
    // Indices into the story's results, -1 when there is none: the win by the
    // widest margin and the defeat by the widest margin (a tie goes to the one
    // with more goals scored by the winner, then to the earlier).
    int biggest_win = -1, heaviest_defeat = -1;
};
SeasonFigures FiguresOf(const SeasonStory& story);
