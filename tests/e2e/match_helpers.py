"""What the line-up and match window tests share: the squad and fixture
files read the way the game reads them, marks clicked until they show, and
the match screen's labels read from the screen.

The positions are those of the main screen's marks and of the match
screen's dialog entries; the expected texts are composed here from the data
files by the game's rules, never read back from the game.
"""

import os
import subprocess
import time

from velmo_driver import DARK_BLUE, DARK_RED, UNKNOWN, WHITE, marked

# ---------------------------------------------------------------- data files


def read_squad(folder):
    """The squad file's players by row: dicts with number, surname, role and
    the three ratings the line-up sums (technique, fantasy, condition)."""
    squad = []
    with open(os.path.join(folder, "velmo.dat")) as f:
        for line in f:
            fields = line.split()
            if len(fields) < 8:
                continue
            number, surname, _name, role, _a, technique, fantasy, condition = fields[:8]
            squad.append(dict(number=int(number), surname=surname, role=role,
                              technique=int(technique), fantasy=int(fantasy),
                              condition=int(condition)))
    return squad


def read_club_names(folder):
    """{identifier: name} of the league file (five lines a club)."""
    with open(os.path.join(folder, "teams.dat")) as f:
        lines = [line.split() for line in f if line.strip()]
    return {int(lines[i][0]): lines[i][1] for i in range(0, len(lines), 5)}


def read_fixtures(folder):
    """The fixture file as [(number, [(home, away) x 10])]."""
    with open(os.path.join(folder, "calendario.dat")) as f:
        lines = [line.split() for line in f if line.strip()]
    days = []
    for i in range(0, len(lines), 11):
        days.append((int(lines[i][0]), [(int(h), int(a)) for h, a in lines[i + 1:i + 11]]))
    return days


def human_fixture(day):
    """(opponent identifier, "in casa" or "in trasferta") of a matchday."""
    _number, fixtures = day
    for home, away in fixtures:
        if home == 19:
            return away, "in casa"
    for home, away in fixtures:
        if away == 19:
            return home, "in trasferta"
    raise ValueError("the human club does not play on this matchday")


def short_calendar(folder, matchdays):
    """The fixture file cut to its first `matchdays` matchdays."""
    with open(os.path.join(folder, "calendario.dat")) as f:
        lines = [line for line in f if line.strip()]
    return "".join(lines[:11 * matchdays])


# ---------------------------------------------------------------- line-ups

SECTOR_ROLES = (("GK", "DF"), ("MF",), ("AT",))


def rows_by_role(squad):
    rows = {}
    for r, player in enumerate(squad):
        rows.setdefault(player["role"], []).append(r)
    return rows


def classic_lineup(squad):
    """Starters in 4-4-2 (the first goalkeeper, defenders, midfielders and
    attackers of the squad, in row order, so the starter slots run GK, DF x4,
    MF x4, AT x2), and the bench: rows of a defender, a midfielder, an
    attacker, a goalkeeper, another midfielder and another attacker."""
    by_role = rows_by_role(squad)
    starters = by_role["GK"][:1] + by_role["DF"][:4] + by_role["MF"][:4] + by_role["AT"][:2]
    bench = [by_role["DF"][4], by_role["MF"][4], by_role["AT"][2], by_role["GK"][1],
             by_role["MF"][5], by_role["AT"][3]]
    return sorted(starters), bench


def sector_sums(players):
    """Module (DF, MF, AT counts) and the per-sector technique, fantasy and
    condition sums of a list of players, by the line-up rules."""
    module = [0, 0, 0]
    sums = [[0, 0, 0] for _ in range(3)]
    for p in players:
        for sector, roles in enumerate(SECTOR_ROLES):
            if p["role"] in roles:
                if p["role"] != "GK":
                    module[sector] += 1
                sums[sector][0] += p["technique"]
                sums[sector][1] += p["fantasy"]
                sums[sector][2] += p["condition"]
    return module, sums


def module_text(module):
    return " - ".join(str(n) for n in module)


def sector_text(sums):
    return " " + " ".join(str(n) for n in sums)


# ---------------------------------------------------------------- marks

STARTER_X, SUBSTITUTE_X = 8, 38


def mark(game, row, column):
    """Clicks row's mark in column "T." or "S." until the screen shows it."""
    x = STARTER_X if column == "T." else SUBSTITUTE_X
    y = 18 + 24 * row
    game.move_mouse(x, y)
    time.sleep(0.05)  # a press that comes with the move can land on the old spot
    game.click(x, y)
    game.wait_for(lambda: marked(game.grab(), row, column), 3, f"row {row}'s {column} mark")


def mark_lineup(game, starters, bench):
    for row in starters:
        mark(game, row, "T.")
    for row in bench:
        mark(game, row, "S.")
    game.move_mouse(650, 450)


def dismiss_box(game):
    """Reads the message box on screen, presses Enter, and waits until it
    has gone or another box with another text has taken its place."""
    lines = game.box_lines()
    game.hold_key("Return")
    game.wait_for(lambda: game.grab().box_lines() != lines, 10, "the message box to close")
    return lines


def press_expecting_box(game, key):
    game.hold_key(key)
    return dismiss_box(game)


# ---------------------------------------------------------------- main screen panels

PANEL_X = 350


def read_line(shot, x, y, cells, fg):
    return shot.read_text(x, y, cells, fg).rstrip()


def wait_lineup_panel(game, module):
    """Waits for the line-up panel's first line, "Module: " and the module."""
    game.wait_for(lambda: game.grab().text_at(PANEL_X, 40, "Module: " + module_text(module),
                                              WHITE, DARK_RED), 5, "the line-up panel")


def opponent_panel(shot):
    """The opponent panel's first two lines as the screen shows them."""
    return (read_line(shot, PANEL_X, 190, 40, DARK_BLUE), read_line(shot, PANEL_X, 210, 50, WHITE))


# ---------------------------------------------------------------- the match screen

def match_screen_drawn(shot):
    """The match dialog is up: its dark red frame and "&Close" (white
    button, dark blue rim, at 420, 140)."""
    return (shot.only(1, 10, 4, 580, {DARK_RED}) and shot.pixel(420, 140) == DARK_BLUE
            and shot.pixel(424, 146) == WHITE)


def wait_match_screen(game, timeout=10):
    return game.wait_for(lambda: match_screen_drawn(game.grab()), timeout, "the match screen")


def minute(shot):
    """The minute label (entry 79) as a number, or None while unreadable."""
    text = read_line(shot, 370, 350, 3, DARK_BLUE)
    return int(text) if text.isdigit() else None


def score(shot):
    home = read_line(shot, 200, 350, 2, DARK_BLUE)
    away = read_line(shot, 240, 350, 2, DARK_BLUE)
    return int(home), int(away)


def human_module(shot):
    return read_line(shot, 200, 64, 13, DARK_BLUE)


def human_sector(shot, sector):
    return read_line(shot, 200, (96, 128, 160)[sector], 13, DARK_BLUE)


def substitutions_label(shot):
    return read_line(shot, 24, 350, 17, WHITE)


def out_button(slot):
    return (40, 56 + 16 * slot)


def in_button(slot):
    return (40, 256 + 16 * slot)


def wait_final_whistle(game, timeout=70):
    """Waits until the minute label shows 90 or more."""
    return game.wait_for(lambda: (minute(game.grab()) or 0) >= 90, timeout, "the final whistle")


# The commentary box (entry 57): its lines are drawn 8 pixels apart.
COMMENTARY_X, COMMENTARY_Y, COMMENTARY_LINES, COMMENTARY_CELLS = 574, 24, 70, 25


def commentary(shot):
    """The commentary lines the box shows, top to bottom (the last cell may
    fall on the scroll bar: it is dropped when it reads as no glyph)."""
    return [shot.read_text(COMMENTARY_X, COMMENTARY_Y + 8 * n, COMMENTARY_CELLS, DARK_RED)
            .rstrip(UNKNOWN).strip() for n in range(COMMENTARY_LINES)]


def commentary_scroll(shot):
    """None when the box shows no scroll bar, else whether its thumb
    reaches the bottom (the box shows the latest lines)."""
    bar_x = COMMENTARY_X - 4 + 216 - 13
    if shot.count(bar_x, 30, 1, 540, DARK_RED) < 540:
        return None
    return shot.count(bar_x + 2, 575, 9, 10, DARK_RED) > 0


def plays_in(lines):
    """How many plays a commentary shows: each play leaves exactly one line
    ending its text (a long name may push "attacking" or "scored!" onto a
    line of its own, which is then the one counted)."""
    return sum(1 for line in lines
               if line.endswith("attacking") or line == "midfield action"
               or line.endswith("scored!") or line.startswith("GOOAL!!"))


# ---------------------------------------------------------------- velmo-sim

def simulate(build, folder, seed, starters, bench, matchdays, save_to):
    """Runs velmo-sim on a data folder and returns the saved file's bytes."""
    subprocess.run([os.path.join(build, "velmo-sim"), "--data", folder, "--seed", str(seed),
                    "--matchdays", str(matchdays),
                    "--starters", ",".join(map(str, starters)),
                    "--subs", ",".join(map(str, bench)), "--save", save_to],
                   check=True, stdout=subprocess.DEVNULL)
    with open(save_to, "rb") as f:
        return f.read()
