// velmo-sim: plays the game headless through the same rules core as the
// window, as a player would who marks a line-up once, may restore a saved
// game, and moves the slider or substitutes only at the moments --event names.
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
#include "season/opponent.h"
#include "season/standings.h"
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

    LineupMarks marks = options.marks;
    CheckLineup(*lg, marks);
    int tactic = options.tactic;
    for (int played = 0; played < options.matchdays && !SeasonOver(*lg); ++played) {
        if (options.recheck) CheckLineup(*lg, marks);
        if (!CanKickOff(*lg)) {
            Report("Before playing you have to select your players!");
            return kExitFailure;
        }
        PlayMatch(*lg, played + 1, options.events, tactic);
        PrintMatchday(*lg, lg->matchday - 1);
        PrepareOpponent(*lg);
    }
    PrintStandings(*lg);

    if (!options.save.empty()) {
        SaveStatus saved = SaveGame(*lg, options.save);
        if (!saved.ok) {
            Report(saved.message);
            return kExitFailure;
        }
    }
    return 0;
}
