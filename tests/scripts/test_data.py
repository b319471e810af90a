#!/usr/bin/env python3
"""The data shipped in game/ and the fixture-list generator in tools/."""
import importlib.util
import os
import struct
import subprocess
import sys
import wave

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
GAME = os.path.join(ROOT, "game")
MEDIA = os.path.join(GAME, "media")
PICTURES = ["intro.jpg", "bk0.jpg", "bkmatch.jpg", "bkout.jpg", "bkinfo.jpg", "bkfinal.jpg"]
SAMPLES = ["quandosaremo.wav", "chinonsalta.wav", "forzavelmo1.wav", "forzavelmo2.wav",
           "velmo.wav", "orvenarossoblu.wav"]
results = {"passed": 0, "failed": 0}
# 8-pixel characters a fixture line may hold in each results box before Allegro's d_textbox_proc
# wraps it, measured under Xvfb with names of known lengths: lines of 27 and 29 characters stay
# whole, 28 and 30 wrap. The text starts 4 pixels inside the frame and keeps a margin before the
# right edge, so 225 pixels hold 27 characters and 240 hold 29. The ten fixtures and their empty
# lines are just the 20 rows a 170-pixel box shows: the scroll bar, which narrows the text by
# at least two more characters, comes only with a wrapped line.
FIXTURE_LINE_CHARS = {"season-end results, 225 wide": 27, "calendar, 240 wide": 29}


def check(condition, what):
    results["passed" if condition else "failed"] += 1
    if not condition:
        print(f"FAIL: {what}")


def records(name, size):
    with open(os.path.join(GAME, name)) as f:
        fields = f.read().split()
    return [fields[i:i + size] for i in range(0, len(fields), size)]


def identify(path, form):
    """What ImageMagick reads in a picture, or "" when it cannot."""
    run = subprocess.run(["identify", "-format", form, path], capture_output=True, text=True)
    return run.stdout if run.returncode == 0 else ""


def test_squad_and_clubs():
    """What the screens need of the shipped data (the loaders refuse what breaks the rules' promises)."""
    players = records("velmo.dat", 8)
    roles = [p[3] for p in players]
    check(len(players) == 22 and roles.count("GK") >= 2 and min(roles.count("DF"), roles.count("MF")) >= 5
          and roles.count("AT") >= 3, f"22 players, enough in every sector for several modules: {roles}")
    for p in players:
        # The squad list gives a surname 80 pixels (ten 8-pixel characters, one spare).
        check(len(p[1]) <= 9 and len(p[2]) <= 11, f"name fits its column: {p[1]} {p[2]}")
        check(all(1 <= int(v) <= 30 for v in p[5:]), f"{p[1]}: skills within 1..30")
    clubs = records("teams.dat", 13)
    check(len({c[1] for c in clubs}) == 19 and len({c[2] for c in clubs}) == 19, "club names and badges are distinct")
    for name in (c[1] for c in clubs):
        # The season-end table gives a name a 105-pixel box beside a scroll bar: ten characters.
        check(0 < len(name) <= 10 and name != "VELMO", f"club name {name!r}")
    names = {int(c[0]): c[1] for c in clubs} | {19: "VELMO"}
    with open(os.path.join(GAME, "calendario.dat")) as f:
        days = parse_calendar(f.read(), 20)
    lines = [f"{names[h]}  {names[a]}  9 - 9" for _, day in days for h, a in day]
    for box, chars in FIXTURE_LINE_CHARS.items():
        check(all(len(line) <= chars for line in lines),
              f"{box}: fixtures wrap {[line for line in lines if len(line) > chars]}")
    for badge in [c[2] for c in clubs] + ["velmo.bmp"]:
        with open(os.path.join(MEDIA, "badge", badge), "rb") as f:
            head = f.read(30)  # signature, then width, height, planes and bits per pixel at 18
        found = (head[:2],) + struct.unpack_from("<iihH", head, 18)
        check(found == (b"BM", 60, 60, 1, 24), f"{badge} is a 60x60 24-bit BMP ({found})")


def check_round_robin(days, n):
    check([d[0] for d in days] == list(range(1, 2 * n - 1)), f"matchdays 1..{2 * n - 2}")
    for number, day in days:
        check(sorted(t for pair in day for t in pair) == list(range(n)), f"matchday {number} has every club once")
    pairs = [pair for _, day in days for pair in day]
    check(sorted(pairs) == sorted((a, b) for a in range(n) for b in range(n) if a != b),
          "every pair meets twice, home and away swapped")
    fixed = ["H" if h == n - 1 else "A" for _, day in days for h, a in day if n - 1 in (h, a)]
    check(all(fixed[i] != fixed[i - 1] for i in range(1, len(fixed))), f"club {n - 1} alternates home and away")


def parse_calendar(text, n):
    fields = [int(x) for x in text.split()]
    return [(b[0], list(zip(b[1::2], b[2::2])))
            for b in (fields[i:i + n + 1] for i in range(0, len(fields), n + 1))]


def test_calendar():
    path = os.path.join(ROOT, "tools", "make_calendar.py")
    loader = importlib.util.spec_from_file_location("make_calendar", path)
    gen = importlib.util.module_from_spec(loader)
    loader.loader.exec_module(gen)
    # Four clubs worked by hand: club 3 stays, clubs 0 1 2 turn.
    check(gen.calendar_text(gen.double_round_robin(4)) ==
          "1\n3 0\n1 2\n2\n1 3\n2 0\n3\n3 2\n0 1\n4\n0 3\n2 1\n5\n3 1\n0 2\n6\n2 3\n1 0\n",
          "four clubs give the schedule worked by hand")
    with open(os.path.join(GAME, "calendario.dat")) as f:
        text = f.read()
    check(text == gen.calendar_text(gen.double_round_robin(20)), "the shipped fixture list is the generator's output")
    check_round_robin(parse_calendar(text, 20), 20)


def test_media():
    for name in PICTURES:
        found = identify(os.path.join(MEDIA, name), "%m %w %h %[interlace]")
        check(found == "JPEG 800 600 None", f"{name} is an 800x600 baseline JPEG ({found})")
    for name in SAMPLES:
        path = os.path.join(MEDIA, name)
        with wave.open(path, "rb") as w:  # refuses anything but PCM
            form = (w.getnchannels(), w.getsampwidth(), w.getframerate())
            frames = w.readframes(w.getnframes())
        check(form == (1, 2, 22050) and os.path.getsize(path) < 1 << 20,
              f"{name} is 16-bit mono 22050 Hz under 1 MB ({form})")
        samples = struct.unpack(f"<{len(frames) // 2}h", frames)
        check(3000 < max(map(abs, samples)) < 32767, f"{name} is audible and not clipped")
        # Both ends near silence: the loop's seam does not click.
        check(abs(samples[0]) < 1000 and abs(samples[-1]) < 1000, f"{name} loops cleanly")


def main():
    for test in (test_squad_and_clubs, test_calendar, test_media):
        test()
    print(f"{results['passed']} passed, {results['failed']} failed")
    return 1 if results["failed"] else 0


if __name__ == "__main__":
    sys.exit(main())
