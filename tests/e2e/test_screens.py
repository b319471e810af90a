"""The standings, calendar, About and season-end screens through the window.

Each screen is opened by its key, read with the game's own font where its
layout puts the text, photographed into tests/e2e/out/ and closed by its
key; the main screen must come back exactly as it was (same opponent).

The league is our own small test league (tests/e2e/data): its clubs and a
six-matchday fixture file, so the expected texts do not follow the
shipped data.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import (DARK_BLUE, DARK_RED, WHITE, Display, Game,  # noqa: E402
                          parse_args)

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")

RESTORED = ["The saved game was successfully restored."]
SAVED = ["The game has been saved."]

# Where each text box's first line starts: the box's corner plus 4 pixels.
STANDINGS_NAMES = (204, 94)
STANDINGS_NUMBERS = (314, 94)
CALENDAR_HEADING = (280, 70)
CALENDAR_FIXTURES = (229, 114)
ABOUT_TEXT = (74, 444)
FINAL_NAMES = (299, 74)
FINAL_NUMBERS = (419, 74)
FINAL_RESULTS = (64, 74)

# The table of saved_md5.dat, by hand: points, then goal difference, then slot.
MD5_TABLE = ["ZUCCARIA", "VELMO", "ALBERESCA", "CAVOLANO", "BRUNDELLO", "DRAGONIA",
             "FERRALBA", "LIMONETO", "GIUNCARO", "MORSELLA", "NEBBIOSA", "PESCORVO",
             "ORTICANE", "QUARTORA", "SALVIRO", "RAVENTO", "TRAMONTA", "UVASECCA",
             "ZAFFERO", "VENTOLA"]
# Matchday 5 of saved_md5.dat as the calendar writes it.
MD5_MATCHDAY_5 = ["VELMO  FERRALBA  3 - 2", "GIUNCARO  DRAGONIA  1 - 2",
                  "LIMONETO  CAVOLANO  1 - 1", "MORSELLA  BRUNDELLO  0 - 1",
                  "NEBBIOSA  ALBERESCA  1 - 2", "ORTICANE  ZUCCARIA  0 - 2",
                  "PESCORVO  ZAFFERO  1 - 1", "QUARTORA  VENTOLA  0 - 0",
                  "RAVENTO  UVASECCA  1 - 0", "SALVIRO  TRAMONTA  2 - 1"]


def data(name):
    with open(os.path.join(DATA, name)) as f:
        return f.read()


def test_league(**files):
    league = {"teams.dat": data("teams.dat"), "calendario.dat": data("calendario6.dat")}
    league.update(files)
    return league


def fixture_lines(fixtures):
    return [f"{h} {a} {hg} {ag} \n" for h, a, hg, ag in fixtures]


def md5_parts():
    """saved_md5.dat cut in its team lines and the fixture lines of its five blocks."""
    lines = data("saved_md5.dat").splitlines(keepends=True)
    blocks = [lines[22 + 11 * k:32 + 11 * k] for k in range(5)]
    return lines[1:21], blocks


def saved_game(count, blocks):
    """A saved game with saved_md5.dat's team lines: `blocks` are (number,
    fixture lines) for the matchdays played."""
    teams, _ = md5_parts()
    return f"{count} \n" + "".join(teams) + "".join(
        f"{number} \n" + "".join(fixtures) for number, fixtures in blocks)


# Matchday 6 of calendario6.dat with results.
MATCHDAY_6 = [(5, 19, 1, 1), (6, 4, 0, 2), (7, 3, 1, 0), (8, 2, 2, 2), (9, 1, 0, 1),
              (10, 0, 3, 1), (11, 18, 0, 0), (12, 17, 1, 2), (13, 16, 2, 0), (14, 15, 1, 1)]


def lines_at(shot, origin, count, fg, cells=32, step=8):
    """`count` lines of a text box read from `origin`, trailing blanks dropped."""
    x, y = origin
    return [shot.read_text(x, y + step * n, cells, fg).rstrip() for n in range(count)]


def every_other(lines):
    """A box's text lines: each line of a table is followed by an empty one."""
    return lines[::2]


def check(condition, what):
    if not condition:
        raise AssertionError(what)
    print("ok -", what)


def check_lines(got, expected, what):
    if got != expected:
        raise AssertionError(f"{what}:\n  expected {expected}\n  got      {got}")
    print("ok -", what)


def wait_text(game, origin, text, fg, what):
    return game.wait_for(lambda: game.grab().read_text(*origin, len(text), fg) == text, 10, what)


def back_to_main(game, main, what):
    """Waits for the main screen to be drawn again exactly as it was before
    (the same panels, so the same opponent line-up)."""
    game.wait_for(lambda: game.grab().data == main, 10, what)
    print("ok -", what)


def answer_message(game, expected):
    check_lines(game.box_lines(), expected, f"the message {expected[0]!r}")
    game.hold_key("Return")
    game.wait_box_gone()
    game.wait_main_screen()


def load_saved_game(game):
    game.hold_key("l")
    answer_message(game, RESTORED)


def standings_and_calendar(display, build):
    files = test_league(**{"saved.dat": data("saved_md5.dat")})
    with Game(display, build, files=files) as game:
        game.pass_intro()
        load_saved_game(game)
        main = game.grab().data

        game.hold_key("t")
        wait_text(game, (350, 70), "Standings", WHITE, "the standings")
        shot = game.grab()
        game.screenshot("standings")
        names = every_other(lines_at(shot, STANDINGS_NAMES, 42, DARK_BLUE, cells=11))
        check_lines(names, ["Team"] + MD5_TABLE, "the names column in table order")
        numbers = every_other(lines_at(shot, STANDINGS_NUMBERS, 42, DARK_RED))
        check_lines([numbers[0], numbers[1], numbers[2], numbers[20]],
                    ["P.  G.  V.  P.  S.  GF.  GS.", "13  5  4  1   0   9    2",
                     "13  5  4  1   0   10    3", "1  5  0  1   4   1    9"],
                    "the numbers column: header, the two leaders, the last")
        game.hold_key("c")
        back_to_main(game, main, "closing the standings redraws the same main screen")

        game.hold_key("c")
        wait_text(game, CALENDAR_HEADING, "Match Day 6", DARK_BLUE, "the calendar")
        shot = game.grab()
        game.screenshot("calendar")
        check_lines(every_other(lines_at(shot, CALENDAR_FIXTURES, 4, DARK_BLUE, cells=28)),
                    ["GIUNCARO  VELMO  0 - 0", "LIMONETO  FERRALBA  0 - 0"],
                    "it opens on the next matchday, not yet played")
        game.hold_key("i")
        wait_text(game, CALENDAR_HEADING, "Match Day 5", DARK_BLUE, "the page before")
        check_lines(every_other(lines_at(game.grab(), CALENDAR_FIXTURES, 20, DARK_BLUE, cells=28)),
                    MD5_MATCHDAY_5, "'&Previous' shows the last matchday played with its scores")
        game.screenshot("calendar_played")
        for number in (4, 3, 2, 1):
            game.hold_key("i")
            wait_text(game, CALENDAR_HEADING, f"Match Day {number}", DARK_BLUE, f"page {number}")
        check(every_other(lines_at(game.grab(), CALENDAR_FIXTURES, 2, DARK_BLUE, cells=28))
              == ["VELMO  ALBERESCA  2 - 1"], "matchday 1 from the saved game")
        game.hold_key("i")  # nothing before the first page
        game.hold_key("a")
        wait_text(game, CALENDAR_HEADING, "Match Day 2", DARK_BLUE, "page 2")
        for number in (3, 4, 5, 6, -1):
            game.hold_key("a")
            wait_text(game, CALENDAR_HEADING, f"Match Day {number}", DARK_BLUE, f"page {number}")
        check_lines(every_other(lines_at(game.grab(), CALENDAR_FIXTURES, 20, DARK_BLUE, cells=28)),
                    ["-  -  0 - 0"] * 10, "past a short fixture file the lines show '-'")
        game.screenshot("calendar_past_the_end")
        game.hold_key("c")
        back_to_main(game, main, "closing the calendar redraws the same main screen")

        game.hold_key("a")
        wait_text(game, ABOUT_TEXT, "VELMO - a football manager", DARK_BLUE, "the About box")
        game.screenshot("about")
        about = lines_at(game.grab(), ABOUT_TEXT, 9, DARK_BLUE, cells=76)
        check_lines([about[n] for n in (0, 2, 4, 6, 7, 8)],
                    ["VELMO - a football manager", "by the Velmo team, 2026",
                     "https://velmo.example.org  -  team@velmo.example.org", "",
                     "Instructions on how to play in the file 'README.TXT'",
                     "A short essay on Italian football in the file 'calcio.rtf'"],
                    "the About text's first lines")
        check(all(os.path.exists(os.path.join(game.folder, f)) for f in ("README.TXT", "calcio.rtf")),
              "the files it names are shipped beside the game")
        game.hold_key("c")
        back_to_main(game, main, "'&About' then c: the same main screen, same opponent")


def wait_season_end(game):
    wait_text(game, FINAL_NAMES, "Team", WHITE, "the season-end screen")
    return game.grab()


def new_league_is_empty(game):
    """Saves the new league and compares it with the start of a league."""
    game.hold_key("s")
    answer_message(game, SAVED)
    with open(game.path("saved.dat")) as f:
        return f.read() == data("start_expected.dat")


def season_end_after_38(display, build):
    _, md5_blocks = md5_parts()
    played = [(n + 1, md5_blocks[n % 5]) for n in range(37)]
    last = fixture_lines([(19, 4, 3, 2), (5, 3, 1, 2)] + MATCHDAY_6[2:])
    files = test_league(**{"saved.dat": saved_game(38, played + [(38, last)])})
    with Game(display, build, files=files) as game:
        game.pass_intro()
        game.hold_key("l")
        shot = wait_season_end(game)
        game.screenshot("season_end")
        check_lines(every_other(lines_at(shot, FINAL_NAMES, 6, WHITE, cells=10)),
                    ["Team", "ZUCCARIA", "VELMO"], "the final table")
        check(every_other(lines_at(shot, FINAL_NUMBERS, 4, WHITE))[1] == "13  38  4  1   0   9    2",
              "38 matchdays played on every row")
        check_lines(every_other(lines_at(shot, FINAL_RESULTS, 4, DARK_RED, cells=27)),
                    ["VELMO  FERRALBA  3 - 2", "GIUNCARO  DRAGONIA  1 - 2"],
                    "the results of the 38th matchday")
        game.hold_key("n")
        answer_message(game, RESTORED)
        check(new_league_is_empty(game), "'&New League': matchday 0, every counter 0")


def season_end_short_file(display, build):
    _, md5_blocks = md5_parts()
    played = [(n + 1, md5_blocks[n]) for n in range(5)] + [(6, fixture_lines(MATCHDAY_6))]
    files = test_league(**{"saved.dat": saved_game(6, played)})
    with Game(display, build, files=files) as game:
        game.pass_intro()
        game.hold_key("l")
        shot = wait_season_end(game)
        check_lines(every_other(lines_at(shot, FINAL_RESULTS, 2, DARK_RED, cells=27)),
                    ["GIUNCARO  VELMO  1 - 1"],
                    "a short fixture file ends the season after its last matchday")
        game.hold_key("Escape")  # any way out starts the new league
        answer_message(game, RESTORED)
        check(new_league_is_empty(game), "Escape too starts a new league")


def season_end_without_matchdays(display, build):
    with Game(display, build, files=test_league(**{"calendario.dat": ""})) as game:
        game.pass_intro()
        game.hold_key("a")
        wait_text(game, ABOUT_TEXT, "VELMO", DARK_BLUE, "the About box")
        game.hold_key("c")  # the redraw finds the season over
        shot = wait_season_end(game)
        game.screenshot("season_end_no_matchday")
        check(lines_at(shot, FINAL_RESULTS, 1, DARK_RED, cells=27) == ["No matchday was played."],
              "an empty fixture file: the results box says no matchday was played")
        game.hold_key("n")
        game.wait_main_screen()
        check(game.alive(), "and the new league starts")


def screens_without_pictures(display, build):
    """Every screen of this file opens, reads and closes with its picture gone."""
    _, md5_blocks = md5_parts()
    played = [(n + 1, md5_blocks[n % 5]) for n in range(38)]
    files = test_league(**{"saved.dat": saved_game(38, played)})
    gone = ["media/bk0.jpg", "media/bkinfo.jpg", "media/bkfinal.jpg"]
    with Game(display, build, files=files, remove=gone) as game:
        game.pass_intro()
        game.hold_key("t")
        wait_text(game, STANDINGS_NAMES, "Team", DARK_BLUE, "the standings without a picture")
        game.screenshot("standings_without_picture")
        game.hold_key("c")
        game.wait_main_screen()
        game.hold_key("c")
        wait_text(game, CALENDAR_HEADING, "Match Day 1", DARK_BLUE, "the calendar without a picture")
        game.hold_key("c")
        game.wait_main_screen()
        game.hold_key("a")
        wait_text(game, ABOUT_TEXT, "VELMO", DARK_BLUE, "the About box without a picture")
        game.hold_key("c")
        game.wait_main_screen()
        game.hold_key("l")
        wait_season_end(game)
        game.screenshot("season_end_without_picture")
        game.hold_key("n")
        answer_message(game, RESTORED)
        check(game.alive(), "no picture: every screen opens and closes on a plain background")


def main():
    build = parse_args().build
    with Display() as display:
        standings_and_calendar(display, build)
        season_end_after_38(display, build)
        season_end_short_file(display, build)
        season_end_without_matchdays(display, build)
        screens_without_pictures(display, build)


if __name__ == "__main__":
    main()
