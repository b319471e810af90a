"""The main screen: squad list, buttons, marks, "&Reset", and the question "&Exit", Escape and the close button ask."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import (BLACK, DARK_BLUE, DARK_RED, PURE_RED, WHITE,  # noqa: E402
                          Game, check, mark_centre, marked, run_cases)

SQUAD = """\
1 Portaluppi Aldo GK 31 22 16 24
2 Tavella Carlo DF 27 20 13 23
10 Donati Marco MF 27 45 27 21
11 Lanza Nino MF 23 18 0 24
19 Nardi Walter DF 45 -3 31 30
9 Ottone Renzo AT 28 23 24 21
"""
# Each row as drawn, by hand: surname, name, role, "A.", then technique, fantasy, condition kept in 1..30.
ROWS = [("Portaluppi", "Aldo", "GK", "31", "22", "16", "24"), ("Tavella", "Carlo", "DF", "27", "20", "13", "23"),
        ("Donati", "Marco", "MF", "27", "30", "27", "21"), ("Lanza", "Nino", "MF", "23", "18", "1", "24"),
        ("Nardi", "Walter", "DF", "45", "1", "30", "30"), ("Ottone", "Renzo", "AT", "28", "23", "24", "21")]
COLUMNS = [50, 130, 230, 250, 270, 290, 310]
TEXTS = [  # x, y, text, colour, opaque background
    (52, 0, "Surname    Name       R. A.T.Fa.Co.", BLACK, WHITE),
    (2, 0, "T.", BLACK, WHITE), (32, 0, "S.", BLACK, WHITE),
    (350, 0, "Choose 11 Team Players and 6 Substitutes", DARK_RED, WHITE),
    (350, 10, "then click on 'Team LineUp'", DARK_RED, WHITE),
    (10, 580, "Velmo - (c) 2026 the Velmo team - a football manager", PURE_RED, None),
] + [(x, 16 + 24 * r, text, WHITE, BLACK) for r, row in enumerate(ROWS) for x, text in zip(COLUMNS, row)]
BUTTONS = [(label, 700, y, 95, 32, WHITE, bg) for label, y, bg in (  # label, x, y, w, h, text colour, background
    ("Match", 100, DARK_RED), ("Calendar", 150, DARK_RED), ("Standings", 200, DARK_RED),
    ("Save", 254, DARK_BLUE), ("Load", 304, DARK_BLUE), ("About", 354, DARK_BLUE), ("History", 404, DARK_BLUE))] + [
    ("Exit", 700, 535, 95, 32, DARK_BLUE, WHITE), ("Team LineUp", 700, 6, 95, 32, DARK_BLUE, WHITE),
    ("Reset", 10, 540, 88, 20, DARK_BLUE, WHITE)]
CLICKS = [  # the mark clicked, then every mark on the screen
    ((3, "T."), {(3, "T.")}), ((3, "S."), {(3, "S.")}),  # a row's "S." unmarks its "T."
    ((5, "T."), {(3, "S."), (5, "T.")}),  # and leaves other rows alone
    ((5, "T."), {(3, "S."), (5, "T.")}),  # a mark clicked again stays
    ((21, "T."), {(3, "S."), (5, "T."), (21, "T.")}),  # a blank row's marks work
    ((3, "T."), {(3, "T."), (5, "T."), (21, "T.")}),  # "T." unmarks "S."
    ((0, "S."), {(0, "S."), (3, "T."), (5, "T."), (21, "T.")}),
]


def marks(shot):
    return {(r, c) for r in range(22) for c in ("T.", "S.") if marked(shot, r, c)}


def test_main_screen(display, build):
    with Game(display, build, files={"velmo.dat": SQUAD}) as game:
        game.pass_intro()
        game.screenshot("main_screen")
        shot = game.grab()
        check(not [t for t in TEXTS if not shot.text_at(*t)], "every text drawn where and as it should be")
        check(not shot.text_at(350, 40, "Module:", WHITE, DARK_RED), "no line-up panel before a line-up check")
        check(all(shot.count(50, 16 + 24 * r, 300, 8, WHITE) == 0 for r in range(len(ROWS), 22)),
              "rows past the squad are blank")
        check(all(shot.pixel(x, 18 + 24 * r) == WHITE and shot.pixel(x + 15, 10 + 24 * r) == BLACK
                  for r in range(22) for x in (0, 30)) and not marks(shot), "44 empty marks, 24 pixels apart")
        for label, x, y, w, h, fg, bg in BUTTONS:
            check(shot.text_at(x + w // 2 - 4 * len(label), y + h // 2 - 4, label, fg)
                  and shot.pixel(x + 2, y + 2) == bg and shot.pixel(x, y) == fg, f'the button "{label}"')
        for (row, column), expected in CLICKS:
            game.click(*mark_centre(row, column))
            game.wait_for(lambda: marks(game.grab()) == expected, 5, f"marks {sorted(expected)}")
        game.screenshot("main_screen_marks")
        game.hold_key("r")
        game.wait_for(lambda: not marks(game.grab()), 5, '"&Reset" to clear every mark')
        before = game.settled()
        for how, answer in (("e", "n"), ("Escape", "Escape"), ("close", "n")):  # the answer keeps the game
            check(game.ask(how) == ["Are you sure?"], f"{how} asks")
            game.screenshot(f"question_{how}")
            game.hold_key(answer)
            game.wait_box_gone()
            check(game.settled().data == before.data, f"{answer} keeps the game and its screen")
        check(game.ask("e") == ["Are you sure?"], "e asks again")
        game.hold_key("s")
        check(game.process.wait(10) == 1, '"&Exit" then s ends the game with status 1')


if __name__ == "__main__":
    run_cases([test_main_screen])
