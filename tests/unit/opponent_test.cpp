// Computer line-ups and the next opponent: draws, sector sums, venue, once per matchday.
#include "season/new_league.h"
#include "season/opponent.h"
#include "test_league.h"

// Draws: defence and midfield sizes; fantasy, then technique offsets, attack to defence;
// condition offsets defence, attack, midfield. Seed 41, then the first 5-5-0 seed, then the
// first seed that makes an attack technique of exactly 9 out of ratings of 1 (lifted to 10).
TEST(MakeOtherTeams, ElevenDrawsIntoTheSectorSumsAndAMissDrawsNothing) {
    unsigned five_five = 1, nine = 1;
    while (Reference(five_five, 2)[0] % 3 != 2 || Reference(five_five, 2)[1] % 3 != 2) ++five_five;
    for (std::vector<int> r; r = Reference(nine, 6), 4 - r[0] % 3 - r[1] % 3 + r[5] % 15 - 7 != 9;)
        ++nine;
    for (const unsigned seed : {41u, five_five, nine}) {
        League lg = MakeLeague();
        if (seed == nine) {
            Team& weak = lg.squadra[4];
            weak.base_technique[2] = weak.base_fantasy[2] = weak.base_condition[2] = 1;
        }
        const std::vector<int> r = Reference(seed, 11);
        std::srand(seed);
        EXPECT_EQ(MakeOtherTeams(lg, 4), 4);
        EXPECT_EQ(DrawsConsumed(seed), 11);
        const Team& t = lg.squadra[4];
        const int* base[3] = {t.base_technique, t.base_fantasy, t.base_condition};
        const int module[3] = {3 + r[0] % 3, 3 + r[1] % 3, 4 - r[0] % 3 - r[1] % 3};
        std::vector<int> expected(module, module + 3);
        for (int i = 0; i < 9; ++i) {  // the keeper counts in defence only; attack at least 10
            const int k = i % 3, offset = i < 6 ? r[7 - i] % 15 - 7 : r[8 + 2 * k % 3] % 5 - 2;
            const int sum = base[i / 3][k] * module[k] + offset + (k ? 0 : t.keeper);
            expected.push_back(k == 2 ? std::max(10, sum) : sum);
        }
        expected.insert(expected.end(), {28, 28, 28});  // the fatigue
        EXPECT_EQ(SectorValues(t), expected);
        if (seed == five_five) { EXPECT_EQ(t.technique[2] + t.fantasy[2] + t.condition[2], 30); }
        if (seed == nine) { EXPECT_EQ(t.technique[2], 10); }
        std::srand(seed);
        EXPECT_EQ(MakeOtherTeams(lg, 77), 0);
        EXPECT_EQ(DrawsConsumed(seed), 0) << "a miss draws nothing";
    }
}

// Home: +0..29 on attack's technique and fantasy, +0..19 elsewhere; away +0..9, in that order.
TEST(SetUpComputerTeams, EighteenDrawsHomeBoostFirstThenAway) {
    League lg = MakeLeague();
    std::srand(3);
    for (int id : {2, 9}) MakeOtherTeams(lg, id);
    const std::vector<int> r = Reference(1234, 18);
    std::srand(1234);
    SetUpComputerTeams(lg, 2, 9);
    EXPECT_EQ(DrawsConsumed(1234), 18);
    std::vector<int> home = SectorValues(lg.squadra[2]), away = SectorValues(lg.squadra[9]);
    for (int i = 0; i < 9; ++i) {
        home[3 + i] += r[i] % (i == 2 || i == 5 ? 30 : 20);
        away[3 + i] += r[9 + i] % 10;
    }
    EXPECT_EQ(SectorValues(lg.partita.side[0]), home);
    EXPECT_EQ(SectorValues(lg.partita.side[1]), away);
}

// Once per matchday index, whatever the fixture file numbers it: numbered 0, 0, 4, 4, 4, 9
// with a short file. Day 0 home to Zolla (18), shown twice; day 1 at Alba (0); a load back to
// day 0 prepares again, a load of the day prepared does not; the end; a new league's day 0.
TEST(PrepareOpponent, DrawsOncePerMatchdayIndexAtTheRightVenueUntilTheSeasonIsOver) {
    League lg = MakeLeague();
    const int numbers[] = {0, 0, 4, 4, 4, 9};
    for (int d = 0; d < kMatchdays; ++d) lg.giornata[d].number = d < 6 ? numbers[d] : -1;
    const struct { int day, draws, today, opponent, ontheroad; const char* where; } steps[] = {
        {0, 11, 0, 18, 0, "in casa"}, {0, 0, 0, 18, 0, "in casa"}, {1, 11, 0, 0, 1, "in trasferta"},
        {0, 11, 0, 18, 0, "in casa"}, {0, 0, 0, 18, 0, "in casa"}, {2, 11, 4, 1, 0, "in casa"},
        {3, 11, 4, 2, 1, "in trasferta"}, {4, 11, 4, 3, 0, "in casa"}, {5, 11, 9, 4, 1, "in trasferta"},
        {6, 0, 9, 4, 1, "in trasferta"}, {kMatchdays, 0, 9, 4, 1, "in trasferta"}};
    for (const auto& s : steps) {
        lg.matchday = s.day;
        std::srand(21);
        EXPECT_EQ(PrepareOpponent(lg), s.day < 6);
        EXPECT_EQ(DrawsConsumed(21), s.draws) << "matchday " << s.day;
        EXPECT_EQ(std::tie(lg.today, lg.avversario, lg.ontheroad, lg.where),
                  std::make_tuple(s.today, s.opponent, s.ontheroad, std::string(s.where)));
        EXPECT_STREQ(lg.othername, lg.squadra[s.opponent].name);
    }
    const std::string game = std::string(VELMO_SOURCE_DIR) + "/game";
    lg.prepared_matchday = 0;  // as if day 0 had been the last prepared before the season ended
    ASSERT_TRUE(StartNewLeague(lg, game).ok);
    std::srand(21);
    EXPECT_TRUE(PrepareOpponent(lg));
    EXPECT_EQ(DrawsConsumed(21), 11) << "a new league's first matchday is always prepared";
}
