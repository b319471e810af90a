// The History screen: the human club's position after each matchday as a
// chart, its last five results and its figures, and the past seasons kept in
// the history file. The story and the history belong to the season's own
// operations; this screen only draws what they return, once, onto its own
// copy of the main background, so that standing still costs nothing.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/screens.h"
#include "app/ui.h"
#include "season/history.h"
#include "season/new_league.h"
#include "season/story.h"

namespace {

// The chart, in the picture's pixels. The window test finds the dots with
// the same numbers (tests/e2e/test_screens.py): keep the two in step.
constexpr int kChartLeft = 70;     // x of matchday 1
constexpr int kChartWidth = 444;   // from matchday 1 to the fixture file's last matchday
constexpr int kChartTop = 76;      // y of position 1
constexpr int kPositionStep = 12;  // from one position to the next, down to position 20
constexpr int kDotRadius = 3;

// The plates: white, framed in dark red, laid on the picture.
struct Area {
    int x, y, w, h;
};
constexpr Area kChartPlate = {30, 40, 510, 292};
constexpr Area kFormPlate = {552, 40, 220, 462};
constexpr Area kSeasonsPlate = {30, 342, 510, 160};
constexpr int kLine = 12;          // one line of text: 8 pixels of font, 4 of spacing
constexpr int kPadding = 10;       // from a plate's frame to its text
constexpr int kShownSeasons = 10;

// Entries of history_dlg addressed by position.
constexpr int kFrame = 0;
constexpr int kPicture = 1;
constexpr int kClose = 2;
constexpr int kTitle = 3;

char kCloseText[] = "&Close";
char kTitleText[] = "History";

DIALOG history_dlg[] = {
    // (proc)           (x)  (y)  (w)  (h) (fg)(bg)(key)(flags)(d1)(d2)(dp)        (dp2)    (dp3)
    {d_shadow_box_proc, 10,  10,  780, 580, 0, 0,  0,   0,      0,  0,  nullptr,    nullptr, nullptr},
    {d_bitmap_proc,     18,  18,  764, 564, 0, 0,  0,   0,      0,  0,  nullptr,    nullptr, nullptr},
    {my_button_proc,    372, 540, 56,  24,  0, 0,  'c', D_EXIT, 0,  0,  kCloseText, nullptr, Callback(closecal)},
    {d_text_proc,       372, 22,  56,  8,   0, -1, 0,   0,      0,  0,  kTitleText, nullptr, nullptr},
    {nullptr,           0,   0,   0,   0,   0, 0,  0,   0,      0,  0,  nullptr,    nullptr, nullptr},
};

void SetColours() {
    history_dlg[kFrame].fg = Black();  // border and shadow
    history_dlg[kFrame].bg = DarkRed();
    history_dlg[kClose].fg = White();
    history_dlg[kClose].bg = DarkRed();
    history_dlg[kTitle].fg = White();
    history_dlg[kTitle].bg = -1;  // transparent, over the picture
}

int LightGrey() { return makecol(200, 200, 200); }

// The screen's copy of the background, drawn on in the screen's own
// coordinates: the picture entry shows the copy's top left corner at its place.
struct Sheet {
    BITMAP* bmp;
    int x0, y0;
};

void Text(const Sheet& s, const std::string& text, int x, int y, int fg) {
    textout_ex(s.bmp, font, text.c_str(), x - s.x0, y - s.y0, fg, -1);
}
void TextRight(const Sheet& s, const std::string& text, int right, int y, int fg) {
    textout_right_ex(s.bmp, font, text.c_str(), right - s.x0, y - s.y0, fg, -1);
}
void TextCentre(const Sheet& s, const std::string& text, int centre, int y, int fg) {
    textout_centre_ex(s.bmp, font, text.c_str(), centre - s.x0, y - s.y0, fg, -1);
}
void Fill(const Sheet& s, int x, int y, int w, int h, int colour) {
    rectfill(s.bmp, x - s.x0, y - s.y0, x + w - 1 - s.x0, y + h - 1 - s.y0, colour);
}
void Frame(const Sheet& s, int x, int y, int w, int h, int colour) {
    rect(s.bmp, x - s.x0, y - s.y0, x + w - 1 - s.x0, y + h - 1 - s.y0, colour);
}
// Two pixels thick, so that a line reads at a glance: copied one pixel down,
// and one pixel right between the two matchdays' columns only, so that in a
// matchday's column a line stays within half a position's step of the dot
// (the window test reads those columns).
void ThickLine(const Sheet& s, int x1, int y1, int x2, int y2, int colour) {
    BITMAP* b = s.bmp;
    x1 -= s.x0, x2 -= s.x0, y1 -= s.y0, y2 -= s.y0;
    line(b, x1, y1, x2, y2, colour);
    line(b, x1, y1 + 1, x2, y2 + 1, colour);
    set_clip_rect(b, x1 + 1, 0, x2 - 1, b->h - 1);
    line(b, x1 + 1, y1, x2 + 1, y2, colour);
    set_clip_rect(b, 0, 0, b->w - 1, b->h - 1);
}
void Dot(const Sheet& s, int x, int y, int colour) {
    circlefill(s.bmp, x - s.x0, y - s.y0, kDotRadius, colour);
}
void Plate(const Sheet& s, const Area& a) {
    Fill(s, a.x, a.y, a.w, a.h, White());
    Frame(s, a.x, a.y, a.w, a.h, DarkRed());
}

// ---- The chart ---------------------------------------------------------------

// Matchday d of `matchdays` across, position p (1..20) down.
int ChartX(int d, int matchdays) {
    return kChartLeft + (matchdays > 1 ? (d - 1) * kChartWidth / (matchdays - 1) : kChartWidth / 2);
}
int ChartY(int position) { return kChartTop + (position - 1) * kPositionStep; }

void DrawGrid(const Sheet& s, int matchdays) {
    const int bottom = ChartY(kTeams), right = ChartX(matchdays, matchdays);
    for (int p : {1, 5, 10, 15, 20}) {
        line(s.bmp, kChartLeft - s.x0, ChartY(p) - s.y0, right - s.x0, ChartY(p) - s.y0, LightGrey());
        TextRight(s, std::to_string(p), kChartLeft - 10, ChartY(p) - 4, DarkBlue());
    }
    for (int d = 1; d <= matchdays; ++d) {
        if (d != 1 && d % 5 != 0) continue;
        const int x = ChartX(d, matchdays);
        line(s.bmp, x - s.x0, kChartTop - s.y0, x - s.x0, bottom - s.y0, LightGrey());
        TextCentre(s, std::to_string(d), x, bottom + 10, DarkBlue());
    }
}

// One club's line: a segment from each matchday to the next, a dot on each.
void DrawLine(const Sheet& s, const std::vector<int>& positions, int matchdays, int colour) {
    for (size_t i = 1; i < positions.size(); ++i)
        ThickLine(s, ChartX(int(i), matchdays), ChartY(positions[i - 1]), ChartX(int(i) + 1, matchdays),
                  ChartY(positions[i]), colour);
    for (size_t i = 0; i < positions.size(); ++i)
        Dot(s, ChartX(int(i) + 1, matchdays), ChartY(positions[i]), colour);
}

// The key, inside the plate's top right corner: a sample of each line and its club.
void DrawKey(const Sheet& s, const std::vector<std::pair<std::string, int>>& entries) {
    int names_w = 0;
    for (const auto& entry : entries) names_w = std::max(names_w, text_length(font, entry.first.c_str()));
    const int x = kChartPlate.x + kChartPlate.w - kPadding - names_w - 24;
    int y = kChartPlate.y + 8;
    for (const auto& [name, colour] : entries) {
        ThickLine(s, x, y + 3, x + 16, y + 3, colour);
        Dot(s, x + 8, y + 3, colour);
        Text(s, name, x + 24, y, colour);
        y += kLine;
    }
}

void DrawChart(const Sheet& s, const SeasonStory& story, int matchdays) {
    Plate(s, kChartPlate);
    Text(s, "Position after each matchday", kChartPlate.x + kPadding, kChartPlate.y + 8, DarkRed());
    if (story.played == 0) {
        std::string none = kNoMatchdayPlayed;
        none.erase(none.find('\n'));  // the results box's line break
        TextCentre(s, none, kChartPlate.x + kChartPlate.w / 2, ChartY(10), DarkBlue());
        return;
    }
    matchdays = std::max(matchdays, story.played);
    DrawGrid(s, matchdays);
    const std::string velmo = league.squadra[kHumanId].name;
    if (story.leader_slot == kHumanId) {
        DrawKey(s, {{velmo + " (leader)", DarkRed()}});
    } else {
        DrawKey(s, {{velmo, DarkRed()}, {std::string(league.squadra[story.leader_slot].name) + " (leader)",
                                          DarkBlue()}});
        DrawLine(s, story.leader_positions, matchdays, DarkBlue());
    }
    DrawLine(s, story.positions, matchdays, DarkRed());  // on top: the line the player looks for
}

// ---- Form and figures ----------------------------------------------------------

std::string Score(const HumanResult& r) {
    return std::to_string(r.goals_for) + "-" + std::to_string(r.goals_against);
}

// Five boxes, oldest first: "W" on dark blue, "D" on white, "L" on dark red,
// the score beneath; empty frames for matches still to come.
void DrawForm(const Sheet& s, const SeasonStory& story, int y) {
    constexpr int kBoxW = 36, kBoxH = 30, kGap = 5, kBoxes = 5;
    const std::vector<HumanResult> form = RecentForm(story, kBoxes);
    for (int i = 0; i < kBoxes; ++i) {
        const int x = kFormPlate.x + kPadding + i * (kBoxW + kGap);
        if (i >= int(form.size())) {
            Frame(s, x, y, kBoxW, kBoxH, LightGrey());
            continue;
        }
        const HumanResult& r = form[i];
        const int bg = r.outcome == 'W' ? DarkBlue() : r.outcome == 'L' ? DarkRed() : White();
        const int fg = r.outcome == 'D' ? DarkBlue() : White();
        Fill(s, x, y, kBoxW, kBoxH, bg);
        Frame(s, x, y, kBoxW, kBoxH, DarkBlue());
        TextCentre(s, std::string(1, r.outcome), x + kBoxW / 2, y + 6, fg);
        TextCentre(s, Score(r), x + kBoxW / 2, y + 18, fg);
    }
}

std::string Format(const char* format, int a, int b = 0, int c = 0) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

// The win or defeat by the widest margin: its score, opponent and matchday.
int DrawRecord(const Sheet& s, const char* title, const SeasonStory& story, int index, int x, int y) {
    Text(s, title, x, y, DarkRed());
    if (index < 0) {
        Text(s, " none yet", x, y + kLine, DarkBlue());
        return y + 3 * kLine;
    }
    const HumanResult& r = story.results[index];
    Text(s, " " + Score(r) + " v " + league.squadra[r.opponent_slot].name, x, y + kLine, DarkBlue());
    Text(s, Format(" on matchday %d", r.matchday_number), x, y + 2 * kLine, DarkBlue());
    return y + 4 * kLine;
}

void DrawFigures(const Sheet& s, const SeasonStory& story) {
    const SeasonFigures f = FiguresOf(story);
    const int x = kFormPlate.x + kPadding;
    int y = kFormPlate.y + 8;
    Text(s, "Last five, oldest first", x, y, DarkRed());
    DrawForm(s, story, y + kLine + 2);
    y += kLine + 2 + 30 + 14;
    const int blue = DarkBlue();
    Text(s, Format("Played %-3d      Points %d", f.played, f.points), x, y, blue);
    Text(s, Format("Won %d  Drawn %d  Lost %d", f.won, f.drawn, f.lost), x, y += kLine, blue);
    Text(s, Format("Goals for %d, against %d", f.goals_for, f.goals_against), x, y += kLine, blue);
    Text(s, "         Won Drawn Lost", x, y += 2 * kLine, DarkRed());
    Text(s, Format("At home %4d %5d %4d", f.home_won, f.home_drawn, f.home_lost), x, y += kLine, blue);
    Text(s, Format("Away    %4d %5d %4d", f.away_won, f.away_drawn, f.away_lost), x, y += kLine, blue);
    const auto position = [](int p) { return p > 0 ? std::to_string(p) : std::string("-"); };
    Text(s, "Best position   " + position(f.best_position), x, y += 2 * kLine, blue);
    Text(s, "Worst position  " + position(f.worst_position), x, y += kLine, blue);
    y = DrawRecord(s, "Biggest win", story, f.biggest_win, x, y + 2 * kLine);
    DrawRecord(s, "Heaviest defeat", story, f.heaviest_defeat, x, y);
}

// ---- Past seasons --------------------------------------------------------------

// The columns of the seasons' list: right edges of the numbers, then the champion.
// Each text starts a whole number of characters from the plate's text, so a
// row reads as one line.
constexpr int kSeasonColumns[] = {96, 136, 176, 208, 240, 272, 344};
constexpr int kChampionColumn = 360;

void DrawSeasonRow(const Sheet& s, const std::vector<std::string>& cells, int y, int colour) {
    for (size_t i = 0; i < cells.size() - 1; ++i) TextRight(s, cells[i], kSeasonColumns[i], y, colour);
    Text(s, cells.back(), kChampionColumn, y, colour);
}

void DrawSeasons(const Sheet& s, const History& history) {
    Plate(s, kSeasonsPlate);
    const int x = kSeasonsPlate.x + kPadding;
    int y = kSeasonsPlate.y + 8;
    Text(s, "Past seasons, the best finish marked *", x, y, DarkRed());
    y += kLine + 4;
    if (history.damaged) {
        Text(s, kHistoryDamaged, x, y, DarkRed());
        return;
    }
    if (history.seasons.empty()) {
        Text(s, "No season has been finished yet.", x, y, DarkBlue());
        return;
    }
    DrawSeasonRow(s, {"Season", "Pos.", "Pts.", "W", "D", "L", "Goals", "Champion"}, y, DarkRed());
    const std::vector<SeasonRecord> shown = LastSeasons(history, kShownSeasons);
    const int best = BestPosition(shown);
    for (const SeasonRecord& r : shown) {
        const bool marked = r.position == best;
        const int colour = marked ? DarkRed() : DarkBlue();
        y += kLine;
        if (marked) Text(s, "*", x, y, colour);
        DrawSeasonRow(s, {std::to_string(r.number), std::to_string(r.position), std::to_string(r.points),
                          std::to_string(r.won), std::to_string(r.drawn), std::to_string(r.lost),
                          std::to_string(r.goals_for) + "-" + std::to_string(r.goals_against), r.champion},
                      y, colour);
    }
}

}  // namespace

// Callback of the main screen's "&History".
int showhistory() {
    // Without its picture the frame's dark red shows around the plates.
    BITMAP* picture = LoadPicture("media/bk0.jpg", kPictureW, kPictureH, DarkRed());
    SetColours();
    if (picture) {
        const Sheet sheet{picture, history_dlg[kPicture].x, history_dlg[kPicture].y};
        const SeasonStory story = TellSeason(league);
        DrawChart(sheet, story, league.ngiornate);
        Plate(sheet, kFormPlate);
        DrawFigures(sheet, story);
        DrawSeasons(sheet, ReadHistory(HistoryPath(game_folders)));
    }
    history_dlg[kPicture].dp = picture;

    RunDialog(history_dlg);

    history_dlg[kPicture].dp = nullptr;
    if (picture) destroy_bitmap(picture);
    RedrawMainScreen();
    return 0;
}
