// The saved game: one slot, "saved.dat", plain text.
//
// Line 1 the matchdays played; twenty team lines in table order; then each
// played matchday's number and its ten fixtures. Every line ends with a
// blank and a line break.
#pragma once

#include <string>
#include <string_view>

#include "data/durable_file.h"
#include "data/league.h"

// The largest standings counter and fixture score a saved game may hold:
// far beyond any season, far inside the rules' arithmetic.
constexpr int kCounterLimit = 9999;
constexpr int kGoalsLimit = 999;

// The exact text the writer produces (rebuilds the table first).
std::string SavedGameText(League& lg);

struct SaveStatus {
    bool ok = true;
    std::string message;  // "The game has been saved." or what went wrong
};
// Writes the saved game over `path` through a temporary file flushed to the
// disk, so a failed save or a power cut never destroys the previous one.
// A league the reader would refuse (counters grown beyond the limits after
// loading a file edited by hand) is not written either.
SaveStatus SaveGame(League& lg, const std::string& path,
                    const FileCalls& calls = SystemFileCalls());

enum class LoadOutcome { Restored, NoFile, Damaged };
struct RestoreStatus {
    LoadOutcome outcome = LoadOutcome::Restored;
    std::string message;  // the message for the player
};
// Reads and checks the whole file before changing anything; a damaged file
// leaves the league exactly as it was. On success the table is rebuilt and
// the matchdays not yet played lose any goals held in memory.
RestoreStatus LoadSavedGame(League& lg, const std::string& path);
// The same, for the file's text in memory.
RestoreStatus RestoreSavedGame(League& lg, std::string_view text);
