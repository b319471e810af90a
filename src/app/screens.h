// The main screen and the callbacks of its buttons, one per screen.
#pragma once

// Main screen (main_screen.cpp)
void DisplayBackground();
void DisplayPlayers();
int RedrawDialog();
void RedrawMainScreen();
int ClearMainDialog();
void setupDlg();
int quit();

// Line-up check (lineup_screen.cpp)
int SetUpTeam();
// Opponent panel (opponent_screen.cpp)
void DisplayOpponent(int slot);
// Match (match_screen.cpp)
int startmatch();
// Standings and calendar (standings_screen.cpp, calendar_screen.cpp)
int showclass();
int showcal();
// The season's story and the past seasons (history_screen.cpp)
int showhistory();
// Saved game (savegame_screen.cpp)
int save();
int load();
// About and season end (about_screen.cpp)
int showinfo();
void LastScreen();
