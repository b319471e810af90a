// The season history's reader. A file that does not scan holds no season;
// one that scans holds a season for each line, each one the history screen
// can show, and is written back line by line to a file read the same.
#include <algorithm>

#include "fuzz_common.h"
#include "season/history.h"

namespace {

std::string Written(const History& history) {
    std::string text;
    for (const SeasonRecord& r : history.seasons) text += HistoryLine(r);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = AsText(data, size);
    const History history = ParseHistory(text);
    if (history.damaged) {
        FUZZ_CHECK(history.seasons.empty());
        return 0;
    }
    FUZZ_CHECK(history.seasons.size() == static_cast<size_t>(std::count(text.begin(), text.end(), '\n')));
    for (const SeasonRecord& r : history.seasons) {
        FUZZ_CHECK(r.number >= 1 && r.position >= 1 && r.position <= kTeams);
        for (int counter : {r.points, r.won, r.drawn, r.lost, r.goals_for, r.goals_against})
            FUZZ_CHECK(counter >= 0);
        FUZZ_CHECK(!r.champion.empty() && r.champion.size() < static_cast<size_t>(kWordSize));
    }
    const std::string written = Written(history);
    const History again = ParseHistory(written);
    FUZZ_CHECK(!again.damaged && Written(again) == written);
    return 0;
}
