// The two sides of the human club's match: copies of the line-up strengths
// into the match record, and a substitution's change to the human club.
//
// A substitution changes Velmo itself (module and sector sums, by the roles
// of the two players: goalkeepers and defenders in defence, only defenders
// counted in the module), so it lasts until the next line-up check.
#include "match/strength.h"

#include "data/loaders.h"
#include "lineup/lineup.h"

namespace {

void CopySide(const Team& team, SideBlock& side) {
    for (int s = 0; s < kSectors; ++s) {
        side.module[s] = team.module[s];
        side.technique[s] = team.technique[s];
        side.fantasy[s] = team.fantasy[s];
        side.condition[s] = team.condition[s];
        side.fatigue[s] = team.fatigue[s];
    }
}

}  // namespace

void VelmoInCampo(League& lg) { CopySide(lg.Velmo, lg.partita.side[0]); }

void AvversarioInCampo(League& lg) { CopySide(lg.squadra[lg.avversario], lg.partita.side[1]); }

const Player* PlayerByNumber(const League& lg, int number) {
    if (number <= 0) return nullptr;
    char surname[kWordSize] = "";
    const int index = FindPlayer(lg, number, surname);
    if (index < 0 || index >= kSquadSize || lg.players[index].number != number) return nullptr;
    return &lg.players[index];
}

Player* PlayerByNumber(League& lg, int number) {
    return const_cast<Player*>(PlayerByNumber(static_cast<const League&>(lg), number));
}

void UpdateVelmo(League& lg, int starter_slot, int sub_slot) {
    Team& velmo = lg.Velmo;
    const Player* leaving = PlayerByNumber(lg, velmo.starters[starter_slot]);
    const Player* coming = PlayerByNumber(lg, velmo.substitutes[sub_slot]);
    if (leaving != nullptr) AddToSectors(velmo, *leaving, -1);
    if (coming != nullptr) AddToSectors(velmo, *coming, +1);
    VelmoInCampo(lg);
}

std::string ModuleText(const Team& team) {
    return std::to_string(team.module[0]) + " - " + std::to_string(team.module[1]) + " - " +
           std::to_string(team.module[2]);
}

std::string SectorText(const Team& team, int sector) {
    return " " + std::to_string(team.technique[sector]) + " " +
           std::to_string(team.fantasy[sector]) + " " + std::to_string(team.condition[sector]);
}
