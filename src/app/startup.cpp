// The start of the game's life: the library, window, timer and input, the
// folders of its files, and the intro.
#include <allegro.h>
#include <jpgalleg.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/clock.h"
#include "app/main_screen.h"
#include "app/sound.h"
#include "app/startup.h"
#include "app/ui.h"

std::atomic<int> elapsed_seconds{0};

void increment_seconds() { ++elapsed_seconds; }

namespace {

// The keys that end the intro, in the order they are tested.
int IntroKeyDown() {
    for (int k : {KEY_ESC, KEY_SPACE, KEY_ENTER})
        if (key[k]) return k;
    for (int k = KEY_A; k <= KEY_Z; ++k)
        if (key[k]) return k;
    return 0;
}

// Without a display the library cannot start, and any further call of it
// would crash: say which display is missing and end as a missing screen
// mode does. Nothing was started, so the message goes straight to stderr.
[[noreturn]] void QuitWithoutDisplay() {
    const char* display = std::getenv("DISPLAY");
    if (display && *display) {
        std::fprintf(stderr, "velmo: cannot open the display '%s'.", display);
    } else {
        std::fprintf(stderr, "velmo: there is no display to open the game window on "
                             "(DISPLAY is not set).");
    }
    std::fprintf(stderr, allegro_error[0] ? " %s\n" : "%s\n", allegro_error);
    std::exit(-1);
}

// A start-up step of the library failed: back to text mode, the message with
// the library's own reason, and the status -1 of a missing screen mode.
[[noreturn]] void QuitAtStartUp(const char* what) {
    set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
    allegro_message("%s\n%s\n", what, allegro_error);
    std::exit(-1);
}

// The factor asked for, else the largest whose window fits the desktop.
int ChosenScale(int asked) {
    if (asked > 0) return asked;
    int width = 0, height = 0;
    if (get_desktop_resolution(&width, &height) != 0) return 1;
    return FittingScale(width, height);
}

// The enlarged window, or false (factor 1) when it cannot be opened.
bool OpenEnlargedWindow(int scale) {
    if (scale <= 1) return false;
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, kPictureW * scale, kPictureH * scale, 0, 0) != 0) {
        return false;
    }
    return UseWindowAtScale(scale);
}

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

void init(int scale) {
    if (install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0) QuitWithoutDisplay();
    jpgalleg_init();
    const int depth = desktop_color_depth();
    set_color_depth(depth != 0 ? depth : 24);
    if (!OpenEnlargedWindow(ChosenScale(scale)) &&
        set_gfx_mode(GFX_AUTODETECT_WINDOWED, kPictureW, kPictureH, 0, 0) != 0 &&
        set_gfx_mode(GFX_AUTODETECT, kPictureW, kPictureH, 0, 0) != 0) {
        QuitAtStartUp("Screen Resolution not supported. Need at least 800x600 pixels ");
    }
    set_window_title("Velmo");
    InstallCloseButton();
    if (install_timer() != 0) QuitAtStartUp("Error installing the timer.");
    if (install_keyboard() != 0) QuitAtStartUp("Error installing the keyboard.");
    if (install_mouse() < 0) QuitAtStartUp("Error installing the mouse.");
    if (install_int_ex(increment_seconds, 1193181) != 0) QuitAtStartUp("Error installing the clock.");
    // The pointer is the window system's own where it can be, so that what
    // the screens draw never fights with it.
    enable_hardware_cursor();
    select_mouse_cursor(MOUSE_CURSOR_ARROW);
    show_mouse(screen);
}

GameFolders FindGameFolders(const std::string& data_option) {
    FolderFacts facts;
    facts.data_option = data_option;
    std::error_code unknown;
    facts.working_folder = std::filesystem::current_path(unknown).string();
    char executable[4096] = "";
    get_executable_name(executable, sizeof executable);
    facts.executable = executable;
    facts.xdg_data_home = EnvironmentValue("XDG_DATA_HOME");
    facts.xdg_config_home = EnvironmentValue("XDG_CONFIG_HOME");
    facts.home = EnvironmentValue("HOME");
    GameFolders folders = ChooseGameFolders(facts);
    // The pictures and samples are read from media/ in the data folder. A
    // folder that cannot be entered holds no velmo.dat for the loader either,
    // which reports it.
    std::filesystem::current_path(folders.data, unknown);
    return folders;
}

int PlayIntro() {
    SAMPLE* song = load_sample("media/quandosaremo.wav");
    if (song) PlayLooping(song);
    sfondo = LoadPicture("media/intro.jpg", kPictureW, kPictureH, DarkRed());
    scare_mouse();
    if (sfondo) blit(sfondo, Canvas(), 0, 0, 0, 0, kPictureW, kPictureH);
    unscare_mouse();

    int pressed = 0;
    while (!(pressed = IntroKeyDown())) {
        if (CloseButtonPressed()) {
            HandleCloseButton();
            while (IntroKeyDown()) PauseBetweenPasses();  // the answer's key does not end the intro
        }
        PauseBetweenPasses();
    }
    if (song) {
        StopLooping(song);
        destroy_sample(song);
    }
    return pressed;
}
