// The three data files: the squad file "velmo.dat", the league file
// "teams.dat" and the fixture file "calendario.dat".
//
// All three are read by the same loop: at most M records, each read as a
// fixed run of white-space separated fields, stopping at the end of the
// file, so blank lines after the last record add nothing. A field that does
// not scan, or a word longer than its field, stops the loader with a message
// naming the file and the record; nothing is stored beyond a field.
#include "data/loaders.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr int kTokenMax = 64;

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

std::string PathIn(const std::string& folder, const char* file) {
    if (folder.empty() || folder == ".") return file;
    return folder + "/" + file;
}

LoadStatus Missing(const char* file) {
    return {false, std::string("Impossible to find file '") + file + "'!"};
}

LoadStatus Damaged(const char* file, const char* record, int k) {
    return {false, std::string("'") + file + "' is damaged near " + record + " " +
                       std::to_string(k + 1) + ".\nPlease restore the game's data files."};
}

// Reads one white-space separated token; false at the end of the file or
// when the token is longer than kTokenMax - 1 characters.
bool ReadToken(FILE* f, char (&token)[kTokenMax], int* length) {
    int c = std::fgetc(f);
    while (c != EOF && std::isspace(c)) c = std::fgetc(f);
    int n = 0;
    while (c != EOF && !std::isspace(c)) {
        if (n == kTokenMax - 1) return false;
        token[n++] = static_cast<char>(c);
        c = std::fgetc(f);
    }
    token[n] = '\0';
    *length = n;
    return n > 0;
}

bool ReadInt(FILE* f, int* value) {
    char token[kTokenMax];
    int length = 0;
    if (!ReadToken(f, token, &length)) return false;
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(token, &end, 10);
    if (end != token + length || errno == ERANGE || v < -2147483647L || v > 2147483647L)
        return false;
    *value = static_cast<int>(v);
    return true;
}

template <int N>
bool ReadWord(FILE* f, char (&field)[N]) {
    char token[kTokenMax];
    int length = 0;
    if (!ReadToken(f, token, &length) || length > N - 1) return false;
    std::memcpy(field, token, static_cast<size_t>(length) + 1);
    return true;
}

// Skips the white space after a record, as a scanning format ending in
// white space does, and tells whether anything is left to read.
bool MoreToRead(FILE* f) {
    int c = std::fgetc(f);
    while (c != EOF && std::isspace(c)) c = std::fgetc(f);
    if (c == EOF) return false;
    std::ungetc(c, f);
    return true;
}

bool ReadPlayer(FILE* f, Player& p) {
    Player read = p;
    if (!ReadInt(f, &read.number) || !ReadWord(f, read.surname) || !ReadWord(f, read.name) ||
        !ReadWord(f, read.role) || !ReadInt(f, &read.attr_a) || !ReadInt(f, &read.technique) ||
        !ReadInt(f, &read.fantasy) || !ReadInt(f, &read.condition))
        return false;
    read.technique = LimitRating(read.technique);
    read.fantasy = LimitRating(read.fantasy);
    read.condition = LimitRating(read.condition);
    p = read;
    return true;
}

bool ReadTeam(FILE* f, Team& t) {
    Team read = t;
    if (!ReadInt(f, &read.id) || !ReadWord(f, read.name) || !ReadWord(f, read.badge) ||
        !ReadInt(f, &read.keeper))
        return false;
    for (int s = 0; s < kSectors; ++s) {
        if (!ReadInt(f, &read.base_technique[s]) || !ReadInt(f, &read.base_fantasy[s]) ||
            !ReadInt(f, &read.base_condition[s]))
            return false;
    }
    for (int s = 0; s < kSectors; ++s) {
        read.base_technique[s] = LimitRating(read.base_technique[s]);
        read.base_fantasy[s] = LimitRating(read.base_fantasy[s]);
        read.base_condition[s] = LimitRating(read.base_condition[s]);
    }
    t = read;
    return true;
}

bool ReadMatchday(FILE* f, Matchday& m) {
    Matchday read = m;
    if (!ReadInt(f, &read.number)) return false;
    for (int j = 0; j < kFixtures; ++j) {
        if (!ReadInt(f, &read.home[j]) || !ReadInt(f, &read.away[j])) return false;
        read.home_goals[j] = 0;
        read.away_goals[j] = 0;
    }
    m = read;
    return true;
}

void ZeroCounters(Team& t) {
    t.points = t.won = t.drawn = t.lost = t.goals_for = t.goals_against = 0;
}

bool TeamExists(const League& lg, int id) {
    if (id == kHumanId) return true;
    for (const Team& t : lg.squadra)
        if (t.id == id) return true;
    return false;
}

// The first identifier of a matchday that no club carries, or kHumanId when
// every one is known.
int UnknownTeamIn(const League& lg, const Matchday& m) {
    for (int j = 0; j < kFixtures; ++j) {
        if (!TeamExists(lg, m.home[j])) return m.home[j];
        if (!TeamExists(lg, m.away[j])) return m.away[j];
    }
    return kHumanId;
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

LoadStatus LoadVelmoTeam(League& lg, const std::string& folder) {
    File f(std::fopen(PathIn(folder, "velmo.dat").c_str(), "r"));
    if (!f) return Missing("velmo.dat");
    for (int k = 0; k < kSquadSize && MoreToRead(f.get()); ++k) {
        if (!ReadPlayer(f.get(), lg.players[k])) return Damaged("velmo.dat", "player", k);
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

LoadStatus LoadAllTeams(League& lg, const std::string& folder) {
    File f(std::fopen(PathIn(folder, "teams.dat").c_str(), "r"));
    if (!f) return Missing("teams.dat");
    for (int k = 0; k < kComputerTeams && MoreToRead(f.get()); ++k) {
        Team& t = lg.squadra[k];
        if (!ReadTeam(f.get(), t)) return Damaged("teams.dat", "team", k);
        // Three draws per team, before the next team is read.
        for (int s = 0; s < kSectors; ++s) t.fatigue[s] = 25 + (rand() % 7);
        ZeroCounters(t);
    }
    return {};
}

LoadStatus LoadCalendario(League& lg, const std::string& folder) {
    File f(std::fopen(PathIn(folder, "calendario.dat").c_str(), "r"));
    if (!f) return Missing("calendario.dat");
    int k = 0;
    for (; k < kMatchdays && MoreToRead(f.get()); ++k) {
        if (!ReadMatchday(f.get(), lg.giornata[k])) return Damaged("calendario.dat", "matchday", k);
    }
    lg.ngiornate = k;
    for (int d = 0; d < k; ++d) {
        int unknown = UnknownTeamIn(lg, lg.giornata[d]);
        if (unknown != kHumanId)
            return {false, "'calendario.dat' is damaged near matchday " + std::to_string(d + 1) +
                               ": no club carries the identifier " + std::to_string(unknown) +
                               ".\nPlease restore the game's data files."};
    }
    return {};
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
