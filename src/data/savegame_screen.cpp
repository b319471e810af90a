// "&Save" and "&Load": the one saved game, saved.dat beside the data files,
// or in the player's own folder for an installed game (see game_folders.h).
// Writing, reading and checking the file belong to the saved game's own
// operations; these callbacks show what they report.
#include <string>

#include "app/screens.h"
#include "app/ui.h"
#include "data/game_folders.h"
#include "data/savegame.h"

// Callback of "&Save": the player is told whether the game was saved. The
// player's own folder is made on the first save.
int save() {
    const std::string problem = PrepareSaveFolder(game_folders);
    ShowMessage(problem.empty() ? SaveGame(league, game_folders.saved_game).message : problem);
    return 0;
}

// Callback of "&Load". A missing or damaged file changes nothing and says so
// (with nowhere to keep a saved game, there is none to restore). A restored
// game redraws the main screen first, which opens the season-end screen when
// the restored season is over; the message follows.
int load() {
    const RestoreStatus status = LoadSavedGame(league, game_folders.saved_game);
    if (status.outcome == LoadOutcome::Restored) RedrawMainScreen();
    ShowMessage(status.message);
    return 0;
}
