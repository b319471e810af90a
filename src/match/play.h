// The play rule shared by every match.
#pragma once

#include "data/league.h"

// Strength of one side's sector at `minute`: the three values less the decline.
int SectorStrength(const SideBlock& side, int sector, int minute);

// One play from `zone` (1..3): returns zone - 1 or zone + 1. Exactly two rand() draws.
int PlayBall(const League& lg, int zone, int minute, int first_tactic, int second_tactic);
