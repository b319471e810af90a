// The saved game: loads, damaged files refused, durable and failed saves (its text: test_sim.py).
#include "data/savegame.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <sstream>

#include "../fuzz/league_equality.h"
#include "injected_calls.h"
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

// A team line with its six counters replaced, its name and identifier kept.
static std::string WithCounters(const std::string& line, const std::string& counters) {
    std::istringstream in(line);
    std::string name, counter, id;
    in >> name;
    for (int i = 0; i < 6; ++i) in >> counter;
    in >> id;
    return name + " " + counters + " " + id + " ";
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

class SavedGame : public ::testing::Test, protected ScratchFolder {};

// Team lines match clubs by identifier, whatever their order. A game at matchday 3 loading a
// save of matchday 1 loses the results of matchdays 2 and 3, keeping their fixtures; the squad
// stays as it is.
TEST_F(SavedGame, ALoadMatchesTeamsByIdentifierAndClearsTheMatchdaysNotPlayed) {
    League saved = PlayedFor(1);
    std::vector<std::string> lines = Lines(SavedGameText(saved));
    std::reverse(lines.begin() + 1, lines.begin() + 21);
    std::swap(lines[3], lines[17]);
    std::ofstream(Path("saved.dat")) << Join(lines);
    League later = PlayedFor(3);
    later.players[3].condition = 17;
    ASSERT_NE(later.giornata[2].home_goals[0], 0);
    EXPECT_EQ(LoadSavedGame(later, Path("saved.dat")).message, "The saved game was successfully restored.");
    ExpectSameLeague(saved, later);
    EXPECT_EQ(later.players[3].condition, 17);
}

TEST_F(SavedGame, AMissingOrDamagedFileIsRefusedWithTheLeagueUntouched) {
    League lg = PlayedFor(1);
    const League before = lg;
    RestoreStatus status = LoadSavedGame(lg, Path("saved.dat"));
    EXPECT_EQ(std::make_tuple(status.outcome, status.message),
              std::make_tuple(LoadOutcome::NoFile, "There are no saved games to restore!"));
    ASSERT_EQ(mkdir(Path("folder").c_str(), 0755), 0);
    EXPECT_EQ(LoadSavedGame(lg, Path("folder")).message,
              "The saved game is damaged and was not loaded. \nThe file cannot be read.");
    EXPECT_EQ(LeagueDifference(before, lg), "");

    // Three matchdays: the count, twenty team lines, then blocks at lines 21, 32 and 43.
    // Matchday 3's third fixture is Dora (3) against Zolla (18).
    League other = PlayedFor(3);  // loading it for real would change everything
    const std::vector<std::string> good = Lines(SavedGameText(other));
    const std::string between = "The count of matchdays played is not between 0 and 38.";
    const struct { int line; std::string text; std::string fault; } cases[] = {  // -1: the whole file
        {0, "39 ", between}, {0, "-1 ", between}, {0, "x ", "The count of matchdays played does not scan."},
        {5, "Alba 1 0 1 0 1x 1 0 ", "Team line 5 does not scan."},
        {5, "Alba 1 0 1 0 99999999999 1 0 ", "Team line 5 does not scan."},  // beyond an int
        {7, "Alba 1 0 1 0 1 1 42 ", "Team line 7 names team identifier 42, which no club carries."},
        {2, std::string(kWordSize, 'x') + " 0 0 0 0 0 0 4 ", "Team line 2 has a name longer than 19 characters."},
        {30, "3 4 one 0 ", "Matchday 1 does not scan."},
        {-1, Join(good, 20), "The file ends before team line 20."},
        {-1, Join(good, 53), "The file ends inside matchday 3."},
        {-1, Join(good) + "12 \n", "The file goes on after its last matchday."},
        // Counters and scores no season reaches, which would overflow the table's sums.
        {4, WithCounters(good[4], "1 0 1 0 2147483647 -1"), "Team line 4 has a count outside 0..9999."},
        {9, WithCounters(good[9], "1 0 1 0 10000 1"), "Team line 9 has a count outside 0..9999."},
        {20, WithCounters(good[20], "-1 0 1 0 1 1"), "Team line 20 has a count outside 0..9999."},
        {25, "3 4 1000 0 ", "Matchday 1 has a score outside 0..999."},
        {47, "3 4 0 -1 ", "Matchday 3 has a score outside 0..999."},
        // A saved matchday keeps the fixture file's promises.
        {21, "-1 ", "Matchday 1: The matchday number -1 is below 0."},
        {35, "99 17 5 5 ", "Matchday 2: No club carries the identifier 99."},
        {46, "4 4 5 5 ", "Matchday 3: The club identifier 4 appears twice and 3 is missing."},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines = good;
        if (c.line >= 0) lines[c.line] = c.text;
        const std::string text = c.line >= 0 ? Join(lines) : c.text;
        std::ofstream(Path("saved.dat")) << text;
        status = LoadSavedGame(lg, Path("saved.dat"));
        EXPECT_EQ(std::make_tuple(status.outcome, status.message),
                  std::make_tuple(LoadOutcome::Damaged, "The saved game is damaged and was not loaded. \n" + c.fault));
        EXPECT_EQ(LeagueDifference(before, lg), "") << c.fault;
    }
    // A team identifier twice, whichever line held it first.
    std::vector<std::string> twice = good;
    twice[19] = twice[20] = "Alba 0 0 0 0 0 0 0 ";
    EXPECT_EQ(RestoreSavedGame(lg, Join(twice)).message,
              "The saved game is damaged and was not loaded. \nTeam identifier 0 appears twice.");
    // The largest counters and scores a file may hold still load.
    std::vector<std::string> edge = good;
    edge[4] = WithCounters(good[4], "9999 9999 0 0 9999 9999");
    edge[25] = good[25].substr(0, good[25].find(' ', good[25].find(' ') + 1)) + " 999 0 ";
    EXPECT_EQ(RestoreSavedGame(lg, Join(edge)).outcome, LoadOutcome::Restored);
    EXPECT_EQ(std::make_tuple(lg.classifica[0].points, lg.classifica[0].goals_against,
                              lg.giornata[0].home_goals[3]),
              std::make_tuple(9999, 9999, 999));
}

// ---- The durable save: every system call may fail -------------------------

// The new file is on the disk before it replaces the old one, and the
// replacement is on the disk before the player is told.
TEST_F(SavedGame, ASaveIsFlushedBeforeTheRenameAndTheFolderAfterIt) {
    League lg = PlayedFor(2);
    const std::string text = SavedGameText(lg);
    injection = Injection();
    EXPECT_EQ(SaveGame(lg, Path("saved.dat"), kInjectingCalls).message, "The game has been saved.");
    EXPECT_EQ(injection.log,
              (std::vector<std::string>{"unlink saved.dat.tmp", "open saved.dat.tmp",
                                        "write saved.dat.tmp", "fsync saved.dat.tmp",
                                        "close saved.dat.tmp", "rename saved.dat.tmp saved.dat",
                                        "open folder", "fsync folder", "close folder"}));
    EXPECT_EQ(ReadFile(Path("saved.dat")), text);

    // A temporary file left by a crash is replaced, a link in its place is
    // never written through.
    std::ofstream(Path("elsewhere")) << "keep\n";
    ASSERT_EQ(symlink(Path("elsewhere").c_str(), Path("saved.dat.tmp").c_str()), 0);
    EXPECT_TRUE(SaveGame(lg, Path("saved.dat")).ok);
    std::ofstream(Path("saved.dat.tmp")) << "stale\n";
    EXPECT_TRUE(SaveGame(lg, Path("saved.dat")).ok);
    EXPECT_EQ(ReadFile(Path("elsewhere")) + ReadFile(Path("saved.dat")), "keep\n" + text);
    EXPECT_FALSE(std::ifstream(Path("saved.dat.tmp")).good());
}

// Whatever fails, the player is told, and no temporary file is left: before
// the rename the old file stays; after it (the folder's flush) the new one
// is in place. A folder that cannot be flushed by its nature is no failure.
TEST_F(SavedGame, EachFailingSystemCallLeavesTheOldFileOrTheNewOneAndNoTemporaryFile) {
    League lg = PlayedFor(2);
    const std::string text = SavedGameText(lg);
    const struct {
        Call call;
        int nth;
        int error;
        bool saved;
        bool new_file_in_place;
    } cases[] = {
        {Call::Open, 1, EACCES, false, false},     {Call::Write, 1, ENOSPC, false, false},
        {Call::Write, 1, kShortWrite, true, true}, {Call::Write, 1, EINTR, true, true},
        {Call::Write, 1, kOneByte, true, true},    {Call::Write, 1, kNoByte, false, false},
        {Call::Fsync, 1, EIO, false, false},       {Call::Close, 1, EIO, false, false},
        {Call::Rename, 1, EXDEV, false, false},    {Call::Open, 2, EACCES, false, true},
        {Call::Fsync, 2, EIO, false, true},        {Call::Fsync, 2, EINVAL, true, true},
        {Call::Fsync, 2, ENOTSUP, true, true},
    };
    for (const auto& c : cases) {
        std::ofstream(Path("saved.dat")) << "old\n";
        injection = Injection();
        std::tie(injection.call, injection.nth, injection.error) = std::make_tuple(c.call, c.nth, c.error);
        const SaveStatus status = SaveGame(lg, Path("saved.dat"), kInjectingCalls);
        const std::string label = injection.log.back() + " failing with " + std::to_string(c.error);
        EXPECT_EQ(std::make_tuple(status.ok, status.message),
                  std::make_tuple(c.saved, c.saved ? "The game has been saved."
                                                   : "The game could not be saved. \nCheck that " + path +
                                                         " can be written and the disk is not full.")) << label;
        EXPECT_EQ(ReadFile(Path("saved.dat")), c.new_file_in_place ? text : "old\n") << label;
        EXPECT_FALSE(std::ifstream(Path("saved.dat.tmp")).good()) << label;
    }
}

// A league holding counters the reader refuses (grown from a file edited by
// hand) is not written: every file the game saves, it loads.
TEST_F(SavedGame, ALeagueTheReaderWouldRefuseIsNotSaved) {
    League lg = PlayedFor(0);
    std::vector<std::string> lines = Lines(SavedGameText(lg));
    for (int line = 1; line <= kTeams; ++line) lines[line] = WithCounters(lines[line], "0 0 0 0 9999 0");
    ASSERT_EQ(RestoreSavedGame(lg, Join(lines)).outcome, LoadOutcome::Restored);
    RecordResult(lg, lg.giornata[0].home[0], lg.giornata[0].away[0], 2, 1);
    ++lg.matchday;
    std::ofstream(Path("saved.dat")) << "old\n";
    EXPECT_EQ(SaveGame(lg, Path("saved.dat")).message,
              "The game could not be saved. \nThe standings hold counts a saved game cannot keep.");
    EXPECT_EQ(ReadFile(Path("saved.dat")), "old\n");
    EXPECT_FALSE(std::ifstream(Path("saved.dat.tmp")).good());
}
