// The finished seasons: one line each in "history.dat", beside the saved game.
//
// A line holds eight whole numbers and the champion's name, separated by
// blanks, and ends with a line break: the season's number (1 or more), the
// human club's final position (1..20), its points, won, drawn, lost, goals
// for and goals against (0..9999, as a saved game keeps them), then the
// champion's name (a word of at most 19 characters). A file holding anything
// else, a blank line or a last line without its line break (a file cut
// short) included, does not scan: it is shown nowhere and never overwritten.
// The new file is the old one's bytes and one more line, written durably,
// and only when the reader accepts it, so every file written is read back.
#include "season/history.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "data/savegame.h"
#include "data/words.h"
#include "season/standings.h"

namespace {

constexpr const char* kHistoryFile = "history.dat";
constexpr int kSeasonLimit = 999999;  // far beyond any player's seasons, far inside an int

const char* const kNotRecorded = "The season could not be recorded. \n";

bool Within(int value, int low, int high) { return value >= low && value <= high; }

// One line without its line break; false when it does not scan.
bool ParseLine(std::string_view line, SeasonRecord& record) {
    Words words(line);
    int* const numbers[] = {&record.number,    &record.position, &record.points,
                            &record.won,       &record.drawn,    &record.lost,
                            &record.goals_for, &record.goals_against};
    for (int* number : numbers)
        if (!words.NextInt(*number)) return false;
    std::string_view champion;
    if (!words.Next(champion) || !FitsField(champion, kWordSize) || !words.AtEnd()) return false;
    record.champion = std::string(champion);
    if (!Within(record.number, 1, kSeasonLimit) || !Within(record.position, 1, kTeams)) return false;
    for (int i = 2; i < 8; ++i)
        if (!Within(*numbers[i], 0, kCounterLimit)) return false;
    return true;
}

// The history at `path` and the file's bytes in `text`.
History ReadHistoryText(const std::string& path, std::string& text) {
    switch (ReadWholeFile(path, text)) {
        case FileRead::Ok:
            return ParseHistory(text);
        case FileRead::CannotOpen: {
            // Only a file that is not there is an empty history: one that
            // cannot be opened must not be replaced by a new one.
            struct stat info;
            text.clear();
            if (lstat(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR)) return {};
            break;
        }
        case FileRead::CannotRead:
            break;
    }
    History damaged;
    damaged.damaged = true;
    return damaged;
}

// The same season but for its number.
bool SameSeason(const SeasonRecord& a, const SeasonRecord& b) {
    return a.position == b.position && a.points == b.points && a.won == b.won &&
           a.drawn == b.drawn && a.lost == b.lost && a.goals_for == b.goals_for &&
           a.goals_against == b.goals_against && a.champion == b.champion;
}

RecordStatus NotRecorded(const std::string& why) { return {false, false, kNotRecorded + why}; }

std::string FolderName(const std::string& path) {
    const std::string folder = FolderOf(path);
    return folder == "." ? "the working folder" : folder;
}

}  // namespace

SeasonRecord RecordOf(const League& lg) {
    RankRow rows[kTeams];
    for (int slot = 0; slot < kTeams; ++slot) rows[slot] = RowOf(lg.squadra[slot]);
    OrderTable(rows);
    SeasonRecord record;
    record.champion = rows[0].name;
    for (int place = 0; place < kTeams; ++place) {
        const RankRow& row = rows[place];
        if (row.id != kHumanId) continue;
        record.position = place + 1;
        record.points = row.points;
        record.won = row.won;
        record.drawn = row.drawn;
        record.lost = row.lost;
        record.goals_for = row.goals_for;
        record.goals_against = row.goals_against;
    }
    return record;
}

std::string HistoryLine(const SeasonRecord& r) {
    char numbers[128];
    std::snprintf(numbers, sizeof numbers, "%d %d %d %d %d %d %d %d ", r.number, r.position,
                  r.points, r.won, r.drawn, r.lost, r.goals_for, r.goals_against);
    return numbers + r.champion + "\n";
}

History ParseHistory(std::string_view text) {
    History history;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        SeasonRecord record;
        if (end == std::string_view::npos || !ParseLine(text.substr(start, end - start), record)) {
            history.damaged = true;
            history.seasons.clear();
            return history;
        }
        history.seasons.push_back(record);
        start = end + 1;
    }
    return history;
}

History ReadHistory(const std::string& path) {
    std::string text;
    return ReadHistoryText(path, text);
}

std::string HistoryPath(const GameFolders& folders) {
    if (folders.saved_game.empty()) return "";
    return (std::filesystem::path(folders.saved_game).parent_path() / kHistoryFile).string();
}

RecordStatus RecordSeason(const League& lg, const std::string& path, const FileCalls& calls) {
    if (path.empty()) return NotRecorded("There is no folder to keep it in: HOME is not set.");
    std::string text;
    const History history = ReadHistoryText(path, text);
    if (history.damaged) {
        return NotRecorded("The season history " + path + " \nis damaged: it was left as it is.");
    }
    SeasonRecord record = RecordOf(lg);
    if (!history.seasons.empty() && SameSeason(history.seasons.back(), record)) return {};
    record.number = history.seasons.empty() ? 1 : history.seasons.back().number + 1;
    text += HistoryLine(record);
    if (ParseHistory(text).damaged) {
        return NotRecorded("The season's counts are beyond what the history can keep.");
    }
    // The player's own folder may not exist yet when no game was saved.
    const std::string fault = MakeFolderOf(path);
    if (!fault.empty()) {
        return NotRecorded("The folder " + FolderOf(path) + " \ncould not be made: " + fault + ".");
    }
    if (!ReplaceFileDurably(path, text, calls)) {
        return NotRecorded("Check that " + FolderName(path) +
                           " can be written and the disk is not full.");
    }
    return {true, true, ""};
}

std::vector<SeasonRecord> LastSeasons(const History& history, int count) {
    const size_t shown = std::min(history.seasons.size(), static_cast<size_t>(std::max(count, 0)));
    return {history.seasons.end() - shown, history.seasons.end()};
}

int BestPosition(const std::vector<SeasonRecord>& seasons) {
    int best = 0;
    for (const SeasonRecord& season : seasons)
        if (best == 0 || season.position < best) best = season.position;
    return best;
}
