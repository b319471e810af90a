// Start-up of the library and the intro.
#pragma once

// Library, window (800x600 windowed, else autodetected, else the game ends
// with status -1), timer, keyboard, mouse and the once-a-second clock.
void init();
// Shows the intro picture and loops its song until Escape, Space, Enter or
// a letter is down; returns that key's scancode.
int PlayIntro();
