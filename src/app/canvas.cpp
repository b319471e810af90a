// The 800x600 picture and its enlarged copy in the window.
#include "app/canvas.h"

#include <atomic>
#include <chrono>
#include <cstring>

namespace {

int scale = 1;
BITMAP* picture = nullptr;  // what the screens draw; the screen itself at factor 1
BITMAP* shown = nullptr;    // what the window shows, at the picture's size

// A comparison reads both pictures whole, so it is made at most 50 times a
// second while the picture changes or the player uses the mouse or the
// keyboard, and 10 times a second while all stands still (the match clock
// ticks once a second).
constexpr std::chrono::milliseconds kRefresh{20};
constexpr std::chrono::milliseconds kStillRefresh{100};
std::chrono::steady_clock::time_point last_shown;
bool picture_still = false;           // the last comparison found nothing to copy
std::atomic<bool> input_seen{false};  // set on Allegro's own thread by the mouse and the keys

void OnMouse(int) { input_seen = true; }
void OnKey(int) { input_seen = true; }

int ScaledMouseX() { return mouse_x / scale; }
int ScaledMouseY() { return mouse_y / scale; }
// A button or the slider held down keeps Allegro inside its own loop, which
// asks for the mouse buttons over and over: the picture is shown from there
// too, so that the press and the drag appear.
int MouseButtonsShowingCanvas() {
    const int buttons = mouse_b;
    if (buttons) ShowCanvas();
    return buttons;
}

bool RowChanged(int y, int row_bytes) {
    return std::memcmp(picture->line[y], shown->line[y], row_bytes) != 0;
}

// Copies rows [first, last) to the window, enlarged, and remembers them.
void CopyRows(int first, int last) {
    const int rows = last - first;
    blit(picture, shown, 0, first, 0, first, kPictureW, rows);
    stretch_blit(picture, screen, 0, first, kPictureW, rows, 0, first * scale, kPictureW * scale,
                 rows * scale);
}

}  // namespace

int FittingScale(int width, int height) {
    int fitting = 1;
    for (int k = 2; k <= kMaxScale; ++k) {
        // 800k x 600k within 90% of the desktop, in whole pixels.
        if (10 * kPictureW * k <= 9 * width && 10 * kPictureH * k <= 9 * height) fitting = k;
    }
    return fitting;
}

BITMAP* Canvas() { return picture ? picture : screen; }

int Scale() { return scale; }

bool UseWindowAtScale(int factor) {
    scale = 1;
    picture = nullptr;
    if (factor <= 1) return true;
    BITMAP* drawn = create_bitmap(kPictureW, kPictureH);
    BITMAP* copy = create_bitmap(kPictureW, kPictureH);
    if (!drawn || !copy) {
        if (drawn) destroy_bitmap(drawn);
        if (copy) destroy_bitmap(copy);
        return false;
    }
    clear_to_color(drawn, 0);
    clear_to_color(copy, 0);
    scale = factor;
    picture = drawn;
    shown = copy;
    gui_set_screen(picture);
    gui_mouse_x = ScaledMouseX;
    gui_mouse_y = ScaledMouseY;
    gui_mouse_b = MouseButtonsShowingCanvas;
    mouse_callback = OnMouse;
    keyboard_lowlevel_callback = OnKey;
    return true;
}

void ShowCanvas() {
    if (!picture) return;
    const auto now = std::chrono::steady_clock::now();
    const bool still = picture_still && !input_seen;
    if (now - last_shown < (still ? kStillRefresh : kRefresh)) return;
    last_shown = now;
    input_seen = false;
    picture_still = true;
    const int row_bytes = kPictureW * ((bitmap_color_depth(picture) + 7) / 8);
    for (int y = 0; y < kPictureH;) {
        if (!RowChanged(y, row_bytes)) {
            ++y;
            continue;
        }
        const int first = y;
        while (y < kPictureH && RowChanged(y, row_bytes)) ++y;
        CopyRows(first, y);
        picture_still = false;
    }
}
