"""Substitutions on the match screen, played in the window.

A 4-4-2 with five substitutes (the sixth bench slot is empty and shows
"-"). During the match: Escape is refused with the not-over message and
the clock goes on; "Out" on a midfielder then "In" on an attacker turns
the module label into 4 - 3 - 3 at once, with the midfield and attack
texts of the new eleven, and changes both marks; an "In" for the player
who already came on and an "In" for the empty slot bring nobody on, the
"Out" stays pending and a third "In" completes it; after the third
substitution the label reads "Sobstitutions: 0" and a fourth "Out" shows
"No more substitutions left!". The window's close button then asks "Are
you sure?" and "&Yes" ends the game with status 1.

    python3 tests/e2e/test_substitutions.py --build BUILD_DIR
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from match_helpers import (classic_lineup, human_module, human_sector, in_button,  # noqa: E402
                           mark_lineup, match_screen_drawn, minute, module_text, out_button,
                           press_expecting_box, read_line, read_squad, sector_sums, sector_text,
                           substitutions_label, wait_lineup_panel, wait_match_screen)
from velmo_driver import DARK_BLUE, Display, Game, parse_args  # noqa: E402

NOT_OVER = ["The match is not over yet.", "You can't leave the field now!"]
NO_MORE = ["No more substitutions left!"]


def region(shot, x, y, w=16, h=16):
    return [shot.pixel(x + i, y + j) for j in range(h) for i in range(w)]


def starter_mark(shot, slot):
    return region(shot, 64, 48 + 16 * slot)


def bench_mark(shot, slot):
    return region(shot, 64, 248 + 16 * slot)


class Field:
    """The eleven on the field as the rules see them, to compose the
    labels the screen must show."""

    def __init__(self, squad, starters, bench):
        self.squad, self.slots, self.bench = squad, list(starters), sorted(bench)

    def substitute(self, starter_slot, bench_slot):
        self.slots[starter_slot] = self.bench[bench_slot]

    def labels(self):
        module, sums = sector_sums([self.squad[r] for r in self.slots])
        return module_text(module), [sector_text(s) for s in sums]


def shows(game, field):
    module, sectors = field.labels()
    shot = game.grab()
    return human_module(shot) == module and [human_sector(shot, s) for s in range(3)] == sectors


def click(game, position):
    game.move_mouse(*position)
    game.click(*position)


def check_escape_refused(game):
    assert press_expecting_box(game, "Escape") == NOT_OVER
    before = minute(game.grab())
    game.wait_for(lambda: (minute(game.grab()) or 0) > before, 5, "the clock to go on")
    assert match_screen_drawn(game.grab()), "Escape closed the match screen"


def check_first_substitution(game, field):
    """Midfielder in slot 5 out, the attacker of bench slot 4 in."""
    before = game.grab()
    click(game, out_button(5))
    game.wait_for(lambda: starter_mark(game.grab(), 5) != starter_mark(before, 5), 3,
                  "the leaving starter's mark to change")
    click(game, in_button(4))
    field.substitute(5, 4)
    assert field.labels()[0] == "4 - 3 - 3"
    game.wait_for(lambda: shows(game, field), 3, "the module label 4 - 3 - 3")
    assert bench_mark(game.grab(), 4) != bench_mark(before, 4), "the incoming mark did not change"
    game.wait_for(lambda: substitutions_label(game.grab()) == "Sobstitutions: 2", 3,
                  "two substitutions left")


def check_refused_ins(game, field):
    """Out on slot 6; In for the one who came on and for the empty slot
    change nothing; In on bench slot 2 (a midfielder) completes it."""
    click(game, out_button(6))
    click(game, in_button(4))
    click(game, in_button(5))
    assert shows(game, field), "a refused In changed the line-up"
    click(game, in_button(2))
    field.substitute(6, 2)
    game.wait_for(lambda: shows(game, field), 3, "the midfield text after the second substitution")


def check_no_more(game, field):
    click(game, out_button(1))
    click(game, in_button(0))  # the goalkeeper for a defender
    field.substitute(1, 0)
    assert field.labels()[0] == "3 - 3 - 3"
    game.wait_for(lambda: shows(game, field), 3, "the module label 3 - 3 - 3")
    game.wait_for(lambda: substitutions_label(game.grab()) == "Sobstitutions: 0", 3,
                  "no substitutions left")
    game.move_mouse(*out_button(2))
    game.click(*out_button(2))
    assert game.box_lines() == NO_MORE
    game.hold_key("Return")
    game.wait_box_gone()
    assert shows(game, field), "a refused Out changed the line-up"


def main():
    args = parse_args()
    with Display() as display:
        with Game(display, args.build) as game:
            squad = read_squad(game.folder)
            starters, bench = classic_lineup(squad)
            bench = sorted(bench)[:5]
            game.pass_intro()
            mark_lineup(game, starters, bench)
            game.hold_key("u")
            wait_lineup_panel(game, [4, 4, 2])
            game.hold_key("p")
            wait_match_screen(game)
            field = Field(squad, starters, bench)
            assert shows(game, field), "the kick-off labels differ from the line-up"
            assert read_line(game.grab(), 104, 248 + 16 * 5, 3, DARK_BLUE) == "-"

            check_escape_refused(game)
            check_first_substitution(game, field)
            check_refused_ins(game, field)
            check_no_more(game, field)
            game.screenshot("match_substitutions")

            game.send_wm_delete()
            assert game.box_lines() == ["Are you sure?"]
            game.hold_key("s")
            assert game.exit_status() == 1
    print("substitutions: Escape refused, module at once, refused Ins, no fourth Out, close button")


if __name__ == "__main__":
    main()
