// The fixture file, read after the game's own squad and league files:
// refused with its message, or matchdays that list every club once.
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto lg = std::make_unique<League>(GameLeague());
    InitCalendario(*lg);
    const LoadStatus status = ReadCalendario(*lg, AsText(data, size));
    if (!status.ok) {
        FUZZ_CHECK(DamagedMessage(status.message, "'calendario.dat' is damaged near matchday ", kMatchdays));
        return 0;
    }
    FUZZ_CHECK(lg->ngiornate >= 0 && lg->ngiornate <= kMatchdays);
    for (int d = 0; d < kMatchdays; ++d) {
        const Matchday& md = lg->giornata[d];
        if (d >= lg->ngiornate) {
            FUZZ_CHECK(md.number == -1 && md.home[0] == -1);
            continue;
        }
        int listed[kTeams] = {};
        for (int j = 0; j < kFixtures; ++j) {
            FUZZ_CHECK(md.home_goals[j] == 0 && md.away_goals[j] == 0);
            // The game's clubs carry identifiers 0..18, the human club 19.
            for (int id : {md.home[j], md.away[j]}) {
                FUZZ_CHECK(id >= 0 && id < kTeams);
                ++listed[id];
            }
        }
        for (int count : listed) FUZZ_CHECK(count == 1);
    }
    return 0;
}
