// The line-up check: stored numbers, module, sector sums and the messages in order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lineup/lineup.h"
#include "match_fixtures.h"

using match_fixtures::MakeLeague;
using match_fixtures::NumberOfRow;

namespace {

const std::string kRoleUnknown = "Player's role unknown! Help!!";
const std::string kTooFew = "You have to add more players: football needs 11 players per side! :)";
const std::string kTooMany = "You included too many players! \nPlease correct your team line up.";
const std::string kTooManySubs = "You can choose only 6 substitutes.\n";
const std::string kNoKeeper =
    "It seems like you forgot the goalkeeper.... are you sure you want to play like that?";

LineupMarks Marks(const std::vector<int>& starter_rows, const std::vector<int>& sub_rows) {
    LineupMarks marks;
    for (int row : starter_rows) marks.starter[row] = true;
    for (int row : sub_rows) marks.substitute[row] = true;
    return marks;
}

std::vector<int> Numbers(const std::vector<int>& rows) {
    std::vector<int> numbers;
    for (int row : rows) numbers.push_back(NumberOfRow(row));
    return numbers;
}

std::vector<int> Starters(const Team& team) {
    return std::vector<int>(team.starters, team.starters + kStarters);
}

std::vector<int> Substitutes(const Team& team) {
    return std::vector<int>(team.substitutes, team.substitutes + kSubstitutes);
}

// 1 GK (row 0), DF rows 2-5, MF rows 9-12, AT rows 16-17.
const std::vector<int> k442 = {0, 2, 3, 4, 5, 9, 10, 11, 12, 16, 17};

TEST(LineupCheck, ValidLineupStoresModuleAndSums) {
    League lg = MakeLeague();
    const LineupCheck check = SetUpTeam(lg, Marks(k442, {13, 14, 15, 18, 19, 20}));

    EXPECT_TRUE(check.messages.empty());
    EXPECT_TRUE(check.cleared_starters.empty());
    EXPECT_TRUE(check.redraw);
    const Team& v = lg.Velmo;
    EXPECT_EQ(Starters(v), Numbers(k442));
    EXPECT_EQ(Substitutes(v), Numbers({13, 14, 15, 18, 19, 20}));
    EXPECT_EQ(v.starters_count, 11);
    EXPECT_EQ(v.subs_count, 6);
    EXPECT_EQ(v.keeper, 1);
    EXPECT_EQ(std::vector<int>(v.module, v.module + 3), (std::vector<int>{4, 4, 2}));
    // Technique 10 + row, fantasy 5 + row % 7, condition 12 + row % 5;
    // defence is the goalkeeper (row 0) and defenders (rows 2-5).
    EXPECT_EQ(std::vector<int>(v.technique, v.technique + 3), (std::vector<int>{64, 82, 53}));
    EXPECT_EQ(std::vector<int>(v.fantasy, v.fantasy + 3), (std::vector<int>{39, 34, 15}));
    EXPECT_EQ(std::vector<int>(v.condition, v.condition + 3), (std::vector<int>{69, 55, 27}));
    EXPECT_STREQ(v.badge, "velmo.gif");
}

TEST(LineupCheck, ThirteenStartersAndSevenSubstitutes) {
    League lg = MakeLeague();
    const std::vector<int> starters = {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16};
    const std::vector<int> subs = {13, 14, 15, 18, 19, 20, 21};
    const LineupCheck check = SetUpTeam(lg, Marks(starters, subs));

    EXPECT_EQ(check.messages, (std::vector<std::string>{kTooMany, kTooManySubs}));
    EXPECT_EQ(check.cleared_starters, (std::vector<int>{12, 16}));  // the 12th and 13th marks
    EXPECT_FALSE(check.redraw);
    EXPECT_EQ(Starters(lg.Velmo), Numbers({0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(Substitutes(lg.Velmo), Numbers({13, 14, 15, 18, 19, 20}));
    EXPECT_EQ(lg.Velmo.starters_count, 13);
    EXPECT_EQ(lg.Velmo.subs_count, 7);
    EXPECT_EQ(std::vector<int>(lg.Velmo.module, lg.Velmo.module + 3),
              (std::vector<int>{7, 3, 0}));  // surplus marks count in no sector
}

TEST(LineupCheck, TenStartersCannotPlay) {
    League lg = MakeLeague();
    const std::vector<int> ten(k442.begin(), k442.end() - 1);
    const LineupCheck check = SetUpTeam(lg, Marks(ten, {}));

    EXPECT_EQ(check.messages, (std::vector<std::string>{kTooFew}));
    EXPECT_FALSE(check.redraw);
    EXPECT_EQ(lg.Velmo.starters[9], NumberOfRow(16));
    EXPECT_EQ(lg.Velmo.starters[10], 0);
    EXPECT_EQ(Substitutes(lg.Velmo), std::vector<int>(6, 0));
}

TEST(LineupCheck, GoalkeepersNotExactlyOne) {
    League lg = MakeLeague();
    const std::vector<int> no_keeper = {2, 3, 4, 5, 6, 9, 10, 11, 12, 16, 17};
    LineupCheck check = SetUpTeam(lg, Marks(no_keeper, {}));
    EXPECT_EQ(check.messages, (std::vector<std::string>{kNoKeeper}));
    EXPECT_FALSE(check.redraw);
    EXPECT_EQ(lg.Velmo.keeper, 0);
    EXPECT_GT(lg.Velmo.starters[10], 0);  // still playable

    // Three keepers: all in the defence sums, none in the module.
    lg.players[2] = lg.players[1];
    lg.players[2].number = NumberOfRow(2);
    lg.players[3] = lg.players[0];
    lg.players[3].number = NumberOfRow(3);
    check = SetUpTeam(lg, Marks(k442, {}));
    EXPECT_EQ(check.messages, (std::vector<std::string>{kNoKeeper}));
    EXPECT_EQ(lg.Velmo.keeper, 3);
    EXPECT_EQ(lg.Velmo.module[0], 2);
    // Rows 0, 2 (a copy of row 1), 3 (a copy of row 0), 4, 5.
    EXPECT_EQ(lg.Velmo.technique[0], 10 + 11 + 10 + 14 + 15);
}

TEST(LineupCheck, UnknownRolesKeepTheirSlotAndComeFirst) {
    League lg = MakeLeague();
    CopyWord(lg.players[4].role, "XX");
    // A blank squad row: surname and role "-", no number.
    lg.players[21] = Player();
    CopyWord(lg.players[21].surname, "-");
    CopyWord(lg.players[21].role, "-");
    const std::vector<int> rows = {0, 2, 3, 4, 5, 9, 10, 11, 12, 21};
    const LineupCheck check = SetUpTeam(lg, Marks(rows, {13, 14, 15, 16, 17, 18, 19}));

    EXPECT_EQ(check.messages,
              (std::vector<std::string>{kRoleUnknown, kRoleUnknown, kTooFew, kTooManySubs}));
    EXPECT_EQ(lg.Velmo.starters[3], NumberOfRow(4));  // kept his slot
    EXPECT_EQ(lg.Velmo.starters[4], NumberOfRow(5));
    EXPECT_EQ(lg.Velmo.module[0], 3);                 // in no sector
    EXPECT_EQ(lg.Velmo.module[2], 0);
    EXPECT_EQ(lg.Velmo.technique[0], 10 + 12 + 13 + 15);

    // Eleven with a blank row and one keeper: only the role message, and a redraw.
    const LineupCheck eleven = SetUpTeam(lg, Marks({0, 2, 3, 5, 6, 9, 10, 11, 12, 16, 21}, {}));
    EXPECT_EQ(eleven.messages, (std::vector<std::string>{kRoleUnknown}));
    EXPECT_TRUE(eleven.redraw);
}

TEST(LineupCheck, EachCheckRebuildsEverything) {
    League lg = MakeLeague();
    SetUpTeam(lg, Marks({0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16}, {13, 14, 15, 18, 19, 20, 21}));
    const LineupCheck check = SetUpTeam(lg, Marks(k442, {13}));

    EXPECT_TRUE(check.messages.empty());
    EXPECT_EQ(lg.Velmo.starters_count, 11);
    EXPECT_EQ(lg.Velmo.subs_count, 1);
    EXPECT_EQ(Substitutes(lg.Velmo), (std::vector<int>{NumberOfRow(13), 0, 0, 0, 0, 0}));
    EXPECT_EQ(lg.Velmo.technique[0], 64);
    EXPECT_EQ(lg.Velmo.module[0], 4);
}

TEST(LineupCheck, RoleSectors) {
    EXPECT_EQ(RoleSector("GK"), 0);
    EXPECT_EQ(RoleSector("DF"), 0);
    EXPECT_EQ(RoleSector("MF"), 1);
    EXPECT_EQ(RoleSector("AT"), 2);
    EXPECT_EQ(RoleSector("at"), -1);  // case-sensitive
    EXPECT_EQ(RoleSector("ATT"), -1); // the whole text
    EXPECT_EQ(RoleSector("-"), -1);
}

}  // namespace
