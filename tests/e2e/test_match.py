"""The line-up check and one whole match watched in the window: its clock and commentary, "Out" and "In",
the refusals of leaving early, and the result."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from match_helpers import (BENCH, STARTERS, in_button, mark_lineup, match_screen_drawn, minute,  # noqa: E402
                           out_button, read_line, wait_final_whistle, wait_lineup_panel, wait_match_screen)
from velmo_driver import DARK_RED, UNKNOWN, WHITE, Game, check, marked, run_cases  # noqa: E402

# The human club's first two fixtures in game/calendario.dat.
MATCHDAY_1, MATCHDAY_2 = (1, "in casa", "ARDENZIO"), (2, "in trasferta", "BRUSAGLIA")
LEAVING = ["The match is not over yet.", "You can't leave the field now!"]


def wait_opponent(game, matchday):  # the main screen's opponent panel: matchday, venue and the opponent's name
    def shown():
        shot = game.grab()
        return (read_line(shot, 350, 190, 40) == "Matchday: %d   %s" % matchday[:2]
                and read_line(shot, 350, 210, 50, WHITE).startswith(f"Opponent: {matchday[2]}   Module: "))
    game.wait_for(shown, 5, f"the opponent panel of matchday {matchday[0]}")


def module_label(game):
    return read_line(game.grab(), 200, 64, 13)


def check_refused(game, key):
    """A key that would leave the match is refused, and the clock goes on."""
    check(game.answer(key) == LEAVING, f"{key} refused")
    before = minute(game.grab())
    game.wait_for(lambda: minute(game.grab()) > before, 5, "the clock to go on")
    check(match_screen_drawn(game.grab()), f"{key} closed the match screen")


def commentary_complete(shot):
    """45 plays, one line ending each (a long name may wrap its last word), or a scrolled box at its bottom."""
    if shot.count(773, 30, 1, 540, DARK_RED) == 540:
        return shot.count(775, 575, 9, 10, DARK_RED) > 0
    lines = [shot.read_text(574, 24 + 8 * n, 25, DARK_RED).rstrip(UNKNOWN).strip() for n in range(70)]
    return 45 == sum(line.endswith(("attacking", "scored!")) or line == "midfield action"
                     or line.startswith("GOOAL!!") for line in lines)


def test_lineup_and_a_whole_match(display, build):
    with Game(display, build) as game:
        game.pass_intro()
        mark_lineup(game, STARTERS + [20], BENCH[:5])  # a twelfth starter; the sixth bench slot stays empty
        check(game.answer("u") == ["You included too many players!", "Please correct your team line up."],
              "too many")
        check([r for r in range(22) if marked(game.grab(), r, "T.")] == STARTERS, "the twelfth starter cleared")
        game.hold_key("u")
        wait_lineup_panel(game, 5)
        wait_opponent(game, MATCHDAY_1)
        check(game.grab().box() is None, "no message for a valid line-up")

        game.hold_key("p")
        wait_match_screen(game)
        check_refused(game, "Escape")
        for buttons, module in (((out_button(5), in_button(4)), "4 - 3 - 3"),  # a midfielder for an attacker
                                ((out_button(6), in_button(4), in_button(5)), "4 - 3 - 3"),  # came on; empty
                                ((in_button(1),), "5 - 2 - 3"),  # the Out still pending
                                ((out_button(1), in_button(0)), "4 - 2 - 3")):  # a goalkeeper for a defender
            for button in buttons:
                game.click(*button)
            game.wait_for(lambda: module_label(game) == module, 3, f"the module label {module}")
        game.wait_for(lambda: read_line(game.grab(), 24, 350, 17, WHITE) == "Sobstitutions: 0", 3, "0 left")
        game.click(*out_button(2))
        check(game.dismiss_box() == ["No more substitutions left!"], "a fourth Out")
        check(module_label(game) == "4 - 2 - 3", "changes nothing")
        check(game.ask("close") == ["Are you sure?"], "the close button asks")
        game.hold_key("n")
        game.wait_box_gone()
        check_refused(game, "c")

        wait_final_whistle(game)  # "&Close" then shows the result with the score shown
        shot = game.grab()
        check(commentary_complete(shot), "45 plays in the commentary at the final whistle")
        home, away = (int(read_line(shot, x, 350, 2)) for x in (200, 240))
        check(game.answer("c") == [f"VELMO - {MATCHDAY_1[2]} : {home}   {away}"], "the result message")
        wait_opponent(game, MATCHDAY_2)


if __name__ == "__main__":
    run_cases([test_lineup_and_a_whole_match])
