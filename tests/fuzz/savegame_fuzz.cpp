// The saved-game reader over the game's league six matchdays into a season.
// A refused file leaves a message and the league exactly as it was. An
// accepted one keeps the league's promises, holds only counts the rules can
// trust, leaves no results in matchdays not yet played, and is one the writer
// writes back and the reader accepts again, byte for byte.
#include "data/savegame.h"
#include "fuzz_common.h"
#include "league_equality.h"
#include "season/standings.h"

namespace {

const League& SixMatchdaysIn() {
    static const League* const league = [] {
        auto* lg = new League(GameLeague());
        std::srand(2);
        PlayMatchdays(*lg, 6);
        UpdateRanking(*lg);
        return lg;
    }();
    return *league;
}

void CheckRestored(const League& lg) {
    FUZZ_CHECK(LeagueFault(lg).empty());
    FUZZ_CHECK(lg.matchday >= 0 && lg.matchday <= kMatchdays);
    for (const Team& t : lg.squadra) {
        for (int counter : {t.points, t.won, t.drawn, t.lost, t.goals_for, t.goals_against})
            FUZZ_CHECK(counter >= 0 && counter <= kCounterLimit);
    }
    for (int d = 0; d < kMatchdays; ++d) {
        for (int j = 0; j < kFixtures; ++j) {
            const int limit = d < lg.matchday ? kGoalsLimit : 0;
            FUZZ_CHECK(lg.giornata[d].home_goals[j] >= 0 && lg.giornata[d].home_goals[j] <= limit);
            FUZZ_CHECK(lg.giornata[d].away_goals[j] >= 0 && lg.giornata[d].away_goals[j] <= limit);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const League& before = SixMatchdaysIn();
    auto lg = std::make_unique<League>(before);
    const RestoreStatus status = RestoreSavedGame(*lg, AsText(data, size));
    if (status.outcome != LoadOutcome::Restored) {
        FUZZ_CHECK(status.outcome == LoadOutcome::Damaged && !status.message.empty());
        FUZZ_CHECK(LeagueDifference(*lg, before).empty());
        return 0;
    }
    CheckRestored(*lg);
    const std::string saved = SavedGameText(*lg);
    auto again = std::make_unique<League>(before);
    FUZZ_CHECK(RestoreSavedGame(*again, saved).outcome == LoadOutcome::Restored);
    FUZZ_CHECK(SavedGameText(*again) == saved);
    return 0;
}
