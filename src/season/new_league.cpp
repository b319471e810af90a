// The end of a season and the new league.
//
// A season ends when 38 matchdays are played or the next matchday record is
// empty. The season-end screen shows the last matchday's results; leaving it
// starts again from the data files at matchday 0, and its first opponent is
// always prepared. What a new league keeps: `today` and the line-up of the
// last line-up check.
#include "season/new_league.h"

#include "season/calendar.h"

void ComposeLastResults(League& lg) {
    if (lg.matchday <= 0) {
        lg.textbuffer = kNoMatchdayPlayed;
        return;
    }
    const int last = lg.matchday < kMatchdays ? lg.matchday : kMatchdays;
    FindMatches(lg, last - 1);
}

LoadStatus StartNewLeague(League& lg, const std::string& folder) {
    lg.matchday = 0;
    lg.prepared_matchday = -1;  // the first matchday gets its opponent
    return LoadLeague(lg, folder);  // clears and reloads; every counter back to 0
}
