// The league's promises, checked record by record.
#include "data/promises.h"

#include <cstring>

#include "data/words.h"

namespace {

const char* const kControlByte = "A word holds a control character.";

// A name field as the readers store it: a word without control bytes, then
// zeros to the field's end. A NUL read inside a word shows as a byte after
// the first zero.
template <int N>
bool SoundWord(const char (&field)[N]) {
    const size_t length = strnlen(field, N);
    if (length == N || !FitsField(std::string_view(field, length), N)) return false;
    for (size_t i = length; i < N; ++i)
        if (field[i] != '\0') return false;
    return true;
}

}  // namespace

std::string PlayerFault(const League& lg, int k, const Player& p) {
    if (!SoundWord(p.surname) || !SoundWord(p.name) || !SoundWord(p.role)) return kControlByte;
    const std::string number = std::to_string(p.number);
    if (p.number <= 0) return "The player number " + number + " is not above 0.";
    for (int earlier = 0; earlier < k; ++earlier) {
        if (lg.players[earlier].number == p.number)
            return "The player number " + number + " appears twice.";
    }
    return "";
}

std::string ClubFault(const League& lg, int k, const Team& t) {
    if (!SoundWord(t.name) || !SoundWord(t.badge)) return kControlByte;
    const std::string id = std::to_string(t.id);
    if (t.id == kHumanId) return "The club identifier 19 is the human club's.";
    for (int earlier = 0; earlier < k; ++earlier) {
        if (lg.squadra[earlier].id == t.id) return "The club identifier " + id + " appears twice.";
    }
    if (t.keeper < -kKeeperLimit || t.keeper > kKeeperLimit) {
        return "The keeper rating " + std::to_string(t.keeper) + " is not between -" +
               std::to_string(kKeeperLimit) + " and " + std::to_string(kKeeperLimit) + ".";
    }
    return "";
}

std::string ClubCountFault(int clubs) {
    if (clubs == kComputerTeams) return "";
    return "The league needs 19 clubs; the file holds " + std::to_string(clubs) + ".";
}

int ClubSlot(const League& lg, int id) {
    if (id == kHumanId) return kHumanId;
    for (int slot = 0; slot < kComputerTeams; ++slot)
        if (lg.squadra[slot].id == id) return slot;
    return -1;
}

// An unknown identifier is named first, else the first one listed twice
// with a club left out.
std::string MatchdayFault(const League& lg, const Matchday& md) {
    if (md.number < 0) return "The matchday number " + std::to_string(md.number) + " is below 0.";
    int listed[2 * kFixtures];
    for (int j = 0; j < kFixtures; ++j) {
        listed[2 * j] = md.home[j];
        listed[2 * j + 1] = md.away[j];
    }
    for (int id : listed) {
        if (ClubSlot(lg, id) < 0) return "No club carries the identifier " + std::to_string(id) + ".";
    }
    bool seen[kTeams] = {};
    int twice = -1;
    for (int id : listed) {
        const int slot = ClubSlot(lg, id);
        if (seen[slot] && twice < 0) twice = id;
        seen[slot] = true;
    }
    if (twice < 0) return "";
    // Twenty entries over twenty clubs: one listed twice leaves one out.
    int missing = 0;
    while (seen[missing]) ++missing;
    const int missing_id = missing == kHumanId ? kHumanId : lg.squadra[missing].id;
    return "The club identifier " + std::to_string(twice) + " appears twice and " +
           std::to_string(missing_id) + " is missing.";
}

std::string MatchdayCountFault(int matchdays) {
    return matchdays > 0 ? "" : "The fixture file holds no matchday.";
}

std::string LeagueFault(const League& lg) {
    for (int k = 0; k < kSquadSize; ++k) {
        if (std::strcmp(lg.players[k].surname, "-") == 0) continue;  // an empty row
        const std::string fault = PlayerFault(lg, k, lg.players[k]);
        if (!fault.empty()) return "Squad row " + std::to_string(k) + ": " + fault;
    }
    for (int k = 0; k < kComputerTeams; ++k) {
        const std::string fault = ClubFault(lg, k, lg.squadra[k]);
        if (!fault.empty()) return "Club slot " + std::to_string(k) + ": " + fault;
    }
    std::string fault = MatchdayCountFault(lg.ngiornate);
    for (int d = 0; d < lg.ngiornate && d < kMatchdays && fault.empty(); ++d) {
        fault = MatchdayFault(lg, lg.giornata[d]);
        if (!fault.empty()) fault = "Matchday " + std::to_string(d + 1) + ": " + fault;
    }
    return fault;
}
