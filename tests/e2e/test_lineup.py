"""The line-up check and the panels, played in the window.

Ten starters: the add-more message, no line-up panel, and "&Match" refused
with "Before playing you have to select your players!". Thirteen starters
and seven substitutes: the too-many message then the substitutes message,
the twelfth and thirteenth starter marks cleared, the seventh substitute
mark kept. After "&Reset", a 4-4-2 with six substitutes: no message, the
line-up panel with the module and the sums of the chosen players, and the
opponent panel of the first matchday.

    python3 tests/e2e/test_lineup.py --build BUILD_DIR
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from match_helpers import (PANEL_X, classic_lineup, dismiss_box, human_fixture, mark,  # noqa: E402
                           mark_lineup, opponent_panel, press_expecting_box, read_club_names,
                           read_fixtures, read_squad, sector_sums)
from velmo_driver import DARK_RED, WHITE, Display, Game, marked, parse_args  # noqa: E402

TOO_FEW = ["You have to add more players: football needs 11 players per side! :)"]
TOO_MANY = ["You included too many players!", "Please correct your team line up."]
TOO_MANY_SUBS = ["You can choose only 6 substitutes."]
NO_LINEUP = ["Before playing you have to select your players!"]


def lineup_panel(squad, starters, bench):
    """The main screen's line-up panel, line by line, as (y, text)."""
    module, sums = sector_sums([squad[r] for r in starters])
    lines = [(40, "Module: %d - %d - %d" % tuple(module)),
             (60, "DEFENCE (goalkeeper included)"), (90, "MIDFIELD"), (120, "ATTACK"),
             (150, "Substitutes: %d" % len(bench))]
    for sector, y in enumerate((70, 100, 130)):
        lines.append((y, "Technique: %d Fantasy: %d Condition: %d" % tuple(sums[sector])))
    return lines


def panel_shown(shot, lines):
    return all(shot.text_at(PANEL_X, y, text, WHITE, DARK_RED) for y, text in lines)


def check_too_few(game, starters):
    for row in starters[:10]:
        mark(game, row, "T.")
    game.move_mouse(650, 450)
    assert press_expecting_box(game, "u") == TOO_FEW
    assert game.grab().count(PANEL_X, 40, 120, 8, DARK_RED) == 0, "a panel after 10 starters"
    assert press_expecting_box(game, "p") == NO_LINEUP


def check_too_many(game, squad, starters):
    """Three more starters (13 in all) and seven substitutes."""
    extra = [r for r in range(len(squad)) if r not in starters]
    new_starters, bench = extra[:2], extra[2:9]
    for row in [starters[10]] + new_starters:
        mark(game, row, "T.")
    for row in bench:
        mark(game, row, "S.")
    game.move_mouse(650, 450)
    marked_rows = sorted(starters + new_starters)
    game.hold_key("u")
    assert dismiss_box(game) == TOO_MANY
    assert dismiss_box(game) == TOO_MANY_SUBS
    shot = game.grab()
    kept, cleared = marked_rows[:11], marked_rows[11:]
    assert all(marked(shot, r, "T.") for r in kept), "one of the first eleven lost his mark"
    assert not any(marked(shot, r, "T.") for r in cleared), "a surplus starter kept his mark"
    assert all(marked(shot, r, "S.") for r in bench), "a substitute mark was cleared"


def check_valid(game, squad, folder):
    starters, bench = classic_lineup(squad)
    game.hold_key("r")
    def no_marks():
        shot = game.grab()
        return not any(marked(shot, r, c) for r in range(22) for c in ("T.", "S."))
    game.wait_for(no_marks, 3, "the marks to clear")
    mark_lineup(game, starters, bench)
    game.hold_key("u")
    lines = lineup_panel(squad, starters, bench)
    game.wait_for(lambda: panel_shown(game.grab(), lines), 5, "the line-up panel")
    assert game.grab().box() is None, "a message for a valid line-up"

    opponent, where = human_fixture(read_fixtures(folder)[0])
    name = read_club_names(folder)[opponent]
    matchday, heading = opponent_panel(game.grab())
    assert matchday == "Matchday: 1   " + where, matchday
    assert heading.startswith("Opponent: %s   Module: " % name), heading
    game.screenshot("lineup_valid")


def main():
    args = parse_args()
    with Display() as display:
        with Game(display, args.build) as game:
            squad = read_squad(game.folder)
            starters, _bench = classic_lineup(squad)
            game.pass_intro()
            check_too_few(game, starters)
            check_too_many(game, squad, starters)
            check_valid(game, squad, game.folder)
    print("line-up: messages, cleared marks and both panels as expected")


if __name__ == "__main__":
    main()
