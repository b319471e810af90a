// velmo-sim's command line, read by getopt_long.
#pragma once

#include <climits>
#include <string>
#include <vector>

#include "lineup/lineup.h"

// One --event: what the player does during a match, and when.
enum class EventKind { Out, In, Tactic };
struct SimEvent {
    int match = 1;    // the run's matches counted from 1 (after any --load)
    int moment = 0;   // 0 before the first play, c after the play at clock c, 45 after the last
    EventKind kind = EventKind::Out;
    int arg = 0;      // starter slot 0..10, bench slot 0..5, or tactic -5..5
};

enum class SimAction { Run, ShowHelp, ShowVersion, Refuse };

struct SimOptions {
    SimAction action = SimAction::Run;
    std::string error;          // why the command line was refused; "" when getopt said it
    std::string data;           // folder of the three data files
    bool has_seed = false;
    unsigned seed = 0;
    int matchdays = INT_MAX;    // until the season is over
    bool has_matchdays = false; // --matchdays given
    int seasons = 0;            // whole seasons, each end followed by a new league; 0: the one season
    std::string history;        // season history recording every finished season, "" for none
    bool story = false;         // positions and form printed after the run
    LineupMarks marks;          // starters 0..10 and substitutes 11..16 by default
    int tactic = 0;             // the slider's value minus 5
    bool recheck = false;       // the line-up check again before each match
    std::string save;           // saved-game file to write at the end
    std::string load;           // saved game restored before the line-up check
    std::vector<SimEvent> events;  // in command-line order
};

// Refuses an unknown option, a missing or malformed value, a row outside
// 0..21 or in both lists, a tactic outside -5..5, a malformed event, seasons
// below 1 or given with matchdays, or an argument that is no option.
SimOptions ParseSimOptions(int argc, char** argv);

// Prints the help or the version on standard output, or the refusal and the
// usage on standard error; returns the exit status (0, 0 or 2).
int AnswerSimCommandLine(const SimOptions& options);
