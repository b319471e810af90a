// The league records: everything the game knows, grouped by lifetime.
//
// One League value holds every program-wide record under its design name.
// Core operations are free functions taking the league by reference, so a
// test can build as many leagues as it likes; the game keeps exactly one.
#pragma once

#include <string>

constexpr int kSquadSize = 22;     // player records of the human club
constexpr int kTeams = 20;         // team records, identifiers 0..19
constexpr int kHumanId = 19;       // the human club's identifier and slot
constexpr int kComputerTeams = 19; // slots filled from the league file
constexpr int kMatchdays = 38;     // a double round robin of 20 teams
constexpr int kFixtures = 10;      // fixtures per matchday
constexpr int kStarters = 11;
constexpr int kSubstitutes = 6;
constexpr int kWordSize = 20;      // a name field: 19 characters and the end
constexpr int kRoleSize = 4;       // a role field: 3 characters and the end
constexpr int kSectors = 3;        // 0 defence (goalkeepers included), 1 midfield, 2 attack

// One player of the squad file; cleared to "-" and 0 by InitPlayers.
struct Player {
    int number = 0;                 // identifying number; line-ups store players by it
    char name[kWordSize] = {};      // first name
    char surname[kWordSize] = {};   // surname; "-" marks an empty squad row
    char role[kRoleSize] = {};      // "GK", "DF", "MF" or "AT"
    int attr_a = 0;                 // shown in column "A.", read by no rule
    int technique = 0;              // 1..30
    int fantasy = 0;                // 1..30
    int condition = 0;              // 1..30; moves by one after each human match
};

// A club: a computer club in squadra, or the human club (Velmo, slot 19).
struct Team {
    char name[kWordSize] = {};
    int id = 0;
    char badge[kWordSize] = {};     // picture under media/badge/
    // The six standings counters: the only saved team fields.
    int points = 0;
    int won = 0;
    int drawn = 0;
    int lost = 0;
    int goals_for = 0;
    int goals_against = 0;
    int starters[kStarters] = {};       // human club: numbers of the eleven on the field
    int substitutes[kSubstitutes] = {}; // human club: numbers of the bench
    int keeper = 0;                 // human: goalkeepers among starters; computer: goalkeeper rating
    int starters_count = 0;         // human: starter marks counted by the last line-up check
    int subs_count = 0;             // human: substitute marks counted by the last line-up check
    int module[kSectors] = {};      // defenders, midfielders, attackers
    int technique[kSectors] = {};   // per-sector sums
    int fantasy[kSectors] = {};
    int condition[kSectors] = {};
    int fatigue[kSectors] = {};     // weight of the decline over a match
    int base_technique[kSectors] = {}; // computer: one player's rating per sector
    int base_fantasy[kSectors] = {};
    int base_condition[kSectors] = {};
    int extra_technique[kSectors] = {}; // computer: offsets drawn with each line-up
    int extra_fantasy[kSectors] = {};
    int extra_condition[kSectors] = {};
};

// One row of the table, rebuilt from the team records by UpdateRanking.
struct RankRow {
    char name[kWordSize] = {};
    int id = 0;
    int points = 0;
    int won = 0;
    int drawn = 0;
    int lost = 0;
    int goals_for = 0;
    int goals_against = 0;
    int goal_difference = 0;
};

// One matchday of the fixture file with its results; cleared to -1 by InitCalendario.
struct Matchday {
    int number = 0;                 // as written in the fixture file; -1 when empty
    int home[kFixtures] = {};
    int away[kFixtures] = {};
    int home_goals[kFixtures] = {}; // 0 until played
    int away_goals[kFixtures] = {};
};

// The line-up strength of one side, copied before each match.
struct SideBlock {
    int technique[kSectors] = {};
    int fantasy[kSectors] = {};
    int condition[kSectors] = {};
    int module[kSectors] = {};
    int fatigue[kSectors] = {};
};

// The match being resolved: the human match, or each simulated fixture in turn.
struct Match {
    int first_id = 0;               // the human club in the human match
    int second_id = 0;
    int goals[2] = {};              // running score, first side then second
    int minute = 0;                 // the human match's clock, 0..45
    int subs_left = 0;              // substitutions still allowed
    int out_slot = -1;              // starter slot waiting for its replacement
    int sub_pending = 0;            // 1 between an "Out" and its "In"
    SideBlock side[2];
};

// A field added here is added to the parts LeagueDifference compares
// (tests/fuzz/league_equality.h), or a refused load could change it unseen.
struct League {
    // Cleared and reloaded from the data files for every new league.
    Player players[kSquadSize];     // the squad file, row r of the squad list
    Team squadra[kTeams];           // slot i holds the team read i-th; slot 19 the human club
    Matchday giornata[kMatchdays];  // the fixture list and its results
    int ngiornate = 0;              // matchday records read from the fixture file

    // The human club's working copy: line-up, module and sums. Survives new leagues.
    Team Velmo;

    // Progress of the league.
    int matchday = 0;               // matchdays played; index of the next one
    int today = 0;                  // number of the matchday whose opponent was last prepared
    int prepared_matchday = -1;     // its index; -1 at start-up and for a new league
    int avversario = 0;             // squadra slot of the next opponent
    int ontheroad = 0;              // 1 when the next match is away
    std::string where;              // "in casa" or "in trasferta"
    char othername[kWordSize] = {}; // the opponent's name, for the match screen

    // Derived each time it is shown.
    RankRow classifica[kTeams];     // the ordered table
    std::string textranking;        // the table's name column
    std::string textrank2;          // the table's numbers column
    int now = 0;                    // matchday index shown by the calendar viewer
    std::string day;                // the calendar viewer's heading
    std::string textbuffer;         // fixtures of one matchday

    // One match; reset at every kick-off.
    Match partita;
    std::string textmatch;          // the running commentary
};

// Copies a C string into a fixed field, never beyond it; the rest of the
// field is zeroed, so a field holds its word and nothing after it.
template <int N>
void CopyWord(char (&field)[N], const char* text) {
    int i = 0;
    for (; i < N - 1 && text[i] != '\0'; ++i) field[i] = text[i];
    for (; i < N; ++i) field[i] = '\0';
}
