// Where the game finds its data files and where it keeps the saved game.
//
// The data folder, first that applies:
//   1. the folder given with --data DIR, which also keeps DIR/saved.dat;
//   2. the working folder when it holds velmo.dat and is not the installed
//      data folder (a game run from its own folder, as in the source tree):
//      saved.dat stays beside the data;
//   3. the installed data folder, ../share/games/velmo from an executable in
//      games/ or bin/, wherever the installed tree was put;
//   4. the working folder, where the missing velmo.dat is then reported.
// An installed game (case 3) saves in the player's own folder,
// $XDG_DATA_HOME/velmo/saved.dat or ~/.local/share/velmo/saved.dat, and
// never writes into the data folder or the working folder. Every game keeps
// its settings in $XDG_CONFIG_HOME/velmo/velmo.cfg or ~/.config/velmo/velmo.cfg.
#pragma once

#include <string>

// What the choice depends on, gathered once at start-up.
struct FolderFacts {
    std::string data_option;     // --data DIR, "" when not given
    std::string working_folder;  // the current folder, absolute
    std::string executable;      // the running program's own path, "" if unknown
    std::string xdg_data_home;   // the environment's XDG_DATA_HOME, "" when unset
    std::string xdg_config_home; // the environment's XDG_CONFIG_HOME, "" when unset
    std::string home;            // the environment's HOME, "" when unset
};

struct GameFolders {
    std::string data;        // absolute folder of the data files and media/
    std::string saved_game;  // absolute path of saved.dat, "" when there is nowhere to keep it
    bool per_user = false;   // saved_game lies in the player's own folder, made on the first save
    std::string settings;    // absolute path of velmo.cfg, "" when there is nowhere to keep it
};

GameFolders ChooseGameFolders(const FolderFacts& facts);

// Makes the folder that will hold the saved game when it is the player's own
// (each missing folder readable by its owner only). Returns "" when the game
// can be saved there, else the message for the player.
std::string PrepareSaveFolder(const GameFolders& folders);

// Makes the folder holding `file` and any missing parent, each new one
// readable by its owner only. Returns "" or what went wrong.
std::string MakeFolderOf(const std::string& file);
