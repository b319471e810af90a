"""The saved game through the window: "&Save" and "&Load" by their keys.

One game, one path a player takes: load with no saved game; save at the
start; load a saved game of matchday 5 whose team lines are out of order
and save it again (the file comes back in standings order, byte for byte
as written by hand); a damaged file and a save that cannot be written are
refused and change nothing.

The league is our own small test league (tests/e2e/data): its clubs and a
six-matchday fixture file, so the expected files do not follow the shipped
data.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import Display, Game, parse_args  # noqa: E402

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")

SAVED = ["The game has been saved."]
RESTORED = ["The saved game was successfully restored."]
NO_SAVE = ["There are no saved games to restore!"]


def data(name):
    with open(os.path.join(DATA, name)) as f:
        return f.read()


def test_league():
    return {"teams.dat": data("teams.dat"), "calendario.dat": data("calendario6.dat")}


def press_for_message(game, key):
    """Presses a main-screen key, reads the message box it opens, answers
    it with Enter and waits for the main screen to be back."""
    game.hold_key(key)
    lines = game.box_lines()
    game.hold_key("Return")
    game.wait_box_gone()
    game.wait_main_screen()
    return lines


def saved_file(game):
    with open(game.path("saved.dat")) as f:
        return f.read()


def put_saved_file(game, name):
    with open(game.path("saved.dat"), "w") as f:
        f.write(data(name))


def check(condition, what):
    if not condition:
        raise AssertionError(what)
    print("ok -", what)


def main():
    build = parse_args().build
    with Display() as display, Game(display, build, files=test_league()) as game:
        game.pass_intro()

        check(press_for_message(game, "l") == NO_SAVE, '"&Load" without a file says so')
        check(not os.path.exists(game.path("saved.dat")), "and writes nothing")

        check(press_for_message(game, "s") == SAVED, '"&Save" at the start says it saved')
        text = saved_file(game)
        check(text.count("\n") == 21, "the new league's file has 21 lines")
        check(text == data("start_expected.dat"), "holds matchday 0 and every club at 0, in slot order")

        put_saved_file(game, "saved_md5.dat")
        check(press_for_message(game, "l") == RESTORED, "a saved game of matchday 5 is restored")
        check(press_for_message(game, "s") == SAVED, "and saved again")
        check(saved_file(game) == data("saved_md5_expected.dat"),
              "the file comes back in standings order, names as the clubs carry them")

        put_saved_file(game, "saved_damaged.dat")
        lines = press_for_message(game, "l")
        check(lines not in (RESTORED, NO_SAVE) and "damaged" in " ".join(lines),
              f"a file cut inside matchday 3 is refused: {lines}")
        check(press_for_message(game, "s") == SAVED, "saving after the refusal")
        check(saved_file(game) == data("saved_md5_expected.dat"), "the refused file changed nothing")

        # A directory where the temporary file goes makes the write fail, even for root.
        os.mkdir(game.path("saved.dat.tmp"))
        lines = press_for_message(game, "s")
        check(lines != SAVED and "not be saved" in " ".join(lines),
              f"a save that cannot be written says so: {lines}")
        check(saved_file(game) == data("saved_md5_expected.dat"), "and leaves the previous save whole")
        if os.path.isdir(game.path("saved.dat.tmp")):
            os.rmdir(game.path("saved.dat.tmp"))

        check(game.alive(), "the game is still running")


if __name__ == "__main__":
    main()
