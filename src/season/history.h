// The finished seasons kept for the player: "history.dat" beside the saved
// game, one line a season,
//   "%d %d %d %d %d %d %d %d %s\n"
//   number, the human club's final position, points, won, drawn, lost,
//   goals for, goals against, the champion's name.
// The first season recorded is number 1, each later one the last line's
// number plus one. A finished season equal to the last one recorded but for
// its number (a finished save loaded twice) is not recorded again. The file
// is replaced durably (temporary file, flush, rename, flush of the folder);
// a file that does not scan is never overwritten.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/durable_file.h"
#include "data/game_folders.h"
#include "data/league.h"

struct SeasonRecord {
    int number = 0;
    int position = 0;  // the human club's final position, 1..20
    int points = 0, won = 0, drawn = 0, lost = 0, goals_for = 0, goals_against = 0;
    std::string champion;
};

// The finished season in `lg` (its number left 0), from the final table.
SeasonRecord RecordOf(const League& lg);
// Its line in the file, "\n" included.
std::string HistoryLine(const SeasonRecord& record);

struct History {
    bool damaged = false;              // a line does not scan: nothing is shown or written
    std::vector<SeasonRecord> seasons;  // in file order, oldest first
};
History ParseHistory(std::string_view text);
// The last `count` seasons of the history, oldest first, and the best final
// position among them (0 when there are none): the finish the History screen marks.
std::vector<SeasonRecord> LastSeasons(const History& history, int count);
int BestPosition(const std::vector<SeasonRecord>& seasons);
// A missing file is an empty history; one that cannot be read is damaged.
History ReadHistory(const std::string& path);

// "history.dat" in the folder of the saved game; "" when there is nowhere to keep it.
std::string HistoryPath(const GameFolders& folders);

// Shown in place of the past seasons when the file does not scan.
inline const char* const kHistoryDamaged = "The season history is damaged and is not shown.";

struct RecordStatus {
    bool ok = true;        // recorded, or rightly not recorded again
    bool recorded = false;  // a line was added
    std::string message;   // when !ok: what the player is told
};
// Records the finished season in `lg` in the history file at `path`: a new
// line numbered after the last one, unless the last one is the same season.
// The folder of `path` (the player's own, when no game was saved yet) and
// any missing parent are made, readable by their owner only, when a line is
// to be written. A damaged file is left as it is and the status says so, as
// it does when the file cannot be written.
RecordStatus RecordSeason(const League& lg, const std::string& path,
                          const FileCalls& calls = SystemFileCalls());
