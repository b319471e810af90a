// The game's entry point: the command line, start-up, intro, the league, the
// main screen for as long as the game lasts, shutdown.
#include <allegro.h>

#include <cstdlib>
#include <ctime>

#include "app/main_screen.h"
#include "app/options.h"
#include "app/screens.h"
#include "app/sound.h"
#include "app/startup.h"
#include "app/ui.h"
#include "data/loaders.h"

League league;
GameFolders game_folders;

int main(int argc, char** argv) {
    const GameOptions options = ParseGameOptions(argc, argv);
    if (options.action != GameAction::Play) return AnswerCommandLine(options);
    if (!DataFolderFound(options)) return 1;
    init(options.scale);
    game_folders = FindGameFolders(options.data);
    srand(time(nullptr));
    league.today = 0;
    league.matchday = 0;
    if (install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) < 0) {
        set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
        allegro_message("Error installing sound.\n");
        return 1;
    }
    StartSound(game_folders.settings);
    IgnoreHeldKey(PlayIntro());
    DisplayBackground();
    const LoadStatus loaded = LoadLeague(league, game_folders.data);
    if (!loaded.ok) QuitWithMessage(loaded.message);
    DisplayPlayers();
    clear_keybuf();
    setupDlg();
    deinit();
}
END_OF_MAIN()
