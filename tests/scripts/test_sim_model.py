#!/usr/bin/env python3
"""velmo-sim's saved seasons against an independent model of the rules."""
import argparse
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import rules_model  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GAME = os.path.join(ROOT, "game")

CASES = [
    # seed, starter rows, substitute rows, tactic, matchdays
    (1, range(0, 11), range(11, 17), 0, 38),
    (2, [0, 3, 4, 5, 6, 10, 11, 12, 16, 17, 20], [1, 2, 7], 5, 38),
    (1767225600, range(0, 11), range(11, 17), -5, 38),
    (424242, [1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 21], [], 3, 38),
    (7, range(5, 16), range(16, 22), -2, 12),
]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    sim = os.path.join(os.path.abspath(parser.parse_args().build), "velmo-sim")
    passed = failed = 0
    with tempfile.TemporaryDirectory() as tmp:
        for seed, starters, subs, tactic, matchdays in CASES:
            saved = os.path.join(tmp, f"{seed}.dat")
            subprocess.run([sim, "--data", GAME, "--seed", str(seed), "--tactic", str(tactic),
                            "--matchdays", str(matchdays),
                            "--starters", ",".join(map(str, starters)),
                            "--subs", ",".join(map(str, subs)), "--save", saved],
                           capture_output=True, check=True, timeout=120)
            with open(saved) as f:
                actual = f.read()
            expected = rules_model.season_text(GAME, seed, list(starters), list(subs), tactic, matchdays)
            if actual == expected:
                passed += 1
            else:
                failed += 1
                print(f"FAIL seed {seed}: velmo-sim and the model disagree")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
