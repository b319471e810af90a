// The saved game: its exact text, round trips, damaged files refused, failed saves.
#include "data/savegame.h"

#include <sys/stat.h>

#include <sstream>

#include "season/fixtures.h"
#include "test_league.h"

// `days` matchdays played, fixture i of matchday d ending (d + 2i) % 4 to (d + i) % 3.
static League PlayedFor(int days) {
    League lg = MakeLeague();
    for (int& d = lg.matchday; d < days; ++d)  // results land on matchday `matchday`
        for (int i = 0; i < kFixtures; ++i)
            RecordResult(lg, lg.giornata[d].home[i], lg.giornata[d].away[i], (d + 2 * i) % 4,
                         (d + i) % 3);
    return lg;
}

// Everything a load may touch: progress, clubs, results and the table.
static void ExpectSameLeague(const League& a, const League& b) {
    EXPECT_EQ(std::make_tuple(a.matchday, std::memcmp(a.squadra, b.squadra, sizeof a.squadra),
                              std::memcmp(a.giornata, b.giornata, sizeof a.giornata),
                              std::memcmp(a.classifica, b.classifica, sizeof a.classifica)),
              std::make_tuple(b.matchday, 0, 0, 0));
}

static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

static std::string Join(const std::vector<std::string>& lines, size_t count = SIZE_MAX) {
    std::string text;
    for (size_t i = 0; i < std::min(count, lines.size()); ++i) text += lines[i] + "\n";
    return text;
}

class SavedGame : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(mkdtemp(dir_), nullptr); }
    void TearDown() override { std::system((std::string("rm -rf ") + dir_).c_str()); }
    std::string Path(const std::string& name) const { return std::string(dir_) + "/" + name; }
    char dir_[32] = "/tmp/velmo_save_XXXXXX";
};

// At the start 21 lines; after 37 matchdays 428; loading and saving again changes nothing.
// Team lines match clubs by identifier; later matchdays and the squad stay as they are.
TEST_F(SavedGame, SavedLoadedAndSavedAgainGivesTheSameBytesAndLeagueWhateverTheTeamOrder) {
    League played = PlayedFor(37), fresh = MakeLeague();
    EXPECT_EQ(SavedGameText(fresh), Golden("saved_start.dat"));
    EXPECT_EQ(SaveGame(played, Path("saved.dat")).message, "The game has been saved.");
    const std::string first = ReadFile(Path("saved.dat"));
    EXPECT_EQ(Lines(first).size(), 1 + 20 + 37 * 11u);
    EXPECT_EQ(LoadSavedGame(fresh, Path("saved.dat")).message,
              "The saved game was successfully restored.");
    ExpectSameLeague(played, fresh);
    ASSERT_TRUE(SaveGame(fresh, Path("saved.dat")).ok);
    EXPECT_EQ(ReadFile(Path("saved.dat")), first);
    EXPECT_FALSE(std::ifstream(Path("saved.dat.tmp")).good()) << "no temporary file left";

    League saved = PlayedFor(1);
    std::vector<std::string> lines = Lines(SavedGameText(saved));
    EXPECT_EQ(Join(lines), Golden("saved_day1.dat"));
    std::reverse(lines.begin() + 1, lines.begin() + 21);
    std::swap(lines[3], lines[17]);
    std::ofstream(Path("saved.dat")) << Join(lines);
    League later = PlayedFor(3);
    later.players[3].condition = 17;
    std::copy(later.giornata + 1, later.giornata + 3, saved.giornata + 1);
    ASSERT_EQ(LoadSavedGame(later, Path("saved.dat")).outcome, LoadOutcome::Restored);
    ExpectSameLeague(saved, later);
    EXPECT_EQ(later.players[3].condition, 17);
}

TEST_F(SavedGame, AMissingOrDamagedFileIsRefusedWithTheLeagueUntouched) {
    League lg = PlayedFor(1);
    const League before = lg;
    RestoreStatus status = LoadSavedGame(lg, Path("saved.dat"));
    EXPECT_EQ(status.outcome, LoadOutcome::NoFile);
    EXPECT_EQ(status.message, "There are no saved games to restore!");
    ExpectSameLeague(before, lg);

    League other = PlayedFor(3);  // loading it for real would change everything
    const std::vector<std::string> good = Lines(SavedGameText(other));
    const struct { int line; std::string text; const char* names; } cases[] = {  // -1: whole file
        {0, "39 ", "between 0 and 38"}, {0, "-1 ", "between 0 and 38"},
        {5, "Alba 1 0 1 0 1x 1 0 ", "Team line 5"}, {7, "Alba 1 0 1 0 1 1 42 ", "no club carries"},
        {5, "Alba 1 0 1 0 99999999999 1 0 ", "Team line 5"},  // beyond an int
        {2, std::string(kWordSize, 'x') + " 0 0 0 0 0 0 4 ", "Team line 2"},
        {20, good[1], "appears twice"}, {30, "3 4 one 0 ", "Matchday 1 does not scan"},
        {-1, Join(good, 20), "team line 20"}, {-1, Join(good, 53), "matchday 3"},
        {-1, Join(good) + "12 \n", "goes on"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines = good;
        if (c.line >= 0) lines[c.line] = c.text;
        std::ofstream(Path("saved.dat")) << (c.line >= 0 ? Join(lines) : c.text);
        status = LoadSavedGame(lg, Path("saved.dat"));
        EXPECT_EQ(status.outcome, LoadOutcome::Damaged) << c.names;
        EXPECT_EQ(status.message.rfind("The saved game is damaged and was not loaded. \n", 0), 0u);
        EXPECT_NE(status.message.find(c.names), std::string::npos) << status.message;
        ExpectSameLeague(before, lg);
    }
}

// No folder; the temporary file blocked by a folder; the rename refused by a full folder.
TEST_F(SavedGame, AFailedSaveSaysSoAndLeavesTheOldFile) {
    League lg = PlayedFor(1);
    ASSERT_EQ(mkdir(Path("saved.dat.tmp").c_str(), 0755) + mkdir(Path("folder").c_str(), 0755), 0);
    std::ofstream(Path("saved.dat")) << "old\n";
    std::ofstream(Path("folder/keep")) << "old\n";
    for (const char* target : {"missing/saved.dat", "saved.dat", "folder"}) {
        const SaveStatus status = SaveGame(lg, Path(target));
        EXPECT_FALSE(status.ok) << target;
        EXPECT_EQ(status.message.rfind("The game could not be saved.", 0), 0u) << status.message;
    }
    EXPECT_EQ(ReadFile(Path("saved.dat")) + ReadFile(Path("folder/keep")), "old\nold\n");
    EXPECT_FALSE(std::ifstream(Path("folder.tmp")).good()) << "the temporary file is removed";
    EXPECT_EQ(rmdir(Path("saved.dat.tmp").c_str()), 0) << "the blocking folder is left alone";
}
