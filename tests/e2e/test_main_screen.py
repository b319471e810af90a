"""The main screen through the window: the squad list and its headings,
the buttons, the marks and "&Reset", and the three ways of leaving that
must ask "Are you sure?" ("&Exit", Escape, the window's close button).

    python3 tests/e2e/test_main_screen.py --build BUILD_DIR

The squad is our own: twenty players, so rows 20 and 21 stay blank.
"""

import contextlib
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import (BLACK, DARK_BLUE, DARK_RED, PURE_RED, WHITE,  # noqa: E402
                          Game, check, mark_centre, marked, run_cases)

SQUAD = """\
1 Portaluppi Aldo GK 31 22 16 24
12 Gennari Bruno GK 24 19 14 22
2 Tavella Carlo DF 27 20 13 23
3 Brambilla Dario DF 25 18 15 22
4 Casiraghi Enzo DF 31 23 12 19
5 Vespa Fabio DF 28 21 14 21
6 Morini Gino DF 22 17 16 25
7 Scarpa Ivo MF 26 21 22 20
8 Pellizza Lino MF 29 25 19 18
10 Donati Marco MF 27 45 27 21
11 Lanza Nino MF 23 18 0 24
13 Cervi Oreste MF 30 22 18 19
14 Zampa Piero MF 21 17 21 26
9 Ottone Renzo AT 28 23 24 21
15 Sbarra Sergio AT 25 20 25 23
16 Mainardi Tullio AT 30 24 19 17
17 Frugoni Ugo AT 20 16 22 26
18 Calza Vito AT 22 18 17 24
19 Nardi Walter DF 45 -3 31 30
20 Ferri Zeno MF 19 15 12 25
"""

# What each row shows, written out by hand: surname, name, role, "A.", and
# technique, fantasy, condition limited to 1..30.
ROWS = [
    ("Portaluppi", "Aldo", "GK", "31", "22", "16", "24"),
    ("Gennari", "Bruno", "GK", "24", "19", "14", "22"),
    ("Tavella", "Carlo", "DF", "27", "20", "13", "23"),
    ("Brambilla", "Dario", "DF", "25", "18", "15", "22"),
    ("Casiraghi", "Enzo", "DF", "31", "23", "12", "19"),
    ("Vespa", "Fabio", "DF", "28", "21", "14", "21"),
    ("Morini", "Gino", "DF", "22", "17", "16", "25"),
    ("Scarpa", "Ivo", "MF", "26", "21", "22", "20"),
    ("Pellizza", "Lino", "MF", "29", "25", "19", "18"),
    ("Donati", "Marco", "MF", "27", "30", "27", "21"),
    ("Lanza", "Nino", "MF", "23", "18", "1", "24"),
    ("Cervi", "Oreste", "MF", "30", "22", "18", "19"),
    ("Zampa", "Piero", "MF", "21", "17", "21", "26"),
    ("Ottone", "Renzo", "AT", "28", "23", "24", "21"),
    ("Sbarra", "Sergio", "AT", "25", "20", "25", "23"),
    ("Mainardi", "Tullio", "AT", "30", "24", "19", "17"),
    ("Frugoni", "Ugo", "AT", "20", "16", "22", "26"),
    ("Calza", "Vito", "AT", "22", "18", "17", "24"),
    ("Nardi", "Walter", "DF", "45", "1", "30", "30"),
    ("Ferri", "Zeno", "MF", "19", "15", "12", "25"),
]
COLUMNS = [0, 80, 180, 200, 220, 240, 260]  # from x = 50

# The buttons: label, x, y, w, h, text colour, background.
BUTTONS = [
    ("Match", 700, 100, 95, 32, WHITE, DARK_RED),
    ("Calendar", 700, 150, 95, 32, WHITE, DARK_RED),
    ("Standings", 700, 200, 95, 32, WHITE, DARK_RED),
    ("Save", 700, 254, 95, 32, WHITE, DARK_BLUE),
    ("Load", 700, 304, 95, 32, WHITE, DARK_BLUE),
    ("About", 700, 354, 95, 32, WHITE, DARK_BLUE),
    ("Exit", 700, 535, 95, 32, DARK_BLUE, WHITE),
    ("Team LineUp", 700, 6, 95, 32, DARK_BLUE, WHITE),
    ("Reset", 10, 540, 88, 20, DARK_BLUE, WHITE),
]

SETTLE = 0.3  # long enough for the game to have reacted to a key or click


@contextlib.contextmanager
def main_screen(display, build):
    with Game(display, build, files={"velmo.dat": SQUAD}) as game:
        game.pass_intro()
        yield game


def row_y(r):
    return 16 + 24 * r


def click_mark(game, row, column):
    game.click(*mark_centre(row, column))
    game.move_mouse(650, 450)


def marks(shot):
    return {(r, c) for r in range(22) for c in ("T.", "S.") if marked(shot, r, c)}


def wait_marks(game, expected):
    return game.wait_for(lambda: marks(game.grab()) == expected, 5, f"marks {sorted(expected)}")


def test_squad_list_headings_and_buttons(display, build):
    with main_screen(display, build) as game:
        shot = game.grab()
        game.screenshot("main_screen")
        check(shot.text_at(52, 0, "Surname    Name       R. A.T.Fa.Co.", BLACK, WHITE),
              "the list's heading, black on white")
        check(shot.text_at(2, 0, "T.", BLACK, WHITE) and shot.text_at(32, 0, "S.", BLACK, WHITE),
              "the marks' headings")
        for r, row in enumerate(ROWS):
            for x, text in zip(COLUMNS, row):
                check(shot.text_at(50 + x, row_y(r), text, WHITE, BLACK),
                      f"row {r} shows {text!r} at x {50 + x}, white on black")
        for r in (20, 21):
            check(shot.count(50, row_y(r), 300, 8, WHITE) == 0, f"row {r} beyond the squad is blank")
        for r in range(22):
            for column, x in (("T.", 0), ("S.", 30)):
                check(shot.pixel(x, 18 + 24 * r) == WHITE and shot.pixel(x + 15, 10 + 24 * r) == BLACK
                      and not marked(shot, r, column), f"row {r}'s {column} mark is there, unmarked")
        check(shot.text_at(350, 0, "Choose 11 Team Players and 6 Substitutes", DARK_RED, WHITE)
              and shot.text_at(350, 10, "then click on 'Team LineUp'", DARK_RED, WHITE),
              "the instructions, dark red on white")
        check(not shot.text_at(350, 40, "Module:", WHITE, DARK_RED),
              "no line-up panel before a line-up check")
        check(shot.text_at(10, 580, "Velmo - (c) 2026 the Velmo team - a football manager", PURE_RED),
              "the footer in pure red")
        for label, x, y, w, h, fg, bg in BUTTONS:
            text_x = x + w // 2 - 4 * len(label)
            check(shot.text_at(text_x, y + h // 2 - 4, label, fg)
                  and shot.pixel(x + 2, y + 2) == bg and shot.pixel(x, y) == fg,
                  f'the button "{label}" at ({x}, {y}) in its colours')


def test_a_row_is_a_starter_a_substitute_or_neither(display, build):
    with main_screen(display, build) as game:
        click_mark(game, 3, "T.")
        wait_marks(game, {(3, "T.")})
        click_mark(game, 3, "S.")
        wait_marks(game, {(3, "S.")})
        click_mark(game, 5, "T.")
        wait_marks(game, {(3, "S."), (5, "T.")})
        click_mark(game, 5, "T.")  # clicking a mark again does not clear it
        click_mark(game, 21, "T.")  # a blank row's marks still work
        wait_marks(game, {(3, "S."), (5, "T."), (21, "T.")})
        game.screenshot("main_screen_marks")


def test_reset_clears_every_mark(display, build):
    with main_screen(display, build) as game:
        chosen = {(0, "T."), (1, "T."), (2, "S."), (10, "S."), (19, "T.")}
        for row, column in sorted(chosen):
            click_mark(game, row, column)
        wait_marks(game, chosen)
        game.hold_key("r")
        wait_marks(game, set())


def test_lineup_panel_after_a_valid_check(display, build):
    # One goalkeeper, four defenders, four midfielders, two attackers; three
    # on the bench: the check accepts it silently and redraws the screen.
    with main_screen(display, build) as game:
        for row in (0, 2, 3, 4, 5, 7, 8, 9, 10, 13, 14):
            game.click(*mark_centre(row, "T."))
        for row in (1, 6, 11):
            game.click(*mark_centre(row, "S."))
        game.move_mouse(650, 450)
        game.hold_key("u")
        panel = [  # sums by hand from the squad: rows 0, 2-5 / 7-10 / 13-14
            (40, "Module: 4 - 4 - 2"),
            (60, "DEFENCE (goalkeeper included)"),
            (70, "Technique: 104 Fantasy: 70 Condition: 109"),
            (90, "MIDFIELD"),
            (100, "Technique: 94 Fantasy: 69 Condition: 83"),
            (120, "ATTACK"),
            (130, "Technique: 43 Fantasy: 49 Condition: 44"),
            (150, "Substitutes: 3"),
        ]
        game.wait_for(lambda: all(game.grab().text_at(350, y, text, WHITE, DARK_RED)
                                  for y, text in panel), 5, "the line-up panel")
        shot = game.grab()
        check(game.main_screen_drawn(shot) and shot.text_at(50, 16, "Portaluppi", WHITE, BLACK),
              "drawn over a whole main screen")
        check(marks(shot) == {(r, "T.") for r in (0, 2, 3, 4, 5, 7, 8, 9, 10, 13, 14)}
              | {(r, "S.") for r in (1, 6, 11)}, "the marks stay as they were")
        game.screenshot("main_screen_lineup_panel")


def test_exit_asks_and_no_keeps_the_game(display, build):
    with main_screen(display, build) as game:
        click_mark(game, 4, "T.")
        wait_marks(game, {(4, "T.")})
        time.sleep(SETTLE)
        before = game.grab()
        game.hold_key("e")
        check(game.box_lines() == ["Are you sure?"], '"&Exit" asks')
        game.screenshot("exit_question")
        game.hold_key("n")
        game.wait_box_gone()
        time.sleep(SETTLE)
        check(game.alive() and game.grab().data == before.data,
              "No keeps the game and the screen exactly as it was")
        game.hold_key("e")
        game.box_lines()
        game.hold_key("s")
        check(game.exit_status() == 1, '"&Exit" then s ends the game with status 1')


def test_escape_asks_like_exit(display, build):
    with main_screen(display, build) as game:
        for answer in ("n", "Escape"):
            game.hold_key("Escape")
            check(game.box_lines() == ["Are you sure?"], "Escape on the main screen asks")
            game.hold_key(answer)
            game.wait_box_gone()
            time.sleep(SETTLE)
            check(game.alive() and game.main_screen_drawn(game.grab()),
                  f"{answer} in the question keeps the game")
        game.hold_key("Escape")
        game.box_lines()
        game.hold_key("s")
        check(game.exit_status() == 1, "Escape then s ends it with status 1")


def test_close_button_asks(display, build):
    with main_screen(display, build) as game:
        game.send_wm_delete()
        check(game.box_lines() == ["Are you sure?"], "the window's close button asks")
        game.screenshot("close_button_question")
        game.hold_key("n")
        game.wait_box_gone()
        time.sleep(SETTLE)
        check(game.alive() and game.main_screen_drawn(game.grab()), "No keeps the game")
        game.send_wm_delete()
        game.box_lines()
        game.hold_key("s")
        check(game.exit_status() == 1, "Yes ends it with status 1")


if __name__ == "__main__":
    run_cases([
        test_squad_list_headings_and_buttons,
        test_a_row_is_a_starter_a_substitute_or_neither,
        test_reset_clears_every_mark,
        test_lineup_panel_after_a_valid_check,
        test_exit_asks_and_no_keeps_the_game,
        test_escape_asks_like_exit,
        test_close_button_asks,
    ])
