// velmo-sim: plays the game headless through the same rules core as the
// window, as a player would who marks a line-up once, may restore a saved
// game, and moves the slider or substitutes only at the moments --event names.
//
// With --seasons, every season end is the season-end screen's: the final
// table printed, the season recorded (--history), then the new league read
// from the data files; a restored finished season is such an end too.
//
// velmo-sim --help tells its options and exit statuses.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "data/loaders.h"
#include "data/savegame.h"
#include "lineup/lineup.h"
#include "match/match.h"
#include "season/calendar.h"
#include "season/history.h"
#include "season/new_league.h"
#include "season/opponent.h"
#include "season/standings.h"
#include "season/story.h"
#include "sim/options.h"

namespace {

constexpr int kExitFailure = 1;

// One message per line, its own line breaks written as spaces.
void Report(const std::string& message) {
    std::string line = message;
    for (char& c : line)
        if (c == '\n') c = ' ';
    std::fprintf(stderr, "%s\n", line.c_str());
}

// The line-up check as "Team Line&Up" runs it; the surplus starter marks are
// cleared, so a second check counts eleven.
void CheckLineup(League& lg, LineupMarks& marks) {
    LineupCheck check = SetUpTeam(lg, marks);
    for (int row : check.cleared_starters) marks.starter[row] = false;
    for (const std::string& message : check.messages) Report(message);
}

// The matchday's fixtures as the calendar viewer composes them.
void PrintMatchday(League& lg, int index) {
    FindDay(lg, lg.giornata[index].number);
    FindMatches(lg, index);
    std::printf("%s\n", lg.day.c_str());
    size_t start = 0;
    while (start < lg.textbuffer.size()) {
        size_t end = lg.textbuffer.find('\n', start);
        if (end == std::string::npos) end = lg.textbuffer.size();
        if (end > start) std::printf("%s\n", lg.textbuffer.substr(start, end - start).c_str());
        start = end + 1;
    }
}

void PrintStandings(League& lg) {
    UpdateRanking(lg);
    for (const RankRow& row : lg.classifica) {
        std::printf("%s %d %d %d %d %d %d %d\n", row.name, row.points, lg.matchday, row.won,
                    row.drawn, row.lost, row.goals_for, row.goals_against);
    }
}

// What the player does at one moment of a match, as the match screen's
// buttons and slider do it; a refused "Out" says why, a refused "In" nothing.
void ApplyEvent(League& lg, MatchRun& run, const SimEvent& event, int& tactic) {
    switch (event.kind) {
        case EventKind::Out: {
            const std::string refusal = SubOut(lg, run, event.arg);
            if (!refusal.empty()) Report(refusal);
            break;
        }
        case EventKind::In:
            SubIn(lg, run, event.arg);
            break;
        case EventKind::Tactic:
            tactic = event.arg;  // the slider stays where it was left
            break;
    }
}

// The match as the match screen plays it when nobody holds it up, with the
// events of match `number` in rising moment, command-line order within one.
void PlayMatch(League& lg, int number, const std::vector<SimEvent>& events, int& tactic) {
    std::vector<SimEvent> ours;
    for (const SimEvent& e : events)
        if (e.match == number) ours.push_back(e);
    std::stable_sort(ours.begin(), ours.end(),
                     [](const SimEvent& a, const SimEvent& b) { return a.moment < b.moment; });
    MatchRun run = KickOff(lg);
    for (const SimEvent& e : ours) {
        if (e.moment < kMatchLength) {
            PlayClockUntil(lg, run, e.moment, tactic);
        } else {
            PlayRemainingClock(lg, run, tactic);
        }
        ApplyEvent(lg, run, e, tactic);
    }
    PlayRemainingClock(lg, run, tactic);
    FinishMatch(lg);
}

// "&Load": the saved game restored, then the main screen's preparation.
bool RestoreSavedGame(League& lg, const std::string& path) {
    const RestoreStatus status = LoadSavedGame(lg, path);
    Report(status.message);
    if (status.outcome != LoadOutcome::Restored) return false;
    PrepareOpponent(lg);
    return true;
}

// The run's progress: the line-up marks, the slider and the matches played.
struct Run {
    const SimOptions& options;
    LineupMarks marks;
    int tactic = 0;
    int matches = 0;  // this run's matches, as --event counts them
};

// Up to `count` matchdays, or to the season's end, as "&Match" plays them.
bool PlayMatchdays(League& lg, Run& run, int count) {
    for (int played = 0; played < count && !SeasonOver(lg); ++played) {
        if (run.options.recheck) CheckLineup(lg, run.marks);
        if (!CanKickOff(lg)) {
            Report("Before playing you have to select your players!");
            return false;
        }
        PlayMatch(lg, ++run.matches, run.options.events, run.tactic);
        PrintMatchday(lg, lg.matchday - 1);
        PrepareOpponent(lg);
    }
    return true;
}

// A finished season recorded in the history, when the run keeps one.
bool RecordHistory(const League& lg, const std::string& history) {
    if (history.empty()) return true;
    const RecordStatus status = RecordSeason(lg, history);
    if (!status.ok) Report(status.message);
    return status.ok;
}

// "&New League": the data files read again, the first opponent prepared.
bool NewLeague(League& lg, const std::string& data) {
    const LoadStatus status = StartNewLeague(lg, data);
    if (!status.ok) Report(status.message);
    if (status.ok) PrepareOpponent(lg);
    return status.ok;
}

// The season end of the window: the final table shown and the season recorded.
bool EndSeason(League& lg, const std::string& history) {
    PrintStandings(lg);
    return RecordHistory(lg, history);
}

// --seasons N: a restored finished season ends first; then N seasons, the
// first of them the restored one when it has matchdays left.
bool PlaySeasons(League& lg, Run& run) {
    const SimOptions& options = run.options;
    if (SeasonOver(lg) && !(EndSeason(lg, options.history) && NewLeague(lg, options.data))) return false;
    for (int season = 1; season <= options.seasons; ++season) {
        if (season > 1 && !NewLeague(lg, options.data)) return false;
        if (!PlayMatchdays(lg, run, INT_MAX) || !EndSeason(lg, options.history)) return false;
    }
    return true;
}

// The matchdays asked for, then the table; a season that ended is recorded.
bool PlayOneSeason(League& lg, Run& run) {
    if (!PlayMatchdays(lg, run, run.options.matchdays)) return false;
    PrintStandings(lg);
    return !SeasonOver(lg) || RecordHistory(lg, run.options.history);
}

// Positions: and Form:, one line each, for the matchdays of the season played so far.
void PrintStory(const League& lg) {
    const SeasonStory story = TellSeason(lg);
    std::string positions = "Positions:", form = "Form:";
    for (int position : story.positions) positions += " " + std::to_string(position);
    for (const HumanResult& result : story.results) form += std::string(" ") + result.outcome;
    std::printf("%s\n%s\n", positions.c_str(), form.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const SimOptions options = ParseSimOptions(argc, argv);
    if (options.action != SimAction::Run) return AnswerSimCommandLine(options);

    std::srand(options.has_seed ? options.seed : static_cast<unsigned>(std::time(nullptr)));
    auto lg = std::make_unique<League>();
    LoadStatus loaded = LoadLeague(*lg, options.data);
    if (!loaded.ok) {
        Report(loaded.message);
        return kExitFailure;
    }
    PrepareOpponent(*lg);
    if (!options.load.empty() && !RestoreSavedGame(*lg, options.load)) return kExitFailure;

    Run run{options, options.marks, options.tactic};
    CheckLineup(*lg, run.marks);
    const bool played = options.seasons > 0 ? PlaySeasons(*lg, run) : PlayOneSeason(*lg, run);
    if (!played) return kExitFailure;
    if (options.story) PrintStory(*lg);

    if (!options.save.empty()) {
        SaveStatus saved = SaveGame(*lg, options.save);
        if (!saved.ok) {
            Report(saved.message);
            return kExitFailure;
        }
    }
    return 0;
}
