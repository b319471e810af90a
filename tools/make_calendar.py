#!/usr/bin/env python3
"""Writes the fixture list: a double round robin of the league's 20 clubs.

Circle method: the human club (the highest identifier, n-1) sits in the
middle while the other n-1 clubs stand on a circle. In round r it meets
club r, at home in even rounds and away in odd ones; every other club meets
the club facing it across the circle, r+k against r-k (mod n-1) for
k = 1..n/2-1. Odd k host from r+k, even k from r-k: then each club of the
circle alternates home and away except for a single break per half.
The second half repeats the first with home and away swapped: matchday
m + n-1 mirrors matchday m. As n-1 is odd the human club's last venue of
the first half is the opposite of its first of the second, so it
alternates over the whole season. The season has 3n-6 breaks (two
consecutive games at the same venue), the fewest a mirrored double round
robin can have, and no club plays more than three in a row at one venue.

Output, one block per matchday: its number on a line, then one line
"home away" per fixture.

Usage: make_calendar.py [OUTPUT]   (default: game/calendario.dat)
"""
import sys


def single_round_robin(n):
    """Rounds 0..n-2 of a single round robin of clubs 0..n-1 (n even),
    each a list of (home, away), with club n-1 as the fixed club."""
    if n < 2 or n % 2:
        raise ValueError("the circle method needs an even number of clubs")
    fixed, turning = n - 1, n - 1
    rounds = []
    for r in range(n - 1):
        pairs = [(fixed, r) if r % 2 == 0 else (r, fixed)]
        for k in range(1, n // 2):
            ahead, behind = (r + k) % turning, (r - k) % turning
            # Odd distances host from ahead, even ones from behind: each
            # club then alternates except for one break in the half.
            pairs.append((ahead, behind) if k % 2 else (behind, ahead))
        rounds.append(pairs)
    return rounds


def double_round_robin(n):
    """All 2(n-1) matchdays: the single round robin, then its mirror."""
    first = single_round_robin(n)
    second = [[(away, home) for home, away in day] for day in first]
    return first + second


def calendar_text(rounds):
    lines = []
    for number, day in enumerate(rounds, start=1):
        lines.append(str(number))
        lines.extend(f"{home} {away}" for home, away in day)
    return "\n".join(lines) + "\n"


def main(argv):
    out = argv[1] if len(argv) > 1 else "game/calendario.dat"
    with open(out, "w", newline="\n") as f:
        f.write(calendar_text(double_round_robin(20)))


if __name__ == "__main__":
    main(sys.argv)
