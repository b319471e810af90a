"""The game enlarged: on a large desktop its 800x600 picture shown twice as large with sharp pixels, the
mouse at the picture's scale; and the sound switch, switched once by a held m and kept for the next start."""

import array
import os
import pathlib
import re
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import BOX_BUTTON_H, BOX_FRAME, BOX_PADDING, Game, check, mark_centre, marked, run_cases  # noqa: E402


def sharp(shot):  # every pixel of the picture a block of 2x2 equal pixels of the window
    rows = [array.array("I", shot.data[y * 6400:(y + 1) * 6400]) for y in range(1200)]
    return all(rows[y] == rows[y + 1] and rows[y][::2] == rows[y][1::2] for y in range(0, 1200, 2))


def kept_sound_switch(folder):  # "1" or "0" as the settings file keeps the sound switch; false while not written
    path = pathlib.Path(folder, "velmo", "velmo.cfg")
    found = path.exists() and re.search(r"^\[sound\]\s*^on\s*=\s*(\d+)\s*$", path.read_text(), re.M)
    return found and found.group(1)


def test_enlarged_window_and_the_sound_switch(display, build):
    with tempfile.TemporaryDirectory(prefix="velmo-config-") as config:
        with Game(display, build, env={"XDG_CONFIG_HOME": config}) as game:
            check(game.scale == 2 and game.window().get_geometry().height == 1200,
                  "a 2560x1600 desktop opens a 1600x1200 window: the largest within 90% of it")
            game.pass_intro()  # read at every second pixel from here on
            check(sharp(game.settled()), "the main screen's pixels doubled, sharp")
            game.click(*mark_centre(3, "T."))  # at twice the mark's position
            game.wait_for(lambda: marked(game.grab(), 3, "T."), 3, "row 3's mark")
            check(game.ask("p") == ["Before playing you have to select your players!"], "the message box")
            x, y, w, h = game.grab().box()
            game.click(x + w // 2, y + h - BOX_FRAME - BOX_PADDING - BOX_BUTTON_H // 2)  # OK, held: follows the mouse
            game.wait_box_gone()
            shot = game.settled()
            check(game.main_screen_drawn(shot) and marked(shot, 3, "T."), "the main screen again, as it was")
            seen, deadline = [], time.monotonic() + 1.5  # m held past the window system's repeat delay
            game.display.xdotool("keydown", "m")
            while time.monotonic() < deadline:
                if (kept := kept_sound_switch(config)) and seen[-1:] != [kept]:
                    seen.append(kept)
                time.sleep(0.01)
            game.display.xdotool("keyup", "m")
            check(seen == ["0"], "a held m switched the sound off once")
        with Game(display, build, args=["--scale", "1"], env={"XDG_CONFIG_HOME": config}) as game:
            check(game.scale == 1, "--scale 1 wins over the desktop's size")
            game.pass_intro()
            game.hold_key("m")  # read back as off at the start, so m now switches it on
            game.wait_for(lambda: kept_sound_switch(config) == "1", 3, "m switching the sound on, kept")


if __name__ == "__main__":
    run_cases([test_enlarged_window_and_the_sound_switch], 2560, 1600)
