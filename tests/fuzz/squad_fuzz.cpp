// The squad file: refused with its message, or players the rules can trust.
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto lg = std::make_unique<League>();
    InitPlayers(*lg);
    InitCalendario(*lg);
    const LoadStatus status = ReadVelmoTeam(*lg, AsText(data, size));
    if (!status.ok) {
        FUZZ_CHECK(DamagedMessage(status.message, "'velmo.dat' is damaged near player ", kSquadSize));
        return 0;
    }
    for (int i = 0; i < kSquadSize; ++i) {
        const Player& p = lg->players[i];
        FUZZ_CHECK(SoundWord(p.surname) && SoundWord(p.name) && SoundWord(p.role));
        // Rows not in the file stay cleared, number 0 and ratings 0.
        FUZZ_CHECK(p.number >= 0);
        for (int rating : {p.technique, p.fantasy, p.condition})
            FUZZ_CHECK(rating >= 0 && rating <= 30 && (rating == 0) == (p.number == 0));
        for (int j = 0; j < i; ++j) FUZZ_CHECK(p.number == 0 || lg->players[j].number != p.number);
    }
    FUZZ_CHECK(lg->squadra[kHumanId].id == kHumanId && std::strcmp(lg->Velmo.name, "VELMO") == 0);
    return 0;
}
