"""The game enlarged: on a large desktop its 800x600 picture shown twice as large with sharp pixels, the
mouse at the picture's scale; and the sound switch, switched once by a held m and kept for the next start."""

import array
import os
import re
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import Game, check, mark_centre, marked, run_cases  # noqa: E402


def sharp(shot):
    """True when every pixel of the picture is a block of 2x2 equal pixels of the window."""
    pixels, w = array.array("I", shot.data), 1600
    return all(pixels[y * w:(y + 1) * w] == pixels[(y + 1) * w:(y + 2) * w]
               and pixels[y * w:(y + 1) * w:2] == pixels[y * w + 1:(y + 1) * w:2] for y in range(0, 1200, 2))


def ok_button_centre(box):  # the message box's one button, centred at its bottom (src/app/ui.cpp)
    x, y, w, h = box
    return x + w // 2, y + h - 3 - 12 - 10


def kept_sound_switch(folder):
    """"1" or "0" as the settings file keeps the sound switch; None while it is missing or half written."""
    try:
        with open(os.path.join(folder, "velmo", "velmo.cfg")) as f:
            found = re.search(r"^\[sound\]\s*^on\s*=\s*(\d+)\s*$", f.read(), re.M)
    except FileNotFoundError:
        return None
    return found and found.group(1)


def kept_while_holding_m(game, folder, seconds=1.5):
    """Holds m past the window system's repeat delay; returns the switch's kept values in the order seen."""
    seen, deadline = [], time.monotonic() + seconds
    game.display.xdotool("keydown", "m")
    while time.monotonic() < deadline:
        if (kept := kept_sound_switch(folder)) and seen[-1:] != [kept]:
            seen.append(kept)
        time.sleep(0.01)
    game.display.xdotool("keyup", "m")
    return seen


def test_enlarged_window_and_the_sound_switch(display, build):
    config = tempfile.mkdtemp(prefix="velmo-config-")
    with Game(display, build, env={"XDG_CONFIG_HOME": config}) as game:
        check(game.scale == 2 and game.window().get_geometry().height == 1200,
              "a 2560x1600 desktop opens a 1600x1200 window: the largest within 90% of it")
        game.pass_intro()  # read at every second pixel from here on
        check(sharp(game.settled()), "the main screen's pixels doubled, sharp")
        game.click(*mark_centre(3, "T."))  # at twice the mark's position
        game.wait_for(lambda: marked(game.grab(), 3, "T."), 3, "row 3's mark")
        check(game.ask("p") == ["Before playing you have to select your players!"], "the message box")
        game.click(*ok_button_centre(game.grab().box()))  # a button follows the mouse until it is released
        game.wait_box_gone()
        shot = game.settled()
        check(game.main_screen_drawn(shot) and marked(shot, 3, "T."), "the main screen again, as it was")
        check(kept_while_holding_m(game, config) == ["0"], "a held m switched the sound off once")
    with Game(display, build, args=["--scale", "1"], env={"XDG_CONFIG_HOME": config}) as game:
        check(game.scale == 1, "--scale 1 wins over the desktop's size")
        game.pass_intro()
        game.hold_key("m")  # read back as off at the start, so m now switches it on
        game.wait_for(lambda: kept_sound_switch(config) == "1", 3, "m switching the sound on, kept")
    shutil.rmtree(config)


if __name__ == "__main__":
    run_cases([test_enlarged_window_and_the_sound_switch], 2560, 1600)
