// Computer clubs' line-ups and the human club's next opponent.
#pragma once

#include "data/league.h"

int MakeOtherTeams(League& lg, int id);              // 11 draws per matched slot
void SetUpComputerTeams(League& lg, int first_slot, int second_slot);  // 18 draws
int SetUpOpponent(League& lg);                       // finds the fixture, draws the line-up

// The season is over: 38 matchdays played, or the next record is empty.
bool SeasonOver(const League& lg);
// The main screen's preparation: when the season is not over and the next
// matchday's index is not the one last prepared, prepares the opponent
// (today takes the matchday's number). Returns
// true when the opponent panel is to be drawn (the season is not over).
// Also copies the opponent's name into othername.
bool PrepareOpponent(League& lg);
