// The data files: reading loop, limits, draws, lookups and damaged files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "data/loaders.h"

namespace {

// A scratch folder with the three data files, removed after the test.
class DataFolder {
public:
    DataFolder() {
        char pattern[] = "/tmp/velmo-loaders-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~DataFolder() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    void Write(const std::string& file, const std::string& text) const {
        std::ofstream(path_ + "/" + file) << text;
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::string PlayerLine(int number, const char* role = "DF", int t = 20, int f = 20, int c = 20,
                       int a = 25) {
    return std::to_string(number) + " Surname" + std::to_string(number) + " Name " + role + " " +
           std::to_string(a) + " " + std::to_string(t) + " " + std::to_string(f) + " " +
           std::to_string(c) + " \n";
}

std::string Squad(int players) {
    std::string text;
    for (int n = 1; n <= players; ++n) text += PlayerLine(n);
    return text;
}

std::string TeamBlock(int id, int rating = 15) {
    std::string r = std::to_string(rating);
    std::string line = r + " " + r + " " + r + "\n";
    return std::to_string(id) + " Club" + std::to_string(id) + " club.bmp\n12\n" + line + line + line;
}

std::string Teams(int count) {
    std::string text;
    for (int id = 0; id < count; ++id) text += TeamBlock(id);
    return text;
}

// Matchday d pairs team j with team 19 - j.
std::string Fixtures(int matchdays) {
    std::string text;
    for (int d = 1; d <= matchdays; ++d) {
        text += std::to_string(d) + "\n";
        for (int j = 0; j < kFixtures; ++j)
            text += std::to_string(j) + " " + std::to_string(19 - j) + "\n";
    }
    return text;
}

void WriteLeague(const DataFolder& folder, int players = 22, int teams = 19, int matchdays = 38) {
    folder.Write("velmo.dat", Squad(players));
    folder.Write("teams.dat", Teams(teams));
    folder.Write("calendario.dat", Fixtures(matchdays));
}

std::unique_ptr<League> Loaded(const DataFolder& folder) {
    auto lg = std::make_unique<League>();
    srand(1);
    LoadStatus status = LoadLeague(*lg, folder.path());
    EXPECT_TRUE(status.ok) << status.message;
    return lg;
}

}  // namespace

TEST(Loaders, RatingsAreLimitedToOneToThirtyButColumnAIsNot) {
    DataFolder folder;
    WriteLeague(folder);
    folder.Write("velmo.dat", PlayerLine(1, "GK", 0, -5, 31, 45) + PlayerLine(2, "DF", 30, 1, 15));
    auto lg = Loaded(folder);
    EXPECT_EQ(lg->players[0].technique, 1);
    EXPECT_EQ(lg->players[0].fantasy, 1);
    EXPECT_EQ(lg->players[0].condition, 30);
    EXPECT_EQ(lg->players[0].attr_a, 45);
    EXPECT_EQ(lg->players[1].technique, 30);
    EXPECT_EQ(lg->players[1].fantasy, 1);
    EXPECT_EQ(lg->players[1].condition, 15);

    std::string others;
    for (int id = 1; id < kComputerTeams; ++id) others += TeamBlock(id);
    folder.Write("teams.dat", "0 Low low.bmp\n-3\n0 -5 31\n40 1 30\n2 3 4\n" + others);
    lg = Loaded(folder);
    const Team& low = lg->squadra[0];
    EXPECT_EQ(low.keeper, -3);  // the goalkeeper rating is taken as read
    EXPECT_EQ(low.base_technique[0], 1);
    EXPECT_EQ(low.base_fantasy[0], 1);
    EXPECT_EQ(low.base_condition[0], 30);
    EXPECT_EQ(low.base_technique[1], 30);
    EXPECT_EQ(low.base_condition[2], 4);
}

TEST(Loaders, SquadFileReadsAtMostTwentyTwoAndLeavesEmptyRowsCleared) {
    DataFolder folder;
    WriteLeague(folder, 23);
    auto lg = Loaded(folder);
    EXPECT_EQ(lg->players[21].number, 22);

    WriteLeague(folder, 18);
    lg = Loaded(folder);
    EXPECT_STREQ(lg->players[17].surname, "Surname18");
    for (int r = 18; r < kSquadSize; ++r) {
        EXPECT_STREQ(lg->players[r].surname, "-");
        EXPECT_STREQ(lg->players[r].name, "-");
        EXPECT_STREQ(lg->players[r].role, "-");
        EXPECT_EQ(lg->players[r].technique, 0);
        EXPECT_EQ(lg->players[r].condition, 0);
    }
}

TEST(Loaders, BlankLinesAfterTheLastRecordAddNothing) {
    DataFolder folder;
    WriteLeague(folder);
    folder.Write("velmo.dat", Squad(3) + "\n\n   \n\t\n");
    folder.Write("calendario.dat", Fixtures(2) + "\n\n\n");
    auto lg = Loaded(folder);
    EXPECT_STREQ(lg->players[2].surname, "Surname3");
    EXPECT_STREQ(lg->players[3].surname, "-");
    EXPECT_EQ(lg->ngiornate, 2);
    EXPECT_EQ(lg->giornata[2].number, -1);
}

TEST(Loaders, LeagueFileReadsNineteenTeamsAndKeepsTheHumanClubInSlotNineteen) {
    DataFolder folder;
    WriteLeague(folder);
    folder.Write("teams.dat", Teams(19) + TeamBlock(25));
    auto lg = Loaded(folder);
    EXPECT_EQ(lg->squadra[18].id, 18);
    EXPECT_EQ(lg->squadra[19].id, kHumanId);
    EXPECT_STREQ(lg->squadra[19].name, "VELMO");
    EXPECT_STREQ(lg->Velmo.name, "VELMO");
    EXPECT_EQ(lg->Velmo.id, kHumanId);
    EXPECT_STREQ(lg->squadra[3].badge, "club.bmp");
    EXPECT_EQ(lg->squadra[3].keeper, 12);
}

TEST(Loaders, ShortFixtureFileLeavesTheRestEmpty) {
    DataFolder folder;
    WriteLeague(folder, 22, 19, 37);
    auto lg = Loaded(folder);
    EXPECT_EQ(lg->ngiornate, 37);
    EXPECT_EQ(lg->giornata[36].number, 37);
    EXPECT_EQ(lg->giornata[37].number, -1);
    EXPECT_EQ(lg->giornata[37].home[0], -1);
    EXPECT_EQ(lg->giornata[37].away[9], -1);
}

TEST(Loaders, ANewLeagueZeroesCountersAndGoals) {
    DataFolder folder;
    WriteLeague(folder);
    auto lg = Loaded(folder);
    lg->squadra[4].points = 9;
    lg->squadra[19].goals_for = 3;
    lg->giornata[0].home_goals[2] = 4;
    lg->Velmo.starters[10] = 7;  // the line-up survives a new league
    ASSERT_TRUE(LoadLeague(*lg, folder.path()).ok);
    EXPECT_EQ(lg->squadra[4].points, 0);
    EXPECT_EQ(lg->squadra[19].goals_for, 0);
    EXPECT_EQ(lg->giornata[0].home_goals[2], 0);
    EXPECT_EQ(lg->Velmo.starters[10], 7);
}

TEST(Loaders, LeagueFileDrawsThreeFatigueValuesPerTeam) {
    DataFolder folder;
    WriteLeague(folder, 22, 5);
    folder.Write("calendario.dat", "");
    League lg;
    srand(77);
    ASSERT_TRUE(LoadLeague(lg, folder.path()).ok);
    int next = rand();

    srand(77);
    for (int team = 0; team < 5; ++team) {
        for (int s = 0; s < kSectors; ++s) {
            EXPECT_EQ(lg.squadra[team].fatigue[s], 25 + rand() % 7);
        }
    }
    EXPECT_EQ(next, rand());
}

TEST(Loaders, LookupsFindTheFirstMatchAndLeaveTheBufferOnAMiss) {
    DataFolder folder;
    WriteLeague(folder);
    auto lg = Loaded(folder);
    char name[kWordSize] = "untouched";
    EXPECT_EQ(FindTeam(*lg, 19, name), 19);
    EXPECT_STREQ(name, "VELMO");
    EXPECT_EQ(FindTeam(*lg, 7, name), 7);
    EXPECT_STREQ(name, "Club7");
    CopyWord(name, "untouched");
    EXPECT_EQ(FindTeam(*lg, 42, name), 0);
    EXPECT_STREQ(name, "untouched");

    EXPECT_EQ(FindPlayer(*lg, 5, name), 4);
    EXPECT_STREQ(name, "Surname5");
    CopyWord(name, "untouched");
    EXPECT_EQ(FindPlayer(*lg, 99, name), 0);
    EXPECT_STREQ(name, "untouched");
    lg->players[9].number = 5;  // a repeated number: the first one wins
    EXPECT_EQ(FindPlayer(*lg, 5, name), 4);
}

TEST(Loaders, MissingFilesAreNamedAndLaterFilesAreNotRead) {
    DataFolder folder;
    League lg;
    EXPECT_EQ(LoadLeague(lg, folder.path()).message, "Impossible to find file 'velmo.dat'!");
    folder.Write("velmo.dat", Squad(22));
    EXPECT_EQ(LoadLeague(lg, folder.path()).message, "Impossible to find file 'teams.dat'!");
    folder.Write("teams.dat", Teams(19));
    LoadStatus status = LoadLeague(lg, folder.path());
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.message, "Impossible to find file 'calendario.dat'!");
}

TEST(Loaders, DamagedFilesNameTheFileAndTheRecord) {
    struct Case {
        const char* file;
        std::string text;
        const char* expected;
    };
    const std::string long_word(20, 'x');
    const Case cases[] = {
        {"velmo.dat", Squad(2) + "3 Rossi Luca DF 25 twenty 20 20\n", "'velmo.dat' is damaged near player 3."},
        {"velmo.dat", Squad(1) + "2 " + long_word + " Luca DF 25 20 20 20\n",
         "'velmo.dat' is damaged near player 2."},
        {"velmo.dat", "1 Rossi Luca DFXX 25 20 20 20\n", "'velmo.dat' is damaged near player 1."},
        {"velmo.dat", Squad(4) + "5 Rossi Luca DF 25 20\n", "'velmo.dat' is damaged near player 5."},
        {"teams.dat", Teams(6) + "6 Club6 club.bmp\n12\n1 2 3\n4 5\n", "'teams.dat' is damaged near team 7."},
        {"teams.dat", "0 Club0 " + long_word + "\n12\n1 2 3\n4 5 6\n7 8 9\n", "'teams.dat' is damaged near team 1."},
        {"calendario.dat", Fixtures(2) + "3\n0 19\n1 x\n", "'calendario.dat' is damaged near matchday 3."},
        {"calendario.dat", "1\n0 19\n1 18\n2 17\n3 16\n4 15\n5 14\n6 13\n7 12\n8 11\n9 31\n",
         "'calendario.dat' is damaged near matchday 1: no club carries the identifier 31."},
    };
    for (const Case& c : cases) {
        DataFolder folder;
        WriteLeague(folder);
        folder.Write(c.file, c.text);
        League lg;
        LoadStatus status = LoadLeague(lg, folder.path());
        EXPECT_FALSE(status.ok) << c.expected;
        EXPECT_EQ(status.message.substr(0, status.message.find('\n')), c.expected);
    }
}

TEST(Loaders, ADamagedRecordWritesNothingIntoItsRecord) {
    DataFolder folder;
    WriteLeague(folder);
    folder.Write("velmo.dat", Squad(1) + "2 Rossi Luca DF 25 20 20\n");
    League lg;
    EXPECT_FALSE(LoadLeague(lg, folder.path()).ok);
    EXPECT_STREQ(lg.players[0].surname, "Surname1");
    EXPECT_STREQ(lg.players[1].surname, "-");
    EXPECT_EQ(lg.players[1].number, 0);
}
