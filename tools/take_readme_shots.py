"""Takes the README's screenshots under Xvfb with the real game.

    python3 tools/take_readme_shots.py --build BUILD_DIR [--docs DIR]

Marks a 4-4-2, plays the first match with one substitution, and writes
match.png (mid-match), main.png (the main screen after the match, with the
line-up and the next opponent), standings.png and calendar.png (the first
matchday's results) into docs/; then loads a season of 24 matchdays that
velmo-sim played after four finished ones and writes history.png. It drives
the game with the window tests' helpers from tests/e2e and asserts only what
it needs to go on.
"""

import argparse
import os
import subprocess
import sys
import time

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(REPO, "tests", "e2e"))
from velmo_driver import (BENCH, STARTERS, Display, Game, in_button, mark_lineup,  # noqa: E402
                          minute, out_button, wait_final_whistle, wait_lineup_panel,
                          wait_match_screen)


def open_screen(game, key, what):
    """Presses a main-screen key and waits until the screen has changed."""
    points = [(x, y) for x in range(150, 650, 50) for y in range(60, 500, 40)]
    before = game.grab()
    game.hold_key(key)
    game.wait_for(lambda: any(game.grab().pixel(*p) != before.pixel(*p) for p in points), 5, what)
    time.sleep(0.5)  # let the dialog finish drawing


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--docs", default=os.path.join(REPO, "docs"))
    args = parser.parse_args()
    docs = os.path.abspath(args.docs)
    os.makedirs(docs, exist_ok=True)

    def shot(game, name):
        print("wrote", game.screenshot(os.path.join(docs, name + ".png")))

    with Display() as display:
        with Game(display, args.build) as game:
            game.pass_intro()
            mark_lineup(game, STARTERS, BENCH)
            game.hold_key("u")
            wait_lineup_panel(game, len(BENCH))

            game.hold_key("p")
            wait_match_screen(game)
            game.click(*out_button(8))
            game.click(*in_button(4))
            game.move_mouse(650, 450)
            game.wait_for(lambda: minute(game.grab()) >= 60, 60, "minute 60")
            shot(game, "match")
            wait_final_whistle(game)
            game.hold_key("c")
            game.dismiss_box()
            game.wait_main_screen()
            shot(game, "main")

            open_screen(game, "t", "the standings")
            shot(game, "standings")
            game.hold_key("c")
            game.wait_main_screen()

            open_screen(game, "c", "the calendar")
            game.hold_key("i")  # back to the matchday just played
            time.sleep(0.5)
            shot(game, "calendar")
            game.hold_key("c")
            game.wait_main_screen()

            sim = [os.path.join(args.build, "velmo-sim"), "--data", game.folder, "--tactic", "3",
                   "--starters", ",".join(map(str, STARTERS)), "--subs", ",".join(map(str, BENCH))]
            for run in (["--seed", "5", "--seasons", "4", "--history", game.path("history.dat")],
                        ["--seed", "3", "--matchdays", "24", "--save", game.path("saved.dat")]):
                subprocess.run(sim + run, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            game.answer("l")
            game.wait_main_screen()
            open_screen(game, "h", "the History screen")
            shot(game, "history")
            game.hold_key("c")
            game.wait_main_screen()


if __name__ == "__main__":
    main()
