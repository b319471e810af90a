// The league table: rows ordered by points, goal difference, slot; and its two texts.
#pragma once

#include "data/league.h"

void UpdateRanking(League& lg);  // rebuild and order classifica; texts back to headers
void MakeRanking(League& lg);    // append the twenty rows to both texts
