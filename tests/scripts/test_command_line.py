#!/usr/bin/env python3
"""The game's command line and a start without a display: answers, statuses, never a signal.

Each case runs twice: with DISPLAY unset and with DISPLAY naming a display no
server serves. Nothing may appear in the working folder. A data folder that
is not one is refused before the display is looked for.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

GAME = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "game"))
RESULTS = {"passed": 0, "failed": 0}
UNSERVED = ":65000"  # far past any display a test or a desktop opens


def check(name, condition, detail=""):
    RESULTS["passed" if condition else "failed"] += 1
    if not condition:
        print(f"FAIL {name} {detail}")


def project_version(build):
    with open(os.path.join(build, "CMakeCache.txt")) as f:
        return re.search(r"^CMAKE_PROJECT_VERSION:\w+=(.+)$", f.read(), re.M).group(1)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    build = os.path.abspath(parser.parse_args().build)
    game, version = os.path.join(build, "velmo"), project_version(build)
    environments = {"no DISPLAY": {k: v for k, v in os.environ.items() if k != "DISPLAY"},
                    f"DISPLAY={UNSERVED}": dict(os.environ, DISPLAY=UNSERVED)}
    usage = "usage: velmo [-d DIR] [-s K]\n       velmo -h | -V\n"
    told = ("-d, --data=DIR", "-s, --scale=K", "-h, --help", "-V, --version", "Keys: m switches all sound off")
    refused = lambda why: why + "\n" + re.escape(usage)  # noqa: E731
    with tempfile.TemporaryDirectory() as teamless:  # a data folder lacking the league file
        for name in ("velmo.dat", "calendario.dat"):
            shutil.copy(os.path.join(GAME, name), teamless)
        expected = [  # arguments, status, standard output, standard error (a pattern)
            *(([h], 0, lambda out: out.startswith(usage + "\n") and all(t in out for t in told), r"")
              for h in ("--help", "-h")),
            *(([v], 0, lambda out: out == f"velmo {version}\n", r"") for v in ("--version", "-V")),
            (["--data", "here", "--help"], 0, lambda out: out.startswith(usage), r""),
            (["--bogus"], 2, lambda out: out == "", refused("velmo: unrecognized option '--bogus'")),
            (["--data"], 2, lambda out: out == "", refused("velmo: option '--data' requires an argument")),
            (["-s"], 2, lambda out: out == "", refused("velmo: option requires an argument -- 's'")),
            (["--data", ""], 2, lambda out: out == "", refused("velmo: option '--data' needs a folder")),
            (["saved.dat"], 2, lambda out: out == "", refused("velmo: unexpected argument 'saved.dat'")),
            *(([f"--scale={k}"], 2, lambda out: out == "", refused(f"velmo: the scale must be 1, 2, 3 or 4, not '{k}'"))
              for k in ("0", "5", "2x")),
            (["--scale", "-1"], 2, lambda out: out == "", refused("velmo: the scale must be 1, 2, 3 or 4, not '-1'")),
            (["--data", "/nonexistent"], 1, lambda out: out == "",
             re.escape("velmo: /nonexistent: Impossible to find file 'velmo.dat'!\n")),
            (["-s", "2", "-d", teamless], 1, lambda out: out == "",
             re.escape(f"velmo: {teamless}: Impossible to find file 'teams.dat'!\n")),
        ]
        run_cases(game, environments, expected)
        check("the data folder is left as it was", sorted(os.listdir(teamless)) == ["calendario.dat", "velmo.dat"])
    print(f"{RESULTS['passed']} passed, {RESULTS['failed']} failed")
    sys.exit(1 if RESULTS["failed"] else 0)


def run_cases(game, environments, expected):
    for where, env in environments.items():
        display_named = ("there is no display to open the game window on \\(DISPLAY is not set\\)"
                         if "DISPLAY" not in env else f"cannot open the display '{UNSERVED}'")
        starts = [(args, 255, lambda out: out == "", f"velmo: {display_named}\\.\n")
                  for args in ([], [f"--data={GAME}"], ["--scale=2"], ["-s", "2", "-d", GAME])]
        for args, status, out_ok, err_pattern in expected + starts:
            with tempfile.TemporaryDirectory() as work:
                run = subprocess.run([game, *args], cwd=work, env=env, capture_output=True, text=True,
                                     timeout=60)
                name = f"velmo {' '.join(args)} ({where})"
                check(name + ": status", run.returncode == status, f"{run.returncode}: {run.stderr}")
                check(name + ": standard output", out_ok(run.stdout), repr(run.stdout))
                check(name + ": standard error", re.fullmatch(err_pattern, run.stderr), repr(run.stderr))
                check(name + ": no file written", os.listdir(work) == [], os.listdir(work))


if __name__ == "__main__":
    main()
