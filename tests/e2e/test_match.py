"""The line-up check, the match, substitutions and the season's end, in the window over a fixture file cut short."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from match_helpers import (BENCH, FAKETIME, STARTERS, in_button, mark_lineup, match_screen_drawn,  # noqa: E402
                           minute, out_button, read_line, saved_by_sim, wait_final_whistle, wait_lineup_panel,
                           wait_match_screen)
from velmo_driver import DARK_BLUE, DARK_RED, REPO, UNKNOWN, WHITE, Game, check, marked, run_cases  # noqa: E402

# The human club's first two fixtures in game/calendario.dat.
MATCHDAY_1, MATCHDAY_2 = (1, "in casa", "ARDENZIO"), (2, "in trasferta", "BRUSAGLIA")


def short_calendar(matchdays):  # the shipped fixture file cut to its first matchdays, 11 lines each
    with open(os.path.join(REPO, "game", "calendario.dat")) as f:
        return "".join([line for line in f if line.strip()][:11 * matchdays])


def wait_opponent(game, matchday):  # the main screen's opponent panel: matchday, venue and the opponent's name
    def shown():
        shot = game.grab()
        return (read_line(shot, 350, 190, 40) == "Matchday: %d   %s" % matchday[:2]
                and read_line(shot, 350, 210, 50, WHITE).startswith(f"Opponent: {matchday[2]}   Module: "))
    game.wait_for(shown, 5, f"the opponent panel of matchday {matchday[0]}")


def module_label(game):
    return read_line(game.grab(), 200, 64, 13)


def substitutions_label(shot):
    return read_line(shot, 24, 350, 17, WHITE)


def check_refused(game, key):
    """A key that would leave the match is refused, and the clock goes on."""
    check(game.answer(key) == ["The match is not over yet.", "You can't leave the field now!"], f"{key} refused")
    before = minute(game.grab())
    game.wait_for(lambda: minute(game.grab()) > before, 5, "the clock to go on")
    check(match_screen_drawn(game.grab()), f"{key} closed the match screen")


def finish_match(game, opponent):
    """At the final whistle "&Close" shows the result message with the score shown."""
    wait_final_whistle(game)
    shot = game.grab()
    home, away = (int(read_line(shot, x, 350, 2)) for x in (200, 240))
    check(game.answer("c") == [f"VELMO - {opponent} : {home}   {away}"], "the result message")
    return shot


def commentary_complete(shot):
    """45 plays, one line ending each (a long name may wrap its last word), or a scrolled box at its bottom."""
    if shot.count(773, 30, 1, 540, DARK_RED) == 540:
        return shot.count(775, 575, 9, 10, DARK_RED) > 0
    lines = [shot.read_text(574, 24 + 8 * n, 25, DARK_RED).rstrip(UNKNOWN).strip() for n in range(70)]
    return 45 == sum(line.endswith(("attacking", "scored!")) or line == "midfield action"
                     or line.startswith("GOOAL!!") for line in lines)


def test_lineup_substitutions_and_season_end(display, build):
    with Game(display, build, files={"calendario.dat": short_calendar(1)}) as game:
        game.pass_intro()
        mark_lineup(game, STARTERS[:10], [])
        check(game.answer("u") == [
            "You have to add more players: football needs 11 players per side! :)"], "10 starters")
        check(game.grab().count(350, 40, 120, 8, DARK_RED) == 0, "no line-up panel")
        check(game.answer("p") == ["Before playing you have to select your players!"], "no match")
        subs = [1, 2, 7, 8, 9, 14, 15]
        mark_lineup(game, STARTERS[10:] + [19, 20], subs)
        check(game.answer("u") == ["You included too many players!", "Please correct your team line up."]
              and game.dismiss_box() == ["You can choose only 6 substitutes."], "too many")
        shot = game.grab()
        check([r for r in range(22) if marked(shot, r, "T.")] == STARTERS
              and all(marked(shot, r, "S.") for r in subs), "the 12th and 13th starters cleared")
        game.hold_key("r")
        game.wait_for(lambda: not marked(game.grab(), 0, "T."), 3, "the marks to clear")
        mark_lineup(game, STARTERS, BENCH[:5])  # the sixth bench slot stays empty
        game.hold_key("u")
        wait_lineup_panel(game, 5)
        wait_opponent(game, MATCHDAY_1)
        check(game.grab().box() is None, "no message for a valid line-up")
        game.screenshot("lineup_valid")

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
        game.wait_for(lambda: substitutions_label(game.grab()) == "Sobstitutions: 0", 3, "0 left")
        game.click(*out_button(2))
        check(game.dismiss_box() == ["No more substitutions left!"], "a fourth Out")
        check(module_label(game) == "4 - 2 - 3", "changes nothing")
        game.screenshot("match_substitutions")
        check(game.ask("close") == ["Are you sure?"], "the close button asks")
        game.hold_key("n")
        game.wait_box_gone()

        finish_match(game, MATCHDAY_1[2])
        game.wait_for(lambda: game.grab().only(1, 10, 4, 580, {DARK_BLUE}), 10, "the season end")
        game.screenshot("match_season_end")
        game.hold_key("n")
        wait_opponent(game, MATCHDAY_1)


def test_substitutions_across_two_matches(display, build):
    """A player who came on in the last match still stands in the line-up: he cannot come on again."""
    with Game(display, build, files={"calendario.dat": short_calendar(3)}) as game:
        game.pass_intro()
        mark_lineup(game, STARTERS, [14, 19])  # bench slot 0 a midfielder, slot 1 an attacker
        game.hold_key("u")
        wait_lineup_panel(game, 2)
        game.hold_key("p")
        wait_match_screen(game)
        game.click(*out_button(5))  # a midfielder for the attacker
        game.click(*in_button(1))
        game.wait_for(lambda: module_label(game) == "4 - 3 - 3", 3, "the module label 4 - 3 - 3")
        game.hold_key("f")
        wait_final_whistle(game)
        game.answer("c")
        wait_opponent(game, MATCHDAY_2)

        game.hold_key("p")  # no line-up check between: the attacker still plays in slot 5
        wait_match_screen(game)
        check(module_label(game) == "4 - 3 - 3", "the line-up as the last match left it")
        game.click(*out_button(9))
        game.click(*in_button(1))
        check(game.settled().box() is None and module_label(game) == "4 - 3 - 3", "the In refused, silently")
        game.click(*in_button(0))  # the Out waited: a midfielder for an attacker
        game.wait_for(lambda: module_label(game) == "4 - 4 - 2", 3, "the module label 4 - 4 - 2")
        game.click(*out_button(2))
        check(game.dismiss_box() == ["No substitute can come on."], "nobody left to come on")
        shot = game.settled()
        check(substitutions_label(shot) == "Sobstitutions: 2" and module_label(game) == "4 - 4 - 2",
              "the refused Out took nothing")
        game.screenshot("match_across_two")
        game.hold_key("f")
        wait_final_whistle(game)
        check(game.grab().count(24, 350, 136, 8, WHITE) > 0 and minute(game.grab()) == 90, "finished at 90")
        game.answer("c")


def test_whole_match_replayed_headless(display, build):
    """Under faketime the seed is T or T + 1: the window's match makes velmo-sim's draws."""
    with Game(display, build, files={"calendario.dat": short_calendar(2)}, **FAKETIME) as game:
        game.pass_intro()
        mark_lineup(game, STARTERS, BENCH)
        game.hold_key("u")
        wait_lineup_panel(game, 6)
        game.hold_key("p")
        wait_match_screen(game)
        check_refused(game, "c")
        shot = finish_match(game, MATCHDAY_1[2])
        check(commentary_complete(shot), "45 plays in the commentary at the final whistle")
        check(substitutions_label(shot) == "Sobstitutions: 3", "no substitution made")
        wait_opponent(game, MATCHDAY_2)
        check(game.answer("s") == ["The game has been saved."], "saved")
        check(saved_by_sim(game, build, 1), "saved.dat is a headless replay's")


if __name__ == "__main__":
    # faketime's game outlives a kill of the wrapper, until the display ends: it runs last.
    run_cases([test_lineup_substitutions_and_season_end, test_substitutions_across_two_matches,
               test_whole_match_replayed_headless])
