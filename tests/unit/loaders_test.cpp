// The data files: reading loop, limits, draws, damaged files and broken promises.
#include <sys/stat.h>

#include <memory>

#include "../fuzz/league_equality.h"
#include "data/loaders.h"
#include "test_league.h"

namespace {

std::string Squad(int players) {
    std::string text;
    for (int n = 1; n <= players; ++n)
        text += std::to_string(n) + " Surname" + std::to_string(n) + " Name DF 25 20 20 20\n";
    return text;
}

// One club's five lines.
std::string Club(int id, const std::string& name = "", int keeper = 12) {
    return std::to_string(id) + " " + (name.empty() ? "Club" + std::to_string(id) : name) +
           " club.bmp\n" + std::to_string(keeper) + "\n15 15 15\n15 15 15\n15 15 15\n";
}

std::string Clubs(int count, int first = 0) {
    std::string text;
    for (int id = first; id < count; ++id) text += Club(id);
    return text;
}

// Matchday d pairs club j with club 19 - j.
std::string Fixtures(int matchdays) {
    std::string text;
    for (int d = 1; d <= matchdays; ++d) {
        text += std::to_string(d) + "\n";
        for (int j = 0; j < kFixtures; ++j) text += std::to_string(j) + " " + std::to_string(19 - j) + "\n";
    }
    return text;
}

std::unique_ptr<League> Load(const ScratchFolder& folder, int players = 22, int matchdays = 38) {
    if (players >= 0) folder.Write("velmo.dat", Squad(players));
    folder.Write("calendario.dat", Fixtures(matchdays));
    auto lg = std::make_unique<League>();
    LoadStatus status = LoadLeague(*lg, folder.path);
    EXPECT_TRUE(status.ok) << status.message;
    return lg;
}

}  // namespace

TEST(Loaders, RatingsAreLimitedToOneToThirtyAndOtherValuesTakenAsRead) {
    ScratchFolder folder;
    // Any int for a number and "A."; names in any alphabet; a DEL is no control byte.
    folder.Write("velmo.dat", "1 Low Luca GK 45 0 -5 31\n2 High Ugo DF 9 30 1 15\n"
                              "2147483647 Niccol\xc3\xb2 Del\x7f MF -2147483648 5 5 5\n");
    folder.Write("teams.dat", "0 Low low.bmp\n-3\n0 -5 31\n40 1 30\n2 3 4\n" + Clubs(19, 1));
    auto lg = Load(folder, -1);
    const Player *p = lg->players, &far = lg->players[2];
    EXPECT_EQ((std::vector<int>{p[0].attr_a, p[0].technique, p[0].fantasy, p[0].condition, p[1].technique, p[1].fantasy}),
              (std::vector<int>{45, 1, 1, 30, 30, 1}));
    EXPECT_EQ(std::make_tuple(far.number, std::string(far.surname), std::string(far.name), far.attr_a),
              std::make_tuple(2147483647, "Niccol\xc3\xb2", "Del\x7f", -2147483647 - 1));
    const Team& club = lg->squadra[0];
    EXPECT_EQ((std::vector<int>{club.keeper, club.base_technique[0], club.base_fantasy[0], club.base_condition[0],
                                club.base_technique[1], club.base_fantasy[1], club.base_condition[2]}),
              (std::vector<int>{-3, 1, 1, 30, 30, 1, 4}));
    for (int keeper : {-999, 999}) {  // ratings a real club may carry
        folder.Write("teams.dat", Club(0, "", keeper) + Clubs(19, 1));
        EXPECT_EQ(Load(folder)->squadra[0].keeper, keeper);
    }
}

TEST(Loaders, ReadingStopsAtTheLimitOrTheEndOfTheFile) {
    ScratchFolder folder;
    // A twentieth club is never read, so neither is its repeated identifier.
    folder.Write("teams.dat", Clubs(19) + Club(3) + Club(19));
    auto lg = Load(folder, 23);
    EXPECT_EQ(lg->players[21].number, 22);
    EXPECT_EQ(lg->squadra[19].id, kHumanId);
    EXPECT_STREQ(lg->squadra[19].name, "VELMO");
    EXPECT_STREQ(lg->Velmo.name, "VELMO");

    // A shorter squad over the same league empties the rows it no longer fills.
    folder.Write("velmo.dat", Squad(18) + "\n\n   \n\t\n");  // blank lines add no record
    folder.Write("calendario.dat", Fixtures(37));
    ASSERT_TRUE(LoadLeague(*lg, folder.path).ok);
    EXPECT_STREQ(lg->players[17].surname, "Surname18");
    for (const Player& p : {lg->players[18], lg->players[21]}) {
        EXPECT_EQ(std::make_tuple(std::string(p.surname), std::string(p.name), std::string(p.role), p.attr_a,
                                  p.technique, p.fantasy, p.condition),
                  std::make_tuple("-", "-", "-", 0, 0, 0, 0));
    }
    EXPECT_EQ(std::make_tuple(lg->ngiornate, lg->giornata[36].number, lg->giornata[37].number,
                              lg->giornata[37].home[0]),
              std::make_tuple(37, 37, -1, -1));

    // From memory, the last word ending the text with no blank after it.
    League from_memory;
    InitPlayers(from_memory);
    std::string squad = Squad(18);
    squad.back() = '7';  // its last line "18 Surname18 Name DF 25 20 20 207"
    ASSERT_TRUE(ReadVelmoTeam(from_memory, squad).ok);
    EXPECT_EQ(from_memory.players[17].attr_a, 25);
    EXPECT_EQ(from_memory.players[17].condition, 30) << "207, limited to 30";
    EXPECT_STREQ(from_memory.players[18].surname, "-");

    // Lines ending in CR LF read exactly as lines ending in LF.
    ScratchFolder crlf;
    for (const auto& [file, text] : {std::pair{"velmo.dat", Squad(22)}, std::pair{"teams.dat", Clubs(19)},
                                     std::pair{"calendario.dat", Fixtures(38)}}) {
        std::string windows;
        for (char c : text) windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
        crlf.Write(file, windows);
        folder.Write(file, text);
    }
    League unix_read, windows_read;
    srand(1);
    ASSERT_TRUE(LoadLeague(unix_read, folder.path).ok);
    srand(1);
    ASSERT_TRUE(LoadLeague(windows_read, crlf.path).ok);
    EXPECT_EQ(LeagueDifference(unix_read, windows_read), "");
}

// srand(1): the fatigue of club 0 from 1804289383 846930886 1681692777, % 7 = 1 4 2, plus 25;
// club 18's from the 55th to 57th draws 1911759956 749241873 137806862 (% 7 = 1 2 4); then 42999170.
TEST(Loaders, LeagueFileDrawsThreeFatigueValuesPerClub) {
    ScratchFolder folder;
    folder.Write("teams.dat", Clubs(19));
    srand(1);
    auto lg = Load(folder, 22, 1);
    EXPECT_EQ(rand(), 42999170);
    EXPECT_EQ((std::vector<int>{lg->squadra[0].fatigue[0], lg->squadra[0].fatigue[1], lg->squadra[0].fatigue[2],
                                lg->squadra[18].fatigue[0], lg->squadra[18].fatigue[1], lg->squadra[18].fatigue[2]}),
              (std::vector<int>{26, 29, 27, 26, 27, 29}));
}

// A record that does not scan is named; one that breaks a promise the rules
// rely on is named with a line saying what is wrong. Either way the game
// refuses to start.
TEST(Loaders, MissingAndDamagedFilesAreNamedWithTheirRecord) {
    const std::string long_word(20, 'x');
    // Matchday 1 of Fixtures() with the line "9 10" replaced.
    auto matchday_ending = [](const std::string& last) {
        return "1\n0 19\n1 18\n2 17\n3 16\n4 15\n5 14\n6 13\n7 12\n8 11\n" + last + "\n";
    };
    const struct {
        const char* file;
        std::string text;
        const char* near;   // the record named
        const char* fault;  // "" for a record that does not scan
    } cases[] = {
        {"velmo.dat", Squad(2) + "3 Rossi Luca DF 25 twenty 20 20\n", "player 3", ""},
        {"velmo.dat", "1 " + long_word + " Luca DF 25 20 20 20\n", "player 1", ""},
        {"velmo.dat", "1 Rossi Luca DFXX 25 20 20 20\n", "player 1", ""},
        {"velmo.dat", Squad(4) + "5 Rossi Luca DF 25 20\n", "player 5", ""},
        {"velmo.dat", "1 Rossi Luca DF 2147483648 20 20 20\n", "player 1", ""},
        {"velmo.dat", Squad(3) + "2 Rossi Luca DF 25 20 20 20\n", "player 4", "The player number 2 appears twice."},
        {"velmo.dat", Squad(1) + "0 Rossi Luca DF 25 20 20 20\n", "player 2", "The player number 0 is not above 0."},
        {"velmo.dat", Squad(1) + "2 Ros" + std::string(1, '\0') + "si Luca DF 25 20 20 20\n", "player 2",
         "A word holds a control character."},
        {"velmo.dat", "1 Rossi Luca G\x1fK 25 20 20 20\n", "player 1", "A word holds a control character."},
        {"teams.dat", Clubs(6) + "6 Club6 club.bmp\n12\n1 2 3\n4 5\n", "team 7", ""},
        {"teams.dat", Clubs(18), "team 19", "The league needs 19 clubs; the file holds 18."},
        {"teams.dat", Clubs(5) + Club(3) + Clubs(19, 6), "team 6", "The club identifier 3 appears twice."},
        {"teams.dat", Clubs(18) + Club(19), "team 19", "The club identifier 19 is the human club's."},
        {"teams.dat", Club(0, "", 1000) + Clubs(19, 1), "team 1", "The keeper rating 1000 is not between -999 and 999."},
        {"teams.dat", Clubs(2) + Club(2, "", -1000) + Clubs(19, 3), "team 3",
         "The keeper rating -1000 is not between -999 and 999."},
        {"teams.dat", Clubs(4) + Club(4, "Esc\x1b[2J") + Clubs(19, 5), "team 5", "A word holds a control character."},
        {"calendario.dat", Fixtures(2) + "3\n0 19\n1 x\n", "matchday 3", ""},
        {"calendario.dat", matchday_ending("9 31"), "matchday 1", "No club carries the identifier 31."},
        {"calendario.dat", Fixtures(4) + matchday_ending("9 0"), "matchday 5",
         "The club identifier 0 appears twice and 10 is missing."},
        {"calendario.dat", matchday_ending("9 10").replace(2, 4, "0 18"), "matchday 1",
         "The club identifier 18 appears twice and 19 is missing."},
        // -1 marks an empty record in memory: a file never holds it, nor an empty season.
        {"calendario.dat", Fixtures(3) + "-1\n" + Fixtures(1).substr(2), "matchday 4", "The matchday number -1 is below 0."},
        {"calendario.dat", " \n\n", "matchday 1", "The fixture file holds no matchday."},
    };
    for (const auto& c : cases) {
        ScratchFolder folder;
        folder.Write("velmo.dat", Squad(22));
        folder.Write("teams.dat", Clubs(19));
        folder.Write("calendario.dat", Fixtures(38));
        folder.Write(c.file, c.text);
        League lg;
        const LoadStatus status = LoadLeague(lg, folder.path);
        const std::string fault = *c.fault ? std::string(c.fault) + "\n" : "";
        EXPECT_EQ(std::make_tuple(status.ok, status.message),
                  std::make_tuple(false, "'" + std::string(c.file) + "' is damaged near " + c.near + ".\n" + fault +
                                             "Please restore the game's data files."));
    }
    ScratchFolder half;  // a damaged record stores nothing of itself
    half.Write("velmo.dat", Squad(1) + "2 Rossi Luca DF 25 20\n");
    League damaged;
    EXPECT_FALSE(LoadLeague(damaged, half.path).ok);
    EXPECT_STREQ(damaged.players[1].surname, "-");

    ScratchFolder empty;
    League lg;
    EXPECT_EQ(LoadLeague(lg, empty.path).message, "Impossible to find file 'velmo.dat'!");
    ASSERT_EQ(mkdir((empty.path + "/velmo.dat").c_str(), 0755), 0);  // there, but no file to read
    EXPECT_EQ(LoadLeague(lg, empty.path).message, "Impossible to find file 'velmo.dat'!");
    ASSERT_EQ(rmdir((empty.path + "/velmo.dat").c_str()), 0);
    empty.Write("velmo.dat", Squad(22));
    EXPECT_EQ(LoadLeague(lg, empty.path).message, "Impossible to find file 'teams.dat'!");
    empty.Write("teams.dat", Clubs(19));
    EXPECT_EQ(LoadLeague(lg, empty.path).message, "Impossible to find file 'calendario.dat'!");
}
