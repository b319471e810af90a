"""Drives the real game under Xvfb: held keys and clicks in, grabs read with the game's 8x8 font out."""

import ctypes
import os
import shutil
import signal
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

WHITE, BLACK, PURE_RED = (255, 255, 255), (0, 0, 0), (255, 0, 0)
DARK_RED, DARK_BLUE = (150, 0, 0), (0, 0, 100)
BOX_FRAME, BOX_PADDING, BOX_LINE_HEIGHT, BOX_BUTTON_H = 3, 12, 12, 20  # the message box, as in src/app/ui.cpp


def mark_centre(row, column):
    """The centre of row's 16x16 mark at (0 or 30, 10 + 24 row); filled white when marked."""
    return (4 + (30 if column == "S." else 0), 18 + 24 * row)


def marked(shot, row, column):
    return shot.pixel(*mark_centre(row, column)) == WHITE


def parse_args(argv=None):
    """The window tests' one option: --build BUILD_DIR (where `velmo` is)."""
    import argparse
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    return parser.parse_args(argv)


def run_cases(cases, argv=None):
    """Runs each case(display, build) on one Xvfb; prints "N passed, M failed", exits 1 on a failure."""
    import traceback
    build, failed = parse_args(argv).build, 0
    with Display() as display:
        for case in cases:
            started = time.monotonic()
            try:
                case(display, build)
                print(f"PASS {case.__name__} ({time.monotonic() - started:.1f} s)", flush=True)
            except Exception:
                failed += 1
                print(f"FAIL {case.__name__}", flush=True)
                traceback.print_exc()
    print(f"{len(cases) - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


def check(condition, what):
    if not condition:
        raise AssertionError(what)


def _load_font():
    """The glyphs of Allegro's default font: {char: 8 rows of 8 booleans}."""
    def pointer_at(address):
        return ctypes.c_void_p.from_address(address).value
    # FONT* font -> its data, the first FONT_MONO_DATA: {int begin, end; FONT_GLYPH **glyphs; ...}
    mono = pointer_at(ctypes.c_void_p.in_dll(ctypes.CDLL("liballeg.so.4.4"), "font").value)
    begin, glyph_table = ctypes.c_int.from_address(mono).value, pointer_at(mono + 8)
    glyphs = {}
    for code in range(32, 127):
        address = pointer_at(glyph_table + 8 * (code - begin))
        w = ctypes.c_short.from_address(address).value
        h = ctypes.c_short.from_address(address + 2).value
        stride = (w + 7) // 8
        bits = (ctypes.c_ubyte * (stride * h)).from_address(address + 4)
        glyphs[chr(code)] = tuple(tuple(bool(bits[y * stride + x // 8] & (0x80 >> x % 8))
                                        for x in range(w)) for y in range(h))
    return glyphs


GLYPHS = _load_font()
UNKNOWN = "\ufffd"  # what read_text gives for a cell that is no glyph
CHARS_BY_GLYPH = {glyph: char for char, glyph in reversed(GLYPHS.items())}  # the first char wins


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
        return all(self.pixel(x + i, y + j) in colours for j in range(h) for i in range(w))

    def text_at(self, x, y, text, fg, bg=None):
        """True when `text` is drawn at (x, y) in fg (with bg: on an opaque bg), pixel for pixel."""
        for n, char in enumerate(text):
            for j, row in enumerate(GLYPHS[char]):
                for i, ink in enumerate(row):
                    colour = self.pixel(x + 8 * n + i, y + j)
                    if (colour != fg) if ink else (colour == fg if bg is None else colour != bg):
                        return False
        return True

    def read_text(self, x, y, cells, fg):
        """Reads `cells` characters drawn in fg at (x, y); UNKNOWN for a cell that is no glyph."""
        return "".join(CHARS_BY_GLYPH.get(tuple(tuple(self.pixel(x + 8 * n + i, y + j) == fg
                                                      for i in range(8)) for j in range(8)), UNKNOWN)
                       for n in range(cells))

    def box(self):
        """The message box as (x, y, w, h), or None: white, centred, framed dark red 3 pixels thick."""
        cx, cy, f = self.width // 2, self.height // 2, BOX_FRAME

        def inner_edge(dx, dy):  # distance from the centre to the first dark red pixel
            return next((d for d in range(cx if dx else cy)
                         if self.pixel(cx + d * dx, cy + d * dy) == DARK_RED), None)

        left, right, up, down = (inner_edge(dx, dy) for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1)))
        if None in (left, right, up, down):
            return None
        x, y = cx - left - f + 1, cy - up - f + 1
        w, h = cx + right + f - x, cy + down + f - y
        if abs(2 * x + w - 2 * cx) > 1 or abs(2 * y + h - 2 * cy) > 2 or w < 40 or h < 40:
            return None
        r, b = x + w - 1, y + h - 1  # the right and bottom edges
        frame = [p for i in range(f) for p in ((x + i, cy), (r - i, cy), (cx, y + i), (cx, b - i))]
        inside = [(x + f, y + f), (r - f, y + f), (x + f, b - f), (r - f, b - f)]
        framed = all(self.pixel(*p) == c for ps, c in ((frame, DARK_RED), (inside, WHITE)) for p in ps)
        return (x, y, w, h) if framed else None

    def box_lines(self):
        """The box's text lines, or None; lines are centred, so both 4-pixel phases are read."""
        found = self.box()
        if not found:
            return None
        x, y, w, h = found
        text_h = h - 2 * BOX_FRAME - 3 * BOX_PADDING - BOX_BUTTON_H
        half = (w // 2 - BOX_FRAME - BOX_PADDING) // 8 * 8 + 8
        lines = []
        for n in range((text_h + BOX_LINE_HEIGHT - 8) // BOX_LINE_HEIGHT):
            line_y = y + BOX_FRAME + BOX_PADDING + n * BOX_LINE_HEIGHT
            readings = [self.read_text(x + w // 2 - half - phase, line_y, (half + phase) // 4, DARK_BLUE)
                        for phase in (0, 4)]
            good = [r.strip() for r in readings if UNKNOWN not in r]
            lines.append(max(good, key=len) if good else UNKNOWN)
        return lines


class Display:
    """An Xvfb of 800x600x24 on the first free display from :90 on."""

    def __init__(self, first=90):
        self.first, self.process, self.name, self.x = first, None, None, None

    def __enter__(self):
        for n in range(self.first, self.first + 60):
            if os.path.exists(f"/tmp/.X{n}-lock") or os.path.exists(f"/tmp/.X11-unix/X{n}"):
                continue
            process = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "800x600x24", "-nolisten", "tcp"],
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
        self.x.close()
        self.process.terminate()
        self.process.wait()

    def env(self):
        return dict(os.environ, DISPLAY=self.name)

    def grab(self):
        root = self.x.screen().root
        g = root.get_geometry()
        return Shot(root.get_image(0, 0, g.width, g.height, X.ZPixmap, 0xFFFFFFFF).data, g.width, g.height)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env(), check=True)


class Game:
    """The game in a copy of `data` (game/) less `remove`, plus `files` {name: text}; `env`, `prefix`."""

    def __init__(self, display, build, data=None, remove=(), files=None, env=None, prefix=()):
        self.display, self.binary = display, os.path.join(os.path.abspath(build), "velmo")
        self.data, self.remove, self.files = data or os.path.join(REPO, "game"), remove, files or {}
        self.extra_env, self.prefix = env or {}, list(prefix)

    def __enter__(self):
        self.folder = tempfile.mkdtemp(prefix="velmo-e2e-")
        shutil.copytree(self.data, self.folder, dirs_exist_ok=True, ignore=lambda folder, names: [
            n for n in names if os.path.relpath(os.path.join(folder, n), self.data) in self.remove])
        for name, text in self.files.items():
            with open(self.path(name), "w") as f:
                f.write(text)
        self.log = open(self.path("velmo.log"), "w")
        self.display.xdotool("mousemove", 650, 450)  # away from the marks and the box
        self.process = subprocess.Popen(
            self.prefix + [self.binary], cwd=self.folder, env=dict(self.display.env(), **self.extra_env),
            stdout=self.log, stderr=subprocess.STDOUT, start_new_session=True)
        self.wait_for(self.window, 20, "the game window")
        return self

    def __exit__(self, kind, value, trace):
        try:  # the whole group: a wrapper such as faketime runs the game as its child
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait()
        self.log.close()
        if kind is None:
            shutil.rmtree(self.folder, ignore_errors=True)
        else:
            print(f"  (the game's folder and log are kept in {self.folder})")

    def wait_for(self, predicate, timeout=10, what="a condition"):
        """Polls predicate until it gives something true and returns that; fails if the game ends."""
        deadline = time.monotonic() + timeout
        while not (result := predicate()):
            if self.process.poll() is not None:
                raise RuntimeError(f"the game ended ({self.process.returncode}) while waiting for {what}")
            if time.monotonic() > deadline:
                raise TimeoutError(f"timed out waiting for {what}")
            time.sleep(0.02)
        return result

    def window(self):
        """The game's mapped top-level window, by its title "Velmo"."""
        children = self.display.x.screen().root.query_tree().children
        return next((w for w in children if w.get_wm_name() in ("Velmo", b"Velmo")
                     and w.get_attributes().map_state == X.IsViewable), None)

    def alive(self):
        return self.process.poll() is None

    def exit_status(self, timeout=10):
        """The game's exit status once it ends, None if it is still running after timeout."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def path(self, name):
        return os.path.join(self.folder, name)

    def hold_key(self, name, ms=150):
        """Holds an X key ("space", "Return", "e", "Right") for ms, so Allegro's key-state array sees it."""
        self.display.xdotool("keydown", name, "sleep", ms / 1000, "keyup", name)

    def move_mouse(self, x, y):
        self.display.xdotool("mousemove", x, y)

    def click(self, x, y, ms=150):
        """A held left click after a pause to let the move land, then a pause: a quick next press is lost."""
        self.display.xdotool("mousemove", x, y, "sleep", 0.03, "mousedown", 1, "sleep", ms / 1000, "mouseup", 1)
        time.sleep(0.12)

    def send_wm_delete(self):
        """What the window's close button sends: a WM_DELETE_WINDOW message."""
        x, window = self.display.x, self.window()
        event = protocol.event.ClientMessage(
            window=window, client_type=x.intern_atom("WM_PROTOCOLS"),
            data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        x.flush()

    def grab(self):
        return self.display.grab()

    def screenshot(self, name):
        """Saves the screen as tests/e2e/out/NAME.png (or at an absolute path); returns the path."""
        os.makedirs(OUT_DIR, exist_ok=True)
        path = os.path.join(OUT_DIR, name if name.endswith(".png") else name + ".png")
        subprocess.run(["import", "-window", "root", path], env=self.display.env(), check=True)
        return path

    def box_lines(self, timeout=10):
        """Waits for a message box and returns its text lines."""
        return self.wait_for(lambda: self.grab().box_lines(), timeout, "a message box")

    def wait_box_gone(self, timeout=10):
        self.wait_for(lambda: self.grab().box() is None, timeout, "the message box to close")

    @staticmethod
    def main_screen_drawn(shot):
        """ "&Reset", the main dialog's last entry, is drawn, and so is row 0's "T." mark."""
        return (shot.pixel(10, 540) == DARK_BLUE and shot.pixel(12, 542) == WHITE
                and shot.pixel(0, 18) == WHITE and shot.pixel(15, 10) == BLACK)

    def wait_main_screen(self, timeout=10):
        return self.wait_for(lambda: self.main_screen_drawn(self.grab()), timeout, "the main screen")

    def wait_intro(self, timeout=10):
        """Waits until the screen is no longer the empty black window."""
        points = ((100, 100), (400, 300), (700, 500))
        self.wait_for(lambda: any(self.grab().pixel(*p) != BLACK for p in points), timeout, "the intro picture")

    def pass_intro(self, key="space"):
        self.wait_intro()
        self.hold_key(key)
        self.wait_main_screen()
