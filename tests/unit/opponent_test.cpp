// Computer line-ups and the next opponent: draws worked by hand, venue, once per matchday.
#include "season/new_league.h"
#include "season/opponent.h"
#include "test_league.h"

// srand(14) draws 2146406683 565464452 463529751 988319322 113724673 1215838388 61920407
// 1293858600 1603362519 1406570506 213694578, then 1568738464. Module: %3 = 1, 2: 4 and 5
// of {3,4,5}, attack 10 - 9 = 1. Skill offsets %15 - 7 = -1 5 6 (fantasy attack, midfield,
// defence), 1 -5 -7 (technique, the same order); condition %5 - 2 = 2 -1 1 (defence,
// attack, midfield). Ratings 10 9 11 / 7 6 5 / 8 12 5, keeper 3:
//   defence  10*4-7+3 = 36   9*4+6+3 = 45   11*4+2+3 = 49
//   midfield  7*5-5   = 30   6*5+5   = 35    5*5+1   = 26
//   attack    8*1+1 = 9 -> 10,  12*1-1 = 11,  5*1-1 = 4 -> 10 (9 or less becomes 10)
// Then srand(33) boosts it at home to Monte (9): 661315303 1315758165 1003360848 1162636477
// 645204769 565338990 1905340041 1522273113 113585084, technique then fantasy then condition
// by sector, %20 but %30 on attack technique and fantasy: 3 5 18 / 17 9 0 / 1 13 4 (a %20
// would give 8 and 10 on attack); Monte's by 564205424 601807798 663767090 442163332 365430957
// 1467235400 265737987 2034697683 372930708, %10: 4 8 0 / 2 7 0 / 7 3 8; then 698147512.
TEST(ComputerLineUps, ElevenDrawsIntoTheSectorSumsThenEighteenForTheBoosts) {
    League lg = MakeLeague();
    Team& club = lg.squadra[4];
    std::tie(club.base_technique[0], club.base_fantasy[0], club.base_condition[0]) = std::make_tuple(10, 9, 11);
    std::tie(club.base_technique[1], club.base_fantasy[1], club.base_condition[1]) = std::make_tuple(7, 6, 5);
    std::tie(club.base_technique[2], club.base_fantasy[2], club.base_condition[2]) = std::make_tuple(8, 12, 5);
    club.keeper = 3;
    std::srand(14);
    EXPECT_EQ(MakeOtherTeams(lg, 4), 4);
    EXPECT_EQ(std::rand(), 1568738464) << "eleven draws";
    EXPECT_EQ(SectorValues(club), (std::vector<int>{4, 5, 1, 36, 30, 10, 45, 35, 11, 49, 26, 10, 28, 28, 28}));
    std::srand(14);
    EXPECT_EQ(MakeOtherTeams(lg, 77), 0);
    EXPECT_EQ(std::rand(), 2146406683) << "a miss draws nothing";

    SetSectorValues(lg.squadra[9], {3, 5, 2, 10, 20, 30, 40, 50, 60, 70, 80, 90, 29, 30, 31});
    std::srand(33);
    SetUpComputerTeams(lg, 4, 9);
    EXPECT_EQ(std::rand(), 698147512) << "eighteen draws";
    EXPECT_EQ(SectorValues(lg.partita.side[0]),
              (std::vector<int>{4, 5, 1, 39, 35, 28, 62, 44, 11, 50, 39, 14, 28, 28, 28}));
    EXPECT_EQ(SectorValues(lg.partita.side[1]),
              (std::vector<int>{3, 5, 2, 14, 28, 30, 42, 57, 60, 77, 83, 98, 29, 30, 31}));
}

// Day 0 at home to Zolla (18), day 1 at Alba (0). Once per matchday index: again on the same
// index draws nothing, a load back to day 0 draws anew; a new league's day 0 always does.
TEST(PrepareOpponent, DrawsOncePerMatchdayIndexAtTheRightVenueUntilTheSeasonIsOver) {
    League lg = MakeLeague();
    lg.giornata[1].number = 7;
    const struct { int day, next_draw, today, opponent, ontheroad; const char* where; } steps[] = {
        {0, 1568738464, 1, 18, 0, "in casa"}, {0, 2146406683, 1, 18, 0, "in casa"},
        {1, 1568738464, 7, 0, 1, "in trasferta"}, {0, 1568738464, 1, 18, 0, "in casa"}};
    for (const auto& s : steps) {
        lg.matchday = s.day;
        std::srand(14);
        EXPECT_TRUE(PrepareOpponent(lg));
        EXPECT_EQ(std::rand(), s.next_draw) << "matchday " << s.day;
        EXPECT_EQ(std::tie(lg.today, lg.avversario, lg.ontheroad, lg.where),
                  std::make_tuple(s.today, s.opponent, s.ontheroad, std::string(s.where)));
        EXPECT_STREQ(lg.othername, lg.squadra[s.opponent].name);
    }
    lg.giornata[2].number = -1;  // a short fixture file: its season ends after two
    for (const int over : {2, kMatchdays}) {
        lg.matchday = over;
        EXPECT_FALSE(PrepareOpponent(lg));
    }
    // The new league after the season's end: the data files read again, counters and results
    // back to 0, the line-up and today kept; the day last prepared (0 here) is forgotten.
    Counters(lg.squadra[5]) = std::make_tuple(50, 10, 10, 10, 30, 20);
    lg.giornata[3].home_goals[2] = 4;
    lg.Velmo.starters[0] = 7;
    ASSERT_TRUE(StartNewLeague(lg, std::string(VELMO_SOURCE_DIR) + "/game").ok);
    EXPECT_EQ(std::tie(lg.matchday, lg.giornata[3].home_goals[2], lg.today, lg.Velmo.starters[0]),
              std::make_tuple(0, 0, 1, 7));
    for (Team& team : lg.squadra) EXPECT_EQ(Counters(team), std::make_tuple(0, 0, 0, 0, 0, 0));
    std::srand(14);
    EXPECT_TRUE(PrepareOpponent(lg));
    EXPECT_EQ(std::rand(), 1568738464) << "a new league's first matchday is always prepared";
}
