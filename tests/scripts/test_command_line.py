#!/usr/bin/env python3
"""The game's command line and a start without a display: answers, statuses, never a signal.

Each case runs twice: with DISPLAY unset and with DISPLAY naming a display no
server serves. Nothing may appear in the working folder.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile

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
    usage = "usage: velmo [--data DIR] [--scale K]\n       velmo --help | --version\n"
    told = ("--data DIR", "--scale K", "Keys: m switches all sound off and on")
    expected = [  # arguments, status, standard output, standard error (a pattern)
        (["--help"], 0, lambda out: out.startswith(usage) and all(t in out for t in told), r""),
        (["--version"], 0, lambda out: out == f"velmo {version}\n", r""),
        (["--data", "here", "--help"], 0, lambda out: out.startswith(usage), r""),
        (["--bogus"], 2, lambda out: out == "", "velmo: unknown option '--bogus'\n" + re.escape(usage)),
        (["--data"], 2, lambda out: out == "", "velmo: option '--data' needs a folder\n" + re.escape(usage)),
        (["saved.dat"], 2, lambda out: out == "", "velmo: unexpected argument 'saved.dat'\n" + re.escape(usage)),
        *((["--scale", k], 2, lambda out: out == "",
           f"velmo: the scale must be 1, 2, 3 or 4, not '{k}'\n" + re.escape(usage)) for k in ("0", "5", "2x", "-1")),
        (["--scale"], 2, lambda out: out == "", "velmo: option '--scale' needs a factor\n" + re.escape(usage)),
    ]
    for where, env in environments.items():
        display_named = ("there is no display to open the game window on \\(DISPLAY is not set\\)"
                         if "DISPLAY" not in env else f"cannot open the display '{UNSERVED}'")
        starts = [(args, 255, lambda out: out == "", f"velmo: {display_named}\\.\n")
                  for args in ([], ["--data", "."], ["--scale", "2"])]
        for args, status, out_ok, err_pattern in expected + starts:
            with tempfile.TemporaryDirectory() as work:
                run = subprocess.run([game, *args], cwd=work, env=env, capture_output=True, text=True,
                                     timeout=60)
                name = f"velmo {' '.join(args)} ({where})"
                check(name + ": status", run.returncode == status, f"{run.returncode}: {run.stderr}")
                check(name + ": standard output", out_ok(run.stdout), repr(run.stdout))
                check(name + ": standard error", re.fullmatch(err_pattern, run.stderr), repr(run.stderr))
                check(name + ": no file written", os.listdir(work) == [], os.listdir(work))
    print(f"{RESULTS['passed']} passed, {RESULTS['failed']} failed")
    sys.exit(1 if RESULTS["failed"] else 0)


if __name__ == "__main__":
    main()
