// The two sides of the human match and a substitution's change to Velmo.
#include <gtest/gtest.h>

#include <vector>

#include "match/strength.h"
#include "match_fixtures.h"

using match_fixtures::MakeLeague;
using match_fixtures::NumberOfRow;
using match_fixtures::SetLineup;
using match_fixtures::SetPlayer;

namespace {

std::vector<int> Three(const int* values) { return std::vector<int>(values, values + 3); }

// Velmo 4-4-2 with defence sums 100, 90, 95, midfield 80, 70, 60, attack 50, 40, 30;
// starter slot 0 a goalkeeper, 1 a defender, 5 a midfielder; a bench of
// a defender, an attacker, a goalkeeper, a midfielder, and two empty slots.
League SubstitutionLeague() {
    League lg = MakeLeague();
    SetPlayer(lg, 0, "Keeper", "GK", 11, 12, 13);
    SetPlayer(lg, 2, "Outgoing", "DF", 20, 15, 18);
    SetPlayer(lg, 9, "Middle", "MF", 17, 16, 15);
    SetPlayer(lg, 3, "Incoming", "DF", 22, 14, 25);
    SetPlayer(lg, 16, "Striker", "AT", 19, 21, 23);
    SetPlayer(lg, 1, "Spare", "GK", 9, 8, 7);
    SetPlayer(lg, 10, "Runner", "MF", 6, 5, 4);
    SetLineup(lg, {0, 2, 4, 5, 6, 9, 11, 12, 13, 17, 18}, {3, 16, 1, 10});
    Team& v = lg.Velmo;
    const int module[] = {4, 4, 2}, technique[] = {100, 80, 50}, fantasy[] = {90, 70, 40},
              condition[] = {95, 60, 30};
    for (int s = 0; s < kSectors; ++s) {
        v.module[s] = module[s];
        v.technique[s] = technique[s];
        v.fantasy[s] = fantasy[s];
        v.condition[s] = condition[s];
    }
    return lg;
}

TEST(TeamStrength, SidesAreCopiesOfTheTwoClubs) {
    League lg = SubstitutionLeague();
    lg.avversario = 7;
    Team& rival = lg.squadra[7];
    for (int s = 0; s < kSectors; ++s) {
        rival.module[s] = 3 + s;
        rival.technique[s] = 40 + s;
        rival.fantasy[s] = 50 + s;
        rival.condition[s] = 60 + s;
        rival.fatigue[s] = 28;
    }
    lg.partita.goals[0] = 2;
    VelmoInCampo(lg);
    AvversarioInCampo(lg);

    const SideBlock& first = lg.partita.side[0];
    const SideBlock& second = lg.partita.side[1];
    EXPECT_EQ(Three(first.module), (std::vector<int>{4, 4, 2}));
    EXPECT_EQ(Three(first.technique), (std::vector<int>{100, 80, 50}));
    EXPECT_EQ(Three(first.fantasy), (std::vector<int>{90, 70, 40}));
    EXPECT_EQ(Three(first.condition), (std::vector<int>{95, 60, 30}));
    EXPECT_EQ(Three(first.fatigue), (std::vector<int>{0, 0, 0}));  // Velmo never tires
    EXPECT_EQ(Three(second.module), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(Three(second.technique), (std::vector<int>{40, 41, 42}));
    EXPECT_EQ(Three(second.fantasy), (std::vector<int>{50, 51, 52}));
    EXPECT_EQ(Three(second.condition), (std::vector<int>{60, 61, 62}));
    EXPECT_EQ(Three(second.fatigue), (std::vector<int>{28, 28, 28}));
    EXPECT_EQ(lg.partita.goals[0], 2);  // nothing else of the match changes
}

TEST(TeamStrength, DefenderForDefender) {
    League lg = SubstitutionLeague();
    UpdateVelmo(lg, 1, 0);
    EXPECT_EQ(Three(lg.Velmo.module), (std::vector<int>{4, 4, 2}));
    EXPECT_EQ(Three(lg.Velmo.technique), (std::vector<int>{102, 80, 50}));
    EXPECT_EQ(Three(lg.Velmo.fantasy), (std::vector<int>{89, 70, 40}));
    EXPECT_EQ(Three(lg.Velmo.condition), (std::vector<int>{102, 60, 30}));
    // The next play sees the new values.
    EXPECT_EQ(Three(lg.partita.side[0].technique), (std::vector<int>{102, 80, 50}));
    EXPECT_EQ(Three(lg.partita.side[0].condition), (std::vector<int>{102, 60, 30}));
}

TEST(TeamStrength, MidfielderForAttacker) {
    League lg = SubstitutionLeague();
    UpdateVelmo(lg, 5, 1);
    EXPECT_EQ(ModuleText(lg.Velmo), "4 - 3 - 3");
    EXPECT_EQ(SectorText(lg.Velmo, 0), " 100 90 95");
    EXPECT_EQ(SectorText(lg.Velmo, 1), " 63 54 45");
    EXPECT_EQ(SectorText(lg.Velmo, 2), " 69 61 53");
    EXPECT_EQ(Three(lg.partita.side[0].module), (std::vector<int>{4, 3, 3}));
}

TEST(TeamStrength, GoalkeeperAndDefenderSwapCountOnlyTheDefender) {
    League lg = SubstitutionLeague();
    UpdateVelmo(lg, 0, 0);  // the keeper out, a defender in
    EXPECT_EQ(Three(lg.Velmo.module), (std::vector<int>{5, 4, 2}));
    EXPECT_EQ(Three(lg.Velmo.technique), (std::vector<int>{111, 80, 50}));

    lg = SubstitutionLeague();
    UpdateVelmo(lg, 1, 2);  // a defender out, the spare keeper in
    EXPECT_EQ(Three(lg.Velmo.module), (std::vector<int>{3, 4, 2}));
    EXPECT_EQ(Three(lg.Velmo.technique), (std::vector<int>{89, 80, 50}));
    EXPECT_EQ(Three(lg.Velmo.fantasy), (std::vector<int>{83, 70, 40}));
    EXPECT_EQ(Three(lg.Velmo.condition), (std::vector<int>{84, 60, 30}));

    lg = SubstitutionLeague();
    UpdateVelmo(lg, 0, 3);  // the keeper out, a midfielder in: nothing needs a keeper
    EXPECT_EQ(ModuleText(lg.Velmo), "4 - 5 - 2");
    EXPECT_EQ(SectorText(lg.Velmo, 0), " 89 78 82");
    EXPECT_EQ(SectorText(lg.Velmo, 1), " 86 75 64");
}

TEST(TeamStrength, UnknownOrMissingPlayersChangeNothing) {
    League lg = SubstitutionLeague();
    CopyWord(lg.players[2].role, "XX");
    UpdateVelmo(lg, 1, 0);  // nothing out, a defender in
    EXPECT_EQ(Three(lg.Velmo.module), (std::vector<int>{5, 4, 2}));
    EXPECT_EQ(Three(lg.Velmo.technique), (std::vector<int>{122, 80, 50}));

    // A starter number nobody carries: FindPlayer's miss is not player 0.
    lg = SubstitutionLeague();
    lg.Velmo.starters[1] = 999;
    UpdateVelmo(lg, 1, 0);
    EXPECT_EQ(Three(lg.Velmo.module), (std::vector<int>{5, 4, 2}));
    EXPECT_EQ(Three(lg.Velmo.technique), (std::vector<int>{122, 80, 50}));
}

TEST(TeamStrength, PlayerByNumberTellsMissesApart) {
    League lg = MakeLeague();
    ASSERT_NE(PlayerByNumber(lg, NumberOfRow(5)), nullptr);
    EXPECT_EQ(PlayerByNumber(lg, NumberOfRow(5)), &lg.players[5]);
    EXPECT_EQ(PlayerByNumber(lg, NumberOfRow(0)), &lg.players[0]);
    EXPECT_EQ(PlayerByNumber(lg, 999), nullptr);
    lg.players[21].number = 0;  // a blank row
    EXPECT_EQ(PlayerByNumber(lg, 0), nullptr);
}

}  // namespace
