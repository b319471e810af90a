// The other fixtures of a matchday and the recording of every result.
#pragma once

#include "data/league.h"

void PlayAllGames(League& lg);       // 402 draws per simulated fixture
void PlayFixture(League& lg, int home_id, int away_id);  // one simulated fixture, recorded
void RecordResult(League& lg, int first_id, int second_id, int first_goals, int second_goals);
// The points rule on two clubs' standings counters: goals both ways, 3 points
// and a win to the winner, a defeat to the loser, 1 point and a draw each.
// The two may be one club (an identifier no club carries lands on slot 0).
void AddResult(Team& first, Team& second, int first_goals, int second_goals);
void UpdateCalendario(League& lg, int day, int first_id, int second_id, int first_goals,
                      int second_goals);
