"""Measures what an idle game and a running match cost, and how fast the main screen comes up;
prints figures, asserts nothing.

    /usr/bin/python3 tools/measure_idle.py --build BUILD_DIR [--seconds 10] [--runs 5] [--scale K]

Under Xvfb, with the game's own data: the game's processor use (percent of one core) over SECONDS on
the intro, the idle main screen, the History screen, the "Are you sure?" question, an open message box
and a running match (at most 40 s of it); then, over RUNS starts, the time from the key press that ends the intro
(sent through XTEST) to the first grab showing the main screen, an upper bound since a grab takes a
few milliseconds (the slowest grab is printed). With --scale K the game runs enlarged K times on a
display just as large.
"""

import argparse
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "tests", "e2e"))
from velmo_driver import DARK_RED, Display, Game  # noqa: E402
from Xlib import X  # noqa: E402  (velmo_driver has made it importable)
from Xlib.ext import xtest  # noqa: E402


def cpu_percent(game, seconds):
    """The game's processor use over `seconds`, all threads, in percent of one core."""
    def ticks():
        with open(f"/proc/{game.process.pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])  # utime + stime
    start_ticks, start = ticks(), time.monotonic()
    time.sleep(seconds)
    return 100.0 * (ticks() - start_ticks) / os.sysconf("SC_CLK_TCK") / (time.monotonic() - start)


def idle_figures(display, build, seconds, args):
    with Game(display, build, args=args) as game:
        game.wait_intro()
        print(f"intro                 {cpu_percent(game, seconds):5.1f} %")
        game.hold_key("space")
        game.wait_main_screen()
        print(f"main screen           {cpu_percent(game, seconds):5.1f} %")
        game.hold_key("h")
        game.wait_for(lambda: game.grab().read_text(40, 48, 8, DARK_RED) == "Position", 10, "the History screen")
        print(f"History screen        {cpu_percent(game, seconds):5.1f} %")
        game.hold_key("c")
        game.wait_main_screen()
        game.hold_key("e")
        game.box_lines()
        print(f"'Are you sure?'       {cpu_percent(game, seconds):5.1f} %")
        game.hold_key("n")
        game.wait_box_gone()
    with Game(display, build, remove=["teams.dat"], args=args) as game:
        game.wait_intro()
        game.hold_key("space")
        game.box_lines()
        print(f"message box           {cpu_percent(game, seconds):5.1f} %")


# A 4-4-2 of the shipped squad with one goalkeeper, and six substitutes: squad rows.
STARTER_ROWS = (0, 3, 4, 5, 6, 10, 11, 12, 13, 17, 18)
SUBSTITUTE_ROWS = (1, 7, 14, 19, 20, 21)


def match_figure(display, build, seconds, args):
    with Game(display, build, args=args) as game:
        game.wait_intro()
        game.hold_key("space")
        game.wait_main_screen()
        for rows, x in ((STARTER_ROWS, 8), (SUBSTITUTE_ROWS, 38)):
            for row in rows:
                game.click(x, 18 + 24 * row)
        game.hold_key("u")
        time.sleep(1)
        game.hold_key("p")
        time.sleep(2)  # past the kick-off
        print(f"running match         {cpu_percent(game, min(seconds, 40)):5.1f} %")


def intro_to_main(display, build, args):
    """Seconds from the key press to a grab showing the main screen, and the longest single grab."""
    with Game(display, build, args=args) as game:
        game.wait_intro()
        time.sleep(0.3)  # let the intro settle: only the key's own effect is timed
        x = display.x
        space = x.keysym_to_keycode(0x20)
        xtest.fake_input(x, X.KeyPress, space)
        x.sync()
        pressed = time.monotonic()
        longest = 0.0
        while True:
            before = time.monotonic()
            shot = game.grab()
            longest = max(longest, time.monotonic() - before)
            if game.main_screen_drawn(shot):
                drawn = time.monotonic() - pressed
                break
        xtest.fake_input(x, X.KeyRelease, space)
        x.sync()
        return drawn, longest


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--scale", type=int, default=1)
    args = parser.parse_args()
    game_args = ["--scale", str(args.scale)]
    with Display(800 * args.scale, 600 * args.scale) as display:
        print(f"Processor use over {args.seconds:g} s (percent of one core), scale {args.scale}:")
        idle_figures(display, args.build, args.seconds, game_args)
        match_figure(display, args.build, args.seconds, game_args)
        print(f"From the key that ends the intro to a drawn main screen ({args.runs} runs):")
        times = []
        for _ in range(args.runs):
            drawn, longest = intro_to_main(display, args.build, game_args)
            times.append(drawn)
            print(f"  {drawn * 1000:6.1f} ms   (longest grab {longest * 1000:.1f} ms)")
        print(f"  median {statistics.median(times) * 1000:.1f} ms, worst {max(times) * 1000:.1f} ms")


if __name__ == "__main__":
    main()
