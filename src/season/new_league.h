// The end of a season: the last results shown on the season-end screen and
// the new league that follows it.
#pragma once

#include <string>

#include "data/league.h"
#include "data/loaders.h"

// Shown in the results box of a season that ended before any matchday was
// played (a fixture file without matchdays).
inline const char* const kNoMatchdayPlayed = "No matchday was played.\n";

// Composes textbuffer with the fixtures and results of the last matchday
// played, or kNoMatchdayPlayed when there is none.
void ComposeLastResults(League& lg);

// A new league: matchday back to 0, the squad, the clubs and the fixture list
// cleared and read again from `folder`, every standings counter 0, and no
// opponent prepared yet. Keeps today, the human club's line-up in Velmo and
// everything the screens hold.
LoadStatus StartNewLeague(League& lg, const std::string& folder);
