// The three data files and the lookups by identifier.
//
// The squad file, the league file and the fixture file are read with the same
// loop: at most M records, stopping at the end of the file. A missing file,
// one that does not scan, or one that breaks the promises the rules rely on
// (data/promises.h) is reported through LoadStatus; nothing is read or
// written beyond a field.
#pragma once

#include <string>
#include <string_view>

#include "data/league.h"
#include "data/promises.h"

// The three data files, read in this order.
inline const char* const kSquadFile = "velmo.dat";
inline const char* const kLeagueFile = "teams.dat";
inline const char* const kFixtureFile = "calendario.dat";

struct LoadStatus {
    bool ok = true;
    std::string message;  // what the player is told when !ok
};

void InitPlayers(League& lg);
void InitCalendario(League& lg);
// Each loader reads its file from `folder` ("" or "." for the working folder).
LoadStatus LoadVelmoTeam(League& lg, const std::string& folder);
LoadStatus LoadAllTeams(League& lg, const std::string& folder);   // 3 draws per team read
LoadStatus LoadCalendario(League& lg, const std::string& folder);
// The same three, reading the file's text from memory.
LoadStatus ReadVelmoTeam(League& lg, std::string_view text);
LoadStatus ReadAllTeams(League& lg, std::string_view text);
LoadStatus ReadCalendario(League& lg, std::string_view text);  // after the league file

// The five clearing and loading steps in their fixed order; stops at the first failure.
LoadStatus LoadLeague(League& lg, const std::string& folder);

// Slot of the first team carrying `id`, copying its name into `name`;
// a miss returns 0 and leaves `name` untouched.
int FindTeam(const League& lg, int id, char* name);
// Index of the first player carrying `number`, copying his surname into `surname`;
// a miss returns 0 and leaves `surname` untouched.
int FindPlayer(const League& lg, int number, char* surname);

// Limits a rating to 1..30.
int LimitRating(int value);

// The first of the three data files in `folder` that cannot be read, with the
// loaders' own message; ok when all three can. Nothing is loaded.
LoadStatus FindDataFiles(const std::string& folder);
