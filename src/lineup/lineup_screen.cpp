// "Team Line&Up": the main screen's marks go to the line-up check, and the
// player sees what it found, in its order.
#include "app/main_screen.h"
#include "app/screens.h"
#include "app/ui.h"
#include "lineup/lineup.h"

int SetUpTeam() {
    const LineupCheck check = SetUpTeam(league, ReadMarks());
    // Surplus starter marks go first, so the screen behind the boxes
    // already shows the eleven that were kept.
    for (int row : check.cleared_starters) ClearStarterMark(row);
    for (const std::string& message : check.messages) ShowMessage(message);
    if (check.redraw) RedrawMainScreen();
    return 0;
}
