// The saved game: one slot, "saved.dat", plain text.
//
// Line 1 the matchdays played; twenty team lines in table order; then each
// played matchday's number and its ten fixtures. Every line ends with a
// blank and a line break.
#pragma once

#include <string>

#include "data/league.h"

// The exact text the writer produces (rebuilds the table first).
std::string SavedGameText(League& lg);

struct SaveStatus {
    bool ok = true;
    std::string message;  // "The game has been saved." or what went wrong
};
// Writes a temporary file beside `path` and renames it over `path`,
// so a failed save never destroys the previous one.
SaveStatus SaveGame(League& lg, const std::string& path);

enum class LoadOutcome { Restored, NoFile, Damaged };
struct RestoreStatus {
    LoadOutcome outcome = LoadOutcome::Restored;
    std::string message;  // the message for the player
};
// Reads and checks the whole file before changing anything; a damaged file
// leaves the league exactly as it was. On success the table is rebuilt.
RestoreStatus LoadSavedGame(League& lg, const std::string& path);
