// The game's entry point: start-up, intro, the league, the main screen for
// as long as the game lasts, shutdown.
#include <allegro.h>

#include <cstdlib>
#include <ctime>

#include "app/main_screen.h"
#include "app/screens.h"
#include "app/startup.h"
#include "app/ui.h"
#include "data/loaders.h"

League league;

int main() {
    init();
    srand(time(nullptr));
    league.today = 0;
    league.matchday = 0;
    if (install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) < 0) {
        set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
        allegro_message("Error installing sound.\n");
        return 1;
    }
    IgnoreHeldKey(PlayIntro());
    DisplayBackground();
    const LoadStatus loaded = LoadLeague(league, kGameFolder);
    if (!loaded.ok) QuitWithMessage(loaded.message);
    DisplayPlayers();
    clear_keybuf();
    setupDlg();
    deinit();
}
END_OF_MAIN()
