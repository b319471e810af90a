"""Start-up through the window: the intro, its key, the pictures' fallback,
and the data files' failures shown in the window.

    python3 tests/e2e/test_startup.py --build BUILD_DIR
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import (BLACK, DARK_BLUE, DARK_RED, Game, check,  # noqa: E402
                          run_cases)

# Keys that must not end the intro: digits, keypad, function keys, arrows, modifiers.
NOT_INTRO_KEYS = ["1", "0", "KP_5", "F1", "F10", "Right", "Down", "Shift_L", "Control_L", "Tab"]
SETTLE = 0.3  # long enough for the game to have reacted to a key (it reacts in under 0.1 s)


def still_intro(game, intro):
    time.sleep(SETTLE)
    return game.alive() and game.grab().data == intro.data


def test_intro_ignores_digits_arrows_and_clicks(display, build):
    with Game(display, build) as game:
        game.wait_intro()
        intro = game.grab()
        for name in NOT_INTRO_KEYS:
            game.hold_key(name)
            check(still_intro(game, intro), f"the intro stays after {name}")
        game.click(400, 300)
        game.click(20, 580)
        check(still_intro(game, intro), "the intro stays after mouse clicks")
        game.screenshot("intro")
        game.hold_key("q")
        game.wait_main_screen()
        game.screenshot("main_screen_after_intro")


def test_intro_ends_on_escape_and_enter(display, build):
    for name in ("Escape", "Return"):
        with Game(display, build) as game:
            game.pass_intro(name)
            time.sleep(SETTLE)
            check(game.alive() and game.grab().box() is None,
                  f"{name} ends the intro and reaches the main screen, no question asked")


def test_intro_key_never_reaches_the_main_dialog(display, build):
    # "s" is "&Save": a buffered or repeating "s" would save at once.
    with Game(display, build) as game:
        game.wait_intro()
        game.hold_key("s", ms=1500)  # beyond the keyboard's repeat delay
        game.wait_main_screen()
        time.sleep(SETTLE)
        check(game.grab().box() is None, "no message box after the intro's key")
        check(not os.path.exists(game.path("saved.dat")), "nothing saved by the intro's key")
        # The same key once the main screen is up does reach it.
        game.hold_key("s")
        check(game.box_lines() != [], "a later 's' is taken by the main screen")
        game.hold_key("Return")
        game.wait_box_gone()


def test_close_button_at_the_intro_asks(display, build):
    with Game(display, build) as game:
        game.wait_intro()
        intro = game.grab()
        game.send_wm_delete()
        check(game.box_lines() == ["Are you sure?"], "the close button asks")
        game.screenshot("intro_close_question")
        game.hold_key("n")
        game.wait_box_gone()
        check(still_intro(game, intro), "No keeps the intro, whole, and its key does not end it")
        game.send_wm_delete()
        game.box_lines()
        game.hold_key("s")
        check(game.exit_status() == 1, "Yes ends the game with status 1")


def test_missing_pictures_give_plain_screens(display, build):
    media = ["media/intro.jpg", "media/bk0.jpg", "media/quandosaremo.wav"]
    with Game(display, build, remove=media) as game:
        game.wait_intro()
        shot = game.grab()
        check(all(shot.pixel(x, y) == DARK_RED for x, y in ((5, 5), (400, 300), (795, 595))),
              "the intro without its picture or song is plain dark red")
        game.hold_key("space")
        game.wait_main_screen()
        shot = game.grab()
        check(shot.pixel(20, 595) == DARK_BLUE and shot.pixel(200, 535) == DARK_BLUE,
              "the main screen without its picture is plain dark blue")
        check(shot.pixel(50, 16) != DARK_BLUE and shot.count(50, 16, 64, 8, BLACK) > 0,
              "with the squad list on it")
        game.screenshot("main_screen_without_pictures")


def test_missing_data_files_are_reported_in_the_window(display, build):
    for name, dismiss in (("velmo.dat", "Return"), ("teams.dat", "space"),
                          ("calendario.dat", "Escape")):
        with Game(display, build, remove=[name]) as game:
            game.wait_intro()
            game.hold_key("space")
            lines = game.box_lines()
            check(lines == [f"Impossible to find file '{name}'!"], f"missing {name}: {lines}")
            game.screenshot(f"missing_{name.replace('.', '_')}")
            time.sleep(SETTLE)
            check(game.alive(), "the game waits for the message to be read")
            game.hold_key(dismiss)
            check(game.exit_status() == 1, f"{dismiss} dismisses it and the game ends with status 1")


def test_damaged_squad_file_is_reported_in_the_window(display, build):
    squad = "1 Rossi Mario GK 20 20 20 20\n2 Bianchi Luca DF seven 20 20 20\n"
    with Game(display, build, files={"velmo.dat": squad}) as game:
        game.wait_intro()
        game.hold_key("space")
        lines = game.box_lines()
        check("'velmo.dat'" in lines[0], f"the message names the squad file: {lines}")
        game.screenshot("damaged_velmo_dat")
        game.hold_key("Return")
        check(game.exit_status() == 1, "and the game ends with status 1")


if __name__ == "__main__":
    run_cases([
        test_intro_ignores_digits_arrows_and_clicks,
        test_intro_ends_on_escape_and_enter,
        test_intro_key_never_reaches_the_main_dialog,
        test_close_button_at_the_intro_asks,
        test_missing_pictures_give_plain_screens,
        test_missing_data_files_are_reported_in_the_window,
        test_damaged_squad_file_is_reported_in_the_window,
    ])
