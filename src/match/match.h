// The human club's match as a state machine, driven by the match screen
// and by velmo-sim alike: kick-off, one play per new clock value,
// substitutions, and the end-of-match steps.
#pragma once

#include <string>

#include "data/league.h"

constexpr int kMatchLength = 45;  // seconds of clock, shown doubled as minutes
constexpr int kChants = 5;

// The working values of one match, besides what partita holds.
struct MatchRun {
    int last_played = 0;            // clock value of the last play
    int zone = 2;                   // ball zone
    int chant = 0;                  // which crowd chant was drawn, 0..4
    bool came_on[kSubstitutes] = {};// substitutes who have entered this match
};

extern const char* const kChantFiles[kChants];  // "media/chinonsalta.wav", ...

// Kick-off, or a refusal: without an eleventh starter nothing happens and
// no number is drawn.
bool CanKickOff(const League& lg);
// Fills both side blocks, resets the match record and the commentary, draws the chant.
MatchRun KickOff(League& lg);

// Advances the clock to `clock` (seconds since kick-off). When the clock is
// still running and the value is new, makes one play with the given tactic
// (slider value minus 5) and appends its commentary line; returns true then.
bool AdvanceClock(League& lg, MatchRun& run, int clock, int tactic);
bool MatchOver(const League& lg);  // the clock has reached 45

// "The match is not over yet. \nYou can't leave the field now!" before the end, else "".
std::string CloseRefusal(const League& lg);

// "Out" on starter slot k: "" when accepted, else "No more substitutions left!".
std::string SubOut(League& lg, int starter_slot);
// "In" on substitute slot j: true when a player came on. Refused, with the
// "Out" left pending, for an empty slot or a player who already came on.
bool SubIn(League& lg, MatchRun& run, int sub_slot);

// "%s - %s : %d   %d"
std::string ResultMessage(const League& lg);
// Conditions, RecordResult, PlayAllGames, matchday + 1.
void FinishMatch(League& lg);
