// The match screen: both line-ups, badges, score, clock and commentary over
// the home or away picture, with the chant looping until the final whistle.
//
// The match itself is the core's state machine (match.h): this screen asks
// it for one play per new clock value, shows the commentary and the score,
// passes on the tactics slider and the substitution buttons, and closes
// only when the core says the match is over.
#include <algorithm>
#include <cstdio>
#include <string>

#include "app/clock.h"
#include "app/screens.h"
#include "app/sound.h"
#include "app/ui.h"
#include "match/match.h"
#include "match/strength.h"
#include "season/opponent.h"

namespace {

// The "Out" and "In" buttons of every row: Allegro's callbacks carry no
// argument, so each row's entry point is this template over its slot.
int SubstituteOut(int starter_slot);
int SubstituteIn(int sub_slot);
template <int StarterSlot>
int Out() { return SubstituteOut(StarterSlot); }
template <int SubSlot>
int In() { return SubstituteIn(SubSlot); }
int CloseMatch();
int FinishMatchNow();

// Addressed entries of match_dlg.
constexpr int kBox = 0;
constexpr int kBackground = 1;
constexpr int kSubsLabel = 2;
constexpr int kFirstStarterName = 3;   // 3..13
constexpr int kFirstSubName = 14;      // 14..19
constexpr int kFirstStarterMark = 20;  // 20..30
constexpr int kFirstSubMark = 31;      // 31..36
constexpr int kFirstOut = 37;          // 37..47
constexpr int kFirstIn = 48;           // 48..53
constexpr int kSlider = 54;
constexpr int kCommentary = 57;
constexpr int kHumanName = 59;
constexpr int kHumanModule = 60;
constexpr int kHumanSectors[kSectors] = {62, 64, 66};
constexpr int kRivalName = 67;
constexpr int kRivalModule = 68;
constexpr int kRivalSectors[kSectors] = {70, 72, 74};
constexpr int kHomeGoals = 75;
constexpr int kAwayGoals = 77;
constexpr int kMinute = 79;
constexpr int kHumanBadge = 80;
constexpr int kRivalBadge = 81;
constexpr int kFinishButton = 82;
constexpr int kEntries = 84;

constexpr int kBackgroundX = 5;  // the background picture's corner on the screen
constexpr int kBackgroundY = 5;
constexpr int kSliderMiddle = 5;  // the slider's value minus this is the tactic

char kNone[] = "";

// The commentary box: d_textbox_proc over a white page. Its transparent
// background would leave the old lines under the new ones once the box
// scrolls, so every drawing starts from a clean page.
int commentary_proc(int msg, DIALOG* d, int c) {
    if (msg == MSG_DRAW) {
        rectfill(gui_get_screen(), d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, White());
    }
    return d_textbox_proc(msg, d, c);
}

// clang-format off
DIALOG match_dlg[kEntries] = {
   /* (proc)            (x)  (y)  (w)  (h) (fg)(bg)(key)(flags) (d1)(d2)(dp)                 (dp2)    (dp3) */
   { d_shadow_box_proc,   0,   0, 800, 600, 0, 0, 0,   0,       0,  0, nullptr,             nullptr, nullptr },
   { d_bitmap_proc,       5,   5, 790, 590, 0, 0, 0,   0,       0,  0, nullptr,             nullptr, nullptr },
   { d_text_proc,        24, 350, 120,  16, 0, 0, 0,   0,       0,  0, (void*)"Sobstitutions", nullptr, nullptr },
   // names of the eleven starters, then of the six substitutes
   { d_text_proc,       104,  48, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104,  64, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104,  80, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104,  96, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104, 112, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104, 128, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104, 144, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104, 160, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104, 176, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104, 192, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104, 208, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104, 248, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104, 264, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104, 280, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104, 296, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104, 312, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       104, 328, 120,  16, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   // marks: a starter's is taken away by "Out", a substitute's given by "In"
   { d_radio_proc,       64,  48,  16,  16, 0, 0, 0,   0,       1,  0, (void*)"1",          nullptr, nullptr },
   { d_radio_proc,       64,  64,  16,  16, 0, 0, 0,   0,       2,  0, (void*)"2",          nullptr, nullptr },
   { d_radio_proc,       64,  80,  16,  16, 0, 0, 0,   0,       3,  0, (void*)"3",          nullptr, nullptr },
   { d_radio_proc,       64,  96,  16,  16, 0, 0, 0,   0,       4,  0, (void*)"4",          nullptr, nullptr },
   { d_radio_proc,       64, 112,  16,  16, 0, 0, 0,   0,       5,  0, (void*)"5",          nullptr, nullptr },
   { d_radio_proc,       64, 128,  16,  16, 0, 0, 0,   0,       6,  0, (void*)"6",          nullptr, nullptr },
   { d_radio_proc,       64, 144,  16,  16, 0, 0, 0,   0,       7,  0, (void*)"7",          nullptr, nullptr },
   { d_radio_proc,       64, 160,  16,  16, 0, 0, 0,   0,       8,  0, (void*)"8",          nullptr, nullptr },
   { d_radio_proc,       64, 176,  16,  16, 0, 0, 0,   0,       9,  0, (void*)"9",          nullptr, nullptr },
   { d_radio_proc,       64, 192,  16,  16, 0, 0, 0,   0,      10,  0, (void*)"10",         nullptr, nullptr },
   { d_radio_proc,       64, 208,  16,  16, 0, 0, 0,   0,      11,  0, (void*)"11",         nullptr, nullptr },
   { d_radio_proc,       64, 248,  16,  16, 0, 0, 0,   0,      12,  0, (void*)"12",         nullptr, nullptr },
   { d_radio_proc,       64, 264,  16,  16, 0, 0, 0,   0,      13,  0, (void*)"13",         nullptr, nullptr },
   { d_radio_proc,       64, 280,  16,  16, 0, 0, 0,   0,      14,  0, (void*)"14",         nullptr, nullptr },
   { d_radio_proc,       64, 296,  16,  16, 0, 0, 0,   0,      15,  0, (void*)"15",         nullptr, nullptr },
   { d_radio_proc,       64, 312,  16,  16, 0, 0, 0,   0,      16,  0, (void*)"16",         nullptr, nullptr },
   { d_radio_proc,       64, 328,  16,  16, 0, 0, 0,   0,      17,  0, (void*)"17",         nullptr, nullptr },
   // substitution buttons
   { my_button_proc,     24,  48,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"Out",        nullptr, Callback(Out<0>) },
   { my_button_proc,     24,  64,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"Out",        nullptr, Callback(Out<1>) },
   { my_button_proc,     24,  80,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"Out",        nullptr, Callback(Out<2>) },
   { my_button_proc,     24,  96,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"Out",        nullptr, Callback(Out<3>) },
   { my_button_proc,     24, 112,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"Out",        nullptr, Callback(Out<4>) },
   { my_button_proc,     24, 128,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"Out",        nullptr, Callback(Out<5>) },
   { my_button_proc,     24, 144,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"Out",        nullptr, Callback(Out<6>) },
   { my_button_proc,     24, 160,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"Out",        nullptr, Callback(Out<7>) },
   { my_button_proc,     24, 176,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"Out",        nullptr, Callback(Out<8>) },
   { my_button_proc,     24, 192,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"Out",        nullptr, Callback(Out<9>) },
   { my_button_proc,     24, 208,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"Out",        nullptr, Callback(Out<10>) },
   { my_button_proc,     24, 248,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"In",         nullptr, Callback(In<0>) },
   { my_button_proc,     24, 264,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"In",         nullptr, Callback(In<1>) },
   { my_button_proc,     24, 280,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"In",         nullptr, Callback(In<2>) },
   { my_button_proc,     24, 296,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"In",         nullptr, Callback(In<3>) },
   { my_button_proc,     24, 312,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"In",         nullptr, Callback(In<4>) },
   { my_button_proc,     24, 328,  32,  16, 0, 0, 0,   D_EXIT,  0,  0, (void*)"In",         nullptr, Callback(In<5>) },
   // tactics; the slider keeps its value from one match to the next
   { d_slider_proc,     240, 524, 192,  24, 0, 0, 0,   0,      10,  5, nullptr,             nullptr, nullptr },
   { d_text_proc,       200, 508,  80,   8, 0, 0, 0,   0,       0,  0, (void*)"Defence Wall", nullptr, nullptr },
   { d_text_proc,       360, 508, 136,   8, 0, 0, 0,   0,       0,  0, (void*)"Crazy Attack", nullptr, nullptr },
   { commentary_proc,   570,  20, 216, 570, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { my_button_proc,    420, 140,  56,  24, 0, 0, 'c', D_EXIT,  0,  0, (void*)"&Close",     nullptr, Callback(CloseMatch) },
   // the human club's side panel
   { d_text_proc,       200,  56, 104,   8, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       200,  64, 104,   8, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       200,  88, 104,   8, 0, 0, 0,   0,       0,  0, (void*)"Defence",    nullptr, nullptr },
   { d_text_proc,       200,  96, 104,   8, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       200, 120, 104,   8, 0, 0, 0,   0,       0,  0, (void*)"Midfield",   nullptr, nullptr },
   { d_text_proc,       200, 128, 104,   8, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       200, 152, 104,   8, 0, 0, 0,   0,       0,  0, (void*)"Attack",     nullptr, nullptr },
   { d_text_proc,       200, 160, 104,   8, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   // the opponent's side panel
   { d_text_proc,       200, 216, 104,   8, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       200, 224, 104,   8, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       200, 248, 104,   8, 0, 0, 0,   0,       0,  0, (void*)"Defence",    nullptr, nullptr },
   { d_text_proc,       200, 256, 104,   8, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       200, 280, 104,   8, 0, 0, 0,   0,       0,  0, (void*)"Midfield",   nullptr, nullptr },
   { d_text_proc,       200, 288, 104,   8, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   { d_text_proc,       200, 312, 104,   8, 0, 0, 0,   0,       0,  0, (void*)"Attack",     nullptr, nullptr },
   { d_text_proc,       200, 320, 104,   8, 0, 0, 0,   0,       0,  0, kNone,               nullptr, nullptr },
   // score and clock
   { d_text_proc,       200, 350, 104,   8, 0, 0, 0,   0,       0,  0, (void*)"0",          nullptr, nullptr },
   { d_text_proc,       220, 350, 104,   8, 0, 0, 0,   0,       0,  0, (void*)"-",          nullptr, nullptr },
   { d_text_proc,       240, 350, 104,   8, 0, 0, 0,   0,       0,  0, (void*)"0",          nullptr, nullptr },
   { d_text_proc,       300, 350, 104,   8, 0, 0, 0,   0,       0,  0, (void*)"Minute:",    nullptr, nullptr },
   { d_text_proc,       370, 350, 104,   8, 0, 0, 0,   0,       0,  0, (void*)"0",          nullptr, nullptr },
   // badges
   { d_bitmap_proc,     320,  60,  60,  60, 0, 0, 0,   0,       0,  0, nullptr,             nullptr, nullptr },
   { d_bitmap_proc,     320, 220,  60,  60, 0, 0, 0,   0,       0,  0, nullptr,             nullptr, nullptr },
   // after the final whistle at once
   { my_button_proc,    420, 172,  56,  24, 0, 0, 'f', D_EXIT,  0,  0, (void*)"&Finish",    nullptr, Callback(FinishMatchNow) },
   { nullptr,             0,   0,   0,   0, 0, 0, 0,   0,       0,  0, nullptr,             nullptr, nullptr },
};
// clang-format on

// The texts the labels point to; they live as long as the program.
struct Labels {
    char names[kStarters + kSubstitutes][kWordSize];
    char module[2][16];
    char sectors[2][kSectors][40];
    char subs[32];
    char goals[2][12];
    char minute[12];
};
Labels labels;

// One match on the screen: the core's working values and what this screen holds.
struct Screen {
    MatchRun run;
    bool kicked_off = false;
    int kickoff_time = 0;  // elapsed_seconds at kick-off
    SAMPLE* chant = nullptr;
};
Screen current;

void Colour(int first, int last, int fg, int bg) {
    for (int i = first; i <= last; ++i) {
        match_dlg[i].fg = fg;
        match_dlg[i].bg = bg;
    }
}

void SetColours() {
    const int red = DarkRed(), blue = DarkBlue(), white = White();
    Colour(kBox, kBox, blue, red);
    Colour(kSubsLabel, kSubsLabel, white, red);
    Colour(kFirstStarterName, kFirstStarterMark - 1, blue, white);
    Colour(kFirstStarterMark, kFirstSubMark - 1, white, red);
    Colour(kFirstSubMark, kFirstOut - 1, white, blue);
    Colour(kFirstOut, kFirstIn - 1, white, red);
    Colour(kFirstIn, kSlider - 1, white, blue);
    Colour(kSlider, kSlider, white, red);
    Colour(kSlider + 1, kSlider + 2, blue, -1);
    Colour(kCommentary, kCommentary, red, -1);
    Colour(kCommentary + 1, kRivalName - 1, blue, white);  // "&Close" and the human panel
    Colour(kRivalName, kHomeGoals - 1, red, white);
    Colour(kHomeGoals, kMinute, blue, white);
    Colour(kFinishButton, kFinishButton, blue, white);
}

void SetText(int entry, char* buffer, size_t size, const std::string& text) {
    std::snprintf(buffer, size, "%s", text.c_str());
    match_dlg[entry].dp = buffer;
}

void SetNameLabel(int entry, char* buffer, int number) {
    const Player* player = PlayerByNumber(league, number);
    SetText(entry, buffer, kWordSize, player != nullptr ? player->surname : "-");
}

// Module and sector texts of one side panel.
void SetPanel(int side, const Team& team, int module_entry, const int (&sector_entries)[kSectors]) {
    SetText(module_entry, labels.module[side], sizeof labels.module[side], ModuleText(team));
    for (int s = 0; s < kSectors; ++s) {
        SetText(sector_entries[s], labels.sectors[side][s], sizeof labels.sectors[side][s],
                SectorText(team, s));
    }
}

void SetUpLabels() {
    for (int i = 0; i < kStarters; ++i) {
        SetNameLabel(kFirstStarterName + i, labels.names[i], league.Velmo.starters[i]);
    }
    for (int j = 0; j < kSubstitutes; ++j) {
        SetNameLabel(kFirstSubName + j, labels.names[kStarters + j], league.Velmo.substitutes[j]);
    }
    match_dlg[kHumanName].dp = league.Velmo.name;
    SetPanel(0, league.Velmo, kHumanModule, kHumanSectors);
    match_dlg[kRivalName].dp = league.othername;
    SetPanel(1, league.squadra[league.avversario], kRivalModule, kRivalSectors);
    SetText(kSubsLabel, labels.subs, sizeof labels.subs, "Sobstitutions: ");
    SetText(kHomeGoals, labels.goals[0], sizeof labels.goals[0], "0");
    SetText(kAwayGoals, labels.goals[1], sizeof labels.goals[1], "0");
    SetText(kMinute, labels.minute, sizeof labels.minute, "0");
    match_dlg[kCommentary].dp = kNone;
    match_dlg[kCommentary].d2 = 0;
}

void SetUpMarks() {
    for (int i = 0; i < kStarters; ++i) match_dlg[kFirstStarterMark + i].flags = D_SELECTED;
    for (int j = 0; j < kSubstitutes; ++j) match_dlg[kFirstSubMark + j].flags = D_DISABLED;
}

void LoadPictures() {
    const char* background = league.ontheroad == 1 ? "media/bkout.jpg" : "media/bkmatch.jpg";
    match_dlg[kBackground].dp = LoadPicture(background, 790, 590, DarkRed());
    match_dlg[kHumanBadge].dp = LoadPicture("media/badge/velmo.bmp", 60, 60, DarkRed());
    const std::string rival = std::string("media/badge/") + league.squadra[league.avversario].badge;
    match_dlg[kRivalBadge].dp = LoadPicture(rival.c_str(), 60, 60, DarkBlue());
}

void ReleasePictures() {
    for (int entry : {kBackground, kHumanBadge, kRivalBadge}) {
        BITMAP* picture = static_cast<BITMAP*>(match_dlg[entry].dp);
        if (picture != nullptr) destroy_bitmap(picture);
        match_dlg[entry].dp = nullptr;
    }
}

void Draw(int entry) { object_message(&match_dlg[entry], MSG_DRAW, 0); }

// Gives a label a new text and draws it, first painting the picture back over
// the old text: a shorter text must not leave the old one's tail behind.
void Relabel(int entry, char* buffer, size_t size, const std::string& text) {
    if (text == buffer) return;
    const DIALOG& d = match_dlg[entry];
    BITMAP* picture = static_cast<BITMAP*>(match_dlg[kBackground].dp);
    if (picture != nullptr) {
        blit(picture, Canvas(), d.x - kBackgroundX, d.y - kBackgroundY, d.x, d.y, text_length(font, buffer),
             text_height(font));
    }
    SetText(entry, buffer, size, text);
    Draw(entry);
}

// The commentary box, scrolled so that its last lines show.
void ShowLatestCommentary() {
    DIALOG& box = match_dlg[kCommentary];
    box.dp = const_cast<char*>(league.textmatch.c_str());
    const int visible = (box.h - 8) / text_height(font);
    object_message(&box, MSG_START, 0);  // counts the lines into d1
    box.d2 = std::max(0, box.d1 - visible);
    Draw(kCommentary);
    // The scroll bar narrows the text, which may wrap into more lines.
    if (box.d1 - visible > box.d2) {
        box.d2 = box.d1 - visible;
        Draw(kCommentary);
    }
}

void RefreshScoreboard() {
    const Match& match = league.partita;
    Relabel(kMinute, labels.minute, sizeof labels.minute, std::to_string(2 * match.minute));
    Relabel(kHomeGoals, labels.goals[0], sizeof labels.goals[0], std::to_string(match.goals[0]));
    Relabel(kAwayGoals, labels.goals[1], sizeof labels.goals[1], std::to_string(match.goals[1]));
    Relabel(kSubsLabel, labels.subs, sizeof labels.subs,
            "Sobstitutions: " + std::to_string(match.subs_left));
}

void RefreshHumanPanel() {
    Relabel(kHumanModule, labels.module[0], sizeof labels.module[0], ModuleText(league.Velmo));
    for (int s = 0; s < kSectors; ++s) {
        Relabel(kHumanSectors[s], labels.sectors[0][s], sizeof labels.sectors[0][s],
                SectorText(league.Velmo, s));
    }
}

void StopChant() {
    if (current.chant == nullptr) return;
    StopLooping(current.chant);
    destroy_sample(current.chant);
    current.chant = nullptr;
}

// Kick-off comes with the dialog's first pass: both sides on the field, the
// clock at zero, the chant drawn and looping.
void KickOffNow() {
    current.run = KickOff(league);
    current.kickoff_time = elapsed_seconds;
    current.kicked_off = true;
    current.chant = load_sample(kChantFiles[current.run.chant]);
    if (current.chant != nullptr) PlayLooping(current.chant);
}

// Every pass of the match dialog: at most one play, for a clock value not
// seen before; the labels are drawn again only when their text changed.
void OnMatchPass() {
    if (!current.kicked_off) KickOffNow();
    if (!MatchOver(league)) {
        const int clock = elapsed_seconds - current.kickoff_time;
        const int tactic = match_dlg[kSlider].d2 - kSliderMiddle;
        if (AdvanceClock(league, current.run, clock, tactic)) ShowLatestCommentary();
        RefreshScoreboard();
    }
    if (MatchOver(league)) StopChant();
}

// "&Close" and Escape alike are refused until the final whistle.
bool RefuseClose() {
    const std::string refusal = CloseRefusal(league);
    if (refusal.empty()) return false;
    ShowMessage(refusal);
    return true;
}

bool MayCloseMatch(int) { return !RefuseClose(); }

int CloseMatch() { return RefuseClose() ? 0 : 1; }

// "&Finish": the rest of the match at once, with the slider as it stands,
// then the screen drawn once at the final whistle.
int FinishMatchNow() {
    if (MatchOver(league)) return 0;
    PlayRemainingClock(league, current.run, match_dlg[kSlider].d2 - kSliderMiddle);
    ShowLatestCommentary();
    RefreshScoreboard();
    StopChant();
    return 0;
}

int SubstituteOut(int starter_slot) {
    const std::string refusal = SubOut(league, current.run, starter_slot);
    if (!refusal.empty()) {
        ShowMessage(refusal);
        return 0;
    }
    match_dlg[kFirstStarterMark + starter_slot].flags = D_DISABLED;
    Draw(kFirstStarterMark + starter_slot);
    return 0;
}

int SubstituteIn(int sub_slot) {
    if (!SubIn(league, current.run, sub_slot)) return 0;
    match_dlg[kFirstSubMark + sub_slot].flags = D_SELECTED;
    Draw(kFirstSubMark + sub_slot);
    RefreshHumanPanel();
    return 0;
}


}  // namespace

int startmatch() {
    if (SeasonOver(league)) {  // nothing left to play: the redraw opens the season-end screen
        RedrawMainScreen();
        return 0;
    }
    if (!CanKickOff(league)) {
        ShowMessage("Before playing you have to select your players!");
        return 0;
    }
    LoadPictures();
    SetUpLabels();
    SetColours();
    SetUpMarks();
    current = Screen{};
    RunDialog(match_dlg, MayCloseMatch, OnMatchPass);

    StopChant();  // the window closed before the final whistle
    ShowMessage(ResultMessage(league));
    ReleasePictures();
    FinishMatch(league);
    RedrawMainScreen();
    return 0;
}
