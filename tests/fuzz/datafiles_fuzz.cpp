// The three data files read in the game's order. A refused file gives the
// damaged-file message; an accepted league keeps every promise the rules
// rely on; then a few seeded matchdays played, saved, loaded on a fresh copy
// of the same league and saved again give the same bytes.
//
// The input is the squad file, the league file and the fixture file
// separated by NUL bytes (which no data file may hold), then optionally a
// NUL and a tail: the number of matchdays to play (its first byte, modulo
// 8) and the seed (the next four bytes, little-endian).
#include "data/savegame.h"
#include "fuzz_common.h"

namespace {

struct Input {
    std::string_view files[3];
    int matchdays = 3;
    unsigned seed = 1;
};

bool Split(std::string_view text, Input& input) {
    for (int f = 0; f < 3; ++f) {
        const size_t nul = text.find('\0');
        if (nul == std::string_view::npos && f < 2) return false;
        input.files[f] = text.substr(0, nul);
        text.remove_prefix(nul == std::string_view::npos ? text.size() : nul + 1);
    }
    if (!text.empty()) input.matchdays = static_cast<unsigned char>(text[0]) % 8;
    if (text.size() >= 5) {
        input.seed = 0;
        for (int b = 4; b >= 1; --b) input.seed = input.seed << 8 | static_cast<unsigned char>(text[b]);
    }
    return true;
}

// "'<file>' is damaged near <record> <n>." with n in 1..limit, then the
// closing line of every damaged data file.
bool DamagedMessage(const std::string& message, const std::string& start, int limit) {
    const std::string end = "\nPlease restore the game's data files.";
    if (message.rfind(start, 0) != 0 || message.size() < end.size() ||
        message.compare(message.size() - end.size(), end.size(), end) != 0)
        return false;
    const int n = std::atoi(message.c_str() + start.size());
    return n >= 1 && n <= limit;
}

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

// What the rules trust in the clubs beyond their promises, checked before
// the fixture file is read: a fixture file lists each club by the first
// slot carrying its identifier, so it would hide a club carrying a repeated
// one or the human club's.
void CheckClubs(const League& lg) {
    for (int k = 0; k < kComputerTeams; ++k) {
        const Team& t = lg.squadra[k];
        FUZZ_CHECK(ClubFault(lg, k, t).empty() && t.name[0] != '\0');
        for (int s = 0; s < kSectors; ++s) {
            for (int rating : {t.base_technique[s], t.base_fantasy[s], t.base_condition[s]})
                FUZZ_CHECK(InRange(rating, 1, 30));
            FUZZ_CHECK(InRange(t.fatigue[s], 25, 31));  // drawn as the club was read
        }
    }
}

// The rest of what the rules trust in a whole league, beyond its promises.
void CheckLeague(const League& lg) {
    FUZZ_CHECK(LeagueFault(lg).empty());
    for (const Player& p : lg.players) {
        // Rows not in the file stay cleared, number 0 and ratings 0.
        for (int rating : {p.technique, p.fantasy, p.condition})
            FUZZ_CHECK(InRange(rating, 0, 30) && (rating == 0) == (p.number == 0));
    }
    FUZZ_CHECK(lg.squadra[kHumanId].id == kHumanId && std::strcmp(lg.Velmo.name, "VELMO") == 0);
    FUZZ_CHECK(InRange(lg.ngiornate, 1, kMatchdays));
    for (int d = 0; d < kMatchdays; ++d) {
        const Matchday& md = lg.giornata[d];
        for (int j = 0; j < kFixtures; ++j) {
            FUZZ_CHECK(md.home_goals[j] == 0 && md.away_goals[j] == 0);
            if (d >= lg.ngiornate) FUZZ_CHECK(md.number == -1 && md.home[j] == -1 && md.away[j] == -1);
        }
    }
}

// The three files in the game's order, each with the start of the message
// refusing it and the number of records it may hold.
struct DataFile {
    LoadStatus (*read)(League&, std::string_view);
    const char* damaged;
    int records;
};
const DataFile kDataFiles[3] = {{ReadVelmoTeam, "'velmo.dat' is damaged near player ", kSquadSize},
                                {ReadAllTeams, "'teams.dat' is damaged near team ", kComputerTeams},
                                {ReadCalendario, "'calendario.dat' is damaged near matchday ", kMatchdays}};

// The five loading steps over the three texts, checked; false when a file is refused.
bool Load(League& lg, const Input& input) {
    std::srand(input.seed);
    InitPlayers(lg);
    InitCalendario(lg);
    for (int f = 0; f < 3; ++f) {
        const LoadStatus status = kDataFiles[f].read(lg, input.files[f]);
        if (!status.ok) {
            FUZZ_CHECK(DamagedMessage(status.message, kDataFiles[f].damaged, kDataFiles[f].records));
            return false;
        }
        if (f == 1) CheckClubs(lg);
    }
    CheckLeague(lg);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input input;
    if (!Split(AsText(data, size), input)) return 0;
    auto lg = std::make_unique<League>();
    if (!Load(*lg, input)) return 0;
    PlayMatchdays(*lg, input.matchdays);
    const std::string saved = SavedGameText(*lg);

    auto fresh = std::make_unique<League>();
    FUZZ_CHECK(Load(*fresh, input));
    FUZZ_CHECK(RestoreSavedGame(*fresh, saved).outcome == LoadOutcome::Restored);
    FUZZ_CHECK(LeagueFault(*fresh).empty() && SavedGameText(*fresh) == saved);
    return 0;
}
