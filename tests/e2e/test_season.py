"""A whole season in the window, each match finished at once, against velmo-sim's replay of the same seed;
the season kept in the history as velmo-sim keeps it, and listed on the History screen."""

import os
import pathlib
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from match_helpers import (BENCH, FAKETIME, STARTERS, made_by_sim, mark_lineup, minute,  # noqa: E402
                           saved_by_sim, wait_lineup_panel, wait_match_screen)
from velmo_driver import DARK_BLUE, DARK_RED, Game, check, run_cases  # noqa: E402

MATCHDAYS = 38
FIRST_PAST_SEASON = (40, 378)  # the History screen's first line of past seasons (src/season/history_screen.cpp)


def play_finished_match(game):
    """"&Match", "&Finish" at once, "&Close": the result message, then the main screen again."""
    game.hold_key("p")
    wait_match_screen(game)
    game.hold_key("f")
    game.wait_for(lambda: minute(game.grab()) == 90, 5, "the final whistle at once")
    check(game.answer("c")[0].startswith("VELMO - "), "the result message")


def save_now(game):
    check(game.answer("s") == ["The game has been saved."], "saved")
    game.wait_main_screen()


def test_season_finished_match_by_match(display, build):
    with Game(display, build, **FAKETIME) as game:
        game.pass_intro()
        mark_lineup(game, STARTERS, BENCH)
        game.hold_key("u")
        wait_lineup_panel(game, 6)
        play_finished_match(game)
        save_now(game)
        check(saved_by_sim(game, build, 1), "matchday 1 finished at once is velmo-sim's matchday 1")
        for _ in range(2, MATCHDAYS):
            play_finished_match(game)
        save_now(game)
        check(saved_by_sim(game, build, MATCHDAYS - 1), "37 matchdays are velmo-sim's 37")
        game.hold_key("p")
        wait_match_screen(game)
        game.hold_key("f")
        game.wait_for(lambda: minute(game.grab()) == 90, 5, "the last final whistle")
        game.answer("c")
        game.wait_for(lambda: game.grab().only(1, 10, 4, 580, {DARK_BLUE}), 10, "the season-end screen")
        game.screenshot("season_end_in_window")
        game.hold_key("n")
        game.wait_main_screen()
        check(made_by_sim(game, build, "history.dat", "--seasons", "1", "--history"), "kept as velmo-sim keeps it")
        number, *counts, goals_against, champion = pathlib.Path(game.path("history.dat")).read_text().split()
        line = ["*", number, *counts[:-1], f"{counts[-1]}-{goals_against}", champion]  # the only, so the best
        game.hold_key("h")
        game.wait_for(lambda: game.grab().read_text(*FIRST_PAST_SEASON, 60, DARK_RED).split() == line, 10,
                      f"the History screen listing {line}")
        game.screenshot("history_new_league")
        game.hold_key("c")
        game.wait_main_screen()


if __name__ == "__main__":
    run_cases([test_season_finished_match_by_match])  # faketime's game outlives the wrapper: one case
