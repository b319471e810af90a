"""Takes the README's screenshots under Xvfb with the real game.

    python3 tests/e2e/take_readme_shots.py --build BUILD_DIR

Marks a 4-4-2, plays the first match with one substitution, and writes docs/match.png (mid-match),
docs/main.png (the main screen after the match, with the line-up and the
next opponent), docs/standings.png and docs/calendar.png (the first
matchday's results). Not a test: it asserts only what it needs to go on.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from match_helpers import (classic_lineup, dismiss_box, in_button, mark_lineup,  # noqa: E402
                           minute, out_button, read_squad, wait_final_whistle,
                           wait_lineup_panel, wait_match_screen)
from velmo_driver import REPO, Display, Game, parse_args  # noqa: E402

DOCS = os.path.join(REPO, "docs")


def shot(game, name):
    path = game.screenshot(os.path.join(DOCS, name + ".png"))
    print("wrote", os.path.relpath(path, REPO))


def click(game, x, y):
    game.move_mouse(x, y)
    game.click(x, y)


def open_screen(game, key, what):
    """Presses a main-screen key and waits until the screen has changed."""
    points = [(x, y) for x in range(150, 650, 50) for y in range(60, 500, 40)]
    before = game.grab()
    game.hold_key(key)
    game.wait_for(lambda: any(game.grab().pixel(*p) != before.pixel(*p) for p in points), 5, what)
    time.sleep(0.5)  # let the dialog finish drawing


def main():
    args = parse_args()
    os.makedirs(DOCS, exist_ok=True)
    with Display() as display:
        with Game(display, args.build) as game:
            starters, bench = classic_lineup(read_squad(game.folder))
            game.pass_intro()
            mark_lineup(game, starters, bench)
            game.hold_key("u")
            wait_lineup_panel(game, [4, 4, 2])

            game.hold_key("p")
            wait_match_screen(game)
            click(game, *out_button(8))
            click(game, *in_button(4))
            game.move_mouse(650, 450)
            game.wait_for(lambda: (minute(game.grab()) or 0) >= 60, 60, "minute 60")
            shot(game, "match")
            wait_final_whistle(game)
            game.hold_key("c")
            dismiss_box(game)
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


if __name__ == "__main__":
    main()
