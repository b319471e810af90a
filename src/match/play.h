// The play rule shared by every match.
#pragma once

#include "data/league.h"

// Strength of one side's sector at `minute`: the three values less the decline.
int SectorStrength(const SideBlock& side, int sector, int minute);

// One play from `zone` (1..3): returns zone - 1 or zone + 1. Exactly two rand() draws.
int PlayBall(const League& lg, int zone, int minute, int first_tactic, int second_tactic);

// The play rule without its draws, for a given swing (first draw minus second).
// PlayBall draws the swing and calls PlayWithSwing; tests call them directly.
// ContestValue is F - S + swing: below 0 the play goes the second side's way.
double ContestValue(const League& lg, int zone, int minute, int first_tactic,
                    int second_tactic, int swing);
int PlayWithSwing(const League& lg, int zone, int minute, int first_tactic,
                  int second_tactic, int swing);
