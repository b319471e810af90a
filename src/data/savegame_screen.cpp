// "&Save" and "&Load": the one saved game, "saved.dat" in the game's folder.
// Writing, reading and checking the file belong to the saved game's own
// operations; these callbacks show what they report.
#include <string>

#include "app/screens.h"
#include "app/ui.h"
#include "data/savegame.h"

namespace {

std::string SavedGamePath() {
    const std::string folder = kGameFolder;
    return folder.empty() ? "saved.dat" : folder + "/saved.dat";
}

}  // namespace

// Callback of "&Save": the player is told whether the game was saved.
int save() {
    const SaveStatus status = SaveGame(league, SavedGamePath());
    ShowMessage(status.message);
    return 0;
}

// Callback of "&Load". A missing or damaged file changes nothing and says so.
// A restored game redraws the main screen first, which opens the season-end
// screen when the restored season is over; the message follows.
int load() {
    const RestoreStatus status = LoadSavedGame(league, SavedGamePath());
    if (status.outcome == LoadOutcome::Restored) RedrawMainScreen();
    ShowMessage(status.message);
    return 0;
}
