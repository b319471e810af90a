"""Measures what an idle game costs and how fast the main screen comes up.

    python3 tests/e2e/measure_idle.py --build BUILD_DIR [--seconds 10] [--runs 5]

Under Xvfb, with the game's own data: the processor use of the game (all
its threads, in percent of one core) over SECONDS each on the intro, the
idle main screen, the "Are you sure?" question and an open message box
(the "missing teams.dat" one); then, over RUNS starts, the time from the
key press that ends the intro to the first grab of the screen that shows
the main dialog drawn. The key press is sent through the XTEST extension
right before the clock starts; the screen is grabbed in a tight loop, so
each figure is an upper bound (a grab takes a few milliseconds; the
slowest grab is printed too). Not a test: it prints figures and asserts
nothing.
"""

import argparse
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import Display, Game  # noqa: E402
from Xlib import X  # noqa: E402  (velmo_driver has made it importable)
from Xlib.ext import xtest  # noqa: E402


def idle_figures(display, build, seconds):
    with Game(display, build) as game:
        game.wait_intro()
        print(f"intro                 {game.cpu_percent(seconds):5.1f} %")
        game.hold_key("space")
        game.wait_main_screen()
        print(f"main screen           {game.cpu_percent(seconds):5.1f} %")
        game.hold_key("e")
        game.box_lines()
        print(f"'Are you sure?'       {game.cpu_percent(seconds):5.1f} %")
        game.hold_key("n")
        game.wait_box_gone()
    with Game(display, build, remove=["teams.dat"]) as game:
        game.wait_intro()
        game.hold_key("space")
        game.box_lines()
        print(f"message box           {game.cpu_percent(seconds):5.1f} %")


def intro_to_main(display, build):
    """Seconds from the key press to a grab showing the main screen, and
    the longest single grab in the wait."""
    with Game(display, build) as game:
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
    args = parser.parse_args()
    with Display() as display:
        print(f"Processor use over {args.seconds:g} s (percent of one core):")
        idle_figures(display, args.build, args.seconds)
        print(f"From the key that ends the intro to a drawn main screen ({args.runs} runs):")
        times = []
        for _ in range(args.runs):
            drawn, longest = intro_to_main(display, args.build)
            times.append(drawn)
            print(f"  {drawn * 1000:6.1f} ms   (longest grab {longest * 1000:.1f} ms)")
        print(f"  median {statistics.median(times) * 1000:.1f} ms, worst {max(times) * 1000:.1f} ms")


if __name__ == "__main__":
    main()
