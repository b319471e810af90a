"""Start-up through the window: the intro and the keys that end it, the main screen with its texts, buttons
and marks, the question "&Exit", Escape and the close button ask, and a data file's failure."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import (BLACK, DARK_BLUE, DARK_RED, PURE_RED, WHITE,  # noqa: E402
                          Game, check, mark_centre, marked, run_cases)

NOT_INTRO_KEYS = ["1", "0", "KP_5", "F1", "F10", "Right", "Down", "Shift_L", "Control_L", "Tab"]
PICTURES = ["media/intro.jpg", "media/bk0.jpg", "media/quandosaremo.wav"]
SQUAD = "1 Portaluppi Aldo GK 31 22 16 24\n10 Donati Marco MF 27 45 27 0\n19 Nardi Walter DF 45 -3 31 30\n"
# Each row as drawn, by hand: surname, name, role, "A.", then technique, fantasy, condition kept in 1..30.
ROWS = [("Portaluppi", "Aldo", "GK", "31", "22", "16", "24"), ("Donati", "Marco", "MF", "27", "30", "27", "1"),
        ("Nardi", "Walter", "DF", "45", "1", "30", "30")]
COLUMNS = [50, 130, 230, 250, 270, 290, 310]
TEXTS = [  # x, y, text, colour, opaque background
    (52, 0, "Surname    Name       R. A.T.Fa.Co.", BLACK, WHITE),
    (2, 0, "T.", BLACK, WHITE), (32, 0, "S.", BLACK, WHITE),
    (350, 0, "Choose 11 Team Players and 6 Substitutes", DARK_RED, WHITE),
    (350, 10, "then click on 'Team LineUp'", DARK_RED, WHITE),
    (10, 580, "Velmo - (c) 2026 the Velmo team - a football manager", PURE_RED, None),
] + [(x, 16 + 24 * r, text, WHITE, BLACK) for r, row in enumerate(ROWS) for x, text in zip(COLUMNS, row)] + [
    # the buttons' labels, centred: "&Reset" is 88x20 at (10, 540), "Team Line&Up" and the rest 95x32 at x 700
    (34, 546, "Reset", DARK_BLUE, WHITE), (703, 18, "Team LineUp", DARK_BLUE, WHITE),
    (727, 112, "Match", WHITE, DARK_RED), (715, 162, "Calendar", WHITE, DARK_RED),
    (711, 212, "Standings", WHITE, DARK_RED), (731, 266, "Save", WHITE, DARK_BLUE),
    (731, 316, "Load", WHITE, DARK_BLUE), (727, 366, "About", WHITE, DARK_BLUE),
    (719, 416, "History", WHITE, DARK_BLUE), (731, 547, "Exit", DARK_BLUE, WHITE)]
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


def shows_again(game, shot, what):  # once redrawn, under load too, and for good
    game.wait_for(lambda: game.grab().data == shot.data, 5, what)
    check(game.settled().data == shot.data, what)


def check_main_screen(shot):
    check(shot.only(0, 588, 800, 12, {DARK_BLUE}), "without its picture the main screen is plain dark blue")
    check(not [t for t in TEXTS if not shot.text_at(*t)], "every text and button drawn where and as it should be")
    check(not shot.text_at(350, 40, "Module:", WHITE, DARK_RED), "no line-up panel before a line-up check")
    check(all(shot.count(50, 16 + 24 * r, 300, 8, WHITE) == 0 for r in range(len(ROWS), 22)),
          "rows past the squad are blank")
    check(all(shot.pixel(x, 18 + 24 * r) == WHITE and shot.pixel(x + 15, 10 + 24 * r) == BLACK
              for r in range(22) for x in (0, 30)) and not marks(shot), "44 empty marks, 24 pixels apart")


def test_intro_main_screen_and_questions(display, build):
    """Without pictures, over a squad file of our own; the settings cannot be kept (a file where their folder
    would be), which m reports and the game outlives."""
    blocked = tempfile.NamedTemporaryFile(prefix="velmo-not-a-folder-")
    with Game(display, build, remove=PICTURES, files={"velmo.dat": SQUAD},
              env={"XDG_CONFIG_HOME": blocked.name}) as game:
        game.wait_intro()
        intro = game.grab()
        check(intro.only(0, 0, 800, 600, {DARK_RED}), "the intro without its picture is plain dark red")
        for name in NOT_INTRO_KEYS:
            game.hold_key(name)
        game.click(400, 300)
        check(game.settled().data == intro.data, "digits, keypad, function keys, arrows, modifiers, clicks")
        check(game.ask("close") == ["Are you sure?"], "the close button at the intro asks")
        game.hold_key("n")
        game.wait_box_gone()
        shows_again(game, intro, "No keeps the intro, whole, and its key does not end it")
        game.hold_key("s", ms=1500)  # a letter ends the intro; held past the repeat delay, "&Save"'s key
        game.wait_main_screen()
        shot = game.settled()
        check(shot.box() is None and not os.path.exists(game.path("saved.dat")), "the intro's key saved nothing")
        check_main_screen(shot)
        check(game.answer("s") == ["The game has been saved."], "a later s is the main screen's")

        for (row, column), expected in CLICKS:
            game.click(*mark_centre(row, column))
            game.wait_for(lambda: marks(game.grab()) == expected, 5, f"marks {sorted(expected)}")
        game.hold_key("m")
        game.hold_key("r")
        game.wait_for(lambda: not marks(game.grab()), 5, '"&Reset" to clear every mark')
        before = game.settled()
        for how, answer in (("e", "n"), ("Escape", "Escape"), ("close", "n")):  # the answer keeps the game
            check(game.ask(how) == ["Are you sure?"], f"{how} asks")
            game.hold_key(answer)
            game.wait_box_gone()
            shows_again(game, before, f"{answer} keeps the game and its screen")
        check(game.ask("e") == ["Are you sure?"], "e asks again")
        game.hold_key("s")
        check(game.process.wait(10) == 1, '"&Exit" then s ends the game with status 1')
        with open(game.folder + ".log") as log:
            check("could not keep the sound setting" in log.read(), "m's failed write is reported")
    blocked.close()


def test_data_file_failures(display, build):
    """A missing or damaged data file: the message in the window, and at once on the terminal on one line."""
    cases = [  # what is wrong, the key that ends the intro, the message, the key that dismisses it
        (dict(remove=["teams.dat"]), "Return", ["Impossible to find file 'teams.dat'!"], "Escape"),
        (dict(files={"velmo.dat": "1 Rossi Mario GK 20 20 20 20\n2 Bianchi Luca DF seven 20 20 20\n"}), "Escape",
         ["'velmo.dat' is damaged near player 2.", "Please restore the game's data files."], "space")]
    for setup, intro_key, message, dismiss in cases:
        with Game(display, build, **setup) as game:
            game.wait_intro()
            check(game.ask(intro_key) == message, f"the message {message}")
            with open(game.folder + ".log") as log:  # the game's standard output and error
                check(f"velmo: {' '.join(message)}\n" in log.read(), "the terminal has it at once, on one line")
            check(game.settled().box_lines() == message, "the intro's key leaves it to be read")
            game.hold_key(dismiss)
            check(game.process.wait(10) == 1, f"{dismiss} dismisses it and the game ends with status 1")


if __name__ == "__main__":
    run_cases([test_intro_main_screen_and_questions, test_data_file_failures])
