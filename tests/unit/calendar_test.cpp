// The calendar viewer: headings, fixture texts with the human club as
// "VELMO", unknown identifiers, and paging between the two ends.
#include "season/calendar.h"

#include <gtest/gtest.h>

#include "season/fixtures.h"
#include "season_fixtures.h"

using namespace season_test;

namespace {

std::string Repeat(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += line;
    return text;
}

}  // namespace

TEST(CalendarOpen, AFreshLeagueOpensOnTheFirstMatchdayAtNil) {
    League lg = MakeLeague();
    lg.giornata[0].number = 7;  // the heading shows the file's number, not the index
    CalendarOpen(lg);
    EXPECT_EQ(lg.now, 0);
    EXPECT_EQ(lg.day, "Match Day 7");
    EXPECT_EQ(lg.textbuffer.rfind("VELMO  Zolla  0 - 0\n\nValle  Alba  0 - 0\n\n", 0), 0u);
    EXPECT_EQ(lg.textbuffer.size(), lg.textbuffer.find("Monte  Lago  0 - 0\n\n") + 20);
}

TEST(CalendarPrevious, ShowsThePlayedMatchdayWithItsScores) {
    League lg = MakeLeague();
    lg.matchday = 1;
    RecordResult(lg, kHumanId, 0, 2, 1);  // the human club won away at Alba
    RecordResult(lg, 1, 18, 3, 0);
    UpdateCalendario(lg, 1, 7, 12, 10, 0);
    lg.matchday = 2;
    CalendarOpen(lg);
    EXPECT_EQ(lg.day, "Match Day 3");
    ASSERT_TRUE(CalendarPrevious(lg));
    EXPECT_EQ(lg.now, 1);
    EXPECT_EQ(lg.day, "Match Day 2");
    EXPECT_EQ(lg.textbuffer, Golden("calendar_day2.txt"));
}

TEST(FindMatches, AnIdentifierNoClubCarriesShowsADash) {
    League lg = MakeLeague();
    Matchday& empty = lg.giornata[37];  // past the end of a short fixture file
    empty.number = -1;
    for (int i = 0; i < kFixtures; ++i) empty.home[i] = empty.away[i] = -1;
    lg.now = 36;
    ASSERT_TRUE(CalendarNext(lg));
    EXPECT_EQ(lg.day, "Match Day -1");
    EXPECT_EQ(lg.textbuffer, Repeat("-  -  0 - 0\n\n", 10));

    lg.giornata[4].away[9] = 42;
    FindMatches(lg, 4);
    EXPECT_NE(lg.textbuffer.find("  -  0 - 0\n\n"), std::string::npos);
}

TEST(CalendarPaging, StopsAtBothEndsWithoutChangingThePage) {
    League lg = MakeLeague();
    CalendarOpen(lg);
    EXPECT_FALSE(CalendarPrevious(lg));
    EXPECT_EQ(lg.now, 0);
    EXPECT_EQ(lg.day, "Match Day 1");
    int pages = 0;
    while (CalendarNext(lg)) ++pages;
    EXPECT_EQ(pages, 37);
    EXPECT_EQ(lg.now, 37);
    EXPECT_EQ(lg.day, "Match Day 38");
    const std::string last = lg.textbuffer;
    EXPECT_FALSE(CalendarNext(lg));
    EXPECT_EQ(lg.textbuffer, last);
    ASSERT_TRUE(CalendarPrevious(lg));
    EXPECT_EQ(lg.now, 36);
}

TEST(CalendarOpen, AFinishedSeasonShowsTheLastRecordAndNeverReadsPastIt) {
    League lg = MakeLeague();
    lg.matchday = kMatchdays;
    CalendarOpen(lg);
    EXPECT_EQ(lg.now, 37);
    EXPECT_EQ(lg.day, "Match Day 38");
    FindMatches(lg, -1);  // the season-end screen of a league that never started
    EXPECT_EQ(lg.now, 0);
}
