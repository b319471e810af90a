// The two ends of the game's life: the library, window, timer, input and
// intro at start-up, and the shutdown.
#include <allegro.h>
#include <jpgalleg.h>

#include <cerrno>
#include <cstdlib>

#include "app/clock.h"
#include "app/main_screen.h"
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

}  // namespace

void init() {
    install_allegro(SYSTEM_AUTODETECT, &errno, atexit);
    jpgalleg_init();
    const int depth = desktop_color_depth();
    set_color_depth(depth != 0 ? depth : 24);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 800, 600, 0, 0) != 0 &&
        set_gfx_mode(GFX_AUTODETECT, 800, 600, 0, 0) != 0) {
        set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
        allegro_message("Screen Resolution not supported. Need at least 800x600 pixels \n%s\n",
                        allegro_error);
        exit(-1);
    }
    set_window_title("Velmo");
    InstallCloseButton();
    install_timer();
    install_keyboard();
    install_mouse();
    install_int_ex(increment_seconds, 1193181);
    // The pointer is the window system's own where it can be, so that what
    // the screens draw never fights with it.
    enable_hardware_cursor();
    select_mouse_cursor(MOUSE_CURSOR_ARROW);
    show_mouse(screen);
}

int PlayIntro() {
    SAMPLE* song = load_sample("media/quandosaremo.wav");
    if (song) play_sample(song, 255, 128, 1000, 1);
    sfondo = LoadPicture("media/intro.jpg", SCREEN_W, SCREEN_H, DarkRed());
    scare_mouse();
    if (sfondo) blit(sfondo, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
    unscare_mouse();

    int pressed = 0;
    while (!(pressed = IntroKeyDown())) {
        if (CloseButtonPressed()) {
            HandleCloseButton();
            while (IntroKeyDown()) PauseBetweenPasses();  // the answer's key does not end the intro
        }
        PauseBetweenPasses();
    }
    if (song) destroy_sample(song);
    return pressed;
}
