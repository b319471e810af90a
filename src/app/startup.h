// Start-up of the library, the game's folders and the intro.
#pragma once

#include <string>

#include "data/game_folders.h"

// Library, window, timer, keyboard, mouse and the once-a-second clock. The
// window shows the 800x600 game enlarged `scale` times (0: the largest
// factor that fits the desktop); when that window cannot be opened, 800x600
// windowed, else autodetected. Without a display, or when any of them
// fails, the game ends with a message and status -1 (255).
void init(int scale);
// Chooses the data folder and the saved game's place (--data DIR or "") and
// makes the data folder the working one, where media/ is read.
GameFolders FindGameFolders(const std::string& data_option);
// Shows the intro picture and loops its song until Escape, Space, Enter or
// a letter is down; returns that key's scancode.
int PlayIntro();
