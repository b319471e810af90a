// The line-up check: the main screen's 44 marks become the human club's
// eleven starters, six substitutes, module and sector sums.
#pragma once

#include <string>
#include <vector>

#include "data/league.h"

struct LineupMarks {
    bool starter[kSquadSize] = {};     // column "T.", row r
    bool substitute[kSquadSize] = {};  // column "S.", row r
};

struct LineupCheck {
    std::vector<std::string> messages;   // in the order they must be shown
    std::vector<int> cleared_starters;   // rows whose starter mark must be cleared
    bool redraw = false;                 // a valid line-up: redraw the main screen
};

// Rebuilds every line-up field of Velmo from the marks.
LineupCheck SetUpTeam(League& lg, const LineupMarks& marks);

// Sector of a role: 0 for "GK" and "DF", 1 "MF", 2 "AT", -1 for anything else.
int RoleSector(const char* role);

// Adds (sign +1) or takes away (sign -1) a player's values in the sector sums
// of his role, and counts him in the module unless he is a goalkeeper. The
// goalkeeper count is the line-up check's own. Returns false, changing
// nothing, for a role outside the table.
bool AddToSectors(Team& team, const Player& player, int sign);
