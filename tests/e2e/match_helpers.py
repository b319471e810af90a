"""What the match window tests and tools/take_readme_shots.py share: a line-up
of the shipped squad, marks clicked until they show, message boxes answered,
and the match screen's labels read at their dialog positions."""

import os
import time

from velmo_driver import DARK_BLUE, DARK_RED, REPO, WHITE, marked

# A 4-4-2 of game/velmo.dat by row (starter slots GK, DF x4, MF x4, AT x2) and
# a bench of a goalkeeper, a defender, two midfielders and two attackers.
STARTERS = [0, 3, 4, 5, 6, 10, 11, 12, 13, 17, 18]
BENCH = [1, 7, 14, 15, 19, 20]


def short_calendar(matchdays):
    """The shipped fixture file cut to its first matchdays (11 lines each)."""
    with open(os.path.join(REPO, "game", "calendario.dat")) as f:
        return "".join([line for line in f if line.strip()][:11 * matchdays])


def press_at(game, x, y):
    game.move_mouse(x, y)
    time.sleep(0.05)  # a press that comes with the move can land on the old spot
    game.click(x, y)


def mark_lineup(game, starters, bench):
    for rows, column, x in ((starters, "T.", 8), (bench, "S.", 38)):
        for row in rows:
            press_at(game, x, 18 + 24 * row)
            game.wait_for(lambda: marked(game.grab(), row, column), 3, f"row {row}'s {column} mark")
    game.move_mouse(650, 450)


def wait_lineup_panel(game, substitutes):
    """The main screen's line-up panel of a 4-4-2 with that many substitutes."""
    lines = ((40, "Module: 4 - 4 - 2"), (150, f"Substitutes: {substitutes}"))
    game.wait_for(lambda: all(game.grab().text_at(350, y, text, WHITE, DARK_RED)
                              for y, text in lines), 5, "the line-up panel")


def dismiss_box(game):
    """Reads the message box, presses Enter and waits until it has gone or
    another text has taken its place; returns its lines."""
    lines = game.box_lines()
    game.hold_key("Return")
    game.wait_for(lambda: game.grab().box_lines() != lines, 10, "the message box to close")
    return lines


def answer(game, key):
    game.hold_key(key)
    return dismiss_box(game)


def read_line(shot, x, y, cells, fg=DARK_BLUE):
    return shot.read_text(x, y, cells, fg).rstrip()


def match_screen_drawn(shot):
    """Its dark red frame and "&Close" (white, dark blue rim, at 420, 140)."""
    return (shot.only(1, 10, 4, 580, {DARK_RED}) and shot.pixel(420, 140) == DARK_BLUE
            and shot.pixel(424, 146) == WHITE)


def wait_match_screen(game):
    game.wait_for(lambda: match_screen_drawn(game.grab()), 10, "the match screen")


def minute(shot):
    text = read_line(shot, 370, 350, 3)
    return int(text) if text.isdigit() else 0


def out_button(slot):
    return (40, 56 + 16 * slot)


def in_button(slot):
    return (40, 256 + 16 * slot)


def wait_final_whistle(game):
    game.wait_for(lambda: minute(game.grab()) >= 90, 70, "the final whistle")
