// The season's story (positions, form, figures) and the history of finished seasons.
#include <sys/stat.h>

#include <array>

#include "injected_calls.h"
#include "season/fixtures.h"
#include "season/history.h"
#include "season/story.h"
#include "test_league.h"

namespace {

// The next matchday played: 0-0 but for the fixtures listed as {home, away, home goals, away goals}.
void PlayMatchday(League& lg, const std::vector<std::array<int, 4>>& results) {
    const Matchday& md = lg.giornata[lg.matchday];
    for (int i = 0; i < kFixtures; ++i) {
        int goals[2] = {0, 0};
        for (const auto& r : results)
            if (r[0] == md.home[i] && r[1] == md.away[i]) std::tie(goals[0], goals[1]) = std::tie(r[2], r[3]);
        RecordResult(lg, md.home[i], md.away[i], goals[0], goals[1]);
    }
    ++lg.matchday;
}

// Three matchdays, worked by hand (0-0 draws elsewhere):
//   1: Velmo-Zolla 2-2, Valle-Alba 2-0. Valle 3 first; sixteen clubs on 1 and
//      difference 0 in slot order, Zolla, then Velmo 19th (its two goals
//      count for nothing); Alba 20th.
//   2: Alba-Velmo 1-3, Valle-Castello 0-1. Velmo 4 (+2) above Castello 4
//      (+1), whatever the slots; Valle 3rd on 3.
//   3: Velmo-Borgo 0-2, Valle-Elmo 3-0. Valle 6, Borgo 5 (+2), Castello 5
//      (+1), Velmo 4th on 4, fourteen on 3, Elmo 2, Alba 1.
League StoryLeague() {
    League lg = MakeLeague();
    PlayMatchday(lg, {{19, 18, 2, 2}, {17, 0, 2, 0}});
    PlayMatchday(lg, {{0, 19, 1, 3}, {17, 2, 0, 1}});
    PlayMatchday(lg, {{19, 1, 0, 2}, {17, 4, 3, 0}});
    return lg;
}

auto Fields(const HumanResult& r) {
    return std::make_tuple(r.matchday_number, r.opponent_slot, r.home, r.goals_for,
                           r.goals_against, r.outcome);
}

auto Fields(const SeasonRecord& r) {
    return std::make_tuple(r.number, r.position, r.points, r.won, r.drawn, r.lost, r.goals_for,
                           r.goals_against, r.champion);
}

class SeasonHistory : public ::testing::Test, protected ScratchFolder {};

}  // namespace

TEST(Story, PositionsLeaderAndFormFromTheResults) {
    const SeasonStory none = TellSeason(MakeLeague());
    const SeasonFigures nothing = FiguresOf(none);
    EXPECT_EQ(std::make_tuple(none.played, none.positions.size(), none.leader_slot, nothing.best_position,
                              nothing.biggest_win, nothing.heaviest_defeat),
              std::make_tuple(0, 0u, -1, 0, -1, -1));

    const SeasonStory story = TellSeason(StoryLeague());
    EXPECT_EQ(std::make_tuple(story.played, story.positions, story.leader_slot, story.leader_positions),
              std::make_tuple(3, std::vector<int>{19, 1, 4}, 17, std::vector<int>{1, 3, 1}));
    const std::vector<HumanResult> form = RecentForm(story);
    ASSERT_EQ(form.size(), 3u);
    EXPECT_EQ(Fields(form[0]), std::make_tuple(1, 18, true, 2, 2, 'D'));
    EXPECT_EQ(Fields(form[1]), std::make_tuple(2, 0, false, 3, 1, 'W'));
    EXPECT_EQ(Fields(form[2]), std::make_tuple(3, 1, true, 0, 2, 'L'));
}

// Every win and defeat by two: the bigger is the one with more goals for the
// winner, the earlier on a tie; the form is the last five, oldest first.
TEST(Story, FiguresCountHomeAndAwayAndPickTheBiggestWinAndHeaviestDefeat) {
    SeasonStory story;
    const int results[][3] = {  // goals for, goals against, home
        {2, 0, 1}, {1, 3, 0}, {4, 2, 0}, {1, 1, 1}, {0, 2, 1}, {3, 1, 1}, {2, 4, 0}, {4, 2, 1}};
    for (const auto& r : results) {
        HumanResult h;
        std::tie(h.goals_for, h.goals_against, h.home) = std::make_tuple(r[0], r[1], r[2] == 1);
        h.outcome = r[0] > r[1] ? 'W' : r[0] == r[1] ? 'D' : 'L';
        h.matchday_number = static_cast<int>(story.results.size()) + 1;
        story.results.push_back(h);
    }
    story.positions = {5, 9, 2, 7, 7, 3, 4, 6};
    const SeasonFigures f = FiguresOf(story);
    EXPECT_EQ(std::make_tuple(f.played, f.won, f.drawn, f.lost, f.goals_for, f.goals_against, f.points),
              std::make_tuple(8, 4, 1, 3, 17, 15, 13));
    EXPECT_EQ(std::make_tuple(f.home_won, f.home_drawn, f.home_lost, f.away_won, f.away_drawn, f.away_lost),
              std::make_tuple(3, 1, 1, 1, 0, 2));
    EXPECT_EQ(std::make_tuple(f.best_position, f.worst_position, f.biggest_win, f.heaviest_defeat),
              std::make_tuple(2, 9, 2, 6));
    std::string form;
    for (const HumanResult& r : RecentForm(story)) form += std::to_string(r.matchday_number) + r.outcome;
    EXPECT_EQ(form, "4D5L6W7L8W");
}

// One line a season, numbered after the last line; the same season right
// after itself is not recorded again; the player's folder made on the way.
TEST_F(SeasonHistory, EachFinishedSeasonIsOneLineNumberedAfterTheLast) {
    EXPECT_EQ(HistoryPath({"/usr/share/games/velmo", "/home/p/.local/share/velmo/saved.dat", true, ""}),
              "/home/p/.local/share/velmo/history.dat");
    EXPECT_EQ(HistoryPath({"/usr/share/games/velmo", "", true, ""}), "");

    League lg = StoryLeague();
    const std::string first = Path("new/velmo/history.dat");
    RecordStatus status = RecordSeason(lg, first);
    EXPECT_EQ(std::make_tuple(status.ok, status.recorded, status.message), std::make_tuple(true, true, ""));
    struct stat folder;
    ASSERT_EQ(stat(Path("new/velmo").c_str(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 0777, 0700u);
    status = RecordSeason(lg, first);  // a finished save loaded twice
    EXPECT_EQ(std::make_tuple(status.ok, status.recorded), std::make_tuple(true, false));
    League renamed = lg;
    CopyWord(renamed.squadra[17].name, "Valli");  // another champion: another season
    ASSERT_TRUE(RecordSeason(renamed, first).recorded);
    EXPECT_EQ(ReadFile(first), "1 4 4 1 1 1 5 5 Valle\n2 4 4 1 1 1 5 5 Valli\n");

    // Numbered after the last line, whatever came before; read back as written.
    const std::string kept = Path("history.dat");
    std::ofstream(kept) << "7 20 30 6 12 20 31 60 Alba\r\n";
    EXPECT_TRUE(RecordSeason(lg, kept).recorded);
    const History read = ReadHistory(kept);
    ASSERT_EQ(read.seasons.size(), 2u);
    EXPECT_EQ(Fields(read.seasons[0]), std::make_tuple(7, 20, 30, 6, 12, 20, 31, 60, std::string("Alba")));
    EXPECT_EQ(Fields(read.seasons[1]), std::make_tuple(8, 4, 4, 1, 1, 1, 5, 5, std::string("Valle")));
    EXPECT_TRUE(ReadHistory(Path("absent.dat")).seasons.empty() && !ReadHistory(Path("absent.dat")).damaged);

    // The History screen shows the last seasons and marks the best finish among them.
    const History listed = ParseHistory("1 9 4 1 1 1 5 5 A\n2 3 4 1 1 1 5 5 B\n3 6 4 1 1 1 5 5 C\n");
    EXPECT_EQ(std::make_tuple(LastSeasons(listed, 2).front().number, BestPosition(LastSeasons(listed, 2)),
                              BestPosition(LastSeasons(listed, 1)), LastSeasons(listed, 10).size(), BestPosition({})),
              std::make_tuple(2, 3, 6, 3u, 0));
}

// A file that does not scan is damaged and never overwritten; a season that
// cannot be written says why and leaves the old file and no temporary one.
TEST_F(SeasonHistory, ADamagedOrUnwritableHistoryIsLeftAsItIsAndTheSeasonNotRecordedSaysSo) {
    League lg = StoryLeague();
    const std::string kept = Path("history.dat");
    const std::string good = "1 4 4 1 1 1 5 5 Valle\n";
    for (const std::string& text : std::vector<std::string>{
             std::string("1 4 4 1 1 1 5 5\n"), "1 4 4 1 1 1 5 5 Valle Riva\n", "1 4 x 1 1 1 5 5 Valle\n",
             "1 21 4 1 1 1 5 5 Valle\n", "0 4 4 1 1 1 5 5 Valle\n", "1 4 -1 1 1 1 5 5 Valle\n",
             "1 4 4 1 1 1 5 10000 Valle\n", "1 4 4 1 1 1 5 5 Valle", good + "\n" + good,
             "1 4 4 1 1 1 5 5 " + std::string(kWordSize, 'V') + "\n", good + "2 4 4 1 1 1 5 5 Va\x1blle\n"}) {
        std::ofstream(kept, std::ios::binary | std::ios::trunc) << text;
        EXPECT_TRUE(ReadHistory(kept).damaged && ReadHistory(kept).seasons.empty()) << text;
        const RecordStatus status = RecordSeason(lg, kept);
        EXPECT_EQ(std::make_tuple(status.ok, status.recorded, status.message),
                  std::make_tuple(false, false, "The season could not be recorded. \nThe season history " +
                                                    kept + " \nis damaged: it was left as it is.")) << text;
        EXPECT_EQ(ReadFile(kept), text);
    }
    ASSERT_EQ(mkdir(Path("folder.dat").c_str(), 0755), 0);
    ASSERT_EQ(symlink(Path("nowhere").c_str(), Path("link.dat").c_str()), 0);
    EXPECT_TRUE(ReadHistory(Path("folder.dat")).damaged && ReadHistory(Path("link.dat")).damaged)
        << "files that cannot be read";

    // The last season number a file may hold cannot be followed.
    const std::string last = "999999 1 9999 9999 0 0 9999 0 Alba\n";
    std::ofstream(kept, std::ios::trunc) << last;
    EXPECT_EQ(RecordSeason(lg, kept).message,
              "The season could not be recorded. \nThe season's counts are beyond what the history can keep.");
    EXPECT_EQ(ReadFile(kept), last);

    // Written through the durable replacement: a failing flush leaves the old file.
    const std::string other = "1 20 30 6 12 20 31 60 Alba\n";
    std::ofstream(kept, std::ios::trunc) << other;
    injection = Injection();
    std::tie(injection.call, injection.nth, injection.error) = std::make_tuple(Call::Fsync, 1, EIO);
    const RecordStatus failed = RecordSeason(lg, kept, kInjectingCalls);
    EXPECT_EQ(std::make_tuple(failed.ok, failed.recorded, failed.message),
              std::make_tuple(false, false, "The season could not be recorded. \nCheck that " + path +
                                                " can be written and the disk is not full."));
    EXPECT_EQ(ReadFile(kept), other);
    EXPECT_FALSE(std::ifstream(kept + ".tmp").good());

    std::ofstream(Path("file")) << "";
    EXPECT_EQ(RecordSeason(lg, Path("file/velmo/history.dat")).message,
              "The season could not be recorded. \nThe folder " + Path("file/velmo") +
                  " \ncould not be made: Not a directory.");
    EXPECT_EQ(RecordSeason(lg, "").message,
              "The season could not be recorded. \nThere is no folder to keep it in: HOME is not set.");
}
