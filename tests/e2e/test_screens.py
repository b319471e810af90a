"""Saving, loading and the other screens (standings, calendar, About, History, the season's end) over our
test league: tests/e2e/data, all written by hand."""

import os
import pathlib
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import DARK_BLUE, DARK_RED, WHITE, Game, check, run_cases  # noqa: E402

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")
SAVED, RESTORED = ["The game has been saved."], ["The saved game was successfully restored."]
# Where texts start: a text box's lines at its corner plus 4 pixels, 16 pixels apart.
STANDINGS_LEADER, CALENDAR_HEADING, CALENDAR_FIXTURES, ABOUT = (204, 110), (280, 70), (229, 114), (74, 444)
FINAL_CHAMPION, FINAL_RESULTS, HISTORY_CAPTION, HISTORY_SEASONS = (299, 90), (64, 74), (40, 48), (40, 366)
# The History chart as src/season/history_screen.cpp draws it: keep the two in step.
CHART_LEFT, CHART_WIDTH, CHART_TOP, POSITION_STEP = 70, 444, 76, 12
# Velmo's position after each matchday of saved_md5.dat, and the leader's (ZUCCARIA), worked by hand from
# its results: points, then goal difference, then slot. After matchday 1 six clubs have won, three by two
# goals (slots 7, 14, 17), then three by one (3, 13, Velmo: 6th); ZUCCARIA is 14th of the eight 0-goal draws.
VELMO_POSITIONS, LEADER_POSITIONS = [6, 6, 1, 1, 2], [14, 5, 3, 2, 1]


def data(name):
    return pathlib.Path(DATA, name).read_text()


def message(game, key):  # a main-screen key's message, answered, once the main screen is back
    lines = game.answer(key)
    game.wait_main_screen()
    return lines


def put_saved(game, name):
    pathlib.Path(game.path("saved.dat")).write_text(data(name))


def saved_is(game, name):
    return pathlib.Path(game.path("saved.dat")).read_text() == data(name)


def open_at(game, key, origin, text, fg=DARK_BLUE):
    game.hold_key(key)
    game.wait_for(lambda: game.grab().read_text(*origin, len(text), fg) == text, 10, repr(text))


def close_to(game, main):  # "&Close" (c) redraws the main screen as before, with the same opponent line-up
    game.hold_key("c")
    game.wait_for(lambda: game.grab().data == main, 10, "the main screen as it was")


def check_history_chart(shot):
    for matchday, (velmo, leader) in enumerate(zip(VELMO_POSITIONS, LEADER_POSITIONS)):
        x = CHART_LEFT + matchday * CHART_WIDTH // 5  # the fixture file calendario6.dat has six matchdays
        column = [shot.pixel(x, CHART_TOP + (p - 1) * POSITION_STEP) for p in range(1, 21)]
        check([p for p in range(1, 21) if column[p - 1] == DARK_RED] == [velmo] and column[leader - 1] == DARK_BLUE,
              f"matchday {matchday + 1}: Velmo's one dot at position {velmo}, the leader's at {leader}")
    check(shot.pixel(CHART_LEFT + CHART_WIDTH, CHART_TOP + POSITION_STEP) != DARK_RED, "none past matchday 5")


def test_saved_games_and_screens(display, build):
    files = {"teams.dat": data("teams.dat"), "calendario.dat": data("calendario6.dat")}
    with Game(display, build, files=files) as game:
        game.pass_intro()
        check(message(game, "l") == ["There are no saved games to restore!"], "nothing to load")
        check(not os.path.exists(game.path("saved.dat")), "and nothing written")
        check(message(game, "s") == SAVED and saved_is(game, "start_expected.dat"), "saved at the start")

        put_saved(game, "saved_md5.dat")  # matchday 5, clubs out of order, one renamed
        check(message(game, "l") == RESTORED, "matchday 5 restored")
        main = game.grab().data
        open_at(game, "t", STANDINGS_LEADER, "ZUCCARIA")  # the leader, under "Team"
        close_to(game, main)
        open_at(game, "c", CALENDAR_HEADING, "Match Day 6")  # the next matchday's page first
        open_at(game, "i", CALENDAR_FIXTURES, "VELMO  FERRALBA  3 - 2")  # then the last played, with its results
        for key, number in [("i", n) for n in (4, 3, 2, 1, 1)] + [("a", n) for n in (2, 3, 4, 5, 6, -1)]:
            open_at(game, key, CALENDAR_HEADING, f"Match Day {number}")  # nothing before the first page
        close_to(game, main)
        open_at(game, "a", ABOUT, "VELMO - a football manager")
        close_to(game, main)
        open_at(game, "h", HISTORY_CAPTION, "Position after each matchday", DARK_RED)
        check_history_chart(game.grab())
        close_to(game, main)
        check(message(game, "s") == SAVED and saved_is(game, "saved_md5_expected.dat"), "saved in standings order")

        put_saved(game, "saved_damaged.dat")  # cut inside matchday 3
        check("damaged" in " ".join(message(game, "l")), "a damaged save refused")
        os.mkdir(game.path("saved.dat.tmp"))  # the temporary file cannot be written, even by root
        refusal = message(game, "s")
        check("not be saved" in " ".join(refusal) and saved_is(game, "saved_damaged.dat"), f"failed save: {refusal}")
        os.rmdir(game.path("saved.dat.tmp"))
        check(message(game, "s") == SAVED and saved_is(game, "saved_md5_expected.dat"), "the refused load kept")

        for picture in ("bkinfo.jpg", "bkfinal.jpg"):  # each screen loads its own
            os.remove(game.path("media/" + picture))
        damaged = "1 2 13 4 1 0 10 3\n"  # no champion
        pathlib.Path(game.path("history.dat")).write_text(damaged)
        put_saved(game, "saved_38.dat")  # a finished season opens the season-end screen
        open_at(game, "l", FINAL_RESULTS, "VELMO  FERRALBA  3 - 2", DARK_RED)
        check(game.grab().read_text(*FINAL_CHAMPION, 10, WHITE) == "ZUCCARIA", "the champion")
        not_kept = message(game, "Escape")  # a way out, as "&New League"
        check("damaged" in " ".join(not_kept) and game.dismiss_box() == RESTORED, f"not kept: {not_kept}")
        check(message(game, "s") == SAVED and saved_is(game, "start_expected.dat"), "a new league")
        open_at(game, "h", HISTORY_SEASONS, "The season history is damaged and is not shown.", DARK_RED)
        check(pathlib.Path(game.path("history.dat")).read_text() == damaged, "the damaged history left as it is")


if __name__ == "__main__":
    run_cases([test_saved_games_and_screens])
