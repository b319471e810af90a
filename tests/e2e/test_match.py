"""The line-up check, the match, substitutions and the season's end, played in
the window over the shipped squad and a fixture file cut short.

    python3 tests/e2e/test_match.py --build BUILD_DIR
"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from match_helpers import (BENCH, STARTERS, answer, dismiss_box, in_button,  # noqa: E402
                           mark_lineup, match_screen_drawn, minute, out_button, press_at,
                           read_line, short_calendar, wait_final_whistle, wait_lineup_panel,
                           wait_match_screen)
from velmo_driver import (DARK_BLUE, DARK_RED, UNKNOWN, WHITE, Game, check,  # noqa: E402
                          marked, run_cases)

START = 1767225600  # 2026-01-01 00:00:00 UTC
NOT_OVER = ["The match is not over yet.", "You can't leave the field now!"]
# The human club's first two fixtures in game/calendario.dat.
MATCHDAY_1, MATCHDAY_2 = (1, "in casa", "ARDENZIO"), (2, "in trasferta", "BRUSCAGLIA")


def wait_opponent(game, matchday):
    """The main screen's opponent panel: matchday, venue and the opponent's name."""
    def shown():
        shot = game.grab()
        return (read_line(shot, 350, 190, 40) == "Matchday: %d   %s" % matchday[:2]
                and read_line(shot, 350, 210, 50, WHITE).startswith(
                    f"Opponent: {matchday[2]}   Module: "))
    game.wait_for(shown, 5, f"the opponent panel of matchday {matchday[0]}")


def module_label(game):
    return read_line(game.grab(), 200, 64, 13)


def substitutions_label(shot):
    return read_line(shot, 24, 350, 17, WHITE)


def check_refused(game, key):
    """A key that would leave the match is refused, and the clock goes on."""
    check(answer(game, key) == NOT_OVER, f"{key}: the match is not over yet")
    before = minute(game.grab())
    game.wait_for(lambda: minute(game.grab()) > before, 5, "the clock to go on")
    check(match_screen_drawn(game.grab()), f"{key} closed the match screen")


def finish_match(game, opponent):
    """At the final whistle "&Close" shows the result message with the score shown."""
    wait_final_whistle(game)
    shot = game.grab()
    home, away = (int(read_line(shot, x, 350, 2)) for x in (200, 240))
    game.hold_key("c")
    check(dismiss_box(game) == [f"VELMO - {opponent} : {home}   {away}"], "the result message")
    return shot


def commentary_complete(shot):
    """The commentary box shows 45 plays, one line ending each (a long name may
    push "attacking" or "scored!" onto a line of its own); when many goals make
    it scroll, its thumb must be at the bottom, on the latest lines."""
    if shot.count(773, 30, 1, 540, DARK_RED) == 540:
        return shot.count(775, 575, 9, 10, DARK_RED) > 0
    lines = [shot.read_text(574, 24 + 8 * n, 25, DARK_RED).rstrip(UNKNOWN).strip()
             for n in range(70)]
    return 45 == sum(line.endswith(("attacking", "scored!")) or line == "midfield action"
                     or line.startswith("GOOAL!!") for line in lines)


def replays(build, folder):
    """velmo-sim's saved file after matchday 1, same data and marks, seeds T and T + 1."""
    files = []
    with tempfile.TemporaryDirectory() as scratch:
        for seed in (START, START + 1):
            subprocess.run([os.path.join(build, "velmo-sim"), "--data", folder, "--seed", str(seed),
                            "--matchdays", "1", "--starters", ",".join(map(str, STARTERS)),
                            "--subs", ",".join(map(str, BENCH)), "--save", f"{scratch}/saved.dat"],
                           check=True, stdout=subprocess.DEVNULL)
            with open(f"{scratch}/saved.dat", "rb") as f:
                files.append(f.read())
    return files


def test_lineup_substitutions_and_season_end(display, build):
    with Game(display, build, files={"calendario.dat": short_calendar(1)}) as game:
        game.pass_intro()
        mark_lineup(game, STARTERS[:10], [])
        check(answer(game, "u") == [
            "You have to add more players: football needs 11 players per side! :)"], "10 starters")
        check(game.grab().count(350, 40, 120, 8, DARK_RED) == 0, "no line-up panel")
        check(answer(game, "p") == ["Before playing you have to select your players!"], "no match")
        subs = [1, 2, 7, 8, 9, 14, 15]
        mark_lineup(game, STARTERS[10:] + [19, 20], subs)
        game.hold_key("u")
        check(dismiss_box(game) == ["You included too many players!",
                                    "Please correct your team line up."]
              and dismiss_box(game) == ["You can choose only 6 substitutes."], "too many")
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
        for out_slot, in_slots, module in ((5, [4], "4 - 3 - 3"),     # a midfielder for an attacker
                                           (6, [4, 5], "4 - 3 - 3"),  # one who came on; empty slot
                                           (None, [1], "5 - 2 - 3"),  # the Out still pending
                                           (1, [0], "4 - 2 - 3")):    # a goalkeeper for a defender
            if out_slot is not None:
                press_at(game, *out_button(out_slot))
            for slot in in_slots:
                press_at(game, *in_button(slot))
            game.wait_for(lambda: module_label(game) == module, 3, f"the module label {module}")
        game.wait_for(lambda: substitutions_label(game.grab()) == "Sobstitutions: 0", 3, "0 left")
        press_at(game, *out_button(2))
        check(dismiss_box(game) == ["No more substitutions left!"], "a fourth Out")
        check(module_label(game) == "4 - 2 - 3", "changes nothing")
        game.screenshot("match_substitutions")
        game.send_wm_delete()
        check(game.box_lines() == ["Are you sure?"], "the close button asks")
        game.hold_key("n")
        game.wait_box_gone()

        finish_match(game, MATCHDAY_1[2])
        game.wait_for(lambda: game.grab().only(1, 10, 4, 580, {DARK_BLUE}), 10, "the season end")
        game.screenshot("match_season_end")
        game.hold_key("n")
        game.wait_main_screen()
        wait_opponent(game, MATCHDAY_1)


def test_whole_match_replayed_headless(display, build):
    """Under faketime the seed is T or T + 1: the window's match makes velmo-sim's draws."""
    with Game(display, build, files={"calendario.dat": short_calendar(2)}, env={"TZ": "UTC"},
              prefix=["faketime", "-f", "@2026-01-01 00:00:00"]) as game:
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
        game.wait_main_screen()
        wait_opponent(game, MATCHDAY_2)
        check(answer(game, "s") == ["The game has been saved."], "saved")
        with open(game.path("saved.dat"), "rb") as f:
            check(f.read() in replays(build, game.folder), "saved.dat is a headless replay's")


if __name__ == "__main__":
    # faketime's game outlives a kill of the wrapper, until the display ends: it runs last.
    run_cases([test_lineup_substitutions_and_season_end, test_whole_match_replayed_headless])
