// The main screen: the squad list with its marks, the buttons to every
// other screen, the panels, and the redraw other screens call on closing.
#include <allegro.h>

#include <cstring>
#include <string>

#include "app/main_screen.h"
#include "app/screens.h"
#include "app/ui.h"
#include "season/opponent.h"

BITMAP* sfondo = nullptr;

namespace {

void* Txt(const char* text) { return const_cast<char*>(text); }

// Entries the code addresses by number.
constexpr int kExitButton = 6;
constexpr int kSubHeading = 8;      // "S.": the squad list's columns hang off it
constexpr int kFirstStarterMark = 9;
constexpr int kFirstSubMark = 31;
constexpr int kLineupButton = 53;
constexpr int kResetButton = 54;
constexpr int kHistoryButton = 55;
constexpr int kLastEntry = kHistoryButton;

const char* const kFooter = "Velmo - (c) 2026 the Velmo team - a football manager";

}  // namespace

// Colours are given by setupDlg; only the marks' background 0 is used as stored.
DIALOG main_dlg[] = {
    // proc            x    y    w   h  fg bg key  flags    d1 d2 dp                   dp2      dp3
    {my_button_proc, 700, 100,  95, 32, 0, 0, 'p', D_EXIT,   0, 0, Txt("&Match"),     nullptr, Callback(startmatch)},
    {my_button_proc, 700, 150,  95, 32, 0, 0, 'c', D_EXIT,   0, 0, Txt("&Calendar"),  nullptr, Callback(showcal)},
    {my_button_proc, 700, 200,  95, 32, 0, 0, 't', D_EXIT,   0, 0, Txt("S&tandings"), nullptr, Callback(showclass)},
    {my_button_proc, 700, 254,  95, 32, 0, 0, 's', D_EXIT,   0, 0, Txt("&Save"),      nullptr, Callback(save)},
    {my_button_proc, 700, 304,  95, 32, 0, 0, 'l', D_EXIT,   0, 0, Txt("&Load"),      nullptr, Callback(load)},
    {my_button_proc, 700, 354,  95, 32, 0, 0, 'a', D_EXIT,   0, 0, Txt("&About"),     nullptr, Callback(showinfo)},
    {my_button_proc, 700, 535,  95, 32, 0, 0, 'e', D_EXIT,   0, 0, Txt("&Exit"),      nullptr, Callback(quit)},
    {d_text_proc,      2,   0,  64,  8, 0, 0, 0,   0,        0, 0, Txt("T."),         nullptr, nullptr},
    {d_text_proc,     32,   0,  64,  8, 0, 0, 0,   0,        0, 0, Txt("S."),         nullptr, nullptr},
    // The marks: row r's two marks share radio group r, so a row is a
    // starter, a substitute or neither.
    {d_radio_proc,     0,  10,  16, 16, 0, 0, 0,   0,       0, 0, Txt(""),        nullptr, nullptr},  // 9: starter mark, row 0
    {d_radio_proc,     0,  34,  16, 16, 0, 0, 0,   0,       1, 0, Txt(""),        nullptr, nullptr},  // 10: starter mark, row 1
    {d_radio_proc,     0,  58,  16, 16, 0, 0, 0,   0,       2, 0, Txt(""),        nullptr, nullptr},  // 11: starter mark, row 2
    {d_radio_proc,     0,  82,  16, 16, 0, 0, 0,   0,       3, 0, Txt(""),        nullptr, nullptr},  // 12: starter mark, row 3
    {d_radio_proc,     0, 106,  16, 16, 0, 0, 0,   0,       4, 0, Txt(""),        nullptr, nullptr},  // 13: starter mark, row 4
    {d_radio_proc,     0, 130,  16, 16, 0, 0, 0,   0,       5, 0, Txt(""),        nullptr, nullptr},  // 14: starter mark, row 5
    {d_radio_proc,     0, 154,  16, 16, 0, 0, 0,   0,       6, 0, Txt(""),        nullptr, nullptr},  // 15: starter mark, row 6
    {d_radio_proc,     0, 178,  16, 16, 0, 0, 0,   0,       7, 0, Txt(""),        nullptr, nullptr},  // 16: starter mark, row 7
    {d_radio_proc,     0, 202,  16, 16, 0, 0, 0,   0,       8, 0, Txt(""),        nullptr, nullptr},  // 17: starter mark, row 8
    {d_radio_proc,     0, 226,  16, 16, 0, 0, 0,   0,       9, 0, Txt(""),        nullptr, nullptr},  // 18: starter mark, row 9
    {d_radio_proc,     0, 250,  16, 16, 0, 0, 0,   0,      10, 0, Txt(""),        nullptr, nullptr},  // 19: starter mark, row 10
    {d_radio_proc,     0, 274,  16, 16, 0, 0, 0,   0,      11, 0, Txt(""),        nullptr, nullptr},  // 20: starter mark, row 11
    {d_radio_proc,     0, 298,  16, 16, 0, 0, 0,   0,      12, 0, Txt(""),        nullptr, nullptr},  // 21: starter mark, row 12
    {d_radio_proc,     0, 322,  16, 16, 0, 0, 0,   0,      13, 0, Txt(""),        nullptr, nullptr},  // 22: starter mark, row 13
    {d_radio_proc,     0, 346,  16, 16, 0, 0, 0,   0,      14, 0, Txt(""),        nullptr, nullptr},  // 23: starter mark, row 14
    {d_radio_proc,     0, 370,  16, 16, 0, 0, 0,   0,      15, 0, Txt(""),        nullptr, nullptr},  // 24: starter mark, row 15
    {d_radio_proc,     0, 394,  16, 16, 0, 0, 0,   0,      16, 0, Txt(""),        nullptr, nullptr},  // 25: starter mark, row 16
    {d_radio_proc,     0, 418,  16, 16, 0, 0, 0,   0,      17, 0, Txt(""),        nullptr, nullptr},  // 26: starter mark, row 17
    {d_radio_proc,     0, 442,  16, 16, 0, 0, 0,   0,      18, 0, Txt(""),        nullptr, nullptr},  // 27: starter mark, row 18
    {d_radio_proc,     0, 466,  16, 16, 0, 0, 0,   0,      19, 0, Txt(""),        nullptr, nullptr},  // 28: starter mark, row 19
    {d_radio_proc,     0, 490,  16, 16, 0, 0, 0,   0,      20, 0, Txt(""),        nullptr, nullptr},  // 29: starter mark, row 20
    {d_radio_proc,     0, 514,  16, 16, 0, 0, 0,   0,      21, 0, Txt(""),        nullptr, nullptr},  // 30: starter mark, row 21
    {d_radio_proc,    30,  10,  16, 16, 0, 0, 0,   0,       0, 0, Txt(""),        nullptr, nullptr},  // 31: substitute mark, row 0
    {d_radio_proc,    30,  34,  16, 16, 0, 0, 0,   0,       1, 0, Txt(""),        nullptr, nullptr},  // 32: substitute mark, row 1
    {d_radio_proc,    30,  58,  16, 16, 0, 0, 0,   0,       2, 0, Txt(""),        nullptr, nullptr},  // 33: substitute mark, row 2
    {d_radio_proc,    30,  82,  16, 16, 0, 0, 0,   0,       3, 0, Txt(""),        nullptr, nullptr},  // 34: substitute mark, row 3
    {d_radio_proc,    30, 106,  16, 16, 0, 0, 0,   0,       4, 0, Txt(""),        nullptr, nullptr},  // 35: substitute mark, row 4
    {d_radio_proc,    30, 130,  16, 16, 0, 0, 0,   0,       5, 0, Txt(""),        nullptr, nullptr},  // 36: substitute mark, row 5
    {d_radio_proc,    30, 154,  16, 16, 0, 0, 0,   0,       6, 0, Txt(""),        nullptr, nullptr},  // 37: substitute mark, row 6
    {d_radio_proc,    30, 178,  16, 16, 0, 0, 0,   0,       7, 0, Txt(""),        nullptr, nullptr},  // 38: substitute mark, row 7
    {d_radio_proc,    30, 202,  16, 16, 0, 0, 0,   0,       8, 0, Txt(""),        nullptr, nullptr},  // 39: substitute mark, row 8
    {d_radio_proc,    30, 226,  16, 16, 0, 0, 0,   0,       9, 0, Txt(""),        nullptr, nullptr},  // 40: substitute mark, row 9
    {d_radio_proc,    30, 250,  16, 16, 0, 0, 0,   0,      10, 0, Txt(""),        nullptr, nullptr},  // 41: substitute mark, row 10
    {d_radio_proc,    30, 274,  16, 16, 0, 0, 0,   0,      11, 0, Txt(""),        nullptr, nullptr},  // 42: substitute mark, row 11
    {d_radio_proc,    30, 298,  16, 16, 0, 0, 0,   0,      12, 0, Txt(""),        nullptr, nullptr},  // 43: substitute mark, row 12
    {d_radio_proc,    30, 322,  16, 16, 0, 0, 0,   0,      13, 0, Txt(""),        nullptr, nullptr},  // 44: substitute mark, row 13
    {d_radio_proc,    30, 346,  16, 16, 0, 0, 0,   0,      14, 0, Txt(""),        nullptr, nullptr},  // 45: substitute mark, row 14
    {d_radio_proc,    30, 370,  16, 16, 0, 0, 0,   0,      15, 0, Txt(""),        nullptr, nullptr},  // 46: substitute mark, row 15
    {d_radio_proc,    30, 394,  16, 16, 0, 0, 0,   0,      16, 0, Txt(""),        nullptr, nullptr},  // 47: substitute mark, row 16
    {d_radio_proc,    30, 418,  16, 16, 0, 0, 0,   0,      17, 0, Txt(""),        nullptr, nullptr},  // 48: substitute mark, row 17
    {d_radio_proc,    30, 442,  16, 16, 0, 0, 0,   0,      18, 0, Txt(""),        nullptr, nullptr},  // 49: substitute mark, row 18
    {d_radio_proc,    30, 466,  16, 16, 0, 0, 0,   0,      19, 0, Txt(""),        nullptr, nullptr},  // 50: substitute mark, row 19
    {d_radio_proc,    30, 490,  16, 16, 0, 0, 0,   0,      20, 0, Txt(""),        nullptr, nullptr},  // 51: substitute mark, row 20
    {d_radio_proc,    30, 514,  16, 16, 0, 0, 0,   0,      21, 0, Txt(""),        nullptr, nullptr},  // 52: substitute mark, row 21
    {my_button_proc, 700,   6,  95, 32, 0, 0, 'u', D_EXIT,   0, 0, Txt("Team Line&Up"), nullptr,
     Callback(static_cast<int (*)()>(SetUpTeam))},
    {my_button_proc,  10, 540,  88, 20, 0, 0, 'r', D_EXIT,   0, 0, Txt("&Reset"),     nullptr, Callback(ClearMainDialog)},
    // Added after the others, so that no entry changes its number.
    {my_button_proc, 700, 404,  95, 32, 0, 0, 'h', D_EXIT,   0, 0, Txt("&History"),   nullptr, Callback(showhistory)},
    {nullptr,          0,   0,   0,  0, 0, 0, 0,   0,        0, 0, nullptr,           nullptr, nullptr},
};
static_assert(sizeof(main_dlg) / sizeof(main_dlg[0]) == 57, "the main dialog has 57 entries");

namespace {

void DrawText(const std::string& text, int x, int y, int fg, int bg) {
    textout_ex(Canvas(), font, text.c_str(), x, y, fg, bg);
}

// One row of the squad list, white on black, in the columns of its heading.
void DrawPlayerRow(const Player& p, int x, int y) {
    DrawText(p.surname, x, y, White(), Black());
    DrawText(p.name, x + 80, y, White(), Black());
    DrawText(p.role, x + 180, y, White(), Black());
    DrawText(std::to_string(p.attr_a), x + 200, y, White(), Black());
    DrawText(std::to_string(p.technique), x + 220, y, White(), Black());
    DrawText(std::to_string(p.fantasy), x + 240, y, White(), Black());
    DrawText(std::to_string(p.condition), x + 260, y, White(), Black());
}

// Module and sector sums of the last line-up check that counted eleven starters.
void DrawLineupPanel(const Team& v) {
    const int fg = White(), bg = DarkRed();
    textprintf_ex(Canvas(), font, 350, 40, fg, bg, "Module: %d - %d - %d", v.module[0], v.module[1],
                  v.module[2]);
    const char* const sectors[] = {"DEFENCE (goalkeeper included)", "MIDFIELD", "ATTACK"};
    for (int s = 0; s < kSectors; ++s) {
        const int y = 60 + 30 * s;
        textout_ex(Canvas(), font, sectors[s], 350, y, fg, bg);
        textprintf_ex(Canvas(), font, 350, y + 10, fg, bg, "Technique: %d Fantasy: %d Condition: %d",
                      v.technique[s], v.fantasy[s], v.condition[s]);
    }
    textprintf_ex(Canvas(), font, 350, 150, fg, bg, "Substitutes: %d", v.subs_count);
}

// Escape asks like "&Exit"; only a confirmed "&Exit" closes the main dialog.
bool MainMayClose(int object) {
    if (object == kExitButton) return true;
    if (object == -1) return AskAreYouSure();
    return false;
}

}  // namespace

void DisplayBackground() {
    BITMAP* picture = LoadPicture("media/bk0.jpg", kPictureW, kPictureH, DarkBlue());
    if (sfondo) destroy_bitmap(sfondo);
    sfondo = picture;
    if (!sfondo) return;
    textout_ex(sfondo, font, kFooter, 10, 580, PureRed(), -1);
    scare_mouse();
    blit(sfondo, Canvas(), 0, 0, 0, 0, kPictureW, kPictureH);
    unscare_mouse();
}

void DisplayPlayers() {
    scare_mouse();
    DrawText("Surname    Name       R. A.T.Fa.Co.", main_dlg[kSubHeading].x + 20, 0, Black(), White());
    for (int r = 0; r < kSquadSize; ++r) {
        const Player& p = league.players[r];
        if (std::strcmp(p.surname, "-") == 0) continue;
        const DIALOG& mark = main_dlg[kFirstSubMark + r];
        DrawPlayerRow(p, mark.x + 20, mark.y + 6);
    }
    DrawText("Choose 11 Team Players and 6 Substitutes", 350, 0, DarkRed(), White());
    DrawText("then click on 'Team LineUp'", 350, 10, DarkRed(), White());
    if (league.Velmo.starters_count == kStarters) DrawLineupPanel(league.Velmo);
    unscare_mouse();
    if (PrepareOpponent(league)) DisplayOpponent(league.avversario);
}

int RedrawDialog() {
    position_dialog(main_dlg, 0, 0);
    for (int i = 0; i <= kLastEntry; ++i) object_message(&main_dlg[i], MSG_DRAW, 0);
    return 0;
}

void RedrawMainScreen() {
    DisplayBackground();
    DisplayPlayers();
    RedrawDialog();
    if (SeasonOver(league)) LastScreen();
}

int ClearMainDialog() {
    for (int i = kFirstStarterMark; i < kFirstSubMark + kSquadSize; ++i) {
        main_dlg[i].flags = 0;
        object_message(&main_dlg[i], MSG_DRAW, 0);
    }
    return 0;
}

void setupDlg() {
    for (int i = 0; i < kLineupButton; ++i) main_dlg[i].fg = White();
    for (int i = 0; i <= 2; ++i) main_dlg[i].bg = DarkRed();
    for (int i = 3; i <= 5; ++i) main_dlg[i].bg = DarkBlue();
    main_dlg[kHistoryButton].fg = White();  // drawn like "&Save", "&Load" and "&About"
    main_dlg[kHistoryButton].bg = DarkBlue();
    main_dlg[kExitButton].fg = DarkBlue();
    main_dlg[kExitButton].bg = White();
    for (int i = 7; i <= 8; ++i) {
        main_dlg[i].fg = Black();
        main_dlg[i].bg = White();
    }
    for (int i : {kLineupButton, kResetButton}) {
        main_dlg[i].fg = DarkBlue();
        main_dlg[i].bg = White();
    }
    RunDialog(main_dlg, MainMayClose);
}

int quit() { return AskAreYouSure() ? 1 : 0; }

LineupMarks ReadMarks() {
    LineupMarks marks;
    for (int r = 0; r < kSquadSize; ++r) {
        marks.starter[r] = main_dlg[kFirstStarterMark + r].flags & D_SELECTED;
        marks.substitute[r] = main_dlg[kFirstSubMark + r].flags & D_SELECTED;
    }
    return marks;
}

void ClearStarterMark(int row) {
    DIALOG& mark = main_dlg[kFirstStarterMark + row];
    mark.flags = 0;
    object_message(&mark, MSG_DRAW, 0);
}
