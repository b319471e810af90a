// The standings screen: the league table in two columns, team names and
// numbers, over the main background. The texts come from the table's own
// operations; this screen only shows them.
#include <string>

#include "app/screens.h"
#include "app/ui.h"
#include "season/standings.h"

namespace {

// Entries of class_dlg addressed by position.
constexpr int kFrame = 0;
constexpr int kPicture = 1;
constexpr int kClose = 2;
constexpr int kTitle = 3;
constexpr int kNames = 4;
constexpr int kNumbers = 5;

char kCloseText[] = "&Close";
char kTitleText[] = "Standings";

DIALOG class_dlg[] = {
    // (proc)           (x)  (y)  (w)  (h) (fg)(bg)(key)(flags)(d1)(d2)(dp)        (dp2)    (dp3)
    {d_shadow_box_proc, 120, 48,  540, 448, 0, 0,  0,   0,      0,  0,  nullptr,    nullptr, nullptr},
    {d_bitmap_proc,     128, 56,  524, 432, 0, 0,  0,   0,      0,  0,  nullptr,    nullptr, nullptr},
    {my_button_proc,    380, 445, 56,  24,  0, 0,  'c', D_EXIT, 0,  0,  kCloseText, nullptr, Callback(closecal)},
    {d_text_proc,       350, 70,  224, 24,  0, -1, 0,   0,      0,  0,  kTitleText, nullptr, nullptr},
    {d_textbox_proc,    200, 90,  100, 350, 0, 0,  0,   0,      0,  0,  nullptr,    nullptr, nullptr},
    {d_textbox_proc,    310, 90,  280, 350, 0, 0,  0,   0,      0,  0,  nullptr,    nullptr, nullptr},
    {nullptr,           0,   0,   0,   0,   0, 0,  0,   0,      0,  0,  nullptr,    nullptr, nullptr},
};

void SetColours() {
    class_dlg[kFrame].fg = Black();  // border and shadow
    class_dlg[kFrame].bg = DarkRed();
    class_dlg[kClose].fg = White();
    class_dlg[kClose].bg = DarkRed();
    class_dlg[kTitle].fg = White();
    class_dlg[kTitle].bg = -1;  // transparent, over the picture
    class_dlg[kNames].fg = DarkBlue();
    class_dlg[kNames].bg = White();
    class_dlg[kNumbers].fg = DarkRed();
    class_dlg[kNumbers].bg = White();
}

}  // namespace

// Callback of the main screen's "S&tandings".
int showclass() {
    // Without its picture the frame's dark red shows through, under the white title.
    BITMAP* picture = LoadPicture("media/bk0.jpg", kPictureW, kPictureH, DarkRed());
    SetColours();
    class_dlg[kPicture].dp = picture;

    UpdateRanking(league);
    MakeRanking(league);
    ShowText(class_dlg[kNames], league.textranking);
    ShowText(class_dlg[kNumbers], league.textrank2);

    RunDialog(class_dlg);

    class_dlg[kPicture].dp = nullptr;
    destroy_bitmap(picture);
    RedrawMainScreen();
    return 0;
}
