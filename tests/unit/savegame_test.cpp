// The saved game: its exact text, save-load round trips, refusal of damaged
// files with the league untouched, and saves that cannot be written.
#include "data/savegame.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "data/loaders.h"
#include "season/fixtures.h"
#include "season/opponent.h"
#include "season/standings.h"
#include "season_fixtures.h"

using namespace season_test;

namespace {

const char* const kDamagedHead = "The saved game is damaged and was not loaded. \n";

// A scratch folder of its own for each test.
class SavedGameFiles : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/velmo_save_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf " + dir_).c_str()); }
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    std::string dir_;
};

// The first matchday played with the results of the hand-written file.
League OneMatchdayIn() {
    League lg = MakeLeague();
    const int results[kFixtures][2] = {{2, 0}, {1, 1}, {0, 3}, {2, 2}, {1, 0},
                                       {0, 0}, {4, 1}, {0, 1}, {3, 3}, {1, 2}};
    for (int i = 0; i < kFixtures; ++i) {
        RecordResult(lg, lg.giornata[0].home[i], lg.giornata[0].away[i], results[i][0],
                     results[i][1]);
    }
    lg.matchday = 1;
    return lg;
}

// `days` matchdays recorded with scores that follow from their position.
League PlayedFor(int days) {
    League lg = MakeLeague();
    for (lg.matchday = 0; lg.matchday < days; ++lg.matchday) {
        const Matchday& md = lg.giornata[lg.matchday];
        for (int i = 0; i < kFixtures; ++i) {
            RecordResult(lg, md.home[i], md.away[i], (lg.matchday + i) % 4, (lg.matchday * i) % 3);
        }
    }
    return lg;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

}  // namespace

TEST(SavedGameText, AtTheStartTwentyOneLines) {
    League lg = MakeLeague();
    EXPECT_EQ(SavedGameText(lg), Golden("saved_start.dat"));
}

TEST(SavedGameText, AfterOneMatchdayTheTableThenTheResults) {
    League lg = OneMatchdayIn();
    EXPECT_EQ(SavedGameText(lg), Golden("saved_day1.dat"));
}

TEST(SavedGameText, AfterThirtySevenMatchdays428LinesOfTheRecords) {
    League lg = PlayedFor(37);
    const std::vector<std::string> lines = Lines(SavedGameText(lg));
    ASSERT_EQ(lines.size(), 428u);
    EXPECT_EQ(lines[0], "37 ");
    for (const std::string& line : lines) EXPECT_EQ(line.back(), ' ');
    for (int i = 0; i < 37; ++i) {
        const Matchday& md = lg.giornata[i];
        const int at = 21 + 11 * i;
        EXPECT_EQ(lines[at], std::to_string(md.number) + " ");
        for (int j = 0; j < kFixtures; ++j) {
            int h, a, hg, ag;
            ASSERT_EQ(std::sscanf(lines[at + 1 + j].c_str(), "%d %d %d %d", &h, &a, &hg, &ag), 4);
            EXPECT_EQ(h, md.home[j]);
            EXPECT_EQ(a, md.away[j]);
            EXPECT_EQ(hg, (i + j) % 4);
            EXPECT_EQ(ag, (i * j) % 3);
        }
    }
}

TEST_F(SavedGameFiles, SaveLoadSaveGivesTheSameBytesAndTheSameLeague) {
    League played = PlayedFor(37);
    const SaveStatus saved = SaveGame(played, Path("saved.dat"));
    EXPECT_TRUE(saved.ok);
    EXPECT_EQ(saved.message, "The game has been saved.");
    EXPECT_FALSE(std::ifstream(Path("saved.dat.tmp")).good()) << "no temporary file left";
    const std::string first = ReadFile(Path("saved.dat"));

    League fresh = MakeLeague();
    const RestoreStatus restored = LoadSavedGame(fresh, Path("saved.dat"));
    EXPECT_EQ(restored.outcome, LoadOutcome::Restored);
    EXPECT_EQ(restored.message, "The saved game was successfully restored.");
    ExpectSameLeague(played, fresh);

    ASSERT_TRUE(SaveGame(fresh, Path("saved.dat")).ok);
    EXPECT_EQ(ReadFile(Path("saved.dat")), first);
}

TEST_F(SavedGameFiles, ThirtySevenMatchdaysOfTheShippedLeagueSurviveSaveAndLoad) {
    const std::string game = std::string(VELMO_SOURCE_DIR) + "/game";
    std::srand(2026);
    League lg;
    ASSERT_TRUE(LoadLeague(lg, game).ok);
    for (; lg.matchday < 37; ++lg.matchday) {
        ASSERT_TRUE(PrepareOpponent(lg));
        RecordResult(lg, kHumanId, lg.squadra[lg.avversario].id, 1, 1);
        PlayAllGames(lg);
    }
    for (const Team& t : lg.squadra) EXPECT_EQ(t.won + t.drawn + t.lost, 37) << t.name;
    ASSERT_TRUE(SaveGame(lg, Path("saved.dat")).ok);
    const std::string first = ReadFile(Path("saved.dat"));
    EXPECT_EQ(Lines(first).size(), 428u);

    League fresh;
    ASSERT_TRUE(LoadLeague(fresh, game).ok);
    ASSERT_EQ(LoadSavedGame(fresh, Path("saved.dat")).outcome, LoadOutcome::Restored);
    ExpectSameLeague(lg, fresh);
    ASSERT_TRUE(SaveGame(fresh, Path("saved.dat")).ok);
    EXPECT_EQ(ReadFile(Path("saved.dat")), first);
}

TEST_F(SavedGameFiles, TeamLinesInAnotherOrderGiveTheSameLeague) {
    League played = OneMatchdayIn();
    std::vector<std::string> lines = Lines(SavedGameText(played));
    std::reverse(lines.begin() + 1, lines.begin() + 21);
    std::swap(lines[3], lines[17]);
    WriteFile(Path("saved.dat"), Join(lines));

    League fresh = MakeLeague();
    EXPECT_EQ(LoadSavedGame(fresh, Path("saved.dat")).outcome, LoadOutcome::Restored);
    ExpectSameLeague(played, fresh);
}

TEST_F(SavedGameFiles, LoadingAnEarlierSaveKeepsLaterResultsAndTheSquad) {
    League early = PlayedFor(5);
    ASSERT_TRUE(SaveGame(early, Path("saved.dat")).ok);
    League later = PlayedFor(10);
    later.players[3].condition = 17;
    const Matchday ninth = later.giornata[8];

    ASSERT_EQ(LoadSavedGame(later, Path("saved.dat")).outcome, LoadOutcome::Restored);
    EXPECT_EQ(later.matchday, 5);
    EXPECT_EQ(later.squadra[kHumanId].points, early.squadra[kHumanId].points);
    EXPECT_EQ(later.giornata[8].home_goals[3], ninth.home_goals[3]);
    EXPECT_EQ(later.players[3].condition, 17);
}

TEST_F(SavedGameFiles, AMissingFileChangesNothing) {
    League lg = OneMatchdayIn();
    const League before = lg;
    const RestoreStatus status = LoadSavedGame(lg, Path("saved.dat"));
    EXPECT_EQ(status.outcome, LoadOutcome::NoFile);
    EXPECT_EQ(status.message, "There are no saved games to restore!");
    ExpectSameLeague(before, lg);
}

TEST_F(SavedGameFiles, EveryKindOfDamageIsRefusedWithTheLeagueUntouched) {
    League other = PlayedFor(3);  // loading it for real would change everything
    const std::vector<std::string> good = Lines(SavedGameText(other));
    auto with = [&](int line, const std::string& text) {
        std::vector<std::string> lines = good;
        lines[line] = text;
        return Join(lines);
    };
    auto without = [&](int line) {
        std::vector<std::string> lines = good;
        lines.erase(lines.begin() + line);
        return Join(lines);
    };
    const std::string twenty_chars(20, 'x');
    const struct {
        const char* what;
        std::string text;
        const char* names;
    } cases[] = {
        {"count above 38", with(0, "39 "), "between 0 and 38"},
        {"negative count", with(0, "-1 "), "between 0 and 38"},
        {"count not a number", with(0, "three "), "count"},
        {"empty file", "", "count"},
        {"counter not a number", with(5, "Alba 1 0 1 0 1x 1 0 "), "Team line 5"},
        {"number too big for an int", with(5, "Alba 1 0 1 0 99999999999 1 0 "), "Team line 5"},
        {"name longer than its field", with(2, twenty_chars + " 0 0 0 0 0 0 4 "), "Team line 2"},
        {"identifier no club carries", with(7, "Alba 1 0 1 0 1 1 42 "), "no club carries"},
        {"identifier twice", with(20, good[1]), "appears twice"},
        {"fewer than twenty team lines", Join({good.begin(), good.begin() + 20}), "team line 20"},
        {"matchday block cut short", without(53), "matchday 3"},
        {"fixture field not a number", with(30, "3 4 one 0 "), "Matchday 1 does not scan"},
        {"garbage after the last block", Join(good) + "12 \n", "goes on"},
    };
    for (const auto& c : cases) {
        League lg = OneMatchdayIn();
        UpdateRanking(lg);
        MakeRanking(lg);
        const League before = lg;
        WriteFile(Path("saved.dat"), c.text);
        const RestoreStatus status = LoadSavedGame(lg, Path("saved.dat"));
        EXPECT_EQ(status.outcome, LoadOutcome::Damaged) << c.what;
        EXPECT_EQ(status.message.rfind(kDamagedHead, 0), 0u) << c.what << ": " << status.message;
        EXPECT_NE(status.message.find(c.names), std::string::npos) << c.what << ": " << status.message;
        ExpectSameLeague(before, lg);
    }
}

TEST_F(SavedGameFiles, AFailedSaveSaysSoAndLeavesTheOldFile) {
    League lg = OneMatchdayIn();
    const std::string old_text = "the previous save\n";
    WriteFile(Path("saved.dat"), old_text);

    // A folder that does not exist.
    SaveStatus status = SaveGame(lg, Path("missing/saved.dat"));
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.message.rfind("The game could not be saved.", 0), 0u);

    // The temporary file cannot be created (a folder stands in its way).
    ASSERT_EQ(mkdir(Path("saved.dat.tmp").c_str(), 0755), 0);
    status = SaveGame(lg, Path("saved.dat"));
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(ReadFile(Path("saved.dat")), old_text);
    ASSERT_EQ(rmdir(Path("saved.dat.tmp").c_str()), 0) << "the blocking folder is left alone";

    // The rename fails: the save path is a folder holding a file.
    ASSERT_EQ(mkdir(Path("folder").c_str(), 0755), 0);
    WriteFile(Path("folder/keep"), old_text);
    status = SaveGame(lg, Path("folder"));
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(std::ifstream(Path("folder.tmp")).good()) << "the temporary file is removed";
    EXPECT_EQ(ReadFile(Path("folder/keep")), old_text);
}
