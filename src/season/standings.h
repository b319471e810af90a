// The league table: rows ordered by points, goal difference, slot; and its two texts.
#pragma once

#include "data/league.h"

void UpdateRanking(League& lg);  // rebuild and order classifica; texts back to headers
void MakeRanking(League& lg);    // append the twenty rows to both texts

// The table's rule, for every table the game shows or tells: a club's row,
// and the twenty rows, given in slot order, put in order (points, then goal
// difference, then slot).
RankRow RowOf(const Team& team);
void OrderTable(RankRow (&rows)[kTeams]);
