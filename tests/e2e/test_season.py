"""A whole season in the window, each match finished at once, against velmo-sim's replay of the same seed:
the sound switched off and the slider moved on the way change nothing else; the season kept in the history
as velmo-sim keeps it, and listed on the History screen."""

import filecmp
import os
import pathlib
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from match_helpers import BENCH, STARTERS, mark_lineup, minute, wait_lineup_panel, wait_match_screen  # noqa: E402
from velmo_driver import DARK_BLUE, DARK_RED, Game, check, run_cases  # noqa: E402

MATCHDAYS = 38
START = 1767225600  # 2026-01-01 00:00:00 UTC, the time faketime starts the game at
FAKETIME = {"env": {"TZ": "UTC"}, "prefix": ["faketime", "-f", "@2026-01-01 00:00:00"]}
SLIDER_RIGHT_END = (431, 536)  # "Crazy Attack": the tactic 5
SLIDER_AFTER_MATCH_1 = ["--event", "1:45:tactic:5"]  # moved after the first match's last play
FIRST_PAST_SEASON = (40, 378)  # the History screen's first line of past seasons (src/season/history_screen.cpp)


def made_by_sim(game, build, name, *options):
    """True when the game's file `name` is the one velmo-sim writes with `options` (the last one takes the
    file) with the same data and marks, for the seed T or T + 1 (the game seeds rand() with the time after
    its start-up)."""
    for seed in (START, START + 1):
        path = game.path(f"sim{seed}-{name}")
        subprocess.run([os.path.join(build, "velmo-sim"), "--data", game.folder, "--seed", str(seed),
                        "--starters", ",".join(map(str, STARTERS)), "--subs", ",".join(map(str, BENCH)),
                        *SLIDER_AFTER_MATCH_1, *options, path], check=True, stdout=subprocess.DEVNULL)
        if filecmp.cmp(game.path(name), path, shallow=False):
            return True
    return False


def play_finished_match(game, first=False):
    """"&Match", "&Finish" at once, "&Close": the result message, then the main screen again. In the first,
    m switches the sound off while the chant plays, and the slider goes to "Crazy Attack" at the end."""
    game.hold_key("p")
    wait_match_screen(game)
    if first:
        game.hold_key("m")
    game.hold_key("f")
    game.wait_for(lambda: minute(game.grab()) == 90, 5, "the final whistle at once")
    if first:
        game.click(*SLIDER_RIGHT_END)
    check(game.answer("c")[0].startswith("VELMO - "), "the result message")


def test_season_finished_match_by_match(display, build):
    with Game(display, build, **FAKETIME) as game:
        game.pass_intro()
        mark_lineup(game, STARTERS, BENCH)
        game.hold_key("u")
        wait_lineup_panel(game, 6)
        play_finished_match(game, first=True)
        for _ in range(2, MATCHDAYS):
            play_finished_match(game)
        check(game.answer("s") == ["The game has been saved."], "saved")
        game.wait_main_screen()
        check(made_by_sim(game, build, "saved.dat", "--matchdays", str(MATCHDAYS - 1), "--save"),
              "37 matchdays are velmo-sim's 37")
        play_finished_match(game)
        game.wait_for(lambda: game.grab().only(1, 10, 4, 580, {DARK_BLUE}), 10, "the season-end screen")
        game.hold_key("n")
        game.wait_main_screen()
        check(made_by_sim(game, build, "history.dat", "--seasons", "1", "--history"), "kept as velmo-sim keeps it")
        number, *counts, goals_against, champion = pathlib.Path(game.path("history.dat")).read_text().split()
        line = ["*", number, *counts[:-1], f"{counts[-1]}-{goals_against}", champion]  # the only, so the best
        game.hold_key("h")
        game.wait_for(lambda: game.grab().read_text(*FIRST_PAST_SEASON, 60, DARK_RED).split() == line, 10,
                      f"the History screen listing {line}")


if __name__ == "__main__":
    run_cases([test_season_finished_match_by_match])  # faketime's game outlives the wrapper: one case
