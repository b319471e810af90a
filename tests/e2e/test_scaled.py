"""The game enlarged: its 800x600 picture shown twice as large with sharp pixels, the mouse at the
picture's scale, the factor chosen from the desktop's size, and the sound switch kept for the next start."""

import os
import re
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from match_helpers import (BENCH, FAKETIME, STARTERS, mark_lineup, minute, saved_by_sim,  # noqa: E402
                           wait_lineup_panel, wait_match_screen)
from velmo_driver import DARK_RED, WHITE, Display, Game, check, mark_centre, marked, run_cases  # noqa: E402

NO_LINEUP = ["Before playing you have to select your players!"]
MATCH_BUTTON = (700, 100, 95, 32)  # "&Match": dark red, drawn white while held down


def doubled(small, large):
    """True when the grab at scale 2 is the grab at scale 1 with every pixel doubled both ways."""
    row_bytes = 800 * 4
    for y in range(600):
        row = small.data[y * row_bytes:(y + 1) * row_bytes]
        wide = b"".join(row[i:i + 4] * 2 for i in range(0, row_bytes, 4))
        for line in (2 * y, 2 * y + 1):
            if large.data[line * 2 * row_bytes:(line + 1) * 2 * row_bytes] != wide:
                return False
    return True


def main_screen_grab(game):
    game.pass_intro()
    return game.settled()


def ok_button_centre(box):  # the message box's one button, centred at its bottom (src/app/ui.cpp)
    x, y, w, h = box
    return x + w // 2, y + h - 3 - 12 - 10


def main_screens(display, build):
    """The main screen at scale 1 and at scale 2, each in a game of its own started at the same time."""
    grabs = []
    for scale in ("1", "2"):
        with Game(display, build, args=["--scale", scale], **FAKETIME) as game:
            grabs.append(main_screen_grab(game))
    return grabs


def test_doubled_picture_and_the_mouse(display, build):
    for attempt in range(2):  # the same seed: T, unless a slow start-up took the clock to T + 1
        small, large = main_screens(display, build)
        if doubled(small, large):
            break
    check(doubled(small, large), "the main screen at scale 2 is the one at scale 1, doubled")
    with Game(display, build, args=["--scale", "2"]) as game:
        main_screen_grab(game)
        game.screenshot("scaled_main_screen")
        game.click(*mark_centre(3, "T."))  # at twice the mark's position
        game.wait_for(lambda: marked(game.grab(), 3, "T."), 3, "row 3's mark")

        x, y, w, h = MATCH_BUTTON
        game.move_mouse(x + w // 2, y + h // 2)
        game.display.xdotool("mousedown", 1)
        game.wait_for(lambda: game.grab().pixel(x + 3, y + 3) == WHITE, 3, '"&Match" drawn pressed')
        game.screenshot("scaled_match_held")
        game.display.xdotool("mousemove", 1300, 900, "sleep", 0.25, "mouseup", 1)  # released away from it
        game.wait_for(lambda: game.grab().pixel(x + 3, y + 3) == DARK_RED, 3, '"&Match" raised again')
        check(game.settled().box() is None, "a press released away from the button does nothing")

        check(game.ask("p") == NO_LINEUP, "the message box at scale 2")
        game.click(*ok_button_centre(game.grab().box()))
        game.wait_box_gone()
        shot = game.settled()
        check(game.main_screen_drawn(shot) and marked(shot, 3, "T."), "the main screen again, as it was")


def window_size(game):
    geometry = game.window().get_geometry()
    return geometry.width, geometry.height


def test_factor_fits_the_desktop(_display, build):
    for desktop, expected in (((2560, 1600), (1600, 1200)), ((800, 600), (800, 600))):
        with Display(*desktop) as display, Game(display, build) as game:
            check(window_size(game) == expected, f"a {desktop} desktop opens a {expected} window")
            game.scale = expected[0] // 800
            game.pass_intro()


def kept_sound_switch(folder):
    """"1" or "0" as the settings file keeps the sound switch; None while it is missing or half written."""
    try:
        with open(os.path.join(folder, "velmo", "velmo.cfg")) as f:
            found = re.search(r"^\[sound\]\s*^on\s*=\s*(\d+)\s*$", f.read(), re.M)
    except FileNotFoundError:
        return None
    return found and found.group(1)


def kept_while_holding_m(game, folder, seconds):
    """Holds m past the window system's repeat delay; returns the switch's kept values in the order seen."""
    seen, deadline = [], time.monotonic() + seconds
    game.display.xdotool("keydown", "m")
    while time.monotonic() < deadline:
        kept = kept_sound_switch(folder)
        if kept and (not seen or seen[-1] != kept):
            seen.append(kept)
        time.sleep(0.01)
    game.display.xdotool("keyup", "m")
    return seen


def test_muted_match_finished_at_scale_2(display, build):
    """Muting and the scale change no draw; the choice is read back at the next start, where a held m
    switches it once."""
    config = tempfile.mkdtemp(prefix="velmo-config-")
    env = dict(FAKETIME["env"], XDG_CONFIG_HOME=config)
    with Game(display, build, args=["--scale", "2"], env=env, prefix=FAKETIME["prefix"]) as game:
        game.pass_intro()
        game.hold_key("m")
        game.wait_for(lambda: kept_sound_switch(config) == "0", 3, "m switching the sound off, kept")
        mark_lineup(game, STARTERS, BENCH)
        game.hold_key("u")
        wait_lineup_panel(game, 6)
        game.hold_key("p")
        wait_match_screen(game)
        game.hold_key("f")
        game.wait_for(lambda: minute(game.grab()) == 90, 5, "the final whistle at once")
        game.screenshot("scaled_match_finished")
        check(game.answer("c")[0].startswith("VELMO - "), "the result message")
        check(game.answer("s") == ["The game has been saved."], "saved")
        check(saved_by_sim(game, build, 1), "the muted match at scale 2 is velmo-sim's")
    with Game(display, build, env={"XDG_CONFIG_HOME": config}) as game:
        game.pass_intro()
        # Read back as off at the start, so m now switches it on: once, however long it is held.
        check(kept_while_holding_m(game, config, 1.5) == ["1"], "a held m switched the sound on once")
        time.sleep(0.5)
        game.hold_key("m")
        game.wait_for(lambda: kept_sound_switch(config) == "0", 3, "the next press switching it off")


def test_unwritable_settings_never_stop_the_game(display, build):
    blocked = tempfile.NamedTemporaryFile(prefix="velmo-not-a-folder-")  # a file where the folder would be
    with Game(display, build, env={"XDG_CONFIG_HOME": blocked.name}) as game:
        game.pass_intro()
        game.hold_key("m")
        check(game.ask("p") == NO_LINEUP, "the game goes on after m")
        game.hold_key("Return")
        game.wait_box_gone()
        with open(game.folder + ".log") as f:
            check("could not keep the sound setting" in f.read(), "the failed write is reported")
    blocked.close()


if __name__ == "__main__":
    # faketime's games outlive a kill of the wrapper, until the display ends: they run last.
    run_cases([test_factor_fits_the_desktop, test_unwritable_settings_never_stop_the_game,
               test_doubled_picture_and_the_mouse, test_muted_match_finished_at_scale_2], 1600, 1200)
