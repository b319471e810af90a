// What the rules rely on in a league, stated once. The data loaders and the
// saved-game reader ask these checks before they store a record, and the
// tests and fuzz targets use them as their oracle, so a promise added here
// holds at every door:
//   squad     player numbers above 0, each carried by one player;
//   clubs     nineteen, identifiers distinct and none of them 19 (the human
//             club's), keeper ratings within -999..999, so the sums of a
//             line-up stay far inside an int;
//   fixtures  at least one matchday; each numbered 0 or above (-1 marks an
//             empty record in memory) and listing each of the twenty clubs
//             once, by identifiers that clubs carry;
//   words     no control byte (a NUL, an escape...).
// Every check gives "" when its promise holds, else one sentence saying
// what is wrong.
#pragma once

#include <string>

#include "data/league.h"

constexpr int kKeeperLimit = 999;

// Player `p`, to be stored in squad row k, against rows 0..k-1.
std::string PlayerFault(const League& lg, int k, const Player& p);
// Club `t`, to be stored in slot k, against slots 0..k-1.
std::string ClubFault(const League& lg, int k, const Team& t);
// A league file that ended after `clubs` clubs.
std::string ClubCountFault(int clubs);
// A matchday, against the clubs of the league.
std::string MatchdayFault(const League& lg, const Matchday& md);
// A fixture file that held `matchdays` matchdays.
std::string MatchdayCountFault(int matchdays);

// The slot of the club carrying `id`: 19 for the human club, else one of the
// league file's slots; -1 when no club carries it.
int ClubSlot(const League& lg, int id);

// Every promise of a league as the loaders leave it, the first broken one
// named: the squad rows that hold a player, the nineteen clubs and the
// `ngiornate` matchdays read.
std::string LeagueFault(const League& lg);
