// The line-up check: the messages in order, the numbers stored, module and sector sums.
#include "lineup/lineup.h"
#include "test_league.h"

const std::string kRole = "Player's role unknown! Help!!";
const std::string kTooFew = "You have to add more players: football needs 11 players per side! :)";
const std::string kSubs = "You can choose only 6 substitutes.\n";
const std::string kKeeper =
    "It seems like you forgot the goalkeeper.... are you sure you want to play like that?";

TEST(LineupCheck, MessagesInOrderNumbersModuleAndSums) {
    // Starter and substitute rows marked; messages; rows cleared; sums as SectorValues lists them.
    struct Case { std::vector<int> starters, subs; std::vector<std::string> messages;
                  std::vector<int> cleared, sums; bool redraw; };
    const std::vector<int> kSix = {13, 14, 15, 18, 19, 20};
    const Case cases[] = {
        {{0, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16}, {1, 14, 15, 17, 18, 19, 20},
         {"You included too many players! \nPlease correct your team line up.", kSubs},
         {13, 16}, {6, 4, 0, 115, 82, 0, 63, 34, 0, 111, 55, 0, 0, 0, 0}, false},
        {{0, 2, 3, 5, 6, 9, 10, 11, 12, 16, 17}, kSix, {}, {},
         {4, 4, 2, 80, 82, 53, 52, 34, 15, 82, 55, 27, 0, 0, 0}, true},
        {{0, 2, 3, 5, 6, 9, 10, 11, 12, 16}, {}, {kTooFew}, {}, {}, false},
        {{2, 3, 5, 6, 7, 9, 10, 11, 12, 16, 17}, kSix, {kKeeper}, {}, {}, false},
        {{0, 1, 2, 3, 5, 6, 9, 10, 11, 12, 16}, kSix, {kKeeper}, {}, {}, false},
        // Row 4's role is "df" and row 21 is blank: both keep their slot, in no sector.
        {{0, 2, 3, 4, 5, 9, 10, 11, 12, 21}, {13, 14, 15, 16, 17, 18, 19}, {kRole, kRole, kTooFew,
         kSubs}, {}, {3, 4, 0, 58, 82, 0, 38, 34, 0, 57, 55, 0, 0, 0, 0}, false},
        {{0, 2, 3, 5, 6, 9, 10, 11, 12, 16, 21}, {}, {kRole}, {}, {}, true},
    };
    League lg = MakeLeague();  // one league throughout: each check rebuilds everything
    CopyWord(lg.players[4].role, "df");
    lg.players[21] = Player();
    CopyWord(lg.players[21].role, "-");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        LineupMarks marks;
        for (int row : c.starters) marks.starter[row] = true;
        for (int row : c.subs) marks.substitute[row] = true;
        const LineupCheck check = SetUpTeam(lg, marks);
        EXPECT_EQ(std::tie(check.messages, check.cleared_starters, check.redraw),
                  std::tie(c.messages, c.cleared, c.redraw));
        auto num = [&](const std::vector<int>& rows, size_t i) {
            return i < rows.size() ? lg.players[rows[i]].number : 0;
        };
        for (int i = 0; i < kStarters; ++i) EXPECT_EQ(lg.Velmo.starters[i], num(c.starters, i));
        for (int j = 0; j < kSubstitutes; ++j) EXPECT_EQ(lg.Velmo.substitutes[j], num(c.subs, j));
        EXPECT_EQ(std::make_tuple(lg.Velmo.starters_count, lg.Velmo.subs_count),
                  std::make_tuple(int(c.starters.size()), int(c.subs.size())));
        if (!c.sums.empty()) { EXPECT_EQ(SectorValues(lg.Velmo), c.sums); }
    }
}
