#!/usr/bin/env python3
"""velmo-sim's command line: arguments, exit statuses, outputs and saved files.

The expected seasons under tests/golden were written by an independent model of the rules (written
from the design, sharing only the C library's rand()), which agreed with velmo-sim on all of them; a
change to the rules, the draws or the shipped data shows there."""
import argparse
import os
import re
import subprocess
import sys
import tempfile

GAME = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "game")
GOLDEN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "golden")
RESULTS = {"passed": 0, "failed": 0}
LINEUP = ["--starters", "0,3,4,5,6,10,11,12,13,17,18", "--subs", "1,7,14,15,19,20"]  # a 4-4-2
HUMAN = 19  # the human club's identifier, last in slot order


def check(name, condition, detail=""):
    RESULTS["passed" if condition else "failed"] += 1
    if not condition:
        print(f"FAIL {name} {detail}")


def sim(*args):
    run = subprocess.run([SIM, "--data", GAME, *args], capture_output=True, text=True, timeout=120)
    return run.returncode, run.stdout, run.stderr


def read_lines(path):
    with open(path) as f:
        return f.read().split("\n")[:-1]


def golden_lines(name):
    return read_lines(os.path.join(GOLDEN, name))


def events(*texts):
    return [arg for text in texts for arg in ("--event", text)]


def data_folder(tmp, numbers=None, clubs=None):
    """The shipped data, its fixture file cut to len(numbers) matchdays numbered as given, its league
    file's five-line club blocks passed through `clubs`."""
    folder = tempfile.mkdtemp(dir=tmp)
    for name in ("velmo.dat", "teams.dat", "calendario.dat"):
        with open(os.path.join(GAME, name)) as f:
            lines = [line for line in f.read().split("\n") if line.strip()]
        if name == "teams.dat" and clubs:
            lines = [line for block in clubs([lines[i:i + 5] for i in range(0, len(lines), 5)]) for line in block]
        if name == "calendario.dat" and numbers is not None:
            lines = lines[:11 * len(numbers)]
            for day, number in enumerate(numbers):
                lines[11 * day] = str(number)
        with open(os.path.join(folder, name), "w") as f:
            f.write("".join(line + "\n" for line in lines))
    return folder


BAD_EVENTS = ["1:0:out", "0:1:out:1", "1:-1:out:1", "1:1:out:11", "1:1:in:6", "1:1:in:-1", "1:1:tactic:6",
              "1:1:tactic:-6", "1:1:sub:1", "x:1:out:1", "1:1:out:1:2", "1:1.5:out:1", "1:1:OUT:1", ""]
REFUSALS = [  # arguments, the line before the usage
    (["--bogus"], "velmo-sim: unrecognized option '--bogus'"),
    (["--seed"], "velmo-sim: option '--seed' requires an argument"),
    (["-e"], "velmo-sim: option requires an argument -- 'e'"),
    (["-x"], "velmo-sim: invalid option -- 'x'"),
    (["saved.dat"], "velmo-sim: unexpected argument 'saved.dat'"),
    *(([option, rows], f"velmo-sim: '{rows}' is not a list of squad rows 0..21")
      for option, rows in (("--starters", "0,1,22"), ("--subs", "22"), ("--starters", "1,,2"))),
    (["--starters", "0,2", "--subs", "2,3"], "velmo-sim: row 2 is both a starter and a substitute"),
    (["--tactic", "6"], "velmo-sim: the tactic must be a whole number from -5 to 5"),
    (["-m", "-1"], "velmo-sim: the matchdays must be a whole number, 0 or more"),
    (["--seasons", "0"], "velmo-sim: the seasons must be a whole number, 1 or more"),
    (["--seasons", "2", "-m", "3"], "velmo-sim: --seasons and --matchdays exclude each other"),
    *((["--seed", seed], "velmo-sim: the seed must be a whole number from 0 to 4294967295")
      for seed in ("abc", "4294967296", "-1")),
    *((["--event", e], f"velmo-sim: '{e}' is not an event MATCH:CLOCK:KIND:ARG") for e in BAD_EVENTS),
]


def test_command_line():
    """Help and version on standard output; a refusal names what is wrong, then the usage, on standard error;
    the whole unsigned range seeds rand()."""
    helps = [sim(h) for h in ("--help", "-h")]
    usage = helps[0][1].split("\n\n")[0] + "\n"
    check("the usage heads the help", usage.startswith("usage: velmo-sim [-d DIR] ") and "\n       velmo-sim -h | -V\n"
          in usage, usage)
    with open(os.path.join(GOLDEN, "velmo-sim-help.txt")) as f:
        text = f.read()
    check("the help, word for word", all(h == (0, text, "") for h in helps), helps[0][1])
    for v in ("--version", "-V"):
        check(f"{v}", sim(v) == (0, f"velmo-sim {VERSION}\n", ""))
    for args, why in REFUSALS:
        code, out, err = sim(*args)
        check(f"refused: {args}", code == 2 and out == "" and err == why + "\n" + usage, err)
    for seed in ("2147483648", "4294967295"):
        code, out, err = sim("--seed", seed, "--matchdays", "1")
        check(f"seed {seed} accepted", code == 0 and out.count("Match Day") == 1, err)


def test_refused_before_any_match(tmp):
    """Data that breaks the league's promises, an unplayable line-up, a save that cannot be written:
    status 1, the message, nothing played or saved."""
    renamed = lambda block, club: [" ".join([str(club)] + block[0].split()[1:])] + block[1:]  # noqa: E731
    saved = os.path.join(tmp, "refused.dat")
    for what, folder, first_line in (
            ("a missing data file", tmp, "Impossible to find file 'velmo.dat'!"),
            ("a repeated identifier", data_folder(tmp, clubs=lambda b: b[:2] + [renamed(b[2], 1)] + b[3:]),
             "'teams.dat' is damaged near team 3. The club identifier 1 appears twice."),
            ("a club numbered 19", data_folder(tmp, clubs=lambda b: b[:4] + [renamed(b[4], 19)] + b[5:]),
             "'teams.dat' is damaged near team 5. The club identifier 19 is the human club's."),
            ("no matchday", data_folder(tmp, numbers=[]), "'calendario.dat' is damaged near matchday 1. The fixture file holds no matchday."),
            ("a matchday numbered -1", data_folder(tmp, numbers=[1, 2, -1, 4]),
             "'calendario.dat' is damaged near matchday 3. The matchday number -1 is below 0.")):
        code, out, err = sim("--data", folder, "--seed", "1", "--save", saved)
        check(f"{what} refused", code == 1 and out == "" and not os.path.exists(saved)
              and err.startswith(first_line), err)
    code, out, err = sim("--seed", "3", "--starters", "0,1,2,3")
    check("an unplayable line-up", code == 1 and out == "" and err.splitlines() == [
        "You have to add more players: football needs 11 players per side! :)",
        "Before playing you have to select your players!"], err)
    code, _, err = sim("--seed", "1", "--matchdays", "1", "--save", os.path.join(tmp, "no", "s.dat"))
    check("a save that cannot be written", code == 1 and err.splitlines()[-1:] == [
        f"The game could not be saved.  Check that {tmp}/no can be written and the disk is not full."], err)


def test_load(tmp):
    """--load restores as "&Load" does: saving again at once gives the same bytes; a finished season plays
    nothing; a missing or damaged save is refused, also one whose matchday breaks the fixture file's promises."""
    first, again, season = (os.path.join(tmp, name) for name in ("first.dat", "again.dat", "season.dat"))
    sim("--seed", "11", "--matchdays", "5", "--save", first)
    code, out, err = sim("--seed", "12", "--load", first, "--matchdays", "0", "--save", again)
    check("load then save: the same bytes", code == 0 and read_lines(again) == read_lines(first)
          and err.splitlines()[0] == "The saved game was successfully restored." and "Match Day" not in out, err)
    code, out, _ = sim("--seed", "12", "--load", first, "--matchdays", "2", "--save", again)
    check("two more matchdays from matchday 5", code == 0 and out.split("\n")[0] == "Match Day 6"
          and out.count("Match Day") == 2 and read_lines(again)[0] == "7 ")
    sim("--seed", "13", "--save", season)
    code, out, _ = sim("--seed", "12", "--load", season, "--matchdays", "3")
    table = out.splitlines()
    check("a finished season plays nothing", code == 0 and len(table) == 20
          and all(line.split()[2] == "38" for line in table), out)
    lines, day1, day2 = read_lines(first), 21, 32  # matchday blocks begin after the twenty team lines
    twice = f"{lines[day2 + 1].split()[0]} {' '.join(lines[day2 + 2].split()[1:])} "
    for what, text, message in (
            ("absent", None, "There are no saved games to restore!"),
            ("a count of 39", ["39 "] + lines[1:], "The saved game is damaged and was not loaded. "),
            ("a club nobody carries", lines[:day1 + 1] + ["99 17 5 5 "] + lines[day1 + 2:], "Matchday 1: No club"),
            ("a club against itself", lines[:day2 + 1] + ["4 4 5 5 "] + lines[day2 + 2:], "Matchday 2: The club"),
            ("a club twice", lines[:day2 + 2] + [twice] + lines[day2 + 3:], "Matchday 2: The club"),
            ("a matchday numbered -1", lines[:day2] + ["-1 "] + lines[day2 + 1:], "Matchday 2: The matchday")):
        path = os.path.join(tmp, "bad.dat")
        if text is not None:
            with open(path, "w") as f:
                f.write("".join(line + "\n" for line in text))
        code, out, err = sim("--seed", "1", "--load", path if text else os.path.join(tmp, "absent.dat"))
        check(f"a refused load: {what}", code == 1 and out == "" and message in err.split("\n")[0], err)


def test_messages_and_recheck():
    code, out, err = sim("--seed", "5", "--matchdays", "2", "--recheck",
                         "--starters", ",".join(map(str, range(13))), "--subs", ",".join(map(str, range(13, 20))))
    lines = err.splitlines()
    # The first check clears the surplus starter marks, so the rechecks count eleven.
    check("messages one per line, breaks as spaces", lines.count(
        "You included too many players!  Please correct your team line up.") == 1, err)
    check("substitutes reported at every check", lines.count("You can choose only 6 substitutes. ") == 3)
    check("two matchdays played", code == 0 and out.count("Match Day") == 2, out)


def test_seasons(tmp):
    """A whole season: its table adds up; seeded seasons, events, loads and odd fixture files, byte for byte."""
    saved = os.path.join(tmp, "season.dat")
    code, out, err = sim("--seed", "2", "--starters", "0,3,4,5,6,10,11,12,16,17,20", "--subs", "1,2,7",
                         "--tactic", "5", "--save", saved)
    rows = [list(map(int, row.split()[1:])) for row in out.splitlines()[-20:]]
    check("the table: 38 played, points from results, in order, goals for equal goals against",
          code == 0 and out.count("Match Day ") == 38
          and all(len(r) == 7 and r[1] == 38 and r[2] + r[3] + r[4] == 38 and r[0] == 3 * r[2] + r[3] for r in rows)
          and [r[0] for r in rows] == sorted((r[0] for r in rows), reverse=True)
          and sum(r[5] for r in rows) == sum(r[6] for r in rows), err)
    check("the season of seed 2", read_lines(saved) == golden_lines("seasons/seed2_tactic5_days38.dat"))
    sim("--seed", "7", "--starters", "5,6,7,8,9,10,11,12,13,14,15", "--subs", "16,17,18,19,20,21", "--tactic", "-2",
        "--matchdays", "12", "--save", saved)
    check("twelve matchdays of seed 7", read_lines(saved) == golden_lines("seasons/seed7_tactic-2_days12.dat"))
    code, out, _ = sim("--seed", "9", "--matchdays", "0", "--save", saved)
    check("a save before the first match: 21 lines", read_lines(saved)[0] == "0 " and len(read_lines(saved)) == 21
          and "Match Day" not in out)
    code, out, _ = sim("--data", data_folder(tmp, numbers=[1, 2]), "--seed", "9", "--save", saved)
    check("a two-matchday fixture file ends after two", code == 0 and out.count("Match Day") == 2
          and all(line.split()[2] == "2" for line in out.splitlines()[-20:]) and len(read_lines(saved)) == 43, out)

    sim("--seed", "7", "--matchdays", "6", "--save", saved, *LINEUP, *events(
        "1:0:tactic:4", "1:0:out:9", "1:0:in:2", "1:12:out:3", "1:13:in:2", "1:13:in:5", "1:30:tactic:-2",
        "1:44:out:0", "1:45:in:1", "1:99:out:5", "2:0:out:6", "2:3:in:2", "2:3:in:0", "3:20:tactic:5",
        "4:1:out:2", "4:1:out:4", "9:1:out:1"))
    check("events over six matches", read_lines(saved) == golden_lines("seasons/events_seed7_days6.dat"))
    numbered = data_folder(tmp, numbers=[0, 0, 4, 4, 4, 9] + list(range(10, 42)))
    then = os.path.join(tmp, "then.dat")
    sim("--data", numbered, "--seed", "21", "--matchdays", "4", "--save", saved, *LINEUP,
        *events("1:10:out:10", "1:10:in:3", "3:40:tactic:-5"))
    code, out, err = sim("--data", numbered, "--seed", "22", "--load", saved, "--matchdays", "5", "--recheck",
                         "--save", then, *LINEUP, *events("1:0:out:10", "1:0:in:3", "2:44:out:1", "2:45:in:0"))
    check("a save restored over matchdays numbered 0, 0, 4, 4, 4, 9", code == 0 and out.startswith("Match Day 4\n")
          and read_lines(then) == golden_lines("seasons/load_seed22_numbered.dat"), err)
    sim("--data", data_folder(tmp, numbers=[7] * 6), "--seed", "5", "--recheck", "--save", saved, *LINEUP,
        *events("1:5:out:1", "1:6:in:0", "2:0:out:2", "2:0:in:0", "4:45:tactic:5"))
    check("six matchdays all numbered 7", read_lines(saved) == golden_lines("seasons/recheck_seed5_repeated.dat"))


def test_substitutions(tmp):
    """Players taken off never come back, in the same match or a later one; Outs left pending by refused
    Ins are completed later; the issue's own scenario among them."""
    folder = os.path.join(GOLDEN, "substitutions")
    for name in sorted(f[:-5] for f in os.listdir(folder) if f.endswith(".args")):
        with open(os.path.join(folder, name + ".args")) as f:
            args = [GAME if arg == "GAME" else arg for arg in f.read().split()]
        with open(os.path.join(folder, name + ".err")) as f:
            expected_err = f.read()
        saved = os.path.join(tmp, name + ".dat")
        code, _, err = sim(*args, "--save", saved)
        check(f"substitutions: {name}", code == 0 and err == expected_err
              and read_lines(saved) == golden_lines(f"substitutions/{name}.dat"), err)


def story_of_save(path):
    """Positions and form recomputed from a saved game's matchday blocks alone: 3 points a win, 1 a draw;
    the table ordered by points, then goal difference, then slot (the league file's order, Velmo last)."""
    with open(os.path.join(GAME, "teams.dat")) as f:
        lines = [line for line in f.read().split("\n") if line.strip()]
    slots = {int(lines[i].split()[0]): i // 5 for i in range(0, len(lines), 5)} | {HUMAN: 19}
    lines, points, difference = read_lines(path), dict.fromkeys(slots, 0), dict.fromkeys(slots, 0)
    positions, form = [], []
    for day in range(int(lines[0])):
        for line in lines[22 + 11 * day:32 + 11 * day]:
            home, away, home_goals, away_goals = map(int, line.split())
            for club, scored, conceded in ((home, home_goals, away_goals), (away, away_goals, home_goals)):
                difference[club] += scored - conceded
                points[club] += 3 if scored > conceded else 1 if scored == conceded else 0
                if club == HUMAN:
                    form.append("W" if scored > conceded else "D" if scored == conceded else "L")
        positions.append(sorted(slots, key=lambda c: (-points[c], -difference[c], slots[c])).index(HUMAN) + 1)
    return ["Positions:"] + [str(p) for p in positions], ["Form:"] + form


def story_lines(out):
    return tuple(line.split() for line in out.splitlines()[-2:])


def tables(out):
    """The tables of a run's output, each a list of rows [name, points, played, won, drawn, lost, for, against]."""
    rows = [line.split() for line in out.splitlines() if re.fullmatch(r"\S+( -?\d+){7}", line)]
    return [[[r[0]] + list(map(int, r[1:])) for r in rows[i:i + 20]] for i in range(0, len(rows), 20)]


def history_line(number, table):
    """A season's history line from its final table, as the season-end screen shows it."""
    position = [row[0] for row in table].index("VELMO") + 1
    _, points, _, won, drawn, lost, scored, conceded = table[position - 1]
    return f"{number} {position} {points} {won} {drawn} {lost} {scored} {conceded} {table[0][0]}"


def test_story(tmp):
    """--story against positions and form recomputed from the saved game, also after a load."""
    saved = os.path.join(tmp, "story.dat")
    for days in ("7", "38"):
        code, out, _ = sim("--seed", "3", *LINEUP, "--tactic", "2", "-m", days, "--story", "--save", saved)
        story = story_of_save(saved)
        check(f"the story of {days} matchdays", code == 0 and story_lines(out) == story
              and len(set(story[1][1:])) == 3, out[-300:])
        table = tables(out)[0]
        check(f"the last position is the table's after {days}",
              str([row[0] for row in table].index("VELMO") + 1) == story[0][-1])
    code, out, _ = sim("--seed", "9", "--load", saved, "-m", "0", "--story")
    check("the same story after a load", code == 0 and story_lines(out) == story)
    code, out, _ = sim("--seed", "9", "-m", "0", "--story")
    check("no matchday, no story", code == 0 and out.splitlines()[-2:] == ["Positions:", "Form:"], out)


def test_seasons_and_history(tmp):
    """--seasons 2 --history: a line per season end from its table; a finished season loaded again is not
    recorded twice; loaded with --seasons 1 it is a season end of its own before the season played; a
    damaged history is left byte for byte and ends the run."""
    history, saved = os.path.join(tmp, "history.dat"), os.path.join(tmp, "two.dat")
    code, out, err = sim("--seed", "3", *LINEUP, "--tactic", "2", "--seasons", "2", "--history", history,
                         "--save", saved)
    found = tables(out)
    check("two whole seasons, each from zero", code == 0 and out.count("Match Day ") == 76 and len(found) == 2
          and all(row[2] == 38 and row[3] + row[4] + row[5] == 38 for table in found for row in table), err)
    check("a history line per season", read_lines(history) == [history_line(1, found[0]), history_line(2, found[1])])
    check("--save keeps the second finished season", read_lines(saved)[0] == "38 " and
          [line.split()[:7] for line in read_lines(saved)[1:21]]
          == [[row[0]] + list(map(str, row[1:2] + row[3:])) for row in found[1]])
    code, out, _ = sim("--seed", "4", "--load", saved, "--history", history)
    check("a finished season loaded again is not recorded again", code == 0 and "Match Day" not in out
          and len(read_lines(history)) == 2)
    code, out, _ = sim("--seed", "4", "--load", saved, "--history", history, "--seasons", "1")
    found = tables(out)
    check("a loaded finished season ends, then one season is played", code == 0 and out.count("Match Day ") == 38
          and len(found) == 2 and read_lines(history)[2:] == [history_line(3, found[1])], out[-200:])

    damaged, short = os.path.join(tmp, "damaged.dat"), data_folder(tmp, numbers=[1, 2])
    for text in (b"1 4 4 1 1 1 5 5\n", b"1 4 4 1 1 1 5 5 Valle\r\n2 x"):
        with open(damaged, "wb") as f:
            f.write(text)
        code, out, err = sim("--data", short, "--seed", "3", *LINEUP, "--seasons", "2", "--history", damaged,
                             "--save", saved + "3")
        with open(damaged, "rb") as f:
            kept = f.read()
        check(f"a damaged history {text!r} left as it is", code == 1 and kept == text and out.count("Match Day") == 2
              and err == f"The season could not be recorded.  The season history {damaged}  is damaged: it was left as it is.\n"
              and not os.path.exists(saved + "3"), err)


def main():
    global SIM, VERSION
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    build = os.path.abspath(parser.parse_args().build)
    SIM = os.path.join(build, "velmo-sim")
    with open(os.path.join(build, "CMakeCache.txt")) as f:
        VERSION = re.search(r"^CMAKE_PROJECT_VERSION:\w+=(.+)$", f.read(), re.M).group(1)
    with tempfile.TemporaryDirectory() as tmp:
        test_command_line()
        test_refused_before_any_match(tmp)
        test_load(tmp)
        test_messages_and_recheck()
        test_seasons(tmp)
        test_substitutions(tmp)
        test_story(tmp)
        test_seasons_and_history(tmp)
    print(f"{RESULTS['passed']} passed, {RESULTS['failed']} failed")
    return 1 if RESULTS["failed"] else 0


if __name__ == "__main__":
    sys.exit(main())
