// The calendar viewer: one matchday of the fixture list at a time, its
// heading and its ten fixtures with their scores, paged with "&Previous" and
// "&Next". The page texts and the paging limits belong to the calendar's own
// operations; this screen only shows them.
#include <climits>
#include <string>

#include "app/screens.h"
#include "app/ui.h"
#include "season/calendar.h"

int calavanti();
int calindietro();

namespace {

// Entries of cal_dlg addressed by position.
constexpr int kFrame = 0;
constexpr int kPicture = 1;
constexpr int kPrevious = 2;
constexpr int kNext = 3;
constexpr int kClose = 4;
constexpr int kHeading = 5;
constexpr int kFixtureList = 6;

char kPreviousText[] = "&Previous";
char kNextText[] = "&Next";
char kCloseText[] = "&Close";
char kHeadingPlaceholder[] = "Match Day n.";

DIALOG cal_dlg[] = {
    // (proc)           (x)  (y)  (w)  (h) (fg)(bg)(key)(flags)(d1)(d2)(dp)                 (dp2)    (dp3)
    {d_shadow_box_proc, 120, 48,  440, 328, 0, 0,  0,   0,      0,  0,  nullptr,             nullptr, nullptr},
    {d_bitmap_proc,     128, 56,  424, 312, 0, 0,  0,   0,      0,  0,  nullptr,             nullptr, nullptr},
    {my_button_proc,    136, 192, 72,  24,  0, 0,  'i', D_EXIT, 0,  0,  kPreviousText,       nullptr, Callback(calindietro)},
    {my_button_proc,    480, 192, 64,  24,  0, 0,  'a', D_EXIT, 0,  0,  kNextText,           nullptr, Callback(calavanti)},
    {my_button_proc,    312, 336, 56,  24,  0, 0,  'c', D_EXIT, 0,  0,  kCloseText,          nullptr, Callback(closecal)},
    {d_text_proc,       280, 70,  224, 24,  0, -1, 0,   0,      0,  0,  kHeadingPlaceholder, nullptr, nullptr},
    {d_textbox_proc,    225, 110, 240, 170, 0, 0,  0,   0,      0,  0,  nullptr,             nullptr, nullptr},
    {nullptr,           0,   0,   0,   0,   0, 0,  0,   0,      0,  0,  nullptr,             nullptr, nullptr},
};

void SetColours() {
    cal_dlg[kFrame].fg = Black();
    cal_dlg[kFrame].bg = DarkBlue();
    cal_dlg[kPrevious].fg = White();
    cal_dlg[kPrevious].bg = DarkRed();
    cal_dlg[kNext].fg = White();
    cal_dlg[kNext].bg = DarkBlue();
    cal_dlg[kClose].fg = DarkRed();
    cal_dlg[kClose].bg = White();
    cal_dlg[kHeading].fg = DarkBlue();
    cal_dlg[kHeading].bg = -1;  // transparent, over the picture
    cal_dlg[kFixtureList].fg = DarkBlue();
    cal_dlg[kFixtureList].bg = White();
}

// Points the heading and the fixtures box at the page just composed. Done
// after every change: a std::string may move its characters when it grows.
void ShowPage() {
    ShowText(cal_dlg[kHeading], league.day);
    ShowText(cal_dlg[kFixtureList], league.textbuffer);
    cal_dlg[kFixtureList].d2 = 0;  // back to the top of the list
}

// The main background is dark where the heading falls; a white plate framed
// in dark red, laid on this screen's copy of the picture, keeps the heading's
// dark blue text readable over it.
void LayHeadingPlate(BITMAP* picture) {
    const DIALOG& heading = cal_dlg[kHeading];
    const int x = heading.x - cal_dlg[kPicture].x - 6;
    const int y = heading.y - cal_dlg[kPicture].y - 5;
    // Wide enough for the longest heading: the loader takes any matchday number
    // from 0 to the largest int (empty records show -1).
    const int w = text_length(font, DayHeading(INT_MAX).c_str()) + 12;
    const int h = text_height(font) + 10;
    rectfill(picture, x, y, x + w - 1, y + h - 1, White());
    rect(picture, x, y, x + w - 1, y + h - 1, DarkRed());
}

}  // namespace

// Callback of "&Next": the following matchday record, nothing past the last.
int calavanti() {
    if (!CalendarNext(league)) return D_O_K;
    ShowPage();
    return D_REDRAW;
}

// Callback of "&Previous": the matchday record before, nothing before the first.
int calindietro() {
    if (!CalendarPrevious(league)) return D_O_K;
    ShowPage();
    return D_REDRAW;
}

// Callback of the main screen's "&Calendar": opens on the next matchday.
int showcal() {
    // Without its picture a white page keeps the dark blue heading readable.
    BITMAP* picture = LoadPicture("media/bk0.jpg", kPictureW, kPictureH, White());
    SetColours();
    LayHeadingPlate(picture);
    cal_dlg[kPicture].dp = picture;

    CalendarOpen(league);
    ShowPage();

    RunDialog(cal_dlg);

    cal_dlg[kPicture].dp = nullptr;
    destroy_bitmap(picture);
    RedrawMainScreen();
    return 0;
}
