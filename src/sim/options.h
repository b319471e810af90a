// velmo-sim's command line.
#pragma once

#include <climits>
#include <string>

#include "lineup/lineup.h"

struct SimOptions {
    std::string data;           // folder of the three data files
    bool has_seed = false;
    unsigned seed = 0;
    int matchdays = INT_MAX;    // until the season is over
    LineupMarks marks;          // starters 0..10 and substitutes 11..16 by default
    int tactic = 0;             // the slider's value minus 5
    bool recheck = false;       // the line-up check again before each match
    std::string save;           // saved-game file to write at the end
};

extern const char* const kSimUsage;

// False with a reason for an unknown option, a missing or malformed value,
// a row outside 0..21 or in both lists, or a tactic outside -5..5.
bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error);
