// What every screen shares: the palette, the message box and the
// "Are you sure?" question, the button procedure, the sleeping dialog loop,
// the window's close button and pictures with a plain fallback.
#include "app/ui.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/sound.h"

namespace {

// Set on Allegro's own thread by the window's close button; read and
// cleared by the dialog loops on the game's thread.
std::atomic<bool> close_button_pressed{false};

void OnCloseButton() { close_button_pressed = true; }

// A key whose typing is dropped until it is released. The window system
// repeats a held key as a release and a new press, so the key counts as
// released only once the loops have seen it up, pass after pass, for a
// while: a single look after a long pause (the league loading) may fall
// between a release and its press.
struct HeldKey {
    int scancode = 0;
    bool up = false;
    std::chrono::steady_clock::time_point up_since;
};
constexpr std::chrono::milliseconds kReleaseSettles{250};

// The key that ended the intro, and m from the press that switched the sound.
std::vector<HeldKey> held_keys;

bool KeyHeld(int scancode) {
    return std::any_of(held_keys.begin(), held_keys.end(),
                       [scancode](const HeldKey& k) { return k.scancode == scancode; });
}

void HoldKey(int scancode) {
    if (!KeyHeld(scancode)) held_keys.push_back(HeldKey{scancode, false, {}});
}

// Forgets the held keys that have stayed up long enough.
void SettleHeldKeys() {
    const auto now = std::chrono::steady_clock::now();
    for (HeldKey& held : held_keys) {
        if (key[held.scancode]) {
            held.up = false;
        } else if (!held.up) {
            held.up = true;
            held.up_since = now;
        }
    }
    held_keys.erase(std::remove_if(held_keys.begin(), held_keys.end(),
                                   [now](const HeldKey& k) {
                                       return k.up && now - k.up_since >= kReleaseSettles;
                                   }),
                    held_keys.end());
}

// Takes out of the keyboard buffer what no dialog may see: the typing of a
// held key, and the sound switch m, which it applies once a press. Other
// keys stay, in their order.
void FilterKeys() {
    SettleHeldKeys();
    if (!keypressed()) return;
    std::vector<std::pair<int, int>> others;  // character, scancode
    while (keypressed()) {
        int scancode = 0;
        const int c = ureadkey(&scancode);
        if (KeyHeld(scancode)) continue;
        if (scancode == KEY_M) {
            ToggleSound();
            HoldKey(KEY_M);
            continue;
        }
        others.emplace_back(c, scancode);
    }
    for (const auto& [c, scancode] : others) simulate_ukeypress(c, scancode);
}

// The message box's layout. The window tests read boxes with the same
// numbers (tests/e2e/velmo_driver.py): keep the two in step.
constexpr int kFrame = 3;         // dark red frame, in pixels
constexpr int kPadding = 12;      // between the frame and the text or buttons
constexpr int kLineHeight = 12;   // one text line: 8 pixels of font, 4 of spacing
constexpr int kButtonW = 64;
constexpr int kButtonH = 20;
constexpr int kButtonGap = 16;

// Draws the box itself: white, framed in dark red.
int message_frame_proc(int msg, DIALOG* d, int) {
    if (msg == MSG_DRAW) {
        BITMAP* bmp = gui_get_screen();
        rectfill(bmp, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, d->bg);
        for (int i = 0; i < kFrame; ++i)
            rect(bmp, d->x + i, d->y + i, d->x + d->w - 1 - i, d->y + d->h - 1 - i, d->fg);
    }
    return D_O_K;
}

// Splits a message at its line breaks; empty lines stay as spacing, the
// empty lines at the end are dropped. A '&' is doubled so that the dialog
// manager shows it instead of underlining the next letter.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n') {
            lines.emplace_back();
        } else {
            if (c == '&') lines.back() += '&';
            lines.back() += c;
        }
    }
    while (lines.size() > 1 && lines.back().empty()) lines.pop_back();
    return lines;
}

struct BoxButton {
    const char* label;
    int key;
};

// A modal box: its lines centred in a white frame centred on the screen,
// its buttons in a row under them; further entries (keys) may follow.
// The entries point into `lines`, which must not change while it runs.
struct Box {
    std::vector<std::string> lines;
    std::vector<DIALOG> entries;
    int first_button = 0;
};

Box BuildBox(const std::string& text, const std::vector<BoxButton>& buttons) {
    Box box;
    box.lines = SplitLines(text);
    int text_w = 0;
    for (const std::string& line : box.lines)
        text_w = std::max(text_w, gui_strlen(line.c_str()));
    const int buttons_w = int(buttons.size()) * kButtonW + (int(buttons.size()) - 1) * kButtonGap;
    int w = std::max(text_w, buttons_w) + 2 * (kFrame + kPadding);
    w += w % 2;  // even, so that centred lines start on whole pixels
    const int text_h = int(box.lines.size()) * kLineHeight - (kLineHeight - text_height(font));
    const int h = 2 * kFrame + 3 * kPadding + text_h + kButtonH;
    const int x = (kPictureW - w) / 2;
    const int y = (kPictureH - h) / 2;

    box.entries.push_back({message_frame_proc, x, y, w, h, DarkRed(), White(), 0, 0, 0, 0,
                           nullptr, nullptr, nullptr});
    int line_y = y + kFrame + kPadding;
    for (std::string& line : box.lines) {
        const int line_x = x + (w - gui_strlen(line.c_str())) / 2;
        box.entries.push_back({d_text_proc, line_x, line_y, gui_strlen(line.c_str()), 8,
                               DarkBlue(), White(), 0, 0, 0, 0, line.data(), nullptr, nullptr});
        line_y += kLineHeight;
    }
    box.first_button = int(box.entries.size());
    int button_x = x + (w - buttons_w) / 2;
    const int button_y = y + h - kFrame - kPadding - kButtonH;
    for (const BoxButton& b : buttons) {
        box.entries.push_back({my_button_proc, button_x, button_y, kButtonW, kButtonH, White(),
                               DarkBlue(), b.key, D_EXIT, 0, 0, const_cast<char*>(b.label),
                               nullptr, reinterpret_cast<void*>(closecal)});
        button_x += kButtonW + kButtonGap;
    }
    return box;
}

// Runs a box with the sleeping loop; what lies under it is saved and put
// back. The close button is left pending for the dialog below the box.
int RunBox(Box& box) {
    box.entries.push_back({nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr});
    const DIALOG& frame = box.entries.front();
    BITMAP* under = create_bitmap(frame.w, frame.h);
    scare_mouse();
    if (under) blit(Canvas(), under, frame.x, frame.y, 0, 0, frame.w, frame.h);
    unscare_mouse();

    DIALOG_PLAYER* player = init_dialog(box.entries.data(), -1);
    for (;;) {
        FilterKeys();
        if (!update_dialog(player)) break;
        PauseBetweenPasses();
    }
    const int closed_by = shutdown_dialog(player);

    if (under) {
        scare_mouse();
        blit(under, Canvas(), 0, 0, frame.x, frame.y, frame.w, frame.h);
        unscare_mouse();
        destroy_bitmap(under);
    }
    return closed_by;
}

}  // namespace

int DarkRed() { return makecol(150, 0, 0); }
int DarkBlue() { return makecol(0, 0, 100); }
int White() { return makecol(255, 255, 255); }
int Black() { return makecol(0, 0, 0); }
int PureRed() { return makecol(255, 0, 0); }

void ShowMessage(const std::string& text) {
    Box box = BuildBox(text, {{"OK", 0}});
    // Enter and Space press "OK"; Escape closes any dialog by itself.
    box.entries.push_back({d_keyboard_proc, 0, 0, 0, 0, 0, 0, 0, 0, KEY_ENTER, KEY_ENTER_PAD,
                           reinterpret_cast<void*>(closecal), nullptr, nullptr});
    box.entries.push_back({d_keyboard_proc, 0, 0, 0, 0, 0, 0, 0, 0, KEY_SPACE, 0,
                           reinterpret_cast<void*>(closecal), nullptr, nullptr});
    RunBox(box);
}

bool AskAreYouSure() {
    Box box = BuildBox("Are you sure?", {{"&Yes", 's'}, {"&No", 'n'}});
    const bool yes = RunBox(box) == box.first_button;
    close_button_pressed = false;  // a close-button press meanwhile is answered too
    return yes;
}

int my_button_proc(int msg, DIALOG* d, int c) {
    const int result = d_button_proc(msg, d, c);
    if (result != D_CLOSE || !d->dp3) return result;
    const int callback_result = reinterpret_cast<int (*)()>(d->dp3)();
    // The button was released while the callback ran (a message box, a
    // whole screen): draw it raised again unless its dialog is closing.
    if (callback_result == D_O_K) object_message(d, MSG_DRAW, 0);
    return callback_result;
}

int closecal() { return D_CLOSE; }

int RunDialog(DIALOG* dialog, MayClose may_close, OnPass on_pass) {
    DIALOG_PLAYER* player = init_dialog(dialog, -1);
    for (;;) {
        if (on_pass) on_pass();
        FilterKeys();
        if (!update_dialog(player)) {
            if (!may_close || may_close(player->obj)) break;
            shutdown_dialog(player);  // refused: start the same dialog afresh
            player = init_dialog(dialog, -1);
            continue;
        }
        if (CloseButtonPressed()) HandleCloseButton();
        PauseBetweenPasses();  // an idle game must not burn a processor core
    }
    return shutdown_dialog(player);
}

void IgnoreHeldKey(int scancode) {
    clear_keybuf();
    HoldKey(scancode);
}

void InstallCloseButton() { set_close_button_callback(OnCloseButton); }

bool CloseButtonPressed() { return close_button_pressed; }

void HandleCloseButton() {
    close_button_pressed = false;
    if (AskAreYouSure()) deinit();
}

BITMAP* LoadPicture(const char* path, int w, int h, int colour) {
    BITMAP* picture = load_bitmap(path, nullptr);
    if (picture) return picture;
    picture = create_bitmap(w, h);
    if (picture) clear_to_color(picture, colour);
    return picture;
}

void deinit() {
    clear_keybuf();
    allegro_exit();
    exit(1);
}

void QuitWithMessage(const std::string& message) {
    // The terminal hears it at once, on one line, while the box waits for a key.
    std::string line = message;
    std::replace(line.begin(), line.end(), '\n', ' ');
    line.erase(line.find_last_not_of(' ') + 1);
    std::fprintf(stderr, "velmo: %s\n", line.c_str());
    ShowMessage(message);
    deinit();
}
