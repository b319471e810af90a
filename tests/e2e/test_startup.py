"""Start-up through the window: the intro and its key, plain screens without pictures, data files' failures."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import BLACK, DARK_BLUE, DARK_RED, WHITE, Game, check, run_cases  # noqa: E402

NOT_INTRO_KEYS = ["1", "0", "KP_5", "F1", "F10", "Right", "Down", "Shift_L", "Control_L", "Tab"]
PICTURES = ["media/intro.jpg", "media/bk0.jpg", "media/quandosaremo.wav"]
DAMAGED_SQUAD = "1 Rossi Mario GK 20 20 20 20\n2 Bianchi Luca DF seven 20 20 20\n"


def test_intro_its_key_and_plain_screens(display, build):
    with Game(display, build, remove=PICTURES) as game:
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
        check(game.settled().data == intro.data, "No keeps the intro, whole, and its key does not end it")
        game.hold_key("s", ms=1500)  # a letter ends the intro; held past the repeat delay, "&Save"'s key
        game.wait_main_screen()
        shot = game.settled()
        game.screenshot("main_screen_without_pictures")
        check(shot.box() is None and not os.path.exists(game.path("saved.dat")), "the intro's key saved nothing")
        check(shot.only(0, 588, 800, 12, {DARK_BLUE})
              and shot.text_at(52, 0, "Surname    Name       R. A.T.Fa.Co.", BLACK, WHITE),
              "the main screen without its picture is plain dark blue, with the squad list on it")
        check(game.answer("s") == ["The game has been saved."], "a later s is the main screen's")


def test_data_file_failures_are_shown_then_end(display, build):
    cases = [  # what is wrong, the key that ends the intro, the message, the key that dismisses it
        (dict(remove=["teams.dat"]), "Return", ["Impossible to find file 'teams.dat'!"], "Escape"),
        (dict(files={"velmo.dat": DAMAGED_SQUAD}), "Escape",
         ["'velmo.dat' is damaged near player 2.", "Please restore the game's data files."], "space"),
    ]
    for setup, intro_key, message, dismiss in cases:
        with Game(display, build, **setup) as game:
            game.wait_intro()
            check(game.ask(intro_key) == message, f"the message {message}")
            with open(game.folder + ".log") as log:  # the game's standard output and error
                check(f"velmo: {' '.join(message)}\n" in log.read(), "the terminal has it at once, on one line")
            game.screenshot("message_" + message[0].split("'")[1].replace(".", "_"))
            check(game.settled().box_lines() == message, "the intro's key leaves it to be read")
            game.hold_key(dismiss)
            check(game.process.wait(10) == 1, f"{dismiss} dismisses it and the game ends with status 1")


if __name__ == "__main__":
    run_cases([test_intro_its_key_and_plain_screens, test_data_file_failures_are_shown_then_end])
