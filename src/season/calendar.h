// The calendar viewer's texts and paging.
#pragma once

#include <string>

#include "data/league.h"

std::string DayHeading(int number);      // "Match Day " + number
void FindDay(League& lg, int number);   // day = DayHeading(number)
void FindMatches(League& lg, int index);  // now = index; textbuffer = its fixtures
// Paging: false (nothing to do) past either end, else the new page is composed.
bool CalendarNext(League& lg);
bool CalendarPrevious(League& lg);
// Opening the viewer on the next matchday.
void CalendarOpen(League& lg);
