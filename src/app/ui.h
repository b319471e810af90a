// What every screen shares: the one league, colours, the message box and
// the "Are you sure?" question, the button procedure, the sleeping dialog
// loop and picture loading with a plain fallback.
#pragma once

#include <allegro.h>

#include <string>

#include "app/canvas.h"
#include "data/game_folders.h"
#include "data/league.h"

// The game's one league, read and written by every dialog callback.
extern League league;
// Where the data files are read and the saved game is kept; set at start-up.
extern GameFolders game_folders;

// The palette, as makecol values for the current colour depth.
int DarkRed();
int DarkBlue();
int White();
int Black();
int PureRed();

// A modal box inside the game window: the text split at its line breaks,
// one "OK" button that Enter, Space and Escape also press.
void ShowMessage(const std::string& text);
// "Are you sure?" with "&Yes" (key s) and "&No" (key n); true for Yes.
bool AskAreYouSure();

// The button procedure of every dialog: a D_CLOSE from d_button_proc runs
// the entry's callback (dp3) and returns its result.
int my_button_proc(int msg, DIALOG* d, int c);
// The callback of every close-type button: returns 1.
int closecal();

// A button callback as a dialog entry's third pointer (dp3).
inline void* Callback(int (*callback)()) { return reinterpret_cast<void*>(callback); }

// Decides whether a nested dialog may close; `object` is the entry that
// closed it, -1 for Escape. Returning false keeps the dialog running.
using MayClose = bool (*)(int object);
// Called once per pass of a nested dialog's loop (the match clock).
using OnPass = void (*)();
// Runs a nested dialog: init_dialog with no focus, update_dialog until it
// closes, shutdown_dialog. Sleeps on passes with nothing to do, and asks
// "Are you sure?" when the window's close button is pressed.
// Returns the entry that closed it (-1 for Escape).
int RunDialog(DIALOG* dialog, MayClose may_close = nullptr, OnPass on_pass = nullptr);

// The end of a pass of every screen's loop: the picture shown, then a pause
// long enough that a waiting game costs a few percent of a core, short
// enough that nobody notices it (at most 200 passes a second).
inline void PauseBetweenPasses() {
    ShowCanvas();
    rest(5);
}

// Set by the window's close button (on Allegro's own thread); read by the loops.
bool CloseButtonPressed();
// Routes the window's close button to that flag (once, after the graphics mode).
void InstallCloseButton();
// Asks "Are you sure?" for a pending close-button press; ends the game on Yes.
void HandleCloseButton();

// Empties the keyboard buffer, and keeps emptying it in every dialog loop
// while the key with this scancode stays down: the key that ended the intro
// must not press a button or dismiss a message, even by repeating.
void IgnoreHeldKey(int scancode);

// Points a text box (or text) entry at a text, scrolled back to its top. The
// text must not change while the entry shows it: a std::string may move its
// characters.
inline void ShowText(DIALOG& entry, const std::string& text) {
    entry.dp = const_cast<char*>(text.c_str());
    entry.d2 = 0;
}

// A picture, or a plain w x h bitmap of `colour` when the file cannot be loaded.
BITMAP* LoadPicture(const char* path, int w, int h, int colour);

// Ends the game: empty the keyboard buffer, close the library, status 1.
[[noreturn]] void deinit();
// Tells the player what went wrong (a data file missing or damaged), on standard
// error too, then ends the game.
[[noreturn]] void QuitWithMessage(const std::string& message);
