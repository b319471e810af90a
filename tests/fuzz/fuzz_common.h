// What the fuzz targets share: a check that stops the run as a finding, the
// game's own data loaded once, and matchdays played as velmo-sim plays them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "data/loaders.h"
#include "lineup/lineup.h"
#include "match/match.h"
#include "season/opponent.h"

// A broken property: libFuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                   \
    do {                                                                        \
        if (!(condition)) {                                                     \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                       \
        }                                                                       \
    } while (0)

inline std::string_view AsText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The league of the game's own data files, as the game starts it.
inline const League& GameLeague() {
    static const League* const game = [] {
        auto* lg = new League();
        std::srand(1);
        if (!LoadLeague(*lg, VELMO_GAME_DIR).ok) std::abort();
        return lg;
    }();
    return *game;
}

// Plays up to `days` matchdays as velmo-sim does with its default line-up:
// rows 0..10 start, 11..16 on the bench, nobody touches the slider.
inline void PlayMatchdays(League& lg, int days) {
    LineupMarks marks;
    for (int r = 0; r < kSquadSize; ++r) {
        marks.starter[r] = r <= 10;
        marks.substitute[r] = r >= 11 && r <= 16;
    }
    PrepareOpponent(lg);
    SetUpTeam(lg, marks);
    for (int played = 0; played < days && !SeasonOver(lg) && CanKickOff(lg); ++played) {
        MatchRun run = KickOff(lg);
        for (int clock = 1; clock <= kMatchLength; ++clock) AdvanceClock(lg, run, clock, 0);
        FinishMatch(lg);
        PrepareOpponent(lg);
    }
}
