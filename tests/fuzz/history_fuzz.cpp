// The season history's reader. A file that does not scan holds no season; one
// that scans holds only seasons the history screen can show, is written back
// line by line to a file that reads the same, and takes the next season.
#include <algorithm>

#include "fuzz_common.h"
#include "season/history.h"

namespace {

bool SameRecords(const std::vector<SeasonRecord>& a, const std::vector<SeasonRecord>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (HistoryLine(a[i]) != HistoryLine(b[i])) return false;
    }
    return true;
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
    std::string written;
    for (const SeasonRecord& r : history.seasons) {
        FUZZ_CHECK(r.number >= 1 && r.position >= 1 && r.position <= kTeams);
        for (int counter : {r.points, r.won, r.drawn, r.lost, r.goals_for, r.goals_against})
            FUZZ_CHECK(counter >= 0);
        FUZZ_CHECK(!r.champion.empty() && r.champion.size() < static_cast<size_t>(kWordSize));
        written += HistoryLine(r);
    }
    const History again = ParseHistory(written);
    FUZZ_CHECK(!again.damaged && SameRecords(again.seasons, history.seasons));

    SeasonRecord next;
    next.number = history.seasons.empty() ? 1 : history.seasons.back().number + 1;
    next.position = 1;
    next.champion = "VELMO";
    const History longer = ParseHistory(std::string(text) + HistoryLine(next));
    FUZZ_CHECK(longer.damaged == (next.number > 999999));
    return 0;
}
