#!/usr/bin/env python3
"""velmo-sim's command line: arguments, exit statuses, outputs and saved files."""
import argparse
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GAME = os.path.join(ROOT, "game")
RESULTS = {"passed": 0, "failed": 0}


def check(name, condition, detail=""):
    RESULTS["passed" if condition else "failed"] += 1
    if not condition:
        print(f"FAIL {name} {detail}")


def sim(build, *args):
    run = subprocess.run([os.path.join(build, "velmo-sim"), *args],
                         capture_output=True, text=True, timeout=120)
    return run.returncode, run.stdout, run.stderr


def short_fixture_folder(tmp, matchdays):
    """The shipped squad and clubs with only the first matchdays of the fixture file."""
    folder = tempfile.mkdtemp(dir=tmp)
    for name in ("velmo.dat", "teams.dat"):
        with open(os.path.join(GAME, name)) as src, open(os.path.join(folder, name), "w") as dst:
            dst.write(src.read())
    with open(os.path.join(GAME, "calendario.dat")) as src:
        lines = src.read().split("\n")
    with open(os.path.join(folder, "calendario.dat"), "w") as dst:
        dst.write("\n".join(lines[:11 * matchdays]) + "\n")
    return folder


def test_bad_arguments(build):
    for args in (["--bogus"], ["--starters", "0,1,22"], ["--starters", "0,1,2", "--subs", "2,3"],
                 ["--tactic", "6"], ["--tactic", "-6"], ["--seed"], ["--seed", "abc"],
                 ["--starters", "1,,2"], ["--matchdays", "-1"]):
        code, out, err = sim(build, "--data", GAME, *args)
        check(f"bad arguments {args}", code == 2 and "usage: velmo-sim" in err, f"{code} {err!r}")
        check(f"nothing played for {args}", out == "")


def test_missing_and_damaged_data(build, tmp):
    code, _, err = sim(build, "--data", tmp, "--seed", "1")
    check("missing squad file", code == 1 and "Impossible to find file 'velmo.dat'!" in err, err)
    folder = short_fixture_folder(tmp, 38)
    with open(os.path.join(folder, "velmo.dat"), "w") as f:
        f.write("1 Rossi Luca GK 25 twenty 20 20\n")
    code, _, err = sim(build, "--data", folder, "--seed", "1")
    check("damaged squad file", code == 1 and "'velmo.dat' is damaged near player 1." in err, err)


def test_unplayable_lineup(build):
    code, out, err = sim(build, "--data", GAME, "--seed", "3", "--starters", "0,1,2,3")
    lines = err.splitlines()
    check("too few starters reported", lines[:1] == [
        "You have to add more players: football needs 11 players per side! :)"], err)
    check("then refused", code == 1 and lines[-1] == "Before playing you have to select your players!",
          err)
    check("no matchday played", "Match Day" not in out)


def test_messages_on_one_line_each_and_recheck(build):
    starters = ",".join(str(r) for r in range(13))
    subs = ",".join(str(r) for r in range(13, 20))
    code, out, err = sim(build, "--data", GAME, "--seed", "5", "--matchdays", "2", "--recheck",
                         "--starters", starters, "--subs", subs)
    lines = err.splitlines()
    too_many = "You included too many players!  Please correct your team line up."
    check("too many starters written on one line", too_many in lines, err)
    check("the recheck counts the cleared marks as eleven", lines.count(too_many) == 1, err)
    check("seven substitutes reported at each check",
          lines.count("You can choose only 6 substitutes. ") == 3, err)
    check("two matchdays played", code == 0 and out.count("Match Day") == 2, out)


def test_whole_season(build, tmp):
    saved = os.path.join(tmp, "season.dat")
    code, out, err = sim(build, "--data", GAME, "--seed", "1", "--save", saved)
    check("whole season runs", code == 0, err)
    with open(saved) as f:
        text = f.read()
    lines = text.split("\n")[:-1]
    check("439 lines", len(lines) == 439, len(lines))
    check("every line ends with a blank", all(line.endswith(" ") for line in lines))
    check("38 matchdays printed", out.count("Match Day ") == 38)
    table = out.splitlines()[-20:]
    numbers = [list(map(int, row.split()[1:])) for row in table]
    check("twenty rows of seven numbers", all(len(n) == 7 for n in numbers), table)
    check("38 matchdays on every row", all(n[1] == 38 for n in numbers))
    check("every club played 38", all(n[2] + n[3] + n[4] == 38 for n in numbers))
    check("wins equal defeats", sum(n[2] for n in numbers) == sum(n[4] for n in numbers))
    check("goals for equal goals against", sum(n[5] for n in numbers) == sum(n[6] for n in numbers))
    check("points from results", all(n[0] == 3 * n[2] + n[3] for n in numbers))
    check("table ordered by points", [n[0] for n in numbers] == sorted((n[0] for n in numbers),
                                                                        reverse=True))
    again = os.path.join(tmp, "again.dat")
    sim(build, "--data", GAME, "--seed", "1", "--save", again)
    with open(again) as f:
        check("the same seed gives the same season", f.read() == text)
    other = os.path.join(tmp, "other.dat")
    sim(build, "--data", GAME, "--seed", "2", "--save", other)
    with open(other) as f:
        check("another seed gives another season", f.read() != text)


def test_start_and_short_seasons(build, tmp):
    saved = os.path.join(tmp, "start.dat")
    code, out, _ = sim(build, "--data", GAME, "--seed", "9", "--matchdays", "0", "--save", saved)
    with open(saved) as f:
        lines = f.read().split("\n")[:-1]
    check("a save before the first match has 21 lines", code == 0 and len(lines) == 21, len(lines))
    check("nothing played", lines[0] == "0 " and out.count("Match Day") == 0)

    folder = short_fixture_folder(tmp, 2)
    saved = os.path.join(tmp, "short.dat")
    code, out, _ = sim(build, "--data", folder, "--seed", "9", "--save", saved)
    with open(saved) as f:
        lines = f.read().split("\n")[:-1]
    check("a two-matchday fixture file ends after two", out.count("Match Day") == 2, out)
    check("and saves them", code == 0 and len(lines) == 1 + 20 + 22 and lines[0] == "2 ")

    empty = short_fixture_folder(tmp, 0)
    code, out, _ = sim(build, "--data", empty, "--seed", "9")
    check("an empty fixture file plays nothing", code == 0 and "Match Day" not in out)


def test_failed_save(build, tmp):
    target = os.path.join(tmp, "no-such-folder", "saved.dat")
    code, _, err = sim(build, "--data", GAME, "--seed", "1", "--matchdays", "1", "--save", target)
    check("a save that cannot be written fails", code == 1 and err.strip() != "", err)
    check("and leaves nothing behind", not os.path.exists(os.path.dirname(target)))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    build = os.path.abspath(parser.parse_args().build)
    with tempfile.TemporaryDirectory() as tmp:
        test_bad_arguments(build)
        test_missing_and_damaged_data(build, tmp)
        test_unplayable_lineup(build)
        test_messages_on_one_line_each_and_recheck(build)
        test_whole_season(build, tmp)
        test_start_and_short_seasons(build, tmp)
        test_failed_save(build, tmp)
    print(f"{RESULTS['passed']} passed, {RESULTS['failed']} failed")
    return 1 if RESULTS["failed"] else 0


if __name__ == "__main__":
    sys.exit(main())
