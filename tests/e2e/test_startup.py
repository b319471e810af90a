"""Start-up through the window: the intro and the keys that end it, the main screen with its buttons and marks,
the question "&Exit", Escape and the close button ask, and a data file's failure."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import DARK_BLUE, DARK_RED, WHITE, Game, check, mark_centre, marked, run_cases  # noqa: E402

PICTURES = ["media/intro.jpg", "media/bk0.jpg", "media/quandosaremo.wav"]
SQUAD = "1 Portaluppi Aldo GK 31 22 16 24\n10 Donati Marco MF 27 45 27 0\n19 Nardi Walter DF 45 -3 31 30\n"
READS = [  # x, y, cells, colour, the text: a heading, a squad row, a blank row and a button of each look
    (350, 0, 41, DARK_RED, "Choose 11 Team Players and 6 Substitutes"), (50, 16, 10, WHITE, "Portaluppi"),
    (50, 88, 36, WHITE, ""), (34, 546, 5, DARK_BLUE, "Reset"), (727, 112, 5, WHITE, "Match"),
    (731, 266, 4, WHITE, "Save"), (731, 547, 4, DARK_BLUE, "Exit")]
CLICKS = [((3, "T."), {(3, "T.")}), ((3, "S."), {(3, "S.")}),  # a row's two marks exclude each other
          ((5, "T."), {(3, "S."), (5, "T.")})]  # and leave the other rows alone


def marks(shot):
    return {(r, c) for r in range(22) for c in ("T.", "S.") if marked(shot, r, c)}


def shows_again(game, shot, what):  # once redrawn, under load too, and for good
    game.wait_for(lambda: game.grab().data == shot.data, 5, what)
    check(game.settled().data == shot.data, what)


def test_intro_main_screen_and_questions(display, build):
    """Without pictures, over a squad file of our own; the settings cannot be kept (a device where their
    folder would be), which m reports and the game outlives."""
    with Game(display, build, remove=PICTURES, files={"velmo.dat": SQUAD},
              env={"XDG_CONFIG_HOME": os.devnull}) as game:
        game.wait_intro()
        intro = game.grab()
        check(intro.only(0, 0, 800, 600, {DARK_RED}), "the intro without its picture is plain dark red")
        for name in ("1", "F1", "Shift_L"):
            game.hold_key(name)
        game.click(400, 300)
        check(game.settled().data == intro.data, "a digit, a function key, a modifier and a click")
        check(game.ask("close") == ["Are you sure?"], "the close button at the intro asks")
        game.hold_key("n")
        game.wait_box_gone()
        shows_again(game, intro, "No keeps the intro, whole, and its key does not end it")
        game.hold_key("s", ms=1500)  # a letter ends the intro; held past the repeat delay, "&Save"'s key
        game.wait_main_screen()
        shot = game.settled()
        check(shot.box() is None and not os.path.exists(game.path("saved.dat")), "the intro's key saved nothing")
        check(shot.only(0, 588, 800, 12, {DARK_BLUE}), "without its picture the main screen is plain dark blue")
        check([shot.read_text(*read[:4]) for read in READS] == [read[4] for read in READS], "the texts drawn")
        check(not marks(shot), "every mark empty")
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
        check("could not keep the sound setting" in game.log_text(), "m's failed write is reported")


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
            check(f"velmo: {' '.join(message)}\n" in game.log_text(), "the terminal has it at once, on one line")
            check(game.settled().box_lines() == message, "the intro's key leaves it to be read")
            game.hold_key(dismiss)
            check(game.process.wait(10) == 1, f"{dismiss} dismisses it and the game ends with status 1")


if __name__ == "__main__":
    run_cases([test_intro_main_screen_and_questions, test_data_file_failures])
