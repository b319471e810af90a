// The next opponent's panel on the main screen: matchday, venue, module and
// the three sector sums of the line-up drawn for this matchday. The panel is
// pixels only; every redraw paints it again from the records.
#include "app/screens.h"
#include "app/ui.h"

namespace {

constexpr int kPanelX = 350;

void SectorLines(const Team& club, int sector, const char* heading, int y) {
    textprintf_ex(Canvas(), font, kPanelX, y, White(), DarkBlue(), "%s", heading);
    textprintf_ex(Canvas(), font, kPanelX, y + 10, White(), DarkBlue(),
                  "Technique: %d Fantasy: %d Condition: %d", club.technique[sector],
                  club.fantasy[sector], club.condition[sector]);
}

}  // namespace

// The opponent's name is copied into othername by the main screen's
// preparation (PrepareOpponent), before the panel is drawn.
void DisplayOpponent(int slot) {
    const Team& club = league.squadra[slot];
    textprintf_ex(Canvas(), font, kPanelX, 190, DarkBlue(), White(), "Matchday: %d   %s",
                  league.giornata[league.matchday].number, league.where.c_str());
    textprintf_ex(Canvas(), font, kPanelX, 210, White(), DarkBlue(),
                  "Opponent: %s   Module: %d - %d - %d", club.name, club.module[0],
                  club.module[1], club.module[2]);
    SectorLines(club, 0, "DEFENCE (goalkeeper included)", 240);
    SectorLines(club, 1, "MIDFIELD", 270);
    SectorLines(club, 2, "ATTACK", 300);
}
