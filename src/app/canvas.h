// The picture every screen draws into: 800x600, as the game was designed,
// shown in the window enlarged by a whole factor so that pixels stay sharp.
//
// At factor 1 the picture is the screen itself and nothing is copied. At a
// larger factor the screens draw into a memory picture; each pass of a
// screen's loop copies to the window only the rows that changed since the
// last copy, and the dialogs see the mouse at the picture's scale.
#pragma once

#include <allegro.h>

constexpr int kPictureW = 800;
constexpr int kPictureH = 600;
constexpr int kMaxScale = 4;

// The factor whose window fits in 90% of a desktop of `width` x `height`,
// at most kMaxScale; 1 when none fits.
int FittingScale(int width, int height);

// Where every screen draws. Valid once the graphics mode is set.
BITMAP* Canvas();
int Scale();
// Takes the screen, just opened at `scale` times 800x600, as the window the
// picture is shown in: creates the picture and routes the dialogs and the
// mouse to it. False (and factor 1, the screen itself) when the picture
// cannot be made.
bool UseWindowAtScale(int scale);
// Copies to the window the rows of the picture that changed since the last
// copy, at most 50 times a second. Every screen's loop calls it once a pass.
void ShowCanvas();
