// The saved game: one slot, plain text.
//
//   "%d \n"                         matchdays played, N (0..38)
//   "%s %d %d %d %d %d %d %d \n"    x20, table order: name points won drawn
//                                   lost goals_for goals_against id
//   "%d \n" + "%d %d %d %d \n" x10  for each played matchday i < N: its
//                                   number, then home away home_goals away_goals
//
// Writing goes to a temporary file flushed to the disk and renamed over the
// old one, so a full disk, a crash or a power cut never destroys the
// previous save. Reading checks the whole file in a scratch copy before
// anything in the league changes: a count outside 0..38, a field that does
// not scan, a name longer than its field, a team identifier no club carries
// or that appears twice, standings counters outside 0..9999, scores outside
// 0..999, a matchday that breaks the fixture file's promises
// (data/promises.h), a file that ends early, and anything after the last
// matchday block (a file edited by hand or glued to another) are all
// refused and leave the running game untouched. Every file the writer
// produces, the reader accepts: the writer checks so before it writes.
#include "data/savegame.h"

#include <initializer_list>
#include <string>

#include "data/promises.h"
#include "data/words.h"
#include "season/standings.h"

namespace {

constexpr int kCounters = 6;  // points won drawn lost goals_for goals_against

const char* const kSaved = "The game has been saved.";
// What to check when the file could not be written where it belongs.
std::string NotSaved(const std::string& path) {
    const std::string folder = FolderOf(path);
    return "The game could not be saved. \nCheck that " +
           (folder == "." ? "the working folder" : folder) +
           " can be written and the disk is not full.";
}
const char* const kNotSavable =
    "The game could not be saved. \n"
    "The standings hold counts a saved game cannot keep.";
const char* const kNoSave = "There are no saved games to restore!";
const char* const kRestored = "The saved game was successfully restored.";
const char* const kDamaged = "The saved game is damaged and was not loaded. \n";

std::string Line(std::initializer_list<int> values) {
    std::string text;
    for (int v : values) text += std::to_string(v) + " ";
    return text + "\n";
}

bool Within(int value, int limit) { return value >= 0 && value <= limit; }

// ---- Reading -------------------------------------------------------------

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

// One team line as read: the slot it belongs to and its six counters.
struct SavedTeam {
    int slot = 0;
    int counters[kCounters] = {};
};

// The whole file, checked, before it is applied.
struct SavedGame {
    int matchday = 0;
    SavedTeam teams[kTeams];
    Matchday days[kMatchdays];
};

// What is wrong with a part of the file whose int field failed to read.
std::string ScanFault(const Words& words, const std::string& part) {
    return words.Ended() ? "The file ends inside " + part + "."
                         : Capitalised(part) + " does not scan.";
}

// Reads team line `line` (counted from 1) into `team`; an empty string when
// it is sound, else what is wrong.
std::string ReadTeamLine(Words& words, const League& lg, const bool (&seen)[kTeams], int line,
                         SavedTeam& team) {
    const std::string part = "team line " + std::to_string(line);
    std::string_view name;
    if (!words.Next(name)) return "The file ends before " + part + ".";
    if (name.size() >= static_cast<size_t>(kWordSize)) {
        return Capitalised(part) + " has a name longer than " + std::to_string(kWordSize - 1) +
               " characters.";
    }
    for (int& counter : team.counters) {
        if (!words.NextInt(counter)) return ScanFault(words, part);
    }
    int id = 0;
    if (!words.NextInt(id)) return ScanFault(words, part);
    for (int counter : team.counters) {
        if (!Within(counter, kCounterLimit))
            return Capitalised(part) + " has a count outside 0.." + std::to_string(kCounterLimit) + ".";
    }
    team.slot = ClubSlot(lg, id);
    if (team.slot < 0) {
        return Capitalised(part) + " names team identifier " + std::to_string(id) +
               ", which no club carries.";
    }
    if (seen[team.slot]) return "Team identifier " + std::to_string(id) + " appears twice.";
    return "";
}

// Reads matchday block `day` (counted from 1) into `md`; an empty string
// when it is sound, else what is wrong. A saved matchday keeps the fixture
// file's promises.
std::string ReadMatchday(Words& words, const League& lg, int day, Matchday& md) {
    const std::string part = "matchday " + std::to_string(day);
    if (!words.NextInt(md.number)) return ScanFault(words, part);
    for (int j = 0; j < kFixtures; ++j) {
        if (!words.NextInt(md.home[j]) || !words.NextInt(md.away[j]) ||
            !words.NextInt(md.home_goals[j]) || !words.NextInt(md.away_goals[j])) {
            return ScanFault(words, part);
        }
        if (!Within(md.home_goals[j], kGoalsLimit) || !Within(md.away_goals[j], kGoalsLimit))
            return Capitalised(part) + " has a score outside 0.." + std::to_string(kGoalsLimit) + ".";
    }
    const std::string fault = MatchdayFault(lg, md);
    return fault.empty() ? "" : Capitalised(part) + ": " + fault;
}

// Parses and checks the whole text into `game`; an empty string when sound,
// else what is wrong.
std::string ReadSavedGame(std::string_view text, const League& lg, SavedGame& game) {
    Words words(text);
    if (!words.NextInt(game.matchday)) return "The count of matchdays played does not scan.";
    if (game.matchday < 0 || game.matchday > kMatchdays) {
        return "The count of matchdays played is not between 0 and 38.";
    }
    bool seen[kTeams] = {};
    for (int line = 0; line < kTeams; ++line) {
        const std::string fault = ReadTeamLine(words, lg, seen, line + 1, game.teams[line]);
        if (!fault.empty()) return fault;
        seen[game.teams[line].slot] = true;
    }
    for (int i = 0; i < game.matchday; ++i) {
        const std::string fault = ReadMatchday(words, lg, i + 1, game.days[i]);
        if (!fault.empty()) return fault;
    }
    if (!words.AtEnd()) return "The file goes on after its last matchday.";
    return "";
}

void ApplySavedGame(League& lg, const SavedGame& game) {
    lg.matchday = game.matchday;
    for (const SavedTeam& saved : game.teams) {
        Team& team = lg.squadra[saved.slot];
        // The name stays the club's current one: lines are matched by identifier.
        team.points = saved.counters[0];
        team.won = saved.counters[1];
        team.drawn = saved.counters[2];
        team.lost = saved.counters[3];
        team.goals_for = saved.counters[4];
        team.goals_against = saved.counters[5];
    }
    for (int i = 0; i < game.matchday; ++i) lg.giornata[i] = game.days[i];
    // The matchdays the loaded season has not played yet have no results,
    // whatever the running game had played.
    for (int i = game.matchday; i < kMatchdays; ++i) {
        for (int j = 0; j < kFixtures; ++j) {
            lg.giornata[i].home_goals[j] = 0;
            lg.giornata[i].away_goals[j] = 0;
        }
    }
    UpdateRanking(lg);
}

}  // namespace

std::string SavedGameText(League& lg) {
    std::string text = Line({lg.matchday});
    UpdateRanking(lg);
    for (const RankRow& row : lg.classifica) {
        text += row.name;
        text += " " + Line({row.points, row.won, row.drawn, row.lost, row.goals_for,
                            row.goals_against, row.id});
    }
    const int played = lg.matchday < kMatchdays ? lg.matchday : kMatchdays;
    for (int i = 0; i < played; ++i) {
        const Matchday& md = lg.giornata[i];
        text += Line({md.number});
        for (int j = 0; j < kFixtures; ++j) {
            text += Line({md.home[j], md.away[j], md.home_goals[j], md.away_goals[j]});
        }
    }
    return text;
}

SaveStatus SaveGame(League& lg, const std::string& path, const FileCalls& calls) {
    const std::string text = SavedGameText(lg);
    SavedGame check;
    if (!ReadSavedGame(text, lg, check).empty()) return {false, kNotSavable};
    if (!ReplaceFileDurably(path, text, calls)) return {false, NotSaved(path)};
    return {true, kSaved};
}

RestoreStatus RestoreSavedGame(League& lg, std::string_view text) {
    SavedGame game;
    const std::string fault = ReadSavedGame(text, lg, game);
    if (!fault.empty()) return {LoadOutcome::Damaged, kDamaged + fault};
    ApplySavedGame(lg, game);
    return {LoadOutcome::Restored, kRestored};
}

RestoreStatus LoadSavedGame(League& lg, const std::string& path) {
    std::string text;
    switch (ReadWholeFile(path, text)) {
        case FileRead::CannotOpen:
            return {LoadOutcome::NoFile, kNoSave};
        case FileRead::CannotRead:
            return {LoadOutcome::Damaged, std::string(kDamaged) + "The file cannot be read."};
        case FileRead::Ok:
            break;
    }
    return RestoreSavedGame(lg, text);
}
