// The game's command line: --help, --version, --data DIR and --scale K. It is read
// before the library starts, so every answer comes without a display.
#pragma once

#include <string>

enum class GameAction { Play, ShowHelp, ShowVersion, Refuse };

struct GameOptions {
    GameAction action = GameAction::Play;
    std::string data;   // --data DIR, "" when not given
    int scale = 0;      // --scale K, 1..4; 0 when not given (fit the desktop)
    std::string error;  // why the command line was refused
};

GameOptions ParseGameOptions(int argc, char** argv);

// Prints the help, the version, or the refusal and the usage on standard
// error; returns the exit status (0, 0 or 2).
int AnswerCommandLine(const GameOptions& options);
