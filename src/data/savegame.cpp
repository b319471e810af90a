// The saved game: one slot, plain text.
//
//   "%d \n"                         matchdays played, N (0..38)
//   "%s %d %d %d %d %d %d %d \n"    x20, table order: name points won drawn
//                                   lost goals_for goals_against id
//   "%d \n" + "%d %d %d %d \n" x10  for each played matchday i < N: its
//                                   number, then home away home_goals away_goals
//
// Writing goes to a temporary file renamed over the old one, so a full disk
// or a crash never destroys the previous save. Reading checks the whole file
// in a scratch copy before anything in the league changes: a count outside
// 0..38, a field that does not scan, a name longer than its field, a team
// identifier no club carries or that appears twice, a file that ends early,
// and anything after the last matchday block (a file edited by hand or
// glued to another) are all refused and leave the running game untouched.
#include "data/savegame.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "data/loaders.h"
#include "season/standings.h"

namespace {

constexpr int kCounters = 6;  // points won drawn lost goals_for goals_against

const char* const kSaved = "The game has been saved.";
const char* const kNotSaved =
    "The game could not be saved. \n"
    "Check that the game folder can be written and the disk is not full.";
const char* const kNoSave = "There are no saved games to restore!";
const char* const kRestored = "The saved game was successfully restored.";
const char* const kDamaged = "The saved game is damaged and was not loaded. \n";

std::string Line(std::initializer_list<int> values) {
    std::string text;
    for (int v : values) text += std::to_string(v) + " ";
    return text + "\n";
}

// ---- Reading -------------------------------------------------------------

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

// Splits the text into blank-separated words; blanks and line breaks alike.
class Words {
public:
    explicit Words(const std::string& text) : text_(text) {}

    // The next word, or false at the end of the text.
    bool Next(std::string& word) {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
        if (pos_ == text_.size()) return false;
        const size_t start = pos_;
        while (pos_ < text_.size() && !IsBlank(text_[pos_])) ++pos_;
        word = text_.substr(start, pos_ - start);
        return true;
    }

    // The next word as a whole decimal int; false if it is missing (Ended()
    // tells) or does not scan.
    bool NextInt(int& value) {
        std::string word;
        ended_ = !Next(word);
        if (ended_) return false;
        errno = 0;
        char* end = nullptr;
        const long v = std::strtol(word.c_str(), &end, 10);
        if (end != word.c_str() + word.size() || errno == ERANGE || v < INT_MIN || v > INT_MAX) {
            return false;
        }
        value = static_cast<int>(v);
        return true;
    }

    bool Ended() const { return ended_; }

    bool AtEnd() {
        std::string word;
        return !Next(word);
    }

private:
    static bool IsBlank(char c) {
        return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\v' || c == '\f';
    }
    const std::string& text_;
    size_t pos_ = 0;
    bool ended_ = false;  // the last NextInt found no word at all
};

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
    std::string name;
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
    char unused[kWordSize] = {};
    team.slot = FindTeam(lg, id, unused);
    if (lg.squadra[team.slot].id != id) {
        return Capitalised(part) + " names team identifier " + std::to_string(id) +
               ", which no club carries.";
    }
    if (seen[team.slot]) return "Team identifier " + std::to_string(id) + " appears twice.";
    return "";
}

// Reads matchday block `day` (counted from 1) into `md`; an empty string
// when it is sound, else what is wrong.
std::string ReadMatchday(Words& words, int day, Matchday& md) {
    const std::string part = "matchday " + std::to_string(day);
    if (!words.NextInt(md.number)) return ScanFault(words, part);
    for (int j = 0; j < kFixtures; ++j) {
        if (!words.NextInt(md.home[j]) || !words.NextInt(md.away[j]) ||
            !words.NextInt(md.home_goals[j]) || !words.NextInt(md.away_goals[j])) {
            return ScanFault(words, part);
        }
    }
    return "";
}

// Parses and checks the whole text into `game`; an empty string when sound,
// else what is wrong.
std::string ReadSavedGame(const std::string& text, const League& lg, SavedGame& game) {
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
        const std::string fault = ReadMatchday(words, i + 1, game.days[i]);
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
    UpdateRanking(lg);
}

// The rest of an open file into `text`, closing it; false on a read error.
bool ReadWholeFile(FILE* file, std::string& text) {
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

// ---- Writing -------------------------------------------------------------

// Writes `text` to a new file `path`; false on any failure (open, write,
// flush, close), and then the half-written file is removed again.
bool WriteNewFile(const std::string& path, const std::string& text) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;  // nothing was created
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = (std::fflush(file) == 0) && ok;
    ok = (std::fclose(file) == 0) && ok;
    if (!ok) std::remove(path.c_str());
    return ok;
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

SaveStatus SaveGame(League& lg, const std::string& path) {
    const std::string temp = path + ".tmp";
    if (!WriteNewFile(temp, SavedGameText(lg))) return {false, kNotSaved};
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return {false, kNotSaved};
    }
    return {true, kSaved};
}

RestoreStatus LoadSavedGame(League& lg, const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return {LoadOutcome::NoFile, kNoSave};
    std::string text;
    if (!ReadWholeFile(file, text)) {
        return {LoadOutcome::Damaged, std::string(kDamaged) + "The file cannot be read."};
    }
    SavedGame game;
    const std::string fault = ReadSavedGame(text, lg, game);
    if (!fault.empty()) return {LoadOutcome::Damaged, kDamaged + fault};
    ApplySavedGame(lg, game);
    return {LoadOutcome::Restored, kRestored};
}
