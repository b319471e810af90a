"""Drives the real game in a real window under Xvfb.

    def test_marks(display, build):
        with Game(display, build, files={"velmo.dat": SQUAD}) as game:
            game.pass_intro()                   # holds Space, waits for the main screen
            game.click(*mark_centre(0, "T."))   # row 0's starter mark
            check(marked(game.grab(), 0, "T."), "row 0 is a starter")
            game.hold_key("e")                  # "&Exit"
            check(game.box_lines() == ["Are you sure?"], "it asks")
            game.screenshot("exit_question")    # tests/e2e/out/exit_question.png
            game.hold_key("s")
            check(game.exit_status() == 1, "Yes ends the game")

    if __name__ == "__main__":
        run_cases([test_marks])                 # --build BUILD_DIR; "N passed, M failed"

Each Game runs in a temporary copy of game/ (or of another data folder),
with files left out or replaced. Pixels are read straight from the X
server (python3-xlib); screenshots for people are PNG files written by
ImageMagick's `import`. Texts are read with the game's own 8x8 font, taken
from the Allegro library: Shot.text_at compares a text pixel for pixel,
Shot.read_text and Shot.box_lines read what is written.
"""

import ctypes
import os
import shutil
import subprocess
import sys
import tempfile
import time

try:
    from Xlib import X, display as xdisplay, protocol
except ImportError:  # Debian's python3-xlib, seen from another Python 3
    sys.path.append("/usr/lib/python3/dist-packages")
    from Xlib import X, display as xdisplay, protocol

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT_DIR = os.path.join(REPO, "tests", "e2e", "out")

# The game's palette.
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
DARK_RED = (150, 0, 0)
DARK_BLUE = (0, 0, 100)
PURE_RED = (255, 0, 0)

# The message box's layout, the same numbers as in src/app/ui.cpp.
BOX_FRAME = 3
BOX_PADDING = 12
BOX_LINE_HEIGHT = 12
BOX_BUTTON_H = 20

# The squad list: row r's marks are 16x16 at (0, 10 + 24r) ("T.") and
# (30, 10 + 24r) ("S."); Allegro draws the mark as a circle of radius 4
# centred 4 pixels in and 8 down, filled when marked.
ROW_PITCH = 24
MARK_RIM = 0        # x of the circle's left rim, relative to the mark


def mark_centre(row, column):
    """The centre pixel of row's mark in column "T." or "S."."""
    return (4 + (30 if column == "S." else 0), 18 + ROW_PITCH * row)


def marked(shot, row, column):
    return shot.pixel(*mark_centre(row, column)) == WHITE


def parse_args(argv=None):
    """The window tests' one option: --build BUILD_DIR (where `velmo` is)."""
    import argparse
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    return parser.parse_args(argv)


def run_cases(cases, argv=None):
    """Runs each case(display, build) on one Xvfb, prints "N passed, M
    failed" and exits non-zero on a failure. A case fails by raising."""
    import traceback
    build = parse_args(argv).build
    passed = failed = 0
    with Display() as display:
        for case in cases:
            name = case.__name__
            started = time.monotonic()
            try:
                case(display, build)
                passed += 1
                print(f"PASS {name} ({time.monotonic() - started:.1f} s)", flush=True)
            except Exception:
                failed += 1
                print(f"FAIL {name}", flush=True)
                traceback.print_exc()
    print(f"{passed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


def check(condition, what):
    """Fails the running case with `what` unless condition holds."""
    if not condition:
        raise AssertionError(what)


# ---------------------------------------------------------------- the font

def _load_font():
    """The glyphs of Allegro's default font: {char: 8 rows of 8 booleans}."""

    class Font(ctypes.Structure):
        _fields_ = [("data", ctypes.c_void_p), ("height", ctypes.c_int),
                    ("vtable", ctypes.c_void_p)]

    class MonoRange(ctypes.Structure):
        pass

    MonoRange._fields_ = [("begin", ctypes.c_int), ("end", ctypes.c_int),
                          ("glyphs", ctypes.POINTER(ctypes.c_void_p)),
                          ("next", ctypes.POINTER(MonoRange))]

    lib = ctypes.CDLL("liballeg.so.4.4")
    first = ctypes.cast(ctypes.POINTER(Font).in_dll(lib, "font").contents.data,
                        ctypes.POINTER(MonoRange)).contents
    glyphs = {}
    for code in range(32, 127):
        address = first.glyphs[code - first.begin]
        w = ctypes.c_short.from_address(address).value
        h = ctypes.c_short.from_address(address + 2).value
        stride = (w + 7) // 8
        rows = []
        for y in range(h):
            line = [ctypes.c_ubyte.from_address(address + 4 + y * stride + b).value
                    for b in range(stride)]
            rows.append(tuple(bool(line[x // 8] & (0x80 >> (x % 8))) for x in range(w)))
        glyphs[chr(code)] = tuple(rows)
    return glyphs


GLYPHS = _load_font()
UNKNOWN = "\ufffd"  # what read_text gives for a cell that is no glyph
CHARS_BY_GLYPH = {}
for _char, _glyph in GLYPHS.items():
    CHARS_BY_GLYPH.setdefault(_glyph, _char)


# ---------------------------------------------------------------- screen contents

class Shot:
    """One grab of the whole screen: pixel(x, y) -> (r, g, b)."""

    def __init__(self, data, width, height):
        self.data, self.width, self.height = data, width, height

    def pixel(self, x, y):
        i = (y * self.width + x) * 4  # 32 bits a pixel, blue first
        return (self.data[i + 2], self.data[i + 1], self.data[i])

    def count(self, x, y, w, h, colour):
        return sum(self.pixel(x + i, y + j) == colour for j in range(h) for i in range(w))

    def only(self, x, y, w, h, colours):
        """True when every pixel of the rectangle has one of `colours`."""
        return all(self.pixel(x + i, y + j) in colours for j in range(h) for i in range(w))

    def text_at(self, x, y, text, fg, bg=None):
        """True when `text` is drawn at (x, y) in colour fg; with bg, on an
        opaque background of that colour, pixel for pixel."""
        for n, char in enumerate(text):
            for j, row in enumerate(GLYPHS[char]):
                for i, ink in enumerate(row):
                    colour = self.pixel(x + 8 * n + i, y + j)
                    if ink and colour != fg:
                        return False
                    if not ink and (colour == fg if bg is None else colour != bg):
                        return False
        return True

    def read_text(self, x, y, cells, fg):
        """Reads `cells` characters at (x, y) drawn in colour fg; UNKNOWN for
        a cell that is no glyph of the font."""
        out = []
        for n in range(cells):
            glyph = tuple(tuple(self.pixel(x + 8 * n + i, y + j) == fg for i in range(8))
                          for j in range(8))
            out.append(CHARS_BY_GLYPH.get(glyph, UNKNOWN))
        return "".join(out)

    def box(self):
        """The message box on screen as (x, y, w, h), or None: a white area
        centred on the screen, framed in dark red three pixels thick."""
        cx, cy = self.width // 2, self.height // 2

        def first_red(x, y, dx, dy):
            while 0 <= x < self.width and 0 <= y < self.height:
                if self.pixel(x, y) == DARK_RED:
                    return x if dx else y
                x, y = x + dx, y + dy
            return None

        edges = [first_red(cx, cy, -1, 0), first_red(cx, cy, 1, 0),
                 first_red(cx, cy, 0, -1), first_red(cx, cy, 0, 1)]
        if None in edges:
            return None
        left, right, top, bottom = edges
        x, y = left - BOX_FRAME + 1, top - BOX_FRAME + 1
        w, h = right + BOX_FRAME - x, bottom + BOX_FRAME - y
        if abs(2 * x + w - 2 * cx) > 1 or abs(2 * y + h - 2 * cy) > 2 or w < 40 or h < 40:
            return None
        for i in range(BOX_FRAME):
            for px, py in ((x + i, cy), (x + w - 1 - i, cy), (cx, y + i), (cx, y + h - 1 - i)):
                if self.pixel(px, py) != DARK_RED:
                    return None
        inside = BOX_FRAME
        for px, py in ((x + inside, y + inside), (x + w - 1 - inside, y + inside),
                       (x + inside, y + h - 1 - inside), (x + w - 1 - inside, y + h - 1 - inside)):
            if self.pixel(px, py) != WHITE:
                return None
        return (x, y, w, h)

    def box_lines(self):
        """The text lines of the message box on screen, or None when no box
        is shown. Lines are centred, so each starts 4n pixels left of the
        centre; both phases are read and the one made of glyphs wins."""
        found = self.box()
        if not found:
            return None
        x, y, w, h = found
        text_h = h - 2 * BOX_FRAME - 3 * BOX_PADDING - BOX_BUTTON_H
        count = (text_h + BOX_LINE_HEIGHT - 8) // BOX_LINE_HEIGHT
        half = (w // 2 - BOX_FRAME - BOX_PADDING) // 8 * 8 + 8
        centre = x + w // 2
        lines = []
        for n in range(count):
            line_y = y + BOX_FRAME + BOX_PADDING + n * BOX_LINE_HEIGHT
            readings = [self.read_text(centre - half - phase, line_y, (half + phase) // 4, DARK_BLUE)
                        for phase in (0, 4)]
            good = [r.strip() for r in readings if UNKNOWN not in r]
            lines.append(max(good, key=len) if good else UNKNOWN)
        return lines


# ---------------------------------------------------------------- the display

class Display:
    """An Xvfb of 800x600x24 on the first free display from :90 on."""

    def __init__(self, first=90):
        self.first = first
        self.process = None
        self.name = None
        self.x = None

    def __enter__(self):
        for n in range(self.first, self.first + 60):
            if os.path.exists(f"/tmp/.X{n}-lock") or os.path.exists(f"/tmp/.X11-unix/X{n}"):
                continue
            process = subprocess.Popen(
                ["Xvfb", f":{n}", "-screen", "0", "800x600x24", "-nolisten", "tcp"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            deadline = time.monotonic() + 10
            while time.monotonic() < deadline and process.poll() is None:
                try:
                    self.x = xdisplay.Display(f":{n}")
                    self.process, self.name = process, f":{n}"
                    return self
                except Exception:
                    time.sleep(0.05)
            process.kill()  # taken meanwhile by someone else: try the next one
            process.wait()
        raise RuntimeError("no free X display for Xvfb")

    def __exit__(self, *exc):
        if self.x:
            self.x.close()
        if self.process:
            self.process.terminate()
            self.process.wait()

    def env(self):
        return dict(os.environ, DISPLAY=self.name)

    def grab(self):
        root = self.x.screen().root
        geometry = root.get_geometry()
        image = root.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
        return Shot(image.data, geometry.width, geometry.height)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env(), check=True)

    def top_windows(self):
        return [w for w in self.x.screen().root.query_tree().children
                if w.get_attributes().map_state == X.IsViewable]


# ---------------------------------------------------------------- the game

class Game:
    """The game running in a copy of a data folder (game/ by default).

    remove: names of files to leave out of the copy; files: {name: text} to
    write into it; env: extra environment; prefix: a command line put before
    the game (e.g. ["faketime", "@2026-01-01 00:00:00"]).
    """

    def __init__(self, display, build, data=None, remove=(), files=None, env=None, prefix=()):
        self.display = display
        self.binary = os.path.join(os.path.abspath(build), "velmo")
        self.data = data or os.path.join(REPO, "game")
        self.remove, self.files = remove, files or {}
        self.extra_env, self.prefix = env or {}, list(prefix)
        self.folder = None
        self.process = None
        self.status = None

    def __enter__(self):
        self.folder = tempfile.mkdtemp(prefix="velmo-e2e-")
        shutil.copytree(self.data, self.folder, dirs_exist_ok=True)
        for name in self.remove:
            if os.path.exists(os.path.join(self.folder, name)):
                os.remove(os.path.join(self.folder, name))
        for name, text in self.files.items():
            with open(os.path.join(self.folder, name), "w") as f:
                f.write(text)
        self.log = open(os.path.join(self.folder, "velmo.log"), "w")
        self.display.xdotool("mousemove", 650, 450)  # away from the marks and the box
        self.process = subprocess.Popen(
            self.prefix + [self.binary], cwd=self.folder, env=dict(self.display.env(), **self.extra_env),
            stdout=self.log, stderr=subprocess.STDOUT)
        self.wait_for(self.window, 20, "the game window")
        return self

    def __exit__(self, kind, value, trace):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.log.close()
        if kind is None:
            shutil.rmtree(self.folder, ignore_errors=True)
        else:
            print(f"  (the game's folder and log are kept in {self.folder})")

    # --- waiting and state

    def wait_for(self, predicate, timeout=10, what="a condition"):
        """Polls predicate until it returns something true; returns that.
        Fails at once when the game has ended meanwhile."""
        deadline = time.monotonic() + timeout
        while True:
            result = predicate()
            if result:
                return result
            if self.process and self.process.poll() is not None:
                raise RuntimeError(f"the game ended with status {self.process.returncode} "
                                   f"while waiting for {what}")
            if time.monotonic() > deadline:
                raise TimeoutError(f"timed out waiting for {what}")
            time.sleep(0.02)

    def window(self):
        """The game's top-level window, by its title "Velmo"."""
        for w in self.display.top_windows():
            if w.get_wm_name() in ("Velmo", b"Velmo"):
                return w
        return None

    def alive(self):
        return self.process.poll() is None

    def exit_status(self, timeout=10):
        """The game's exit status once it ends (None if it is still running)."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def path(self, name):
        return os.path.join(self.folder, name)

    def cpu_percent(self, seconds):
        """The game's processor use over `seconds`, in percent of one core."""
        def ticks():
            with open(f"/proc/{self.process.pid}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            return int(fields[11]) + int(fields[12])  # utime + stime
        start_ticks, start = ticks(), time.monotonic()
        time.sleep(seconds)
        used = (ticks() - start_ticks) / os.sysconf("SC_CLK_TCK")
        return 100.0 * used / (time.monotonic() - start)

    # --- input

    def hold_key(self, name, ms=150):
        """Presses an X key name ("space", "Return", "Escape", "e", "1", "Right")
        and holds it for ms milliseconds: Allegro's key-state array sees it."""
        self.display.xdotool("keydown", name)
        time.sleep(ms / 1000)
        self.display.xdotool("keyup", name)

    def move_mouse(self, x, y):
        self.display.xdotool("mousemove", x, y)

    def click(self, x, y, ms=150):
        """A left click Allegro's buttons and marks notice: down, a pause, up,
        and a pause after it, since a press that follows a release within a
        few milliseconds is often lost by the dialog manager."""
        self.display.xdotool("mousemove", x, y)
        self.display.xdotool("mousedown", 1)
        time.sleep(ms / 1000)
        self.display.xdotool("mouseup", 1)
        time.sleep(0.12)

    def send_wm_delete(self):
        """What the window's close button sends: a WM_DELETE_WINDOW message."""
        x = self.display.x
        window = self.window()
        protocols = x.intern_atom("WM_PROTOCOLS")
        delete = x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(
            window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        x.flush()

    # --- what the screen shows

    def grab(self):
        return self.display.grab()

    def pixel(self, x, y):
        return self.grab().pixel(x, y)

    def screenshot(self, name):
        """Saves the screen as tests/e2e/out/NAME.png; returns the path."""
        os.makedirs(OUT_DIR, exist_ok=True)
        path = os.path.join(OUT_DIR, name if name.endswith(".png") else name + ".png")
        subprocess.run(["import", "-window", "root", path], env=self.display.env(), check=True)
        return path

    def box_lines(self, timeout=10):
        """Waits for a message box and returns its text lines."""
        return self.wait_for(lambda: self.grab().box_lines(), timeout, "a message box")

    def wait_box_gone(self, timeout=10):
        self.wait_for(lambda: self.grab().box() is None, timeout, "the message box to close")

    # --- the game's own screens

    @staticmethod
    def main_screen_drawn(shot):
        """The main dialog is up: "&Reset", its last entry, is drawn (dark blue
        frame, white inside) and so is row 0's "T." mark (white rim on black)."""
        return (shot.pixel(10, 540) == DARK_BLUE and shot.pixel(12, 542) == WHITE
                and shot.pixel(MARK_RIM, 18) == WHITE and shot.pixel(15, 10) == BLACK)

    def wait_main_screen(self, timeout=10):
        return self.wait_for(lambda: self.main_screen_drawn(self.grab()), timeout, "the main screen")

    def wait_intro(self, timeout=10):
        """The intro picture is up: the screen is no longer the empty window."""
        def shown():
            shot = self.grab()
            return any(shot.pixel(x, y) != BLACK for x, y in ((100, 100), (400, 300), (700, 500)))
        self.wait_for(shown, timeout, "the intro picture")

    def pass_intro(self, key="space"):
        self.wait_intro()
        self.hold_key(key)
        self.wait_main_screen()
