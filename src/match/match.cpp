// The human club's match as a state machine.
//
// Kick-off fills both sides and draws the chant. Each new clock value up to
// 45 makes one play (two draws) with the slider's tactic against a neutral
// opponent, and appends one commentary line; a goal of the human club draws
// its scorer from starter slots 6..10 after the play's draws. Substitutions
// are an "Out" (uses one of three) then an "In" of a bench player who is not
// on the field and has neither come on nor been taken off in this match. Closing the match moves the
// conditions of the eleven on the field and completes the matchday.
#include "match/match.h"

#include <cstdlib>

#include "data/loaders.h"
#include "match/play.h"
#include "match/strength.h"
#include "season/fixtures.h"
#include "season/opponent.h"

const char* const kChantFiles[kChants] = {
    "media/chinonsalta.wav", "media/forzavelmo1.wav", "media/forzavelmo2.wav",
    "media/velmo.wav",       "media/orvenarossoblu.wav",
};

namespace {

constexpr int kKickOffZone = 2;
constexpr int kFirstScorerSlot = 6;  // a goal is credited to one of slots 6..10
constexpr int kScorerSlots = 5;
constexpr int kMaxCondition = 30;
constexpr int kMinCondition = 1;

const char* const kNotOver = "The match is not over yet. \nYou can't leave the field now!";
const char* const kNoMoreSubs = "No more substitutions left!";
const char* const kNobodyCanComeOn = "No substitute can come on.";

std::string ScorerSurname(const League& lg) {
    const int slot = kFirstScorerSlot + rand() % kScorerSlots;
    char surname[kWordSize] = "";  // a slot nobody fills names nobody
    FindPlayer(lg, lg.Velmo.starters[slot], surname);
    return surname;
}

// The line of one play, with the goal counted and the ball back in midfield.
std::string CommentaryLine(League& lg, MatchRun& run) {
    const std::string rival = lg.othername;
    switch (run.zone) {
        case 0:
            ++lg.partita.goals[1];
            run.zone = kKickOffZone;
            return "\n" + rival + " scored!\n\n";
        case 1:
            return rival + " is attacking\n";
        case 3:
            return "Velmo is attacking\n";
        case 4: {
            const std::string scorer = ScorerSurname(lg);
            ++lg.partita.goals[0];
            run.zone = kKickOffZone;
            return "\n GOOAL!! " + scorer + "\n\n";
        }
        default:
            return "midfield action\n";
    }
}

void UpdateConditions(League& lg) {
    const int* goals = lg.partita.goals;
    const int step = goals[0] > goals[1] ? 1 : (goals[0] < goals[1] ? -1 : 0);
    if (step == 0) return;
    for (int number : lg.Velmo.starters) {
        Player* player = PlayerByNumber(lg, number);
        if (player == nullptr) continue;
        player->condition += step;
        if (player->condition > kMaxCondition) player->condition = kMaxCondition;
        if (player->condition < kMinCondition) player->condition = kMinCondition;
    }
}

}  // namespace

bool CanKickOff(const League& lg) {
    return !SeasonOver(lg) && lg.Velmo.starters[kStarters - 1] > 0;
}

MatchRun KickOff(League& lg) {
    VelmoInCampo(lg);
    AvversarioInCampo(lg);
    Match& match = lg.partita;
    match.minute = 0;
    lg.textmatch.clear();
    match.first_id = lg.Velmo.id;
    match.second_id = lg.squadra[lg.avversario].id;
    match.subs_left = kSubstitutions;
    match.sub_pending = 0;
    match.out_slot = -1;
    match.goals[0] = 0;
    match.goals[1] = 0;

    MatchRun run;
    run.last_played = 0;
    run.zone = kKickOffZone;
    run.chant = rand() % kChants;
    return run;
}

bool AdvanceClock(League& lg, MatchRun& run, int clock, int tactic) {
    Match& match = lg.partita;
    if (MatchOver(lg)) return false;
    match.minute = clock;
    if (match.minute <= run.last_played) return false;
    run.zone = PlayBall(lg, run.zone, match.minute, tactic, 0);
    run.last_played = match.minute;
    lg.textmatch += CommentaryLine(lg, run);
    return true;
}

void PlayClockUntil(League& lg, MatchRun& run, int clock, int tactic) {
    const int last = clock < kMatchLength ? clock : kMatchLength;
    for (int value = run.last_played + 1; value <= last && !MatchOver(lg); ++value) {
        AdvanceClock(lg, run, value, tactic);
    }
}

void PlayRemainingClock(League& lg, MatchRun& run, int tactic) {
    PlayClockUntil(lg, run, kMatchLength, tactic);
}

bool MatchOver(const League& lg) { return lg.partita.minute >= kMatchLength; }

std::string CloseRefusal(const League& lg) {
    return lg.partita.minute > kMatchLength - 1 ? "" : kNotOver;
}

bool MayComeOn(const League& lg, const MatchRun& run, int sub_slot) {
    if (sub_slot < 0 || sub_slot >= kSubstitutes) return false;
    const int number = lg.Velmo.substitutes[sub_slot];
    if (PlayerByNumber(lg, number) == nullptr) return false;  // an empty slot
    for (int k = 0; k < run.taken_off_count; ++k) {
        if (run.taken_off[k] == number) return false;
    }
    for (int on_field : lg.Velmo.starters) {
        if (on_field == number) return false;
    }
    return true;
}

std::string SubOut(League& lg, const MatchRun& run, int starter_slot) {
    Match& match = lg.partita;
    if (match.subs_left <= 0 || match.sub_pending != 0) return kNoMoreSubs;
    bool anyone = false;
    for (int j = 0; j < kSubstitutes; ++j) anyone = anyone || MayComeOn(lg, run, j);
    if (!anyone) return kNobodyCanComeOn;
    --match.subs_left;
    match.sub_pending = 1;
    match.out_slot = starter_slot;
    return "";
}

bool SubIn(League& lg, MatchRun& run, int sub_slot) {
    Match& match = lg.partita;
    if (match.sub_pending != 1) return false;
    if (match.out_slot < 0 || match.out_slot >= kStarters) return false;
    // A player is never on the field twice: the "Out" stays pending.
    if (!MayComeOn(lg, run, sub_slot)) return false;

    UpdateVelmo(lg, match.out_slot, sub_slot);  // the slot still holds the leaving player
    if (run.taken_off_count < kSubstitutions)
        run.taken_off[run.taken_off_count++] = lg.Velmo.starters[match.out_slot];
    lg.Velmo.starters[match.out_slot] = lg.Velmo.substitutes[sub_slot];
    match.sub_pending = 0;
    return true;
}

std::string ResultMessage(const League& lg) {
    return std::string(lg.Velmo.name) + " - " + lg.othername + " : " +
           std::to_string(lg.partita.goals[0]) + "   " + std::to_string(lg.partita.goals[1]);
}

void FinishMatch(League& lg) {
    UpdateConditions(lg);
    const Match& match = lg.partita;
    RecordResult(lg, match.first_id, match.second_id, match.goals[0], match.goals[1]);
    PlayAllGames(lg);  // reads matchday as the one just played
    ++lg.matchday;
}
