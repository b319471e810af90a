"""Saving, loading and the other screens (standings, calendar, About, History, the season's end) over our
test league: tests/e2e/data, all written by hand."""

import os
import pathlib
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import DARK_BLUE, DARK_RED, WHITE, Game, check, run_cases  # noqa: E402

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")
SAVED = ["The game has been saved."]
RESTORED = ["The saved game was successfully restored."]
# Where each text box's first line starts: the box's corner plus 4 pixels.
STANDINGS_NAMES, STANDINGS_NUMBERS = (204, 94), (314, 94)
CALENDAR_HEADING, CALENDAR_FIXTURES = (280, 70), (229, 114)
ABOUT = (74, 444)
FINAL_NAMES, FINAL_NUMBERS, FINAL_RESULTS = (299, 74), (419, 74), (64, 74)
# The History chart as src/season/history_screen.cpp draws it: keep the two in step.
CHART_LEFT, CHART_WIDTH, CHART_TOP, POSITION_STEP = 70, 444, 76, 12
CHART_CAPTION, FIGURES, SEASONS = (40, 48), (562, 118), (40, 366)  # where texts of the History screen start
# Velmo's position after each matchday of saved_md5.dat, and the leader's (ZUCCARIA), worked by hand from
# its results: points, then goal difference, then slot. After matchday 1 six clubs have won, three by two
# goals (slots 7, 14, 17), then three by one (3, 13, Velmo: 6th); ZUCCARIA is 14th of the eight 0-goal draws.
VELMO_POSITIONS, LEADER_POSITIONS = [6, 6, 1, 1, 2], [14, 5, 3, 2, 1]
PLAIN_SCREENS = [("t", STANDINGS_NAMES, "Team", DARK_BLUE), ("c", CALENDAR_HEADING, "Match Day 1", DARK_BLUE),
                 ("a", ABOUT, "VELMO", DARK_BLUE),
                 ("h", SEASONS, "The season history is damaged and is not shown.", DARK_RED)]
# Matchday 5 of saved_md5.dat as the calendar writes it.
MD5_MATCHDAY_5 = ["VELMO  FERRALBA  3 - 2", "GIUNCARO  DRAGONIA  1 - 2", "LIMONETO  CAVOLANO  1 - 1",
                  "MORSELLA  BRUNDELLO  0 - 1", "NEBBIOSA  ALBERESCA  1 - 2", "ORTICANE  ZUCCARIA  0 - 2",
                  "PESCORVO  ZAFFERO  1 - 1", "QUARTORA  VENTOLA  0 - 0", "RAVENTO  UVASECCA  1 - 0",
                  "SALVIRO  TRAMONTA  2 - 1"]


def data(name):
    return pathlib.Path(DATA, name).read_text()


def message(game, key):
    """Presses a main-screen key; returns its message, answered, once the main screen is back."""
    lines = game.answer(key)
    game.wait_main_screen()
    return lines


def put_saved(game, name):
    pathlib.Path(game.path("saved.dat")).write_text(data(name))


def saved_is(game, name):
    return pathlib.Path(game.path("saved.dat")).read_text() == data(name)


def saves_as(game, name):
    """"&Save" says so and writes the file `name` holds."""
    return message(game, "s") == SAVED and saved_is(game, name)


def lines_at(game, origin, count, fg, cells=32, step=16):  # a text box's lines, trailing blanks dropped
    shot, (x, y) = game.grab(), origin
    return [shot.read_text(x, y + step * n, cells, fg).rstrip() for n in range(count)]


def open_at(game, key, origin, text, fg=DARK_BLUE):
    game.hold_key(key)
    game.wait_for(lambda: game.grab().read_text(*origin, len(text), fg) == text, 10, repr(text))


def close_to(game, main):  # "&Close" (c) redraws the main screen as before, with the same opponent line-up
    game.hold_key("c")
    game.wait_for(lambda: game.grab().data == main, 10, "the main screen as it was")


def chart_point(matchday, position, matchdays=6):  # the fixture file calendario6.dat has six
    return (CHART_LEFT + (matchday - 1) * CHART_WIDTH // (matchdays - 1),
            CHART_TOP + (position - 1) * POSITION_STEP)


def check_screens_of_matchday_5(game, main):
    """Standings, calendar pages, About and History over saved_md5.dat; each "&Close" gives the main screen
    back as it was."""
    open_at(game, "t", (350, 70), "Standings", WHITE)
    table = [line.split()[0] for line in data("saved_md5_expected.dat").splitlines()[1:21]]
    check(lines_at(game, STANDINGS_NAMES, 21, DARK_BLUE, 11) == ["Team"] + table, "in order")
    check(lines_at(game, STANDINGS_NUMBERS, 2, DARK_RED) == ["P.  G.  V.  P.  S.  GF.  GS.",
                                                            "13  5  4  1   0   9    2"], "the numbers column")
    close_to(game, main)

    open_at(game, "c", CALENDAR_HEADING, "Match Day 6")
    check(lines_at(game, CALENDAR_FIXTURES, 2, DARK_BLUE, 28)
          == ["GIUNCARO  VELMO  0 - 0", "LIMONETO  FERRALBA  0 - 0"], "on the next matchday")
    open_at(game, "i", CALENDAR_HEADING, "Match Day 5")
    check(lines_at(game, CALENDAR_FIXTURES, 10, DARK_BLUE, 28) == MD5_MATCHDAY_5, "the last played")
    for key, number in [("i", n) for n in (4, 3, 2, 1, 1)] + [("a", n) for n in (2, 3, 4, 5, 6, -1)]:
        open_at(game, key, CALENDAR_HEADING, f"Match Day {number}")  # nothing before the first page
    close_to(game, main)

    open_at(game, "a", ABOUT, "VELMO - a football manager")
    about = lines_at(game, ABOUT, 9, DARK_BLUE, 76, step=8)
    check([about[n] for n in (2, 4, 7, 8)] == [
        "by the Velmo team, 2026", "https://velmo.example.org  -  team@velmo.example.org",
        "Instructions on how to play in the file 'README.TXT'",
        "A short essay on Italian football in the file 'calcio.rtf'"], f"the About text: {about}")
    close_to(game, main)

    open_at(game, "h", CHART_CAPTION, "Position after each matchday", DARK_RED)
    shot = game.grab()
    for matchday, (velmo, leader) in enumerate(zip(VELMO_POSITIONS, LEADER_POSITIONS), 1):
        column = [shot.pixel(*chart_point(matchday, p)) for p in range(1, 21)]
        check([p for p in range(1, 21) if column[p - 1] == DARK_RED] == [velmo],
              f"matchday {matchday}: Velmo's one dot at position {velmo}")
        check(column[leader - 1] == DARK_BLUE, f"matchday {matchday}: the leader's dot at {leader}")
    check(shot.pixel(*chart_point(6, 2)) != DARK_RED, "no dot past the matchdays played")
    check(lines_at(game, FIGURES, 1, DARK_BLUE, 25)[0] == "Won 4  Drawn 1  Lost 0", "the results counted")
    close_to(game, main)


def test_saved_games_and_screens(display, build):
    files = {"teams.dat": data("teams.dat"), "calendario.dat": data("calendario6.dat")}
    with Game(display, build, files=files) as game:
        game.pass_intro()
        check(message(game, "l") == ["There are no saved games to restore!"], "nothing to load")
        check(not os.path.exists(game.path("saved.dat")), "and nothing written")
        check(saves_as(game, "start_expected.dat"), "saved at the start")

        put_saved(game, "saved_md5.dat")  # matchday 5, clubs out of order, one renamed
        check(message(game, "l") == RESTORED, "matchday 5 restored")
        check_screens_of_matchday_5(game, game.grab().data)
        check(saves_as(game, "saved_md5_expected.dat"), "saved in standings order")

        put_saved(game, "saved_damaged.dat")  # cut inside matchday 3
        refusal = message(game, "l")
        check("damaged" in " ".join(refusal) and refusal != RESTORED, f"refused: {refusal}")
        check(saves_as(game, "saved_md5_expected.dat"), "nothing changed")
        os.mkdir(game.path("saved.dat.tmp"))  # the temporary file cannot be written, even by root
        refusal = message(game, "s")
        check("not be saved" in " ".join(refusal) and refusal != SAVED, f"failed save: {refusal}")
        check(saved_is(game, "saved_md5_expected.dat"), "and leaves the previous save whole")
        os.rmdir(game.path("saved.dat.tmp"))

        for picture in ("bk0.jpg", "bkinfo.jpg", "bkfinal.jpg"):  # each screen loads its own
            os.remove(game.path("media/" + picture))
        damaged = "1 2 13 4 1 0 10 3\n"  # no champion
        pathlib.Path(game.path("history.dat")).write_text(damaged)
        put_saved(game, "saved_38.dat")  # a finished season opens the season-end screen
        open_at(game, "l", FINAL_NAMES, "Team", WHITE)
        check(lines_at(game, FINAL_RESULTS, 2, DARK_RED, 27) == ["VELMO  FERRALBA  3 - 2", "GIUNCARO  DRAGONIA  1 - 2"]
              and lines_at(game, FINAL_NAMES, 3, WHITE, 10) == ["Team", "ZUCCARIA", "VELMO"]
              and lines_at(game, FINAL_NUMBERS, 2, WHITE)[1] == "13  38  4  1   0   9    2", "results and table")
        not_kept = message(game, "Escape")  # a way out, as "&New League"
        check("damaged" in " ".join(not_kept) and game.dismiss_box() == RESTORED, f"not kept: {not_kept}")
        check(saves_as(game, "start_expected.dat"), "a new league")
        for key, origin, text, fg in PLAIN_SCREENS:  # on a plain background
            open_at(game, key, origin, text, fg)
            game.hold_key("c")
            game.wait_main_screen()
        check(pathlib.Path(game.path("history.dat")).read_text() == damaged, "the damaged history left as it is")


if __name__ == "__main__":
    run_cases([test_saved_games_and_screens])
