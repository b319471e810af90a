"""The line-up check and one whole match watched in the window: its clock and commentary, "Out" and "In",
the refusals of leaving early, and the result."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import (BENCH, DARK_BLUE, DARK_RED, STARTERS, WHITE, Game, check, in_button,  # noqa: E402
                          mark_lineup, marked, match_screen_drawn, minute, out_button, run_cases,
                          wait_final_whistle, wait_lineup_panel, wait_match_screen)

LEAVING = ["The match is not over yet.", "You can't leave the field now!"]


def check_refused(game, key):  # a key that would leave the match is refused, and the clock goes on
    check(game.answer(key) == LEAVING, f"{key} refused")
    before = minute(game.grab())
    game.wait_for(lambda: minute(game.grab()) > before, 5, "the clock to go on")
    check(match_screen_drawn(game.grab()), f"{key} closed the match screen")


def test_lineup_and_a_whole_match(display, build):
    with Game(display, build) as game:
        game.pass_intro()
        mark_lineup(game, STARTERS + [20], BENCH[:5])  # the sixth substitute's row as a twelfth starter
        check(game.answer("u")[0] == "You included too many players!", "too many")
        check([r for r in range(22) if marked(game.grab(), r, "T.")] == STARTERS, "the twelfth starter cleared")
        game.hold_key("u")
        wait_lineup_panel(game, 5)

        game.hold_key("p")
        wait_match_screen(game)
        check_refused(game, "Escape")
        for left, (out, into) in enumerate(((5, 4), (6, 2), (1, 1)), 1):  # an attacker for a midfielder first
            game.click(*out_button(out))
            game.click(*in_button(into))
            game.wait_for(lambda: game.grab().read_text(24, 350, 17, WHITE) == f"Sobstitutions: {3 - left}", 3,
                          f"substitution {left}")
        game.wait_for(lambda: game.grab().read_text(200, 64, 13, DARK_BLUE) == "4 - 3 - 3", 3, "the module label")
        game.click(*out_button(2))
        check(game.dismiss_box() == ["No more substitutions left!"], "a fourth Out")
        check(game.ask("close") == ["Are you sure?"], "the close button asks")
        game.hold_key("n")
        game.wait_box_gone()
        check_refused(game, "c")

        wait_final_whistle(game)  # "&Close" then shows the result with the score shown
        shot = game.grab()
        check(any("attacking" in line or "midfield action" in line for line in
                  (shot.read_text(574, 24 + 8 * n, 25, DARK_RED) for n in range(70))), "plays in the commentary")
        home, away = (int(shot.read_text(x, 350, 2, DARK_BLUE)) for x in (200, 240))
        check(game.answer("c") == [f"VELMO - ARDENZIO : {home}   {away}"], "the result message")
        game.wait_for(lambda: game.grab().read_text(350, 190, 30, DARK_BLUE) == "Matchday: 2   in trasferta", 5,
                      "the main screen at the next matchday")


if __name__ == "__main__":
    run_cases([test_lineup_and_a_whole_match])
