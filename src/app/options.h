// The game's command line: -h/--help, -V/--version, -d/--data DIR and
// -s/--scale K, read by getopt_long before the library starts, so every
// answer comes without a display.
#pragma once

#include <string>

enum class GameAction { Play, ShowHelp, ShowVersion, Refuse };

struct GameOptions {
    GameAction action = GameAction::Play;
    std::string data;   // --data DIR, "" when not given
    int scale = 0;      // --scale K, 1..4; 0 when not given (fit the desktop)
    std::string error;  // why the command line was refused; "" when getopt said it
};

GameOptions ParseGameOptions(int argc, char** argv);

// Prints the help, the version, or the refusal and the usage on standard
// error; returns the exit status (0, 0 or 2).
int AnswerCommandLine(const GameOptions& options);

// True when the folder --data names holds the three data files; else says
// which one is missing on standard error. Without --data, true: the start-up
// reports a missing file itself.
bool DataFolderFound(const GameOptions& options);
