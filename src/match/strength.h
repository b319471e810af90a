// The human club's and its opponent's strength in a match.
#pragma once

#include <string>

#include "data/league.h"

void VelmoInCampo(League& lg);       // side[0] from Velmo
void AvversarioInCampo(League& lg);  // side[1] from squadra[avversario]
// A substitution: the starter in slot k leaves, the substitute in slot j
// comes in; Velmo's module and sums follow, then side[0] is copied again.
void UpdateVelmo(League& lg, int starter_slot, int sub_slot);

// The squad player carrying `number`, or nullptr when no player does: 0 is
// an empty line-up slot, and FindPlayer's miss (index 0) is told apart here.
const Player* PlayerByNumber(const League& lg, int number);
Player* PlayerByNumber(League& lg, int number);

// "4 - 4 - 2"
std::string ModuleText(const Team& team);
// " 75 80 70": technique, fantasy, condition of one sector
std::string SectorText(const Team& team, int sector);
