// The calendar viewer and the season-end results: headings, fixtures, "VELMO", paging.
#include "season/calendar.h"
#include "season/new_league.h"
#include "test_league.h"

// Paging stops at both ends; an empty record (a short fixture file) shows dashes; then scores.
TEST(Calendar, OpensOnTheNextMatchdayAndPagesBetweenTheEnds) {
    League lg = MakeLeague();
    Matchday& empty = lg.giornata[37];
    empty.number = -1;
    for (int i = 0; i < kFixtures; ++i) empty.home[i] = empty.away[i] = -1;
    ComposeLastResults(lg);  // the season-end page when no matchday was played
    EXPECT_EQ(lg.textbuffer, "No matchday was played.\n");
    CalendarOpen(lg);
    EXPECT_FALSE(CalendarPrevious(lg));
    EXPECT_EQ(std::make_tuple(lg.now, lg.day), std::make_tuple(0, std::string("Match Day 1")));
    int pages = 0;
    while (pages < 40 && CalendarNext(lg)) ++pages;
    std::string dashes;
    for (int i = 0; i < kFixtures; ++i) dashes += "-  -  0 - 0\n\n";
    EXPECT_EQ(std::make_tuple(pages, lg.now, lg.day, lg.textbuffer),
              std::make_tuple(37, 37, std::string("Match Day -1"), dashes));
    FindMatches(lg, -1);  // the season-end screen of a league that never started
    EXPECT_EQ(lg.now, 0);

    Matchday& played = lg.giornata[1];  // the scores of calendar_day2.txt
    std::tie(played.home_goals[0], played.away_goals[0], played.home_goals[1],
             played.home_goals[7]) = std::make_tuple(1, 2, 3, 10);
    lg.matchday = 2;
    ComposeLastResults(lg);  // the season-end page shows the last matchday played
    EXPECT_EQ(std::tie(lg.now, lg.textbuffer), std::make_tuple(1, Golden("calendar_day2.txt")));
    lg.giornata[2].number = 7;  // the heading shows the file's number, not the index
    CalendarOpen(lg);
    EXPECT_EQ(std::make_tuple(lg.now, lg.day), std::make_tuple(2, std::string("Match Day 7")));
    EXPECT_EQ(lg.textbuffer.rfind("VELMO  Borgo  0 - 0\n\nAlba  Castello  0 - 0\n\n", 0), 0u);
    ASSERT_TRUE(CalendarPrevious(lg));
    EXPECT_EQ(std::make_tuple(lg.now, lg.day), std::make_tuple(1, std::string("Match Day 2")));
    EXPECT_EQ(lg.textbuffer, Golden("calendar_day2.txt"));
    lg.matchday = kMatchdays;  // a finished season opens on the last record
    CalendarOpen(lg);
    EXPECT_EQ(lg.now, 37);
}
