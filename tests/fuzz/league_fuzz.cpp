// The league file: refused with its message, or nineteen clubs the rules can
// trust, each with its three draws.
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto lg = std::make_unique<League>();
    std::srand(1);
    const LoadStatus status = ReadAllTeams(*lg, AsText(data, size));
    if (!status.ok) {
        FUZZ_CHECK(DamagedMessage(status.message, "'teams.dat' is damaged near team ", kComputerTeams));
        return 0;
    }
    for (int k = 0; k < kComputerTeams; ++k) {
        const Team& t = lg->squadra[k];
        FUZZ_CHECK(t.id != kHumanId && SoundWord(t.name) && SoundWord(t.badge) && t.name[0] != '\0');
        for (int j = 0; j < k; ++j) FUZZ_CHECK(lg->squadra[j].id != t.id);
        FUZZ_CHECK(t.keeper >= -kKeeperLimit && t.keeper <= kKeeperLimit);
        for (int s = 0; s < kSectors; ++s) {
            for (int rating : {t.base_technique[s], t.base_fantasy[s], t.base_condition[s]})
                FUZZ_CHECK(rating >= 1 && rating <= 30);
            FUZZ_CHECK(t.fatigue[s] >= 25 && t.fatigue[s] <= 31);
        }
    }
    return 0;
}
