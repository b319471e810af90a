// The play rule: one contest moves the ball one zone.
//
// Zones: 0 second side scored, 1 second side attacks, 2 midfield (kick-off),
// 3 first side attacks, 4 first side scored. A sector's strength is
//     technique + fantasy + condition - fatigue * minute / 200   (int division)
// and with D, M, A the defence, midfield and attack of side 1 or 2, tactics
// t1, t2 and swing = rand() % 100 - rand() % 100 (first draw minus second):
//
//   zone 1:  F = D1 - t1 * M1 / 5    S = A2 + t2 * M2 / 5   S halved when side 2 leads by 3+
//   zone 2:  F = M1 - t1 * A1 / 4    S = M2 + t2 * A2 / 4   never halved
//   zone 3:  F = A1 + t1 * M1 / 5    S = D2 + t2 * M2 / 5   F halved when side 1 leads by 3+
//
// in doubles (the tactic terms are real quotients); v = F - S + swing;
// v < 0 moves the ball to zone - 1, otherwise (0 included) to zone + 1.
#include "match/play.h"

#include <cstdlib>

namespace {

constexpr int kDefence = 0;
constexpr int kMidfield = 1;
constexpr int kAttack = 2;
constexpr int kRestartZone = 2;
constexpr int kDampingLead = 2;  // a lead above this halves the leader's attack

}  // namespace

int SectorStrength(const SideBlock& side, int sector, int minute) {
    const int decline = side.fatigue[sector] * minute / 200;
    return side.technique[sector] + side.fantasy[sector] + side.condition[sector] - decline;
}

double ContestValue(const League& lg, int zone, int minute, int t1, int t2, int swing) {
    const SideBlock& first = lg.partita.side[0];
    const SideBlock& second = lg.partita.side[1];
    const int* goals = lg.partita.goals;
    const int d1 = SectorStrength(first, kDefence, minute);
    const int m1 = SectorStrength(first, kMidfield, minute);
    const int a1 = SectorStrength(first, kAttack, minute);
    const int d2 = SectorStrength(second, kDefence, minute);
    const int m2 = SectorStrength(second, kMidfield, minute);
    const int a2 = SectorStrength(second, kAttack, minute);

    double f = 0.0;
    double s = 0.0;
    if (zone == 1) {
        f = d1 - t1 * m1 / 5.0;
        s = a2 + t2 * m2 / 5.0;
        if (goals[1] - goals[0] > kDampingLead) s = s / 2.0;
    } else if (zone == 2) {
        f = m1 - t1 * a1 / 4.0;
        s = m2 + t2 * a2 / 4.0;
    } else if (zone == 3) {
        f = a1 + t1 * m1 / 5.0;
        s = d2 + t2 * m2 / 5.0;
        if (goals[0] - goals[1] > kDampingLead) f = f / 2.0;
    }
    const double difference = f - s;
    return difference + swing;
}

int PlayWithSwing(const League& lg, int zone, int minute, int t1, int t2, int swing) {
    // Callers turn zones 0 and 4 into goals; any zone outside 1..3 restarts.
    if (zone < 1 || zone > 3) return kRestartZone;
    return ContestValue(lg, zone, minute, t1, t2, swing) < 0 ? zone - 1 : zone + 1;
}

int PlayBall(const League& lg, int zone, int minute, int t1, int t2) {
    const int r1 = rand() % 100;
    const int r2 = rand() % 100;
    return PlayWithSwing(lg, zone, minute, t1, t2, r1 - r2);
}
