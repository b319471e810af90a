// The three data files: the squad file "velmo.dat", the league file
// "teams.dat" and the fixture file "calendario.dat".
//
// All three are read by the same loop: at most M records, each read as a
// fixed run of white-space separated fields, stopping at the end of the
// file, so blank lines after the last record add nothing. A field that does
// not scan, or a word longer than its field, stops the loader with a message
// naming the file and the record; nothing is stored beyond a field.
//
// The rules rely on what the files promise (data/promises.h), so a record
// that breaks a promise is refused the same way, with a line saying what is
// wrong. Every other value is taken as read.
#include "data/loaders.h"

#include <cstdlib>
#include <cstring>

#include "data/promises.h"
#include "data/words.h"

namespace {

const char* const kRestore = "Please restore the game's data files.";

std::string PathIn(const std::string& folder, const char* file) {
    if (folder.empty() || folder == ".") return file;
    return folder + "/" + file;
}

LoadStatus Missing(const char* file) {
    return {false, std::string("Impossible to find file '") + file + "'!"};
}

// "'<file>' is damaged near <record> <k + 1>.", then what is wrong when the
// record broke a promise rather than failing to scan.
LoadStatus Damaged(const char* file, const char* record, int k, const std::string& fault = "") {
    std::string message = std::string("'") + file + "' is damaged near " + record + " " +
                          std::to_string(k + 1) + ".\n";
    if (!fault.empty()) message += fault + "\n";
    return {false, message + kRestore};
}

// The fields of a data file in order.
class Fields {
public:
    explicit Fields(std::string_view text) : words_(text) {}

    bool Int(int& value) { return words_.NextInt(value); }

    // False when the word is missing or longer than the field.
    template <int N>
    bool Word(char (&field)[N]) {
        std::string_view word;
        if (!words_.Next(word) || word.size() > static_cast<size_t>(N - 1)) return false;
        // Zeroed first, so that a NUL inside the word stays visible to the
        // promises as a byte before the field's zero padding.
        std::memset(field, 0, N);
        std::memcpy(field, word.data(), word.size());
        return true;
    }

    // Skips the white space after a record, as a scanning format ending in
    // white space does, and tells whether anything is left to read.
    bool MoreToRead() { return !words_.AtEnd(); }

private:
    Words words_;
};

// ---- Scanning one record: false when it does not scan ---------------------

bool ReadPlayer(Fields& in, Player& p) {
    if (!in.Int(p.number) || !in.Word(p.surname) || !in.Word(p.name) || !in.Word(p.role) ||
        !in.Int(p.attr_a) || !in.Int(p.technique) || !in.Int(p.fantasy) || !in.Int(p.condition))
        return false;
    p.technique = LimitRating(p.technique);
    p.fantasy = LimitRating(p.fantasy);
    p.condition = LimitRating(p.condition);
    return true;
}

bool ReadTeam(Fields& in, Team& t) {
    if (!in.Int(t.id) || !in.Word(t.name) || !in.Word(t.badge) || !in.Int(t.keeper))
        return false;
    for (int s = 0; s < kSectors; ++s) {
        if (!in.Int(t.base_technique[s]) || !in.Int(t.base_fantasy[s]) ||
            !in.Int(t.base_condition[s]))
            return false;
    }
    for (int s = 0; s < kSectors; ++s) {
        t.base_technique[s] = LimitRating(t.base_technique[s]);
        t.base_fantasy[s] = LimitRating(t.base_fantasy[s]);
        t.base_condition[s] = LimitRating(t.base_condition[s]);
    }
    return true;
}

bool ReadMatchday(Fields& in, Matchday& m) {
    if (!in.Int(m.number)) return false;
    for (int j = 0; j < kFixtures; ++j) {
        if (!in.Int(m.home[j]) || !in.Int(m.away[j])) return false;
        m.home_goals[j] = 0;
        m.away_goals[j] = 0;
    }
    return true;
}

void ZeroCounters(Team& t) {
    t.points = t.won = t.drawn = t.lost = t.goals_for = t.goals_against = 0;
}

// Reads the file into `text`; false when it cannot be opened or read.
bool ReadDataFile(const std::string& folder, const char* file, std::string& text) {
    return ReadWholeFile(PathIn(folder, file), text) == FileRead::Ok;
}

}  // namespace

int LimitRating(int value) {
    if (value > 30) return 30;
    if (value <= 0) return 1;
    return value;
}

void InitPlayers(League& lg) {
    for (Player& p : lg.players) {
        CopyWord(p.surname, "-");
        CopyWord(p.name, "-");
        CopyWord(p.role, "-");
        p.attr_a = p.technique = p.fantasy = p.condition = 0;
    }
}

void InitCalendario(League& lg) {
    for (Matchday& m : lg.giornata) {
        m.number = -1;
        for (int j = 0; j < kFixtures; ++j) m.home[j] = m.away[j] = -1;
    }
}

LoadStatus ReadVelmoTeam(League& lg, std::string_view text) {
    Fields in(text);
    for (int k = 0; k < kSquadSize && in.MoreToRead(); ++k) {
        Player read = lg.players[k];  // a refused record stores nothing of itself
        if (!ReadPlayer(in, read)) return Damaged(kSquadFile, "player", k);
        const std::string fault = PlayerFault(lg, k, read);
        if (!fault.empty()) return Damaged(kSquadFile, "player", k, fault);
        lg.players[k] = read;
    }
    lg.Velmo.id = kHumanId;
    CopyWord(lg.Velmo.name, "VELMO");
    ZeroCounters(lg.Velmo);
    Team& human = lg.squadra[kHumanId];
    human.id = kHumanId;
    CopyWord(human.name, lg.Velmo.name);
    ZeroCounters(human);
    return {};
}

LoadStatus ReadAllTeams(League& lg, std::string_view text) {
    Fields in(text);
    int k = 0;
    for (; k < kComputerTeams && in.MoreToRead(); ++k) {
        Team read = lg.squadra[k];
        if (!ReadTeam(in, read)) return Damaged(kLeagueFile, "team", k);
        const std::string fault = ClubFault(lg, k, read);
        if (!fault.empty()) return Damaged(kLeagueFile, "team", k, fault);
        Team& t = lg.squadra[k];
        t = read;
        // Three draws per team, before the next team is read.
        for (int s = 0; s < kSectors; ++s) t.fatigue[s] = 25 + (rand() % 7);
        ZeroCounters(t);
    }
    const std::string fault = ClubCountFault(k);
    if (!fault.empty()) return Damaged(kLeagueFile, "team", k, fault);
    return {};
}

LoadStatus ReadCalendario(League& lg, std::string_view text) {
    Fields in(text);
    int k = 0;
    for (; k < kMatchdays && in.MoreToRead(); ++k) {
        Matchday read = lg.giornata[k];
        if (!ReadMatchday(in, read)) return Damaged(kFixtureFile, "matchday", k);
        const std::string fault = MatchdayFault(lg, read);
        if (!fault.empty()) return Damaged(kFixtureFile, "matchday", k, fault);
        lg.giornata[k] = read;
    }
    lg.ngiornate = k;
    const std::string fault = MatchdayCountFault(k);
    if (!fault.empty()) return Damaged(kFixtureFile, "matchday", k, fault);
    return {};
}

LoadStatus LoadVelmoTeam(League& lg, const std::string& folder) {
    std::string text;
    if (!ReadDataFile(folder, kSquadFile, text)) return Missing(kSquadFile);
    return ReadVelmoTeam(lg, text);
}

LoadStatus LoadAllTeams(League& lg, const std::string& folder) {
    std::string text;
    if (!ReadDataFile(folder, kLeagueFile, text)) return Missing(kLeagueFile);
    return ReadAllTeams(lg, text);
}

LoadStatus LoadCalendario(League& lg, const std::string& folder) {
    std::string text;
    if (!ReadDataFile(folder, kFixtureFile, text)) return Missing(kFixtureFile);
    return ReadCalendario(lg, text);
}

LoadStatus LoadLeague(League& lg, const std::string& folder) {
    InitPlayers(lg);
    InitCalendario(lg);
    LoadStatus status = LoadVelmoTeam(lg, folder);
    if (status.ok) status = LoadAllTeams(lg, folder);
    if (status.ok) status = LoadCalendario(lg, folder);
    return status;
}

int FindTeam(const League& lg, int id, char* name) {
    for (int i = 0; i < kTeams; ++i) {
        if (lg.squadra[i].id == id) {
            std::memcpy(name, lg.squadra[i].name, kWordSize);
            return i;
        }
    }
    return 0;
}

int FindPlayer(const League& lg, int number, char* surname) {
    for (int i = 0; i < kSquadSize; ++i) {
        if (lg.players[i].number == number) {
            std::memcpy(surname, lg.players[i].surname, kWordSize);
            return i;
        }
    }
    return 0;
}

LoadStatus FindDataFiles(const std::string& folder) {
    std::string text;
    for (const char* file : {kSquadFile, kLeagueFile, kFixtureFile}) {
        if (!ReadDataFile(folder, file, text)) return Missing(file);
    }
    return {};
}
