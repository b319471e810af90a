#!/usr/bin/env python3
"""Checks the data the game ships in game/: the squad, the league and the
fixture list, the badges, pictures and samples; and the fixture-list
generator in tools/ for other league sizes.

Run from the repository root: python3 tests/scripts/test_data.py [--build DIR]
(--build is accepted and ignored). Uses the standard library only.
"""
import importlib.util
import os
import struct
import sys
import wave

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
GAME = os.path.join(ROOT, "game")
MEDIA = os.path.join(GAME, "media")
HUMAN = 19

PICTURES = ["intro.jpg", "bk0.jpg", "bkmatch.jpg", "bkout.jpg", "bkinfo.jpg", "bkfinal.jpg"]
SAMPLES = ["quandosaremo.wav", "chinonsalta.wav", "forzavelmo1.wav", "forzavelmo2.wav",
           "velmo.wav", "orvenarossoblu.wav"]

results = {"passed": 0, "failed": 0}


def check(condition, what):
    if condition:
        results["passed"] += 1
    else:
        results["failed"] += 1
        print(f"FAIL: {what}")


def words(name):
    with open(os.path.join(GAME, name)) as f:
        return f.read().split()


# --- squad file ---------------------------------------------------------

def test_squad():
    w = words("velmo.dat")
    check(len(w) == 22 * 8, f"velmo.dat holds 22 players of 8 fields (has {len(w)} fields)")
    players = [w[i:i + 8] for i in range(0, len(w) - 7, 8)]
    numbers = [int(p[0]) for p in players]
    check(len(set(numbers)) == len(numbers), "player numbers are distinct")
    check(all(n > 0 for n in numbers), "player numbers are positive")
    roles = [p[3] for p in players]
    check(all(r in ("GK", "DF", "MF", "AT") for r in roles), f"every role is GK/DF/MF/AT: {roles}")
    check(roles.count("GK") >= 2, "at least two goalkeepers")
    check(roles.count("DF") >= 5 and roles.count("MF") >= 5 and roles.count("AT") >= 3,
          "enough defenders, midfielders and attackers for every module")
    for p in players:
        check(len(p[1]) <= 9 and p[1] != "-", f"surname {p[1]!r} is 1..9 characters")
        check(len(p[2]) <= 11, f"first name {p[2]!r} is at most 11 characters")
        values = [int(v) for v in p[4:]]
        check(values[0] > 0, f"{p[1]}: the A. value is positive")
        # The loader limits these to 1..30: shipped values need no limiting.
        check(all(1 <= v <= 30 for v in values[1:]), f"{p[1]}: skills within 1..30")


# --- league file --------------------------------------------------------

def bmp_header(path):
    """(width, height, bits per pixel, compression) of a BMP file."""
    with open(path, "rb") as f:
        head = f.read(34)
    if len(head) < 34 or head[:2] != b"BM":
        return None
    width, height = struct.unpack_from("<ii", head, 18)
    bits, compression = struct.unpack_from("<HI", head, 28)
    return width, abs(height), bits, compression


def test_league():
    w = words("teams.dat")
    check(len(w) == 19 * 13, f"teams.dat holds 19 clubs of 13 fields (has {len(w)} fields)")
    clubs = [w[i:i + 13] for i in range(0, len(w) - 12, 13)]
    ids = [int(c[0]) for c in clubs]
    check(ids == list(range(19)), f"club identifiers are 0..18 in order: {ids}")
    check(len({c[1] for c in clubs}) == len(clubs), "club names are distinct")
    badges = set()
    for c in clubs:
        name, badge = c[1], c[2]
        # The season-end table shows names in a 105-pixel box beside a scroll bar:
        # ten characters of the 8-pixel font fit on one line there.
        check(0 < len(name) <= 10, f"club name {name!r} is 1..10 characters")
        check(name != "VELMO", "no computer club is called VELMO")
        check(len(badge) <= 19, f"badge file name {badge!r} is at most 19 characters")
        check(int(c[3]) > 0, f"{name}: keeper rating is positive")
        check(all(1 <= int(v) <= 30 for v in c[4:]), f"{name}: base values within 1..30")
        path = os.path.join(MEDIA, "badge", badge)
        header = bmp_header(path) if os.path.isfile(path) else None
        check(header == (60, 60, 24, 0), f"{badge} is a 60x60 24-bit BMP (got {header})")
        badges.add(badge)
    check(len(badges) == len(clubs), "every club has its own badge")
    velmo = os.path.join(MEDIA, "badge", "velmo.bmp")
    check(os.path.isfile(velmo) and bmp_header(velmo) == (60, 60, 24, 0),
          "velmo.bmp is a 60x60 24-bit BMP")


# --- fixture list -------------------------------------------------------

def parse_calendar(text, clubs=20):
    """[(number, [(home, away), ...])] from the fixture file's fields: blocks
    of a number and clubs/2 fixtures."""
    fields = [int(x) for x in text.split()]
    size = 1 + clubs
    days = []
    for i in range(0, len(fields) - size + 1, size):
        block = fields[i:i + size]
        days.append((block[0], list(zip(block[1::2], block[2::2]))))
    return days, len(fields)


def venues(days, team):
    return ["H" if h == team else "A" for _, day in days for h, a in day if team in (h, a)]


def longest_run(seq):
    best = run = 1 if seq else 0
    for i in range(1, len(seq)):
        run = run + 1 if seq[i] == seq[i - 1] else 1
        best = max(best, run)
    return best


def breaks(seq):
    return sum(1 for i in range(1, len(seq)) if seq[i] == seq[i - 1])


def check_round_robin(days, n, label):
    """The properties every double round robin of n clubs must have."""
    rounds = 2 * (n - 1)
    check(len(days) == rounds, f"{label}: {rounds} matchdays (has {len(days)})")
    check([d[0] for d in days] == list(range(1, len(days) + 1)),
          f"{label}: matchdays numbered 1..{rounds} in order")
    for number, day in days:
        teams = sorted(t for pair in day for t in pair)
        check(teams == list(range(n)), f"{label}: matchday {number} has every club once")
    pairs = [pair for _, day in days for pair in day]
    expected = {(a, b) for a in range(n) for b in range(n) if a != b}
    check(len(pairs) == len(expected) and set(pairs) == expected,
          f"{label}: every club meets every other once at home and once away")
    half = n - 1
    check(len(days) == rounds and
          all(days[m + half][1] == [(a, h) for h, a in days[m][1]] for m in range(half)),
          f"{label}: the second half mirrors the first with venues swapped")
    fixed = venues(days, n - 1)
    check(longest_run(fixed) == 1, f"{label}: club {n - 1} alternates home and away every matchday")
    all_runs = [longest_run(venues(days, t)) for t in range(n)]
    check(max(all_runs) <= 3, f"{label}: no club plays more than 3 in a row at one venue")
    total = sum(breaks(venues(days, t)) for t in range(n))
    check(total == 3 * n - 6,
          f"{label}: {3 * n - 6} breaks, the fewest for a mirrored schedule (has {total})")


def test_calendar_file():
    with open(os.path.join(GAME, "calendario.dat")) as f:
        text = f.read()
    days, count = parse_calendar(text)
    check(count == 38 * 21, f"calendario.dat holds 38 blocks of 21 fields (has {count})")
    check_round_robin(days, 20, "calendario.dat")
    check(venues(days, HUMAN)[0] == "H", "VELMO opens the season at home")
    lines = text.splitlines()
    check(len(lines) == 38 * 11, "one line per matchday number and per fixture")
    check(all(len(line.split()) == (1 if i % 11 == 0 else 2) for i, line in enumerate(lines)),
          "lines hold the matchday number alone, then 'home away'")


def load_generator():
    path = os.path.join(ROOT, "tools", "make_calendar.py")
    spec = importlib.util.spec_from_file_location("make_calendar", path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def test_generator():
    gen = load_generator()
    for n in (4, 6, 8, 20):
        days, _ = parse_calendar(gen.calendar_text(gen.double_round_robin(n)), n)
        check_round_robin(days, n, f"generator n={n}")
    # Four clubs worked by hand: club 3 stays, clubs 0 1 2 turn; round r
    # pairs 3 with r (3 at home when r is even) and r+1 (home) with r-1.
    check(gen.calendar_text(gen.double_round_robin(4)) ==
          "1\n3 0\n1 2\n2\n1 3\n2 0\n3\n3 2\n0 1\n"
          "4\n0 3\n2 1\n5\n3 1\n0 2\n6\n2 3\n1 0\n",
          "generator n=4 gives the hand-worked schedule")
    for odd in (3, 5, 0):
        try:
            gen.double_round_robin(odd)
            refused = False
        except ValueError:
            refused = True
        check(refused, f"generator refuses {odd} clubs")
    with open(os.path.join(GAME, "calendario.dat")) as f:
        check(f.read() == gen.calendar_text(gen.double_round_robin(20)),
              "the shipped fixture list is the generator's current output")


# --- pictures and samples -----------------------------------------------

def jpeg_frame(path):
    """(frame marker, width, height, components) of a JPEG, or None."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"\xff\xd8":
        return None
    i = 2
    while i + 4 <= len(data) and data[i] == 0xFF:
        marker = data[i + 1]
        length = struct.unpack_from(">H", data, i + 2)[0]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            height, width = struct.unpack_from(">HH", data, i + 5)
            return marker, width, height, data[i + 9]
        i += 2 + length
    return None


def test_pictures():
    for name in PICTURES:
        path = os.path.join(MEDIA, name)
        frame = jpeg_frame(path) if os.path.isfile(path) else None
        check(frame == (0xC0, 800, 600, 3), f"{name} is an 800x600 baseline colour JPEG ({frame})")


def test_samples():
    for name in SAMPLES:
        path = os.path.join(MEDIA, name)
        if not os.path.isfile(path):
            check(False, f"{name} exists")
            continue
        check(os.path.getsize(path) < 1024 * 1024, f"{name} is under 1 MB")
        with open(path, "rb") as f:
            head = f.read(12)
        check(head[:4] == b"RIFF" and head[8:12] == b"WAVE", f"{name} is a RIFF WAVE file")
        try:
            with wave.open(path, "rb") as w:  # refuses anything but PCM
                form = (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getcomptype())
                frames = w.readframes(w.getnframes())
        except (wave.Error, EOFError) as e:
            check(False, f"{name} is PCM WAV: {e}")
            continue
        check(form == (1, 2, 22050, "NONE"), f"{name} is 16-bit PCM mono 22050 Hz ({form})")
        samples = struct.unpack(f"<{len(frames) // 2}h", frames)
        seconds = len(samples) / 22050
        check(5 <= seconds <= 22, f"{name} lasts 5..22 s ({seconds:.1f})")
        top = max(abs(s) for s in samples)
        check(3000 < top < 32767, f"{name} is audible and not clipped (peak {top})")
        # A clean loop: both ends near silence, so the seam and the start click not.
        check(abs(samples[0]) < 1000 and abs(samples[-1]) < 1000,
              f"{name} starts and ends near zero ({samples[0]}, {samples[-1]})")


def main():
    for test in (test_squad, test_league, test_calendar_file, test_generator,
                 test_pictures, test_samples):
        test()
    print(f"{results['passed']} passed, {results['failed']} failed")
    return 1 if results["failed"] else 0


if __name__ == "__main__":
    sys.exit(main())
