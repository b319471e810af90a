// The calendar viewer's texts and paging.
//
// One page is one matchday record: a heading "Match Day <number>" and one
// line per fixture, "home  away  hg - ag" followed by an empty line. The
// human club is always shown as "VELMO". Paging covers all 38 records,
// played or not; an unplayed fixture shows 0 - 0.
#include "season/calendar.h"

#include <string>

#include "data/loaders.h"

namespace {

constexpr int kLastIndex = kMatchdays - 1;

// The name shown for a fixture's identifier. An identifier no club carries
// (the -1 of the empty records past a short fixture file) shows "-".
std::string ShownName(const League& lg, int id) {
    if (id == lg.Velmo.id) return "VELMO";
    char name[kWordSize] = "-";  // FindTeam leaves it as it is on a miss
    FindTeam(lg, id, name);
    return name;
}

int ClampIndex(int index) {
    if (index < 0) return 0;
    return index > kLastIndex ? kLastIndex : index;
}

void ShowPage(League& lg, int index) {
    FindDay(lg, lg.giornata[index].number);
    FindMatches(lg, index);
}

}  // namespace

std::string DayHeading(int number) { return "Match Day " + std::to_string(number); }

void FindDay(League& lg, int number) { lg.day = DayHeading(number); }

void FindMatches(League& lg, int index) {
    index = ClampIndex(index);  // never read past the records
    lg.now = index;
    lg.textbuffer.clear();
    const Matchday& md = lg.giornata[index];
    for (int i = 0; i < kFixtures; ++i) {
        lg.textbuffer += ShownName(lg, md.home[i]) + "  " + ShownName(lg, md.away[i]) + "  " +
                         std::to_string(md.home_goals[i]) + " - " +
                         std::to_string(md.away_goals[i]) + "\n\n";
    }
}

bool CalendarNext(League& lg) {
    if (lg.now > kLastIndex - 1) return false;  // the last record is already shown
    ShowPage(lg, lg.now + 1);
    return true;
}

bool CalendarPrevious(League& lg) {
    if (lg.now < 1) return false;  // the first record is already shown
    ShowPage(lg, lg.now - 1);
    return true;
}

void CalendarOpen(League& lg) {
    // A finished season (matchday 38) has no next record: show the last one.
    ShowPage(lg, ClampIndex(lg.matchday));
}
