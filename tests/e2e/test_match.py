"""A short season played in the window, the first match replayed headless.

The game runs under faketime at 2026-01-01 00:00:00 UTC, so that its seed
is that instant T (or T + 1 when start-up crosses a second), with a fixture
file cut to two matchdays. A 4-4-2 is marked and checked; "&Match" kicks
off; "&Close" is refused at once and the match goes on; at the final
whistle (minute 90) the commentary holds 45 plays, "&Close" closes, the
result message names VELMO first with the score the screen showed, and the
main screen shows the second matchday's opponent. "&Save" then writes
exactly the file velmo-sim writes for the same seed, data and marks after
one match: the window's match made the same draws as the rules, with a
play at every clock value 1..45. The second match ends the season: the
season-end screen opens and "&New League" returns to matchday 1.

    python3 tests/e2e/test_match.py --build BUILD_DIR
"""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from match_helpers import (classic_lineup, commentary, commentary_scroll,  # noqa: E402
                           dismiss_box, human_fixture, mark_lineup, match_screen_drawn, minute,
                           opponent_panel, plays_in, press_expecting_box, read_club_names,
                           read_fixtures, read_squad, score, short_calendar, simulate,
                           substitutions_label, wait_final_whistle, wait_lineup_panel,
                           wait_match_screen)
from velmo_driver import DARK_BLUE, REPO, WHITE, Display, Game, parse_args  # noqa: E402

START = 1767225600  # 2026-01-01 00:00:00 UTC
FAKETIME = ["faketime", "-f", "@2026-01-01 00:00:00"]
NOT_OVER = ["The match is not over yet.", "You can't leave the field now!"]


def season_end_drawn(shot):
    """The season-end screen: its dark blue frame and the white "&New League"."""
    return shot.only(1, 10, 4, 580, {DARK_BLUE}) and shot.pixel(334, 544) == WHITE


def expect_opponent(game, folder, day_index):
    """The main screen's opponent panel shows the human club's fixture of
    that matchday; returns the opponent's name."""
    day = read_fixtures(folder)[day_index]
    number = day[0]
    opponent, where = human_fixture(day)
    name = read_club_names(folder)[opponent]
    expected = ("Matchday: %d   %s" % (number, where), "Opponent: %s   Module: " % name)
    game.wait_for(lambda: opponent_panel(game.grab())[0] == expected[0], 5,
                  "the panel of matchday %d" % number)
    _matchday, heading = opponent_panel(game.grab())
    assert heading.startswith(expected[1]), heading
    return name


def play_match(game, opponent, refuse_close):
    """From the main screen to the result message: returns the final score."""
    game.hold_key("p")
    wait_match_screen(game)
    if refuse_close:
        assert press_expecting_box(game, "c") == NOT_OVER
        before = minute(game.grab())
        game.wait_for(lambda: (minute(game.grab()) or 0) > before, 5, "the clock to go on")
        assert match_screen_drawn(game.grab()), "the match screen closed before the end"
    wait_final_whistle(game)
    shot = game.grab()
    goals = score(shot)
    lines = commentary(shot)
    scroll = commentary_scroll(shot)
    if scroll is None:
        assert plays_in(lines) == 45, "%d plays in the commentary:\n%s" % (plays_in(lines), lines)
    else:  # a match of many goals: the box must show its latest lines
        assert scroll, "the commentary box does not show its last lines"
    assert substitutions_label(shot) == "Sobstitutions: 3"
    game.screenshot("match_over_%s" % opponent)
    game.hold_key("c")
    assert dismiss_box(game) == ["VELMO - %s : %d   %d" % (opponent, goals[0], goals[1])]
    return goals


def check_replay(build, game, starters, bench):
    """saved.dat after one match is velmo-sim's file for seed T or T + 1."""
    assert press_expecting_box(game, "s") == ["The game has been saved."]
    with open(game.path("saved.dat"), "rb") as f:
        saved = f.read()
    with tempfile.TemporaryDirectory() as scratch:
        replays = [simulate(build, game.folder, seed, starters, bench, 1,
                            os.path.join(scratch, "%d.dat" % seed))
                   for seed in (START, START + 1)]
    assert saved in replays, "saved.dat matches no headless replay of seeds T and T+1"


def main():
    args = parse_args()
    build = os.path.abspath(args.build)
    data = os.path.join(REPO, "game")
    with Display() as display:
        with Game(display, build, files={"calendario.dat": short_calendar(data, 2)},
                  env={"TZ": "UTC"}, prefix=FAKETIME) as game:
            squad = read_squad(game.folder)
            starters, bench = classic_lineup(squad)
            game.pass_intro()
            mark_lineup(game, starters, bench)
            game.hold_key("u")
            wait_lineup_panel(game, [4, 4, 2])
            first = expect_opponent(game, game.folder, 0)

            play_match(game, first, refuse_close=True)
            game.wait_main_screen()
            second = expect_opponent(game, game.folder, 1)
            check_replay(build, game, starters, bench)

            play_match(game, second, refuse_close=False)
            game.wait_for(lambda: season_end_drawn(game.grab()), 10, "the season-end screen")
            game.screenshot("match_season_end")
            game.hold_key("n")
            game.wait_main_screen()
            expect_opponent(game, game.folder, 0)
            assert game.alive()
    print("match: close refused, 45 plays, result, next opponent, replay, season end, new league")


if __name__ == "__main__":
    main()
