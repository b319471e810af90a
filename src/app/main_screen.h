// The main screen's dialog as other screens see it: the marks of the squad
// list and the background picture.
#pragma once

#include <allegro.h>

#include "lineup/lineup.h"

// The main screen's background; the intro picture until the first
// DisplayBackground replaces it. Lives for the whole program.
extern BITMAP* sfondo;

// The main screen's 57 dialog entries, the last one the end marker.
extern DIALOG main_dlg[];

// The 44 marks of the squad list: column "T." and column "S." of each row.
LineupMarks ReadMarks();
// Unmarks the starter mark of `row` and draws it again.
void ClearStarterMark(int row);
