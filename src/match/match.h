// The human club's match as a state machine, driven by the match screen
// and by velmo-sim alike: kick-off, one play per new clock value,
// substitutions, and the end-of-match steps.
#pragma once

#include <string>

#include "data/league.h"

constexpr int kMatchLength = 45;  // seconds of clock, shown doubled as minutes
constexpr int kChants = 5;
constexpr int kSubstitutions = 3;  // per match

// The working values of one match, besides what partita holds.
struct MatchRun {
    int last_played = 0;            // clock value of the last play
    int zone = 2;                   // ball zone
    int chant = 0;                  // which crowd chant was drawn, 0..4
    int taken_off[kSubstitutions] = {};  // numbers of the players who left the field this match
    int taken_off_count = 0;
};

extern const char* const kChantFiles[kChants];  // "media/chinonsalta.wav", ...

// Kick-off, or a refusal: without an eleventh starter, or once the season
// is over, nothing happens and no number is drawn.
bool CanKickOff(const League& lg);
// Fills both side blocks, resets the match record and the commentary, draws the chant.
MatchRun KickOff(League& lg);

// Advances the clock to `clock` (seconds since kick-off). When the clock is
// still running and the value is new, makes one play with the given tactic
// (slider value minus 5) and appends its commentary line; returns true then.
bool AdvanceClock(League& lg, MatchRun& run, int clock, int tactic);
// One play for every clock value after the last one played, up to `clock`
// (at most 45), all with the same tactic: the match as nobody holds it up.
void PlayClockUntil(League& lg, MatchRun& run, int clock, int tactic);
// "&Finish": plays every remaining clock value up to 45 at once, whatever
// the real clock shows; the match is then over.
void PlayRemainingClock(League& lg, MatchRun& run, int tactic);
bool MatchOver(const League& lg);  // the clock has reached 45

// "The match is not over yet. \nYou can't leave the field now!" before the end, else "".
std::string CloseRefusal(const League& lg);

// Bench slot j may come on: it holds a squad player whose number stands in
// none of the eleven starter slots (a player who came on in an earlier match
// may still stand there), who has not come on in this match and who has not
// been taken off in it. One who came on in this match either stands in a
// starter slot or was taken off, so the last two tests cover him. The
// screen and velmo-sim both ask this.
bool MayComeOn(const League& lg, const MatchRun& run, int sub_slot);
// "Out" on starter slot k: "" when accepted (one substitution used, the "In"
// pending); else "No more substitutions left!" (none left, or an "Out"
// already pending) or "No substitute can come on.", and nothing changes.
std::string SubOut(League& lg, const MatchRun& run, int starter_slot);
// "In" on substitute slot j: true when a player came on. Refused silently,
// with the "Out" left pending, for a slot that may not come on.
bool SubIn(League& lg, MatchRun& run, int sub_slot);

// "%s - %s : %d   %d"
std::string ResultMessage(const League& lg);
// Conditions, RecordResult, PlayAllGames, matchday + 1.
void FinishMatch(League& lg);
