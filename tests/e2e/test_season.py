"""A whole season in the window, each match finished at once, against velmo-sim's replay of the same seed:
the sound switched off and the slider moved on the way change nothing else; the season kept in the history
as velmo-sim keeps it, and listed on the History screen."""

import os
import pathlib
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import (BENCH, DARK_BLUE, DARK_RED, STARTERS, Game, check, mark_lineup, minute,  # noqa: E402
                          run_cases, wait_lineup_panel, wait_match_screen)

START = 1767225600  # 2026-01-01 00:00:00 UTC, the time faketime starts the game at
FAKETIME = {"env": {"TZ": "UTC"}, "prefix": ["faketime", "-f", "@2026-01-01 00:00:00"]}
SLIDER_RIGHT_END = (431, 536)  # "Crazy Attack": the tactic 5
FIRST_PAST_SEASON = (40, 378)  # the History screen's first line of past seasons (src/season/history_screen.cpp)


def sim_history(game, build, seed):  # the history velmo-sim keeps after a season of the same data, marks and slider
    path = game.path(f"sim{seed}-history.dat")
    subprocess.run([os.path.join(build, "velmo-sim"), "--data", game.folder, "--seed", str(seed),
                    "--starters", ",".join(map(str, STARTERS)), "--subs", ",".join(map(str, BENCH)),
                    "--event", "1:45:tactic:5", "--seasons", "1", "--history", path],
                   check=True, stdout=subprocess.DEVNULL)
    return pathlib.Path(path).read_text()


def test_season_finished_match_by_match(display, build):
    with Game(display, build, **FAKETIME) as game:
        game.pass_intro()
        mark_lineup(game, STARTERS, BENCH)
        game.hold_key("u")
        wait_lineup_panel(game, 6)
        for matchday in range(1, 39):  # "&Match", "&Finish" at once, "&Close": the result message
            game.hold_key("p")
            wait_match_screen(game)
            if matchday == 1:
                game.hold_key("m")  # the sound switched off while the chant plays
            game.hold_key("f")
            game.wait_for(lambda: minute(game.grab()) == 90, 5, "the final whistle at once")
            if matchday == 1:
                game.click(*SLIDER_RIGHT_END)  # after the last play
            check(game.answer("c")[0].startswith("VELMO - "), f"the result message of matchday {matchday}")
        game.wait_for(lambda: game.grab().only(1, 10, 4, 580, {DARK_BLUE}), 10, "the season-end screen")
        game.hold_key("n")
        game.wait_main_screen()
        kept = pathlib.Path(game.path("history.dat")).read_text()  # the game seeds rand() after its start-up
        check(kept in (sim_history(game, build, START), sim_history(game, build, START + 1)), "as velmo-sim keeps it")
        number, *counts, goals_against, champion = kept.split()
        line = ["*", number, *counts[:-1], f"{counts[-1]}-{goals_against}", champion]  # the only, so the best
        game.hold_key("h")
        game.wait_for(lambda: game.grab().read_text(*FIRST_PAST_SEASON, 60, DARK_RED).split() == line, 10,
                      f"the History screen listing {line}")


if __name__ == "__main__":
    run_cases([test_season_finished_match_by_match])  # faketime's game outlives the wrapper: one case
