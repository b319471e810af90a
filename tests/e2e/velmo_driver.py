"""Drives the real game under Xvfb: held keys and clicks in, grabs read with the game's 8x8 font out."""

import argparse
import contextlib
import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-xlib, seen from another Python 3 too
from Xlib import X, display as xdisplay, protocol  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

WHITE, BLACK, PURE_RED = (255, 255, 255), (0, 0, 0), (255, 0, 0)
DARK_RED, DARK_BLUE = (150, 0, 0), (0, 0, 100)
BOX_FRAME, BOX_PADDING, BOX_LINE_HEIGHT, BOX_BUTTON_H = 3, 12, 12, 20  # the message box, as in src/app/ui.cpp


def mark_centre(row, column):  # row's 16x16 mark is at (0 or 30, 10 + 24 row), filled white when marked
    return (4 + (30 if column == "S." else 0), 18 + 24 * row)


def marked(shot, row, column):
    return shot.pixel(*mark_centre(row, column)) == WHITE


def run_cases(cases, width=800, height=600):
    """Runs each case(display, build) on one Xvfb of width x height (--build BUILD_DIR holds `velmo`);
    exits 1 on a failure."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    build, failed = parser.parse_args().build, []
    with Display(width, height) as display:
        for case in cases:
            try:
                case(display, build)
            except Exception:
                failed.append(case.__name__)
                traceback.print_exc()
    print("FAILED:" if failed else "PASSED", *failed)
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
        w, h = (ctypes.c_short.from_address(address + offset).value for offset in (0, 2))
        stride = (w + 7) // 8
        bits = (ctypes.c_ubyte * (stride * h)).from_address(address + 4)
        glyphs[chr(code)] = tuple(tuple(bool(bits[y * stride + x // 8] & (0x80 >> x % 8))
                                        for x in range(w)) for y in range(h))
    return glyphs


GLYPHS = _load_font()
UNKNOWN = "\ufffd"  # what read_text gives for a cell that is no glyph
CHARS_BY_GLYPH = {glyph: char for char, glyph in reversed(GLYPHS.items())}  # the first char wins


class Shot:
    """One grab of the game's window, read in the 800x600 picture's pixels: pixel(x, y) -> (r, g, b).
    A window enlarged `scale` times is read at every scale-th pixel."""

    def __init__(self, data, scale=1):
        self.data, self.scale = data, scale

    def pixel(self, x, y):
        i = (y * 800 * self.scale + x) * self.scale * 4  # 32 bits a pixel, blue first
        return (self.data[i + 2], self.data[i + 1], self.data[i])

    def count(self, x, y, w, h, colour):
        return sum(self.pixel(x + i, y + j) == colour for j in range(h) for i in range(w))

    def only(self, x, y, w, h, colours):
        return all(self.pixel(x + i, y + j) in colours for j in range(h) for i in range(w))

    def text_at(self, x, y, text, fg, bg=None):
        """True when `text` is drawn at (x, y) in fg (with bg: on an opaque bg), pixel for pixel."""
        return all(colour == fg if ink else (colour != fg if bg is None else colour == bg)
                   for n, char in enumerate(text) for j, row in enumerate(GLYPHS[char])
                   for i, ink in enumerate(row) for colour in [self.pixel(x + 8 * n + i, y + j)])

    def read_text(self, x, y, cells, fg):
        """Reads `cells` characters drawn in fg at (x, y); UNKNOWN for a cell that is no glyph."""
        return "".join(CHARS_BY_GLYPH.get(tuple(tuple(self.pixel(x + 8 * n + i, y + j) == fg
                                                      for i in range(8)) for j in range(8)), UNKNOWN)
                       for n in range(cells))

    def box(self):
        """The message box as (x, y, w, h), or None: white, centred, framed dark red 3 pixels thick."""
        cx, cy, f = 400, 300, BOX_FRAME

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
        if not (found := self.box()):
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
    """An Xvfb of 800x600x24 (or width x height) on a display it picks itself (-displayfd)."""

    def __init__(self, width=800, height=600):
        self.size = f"{width}x{height}x24"

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.size, "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as taken:  # the display's number, written once it takes connections
            number = taken.readline().strip()
        if not number:
            raise RuntimeError(f"Xvfb did not start ({self.process.wait()})")
        self.name = f":{number}"
        self.x = xdisplay.Display(self.name)
        return self

    def __exit__(self, *exc):
        self.x.close()
        self.process.terminate()
        self.process.wait()

    def env(self):
        return dict(os.environ, DISPLAY=self.name)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env(), check=True)


class Game:
    """The game in a copy of game/ less `remove`, plus `files` {name: text}; `env` (None unsets a
    variable), and `prefix` to run it. With `program`, that program runs in an empty folder instead.
    `args` go on its command line; `cwd` starts it in another working folder. Its settings are kept in a
    folder of its own unless `env` names XDG_CONFIG_HOME. Grabs and clicks are in the picture's pixels."""

    def __init__(self, display, build, remove=(), files=None, env=None, prefix=(), program=None, args=(), cwd=None):
        self.display, self.binary = display, program or os.path.join(os.path.abspath(build), "velmo")
        self.cwd = cwd
        self.remove, self.files, self.extra_env, self.prefix = remove, files or {}, env or {}, list(prefix)
        self.copy_game, self.args, self.scale = program is None, list(args), 1

    def __enter__(self):
        self.folder, data = tempfile.mkdtemp(prefix="velmo-e2e-"), os.path.join(REPO, "game")
        if self.copy_game:
            shutil.copytree(data, self.folder, dirs_exist_ok=True, ignore=lambda folder, names: [
                n for n in names if os.path.relpath(os.path.join(folder, n), data) in self.remove])
        for name, text in self.files.items():
            with open(self.path(name), "w") as f:
                f.write(text)
        # The log lies beside the folder, so that the game's folder holds only what the game writes.
        self.log = open(self.folder + ".log", "w")
        self.config = self.folder + ".config"
        env = {k: v for k, v in {**self.display.env(), "XDG_CONFIG_HOME": self.config, **self.extra_env}.items()
               if v is not None}
        self.process = subprocess.Popen(
            self.prefix + [self.binary] + self.args, cwd=self.cwd or self.folder, env=env,
            stdout=self.log, stderr=subprocess.STDOUT, start_new_session=True)
        self.scale = self.wait_for(self.window, 20, "the game window").get_geometry().width // 800
        self.move_mouse(650, 450)  # away from the marks and the box
        return self

    def __exit__(self, kind, value, trace):
        with contextlib.suppress(ProcessLookupError):  # the whole group: faketime runs the game as its child
            os.killpg(self.process.pid, signal.SIGKILL)
        self.process.wait()
        self.log.close()
        if kind is None:
            shutil.rmtree(self.folder, ignore_errors=True)
            shutil.rmtree(self.config, ignore_errors=True)
            os.remove(self.folder + ".log")
        else:
            print(f"  (the game's folder and log are kept in {self.folder} and {self.folder}.log)")

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

    def window(self):  # the game's mapped top-level window, by its title
        children = self.display.x.screen().root.query_tree().children
        return next((w for w in children if w.get_wm_name() in ("Velmo", b"Velmo")
                     and w.get_attributes().map_state == X.IsViewable), None)

    def settled(self):
        """A grab once the game has had time to react (it takes under 0.1 s); fails if the game has ended."""
        time.sleep(0.3)
        check(self.process.poll() is None, "the game still runs")
        return self.grab()

    def path(self, name):
        return os.path.join(self.folder, name)

    def hold_key(self, name, ms=150):
        """Holds an X key ("space", "Return", "e", "Right") for ms, so Allegro's key-state array sees it."""
        self.display.xdotool("keydown", name, "sleep", ms / 1000, "keyup", name)

    def move_mouse(self, x, y):
        self.display.xdotool("mousemove", x * self.scale, y * self.scale)

    def click(self, x, y):
        """A held left click once the move has landed; the mouse is parked away from marks and boxes after it."""
        k = self.scale
        self.display.xdotool("mousemove", x * k, y * k, "sleep", 0.08, "mousedown", 1, "sleep", 0.15, "mouseup", 1,
                             "sleep", 0.12, "mousemove", 650 * k, 450 * k)

    def grab(self):
        """The game's window at the top left corner."""
        w, h = 800 * self.scale, 600 * self.scale
        return Shot(self.display.x.screen().root.get_image(0, 0, w, h, X.ZPixmap, 0xFFFFFFFF).data, self.scale)

    def screenshot(self, path):  # for the README's pictures (tools/take_readme_shots.py); returns the path
        subprocess.run(["import", "-window", "root", path], env=self.display.env(), check=True)
        return path

    def box_lines(self):
        return self.wait_for(lambda: self.grab().box_lines(), 10, "a message box")

    def wait_box_gone(self):
        self.wait_for(lambda: self.grab().box() is None, 10, "the message box to close")

    def ask(self, key):
        """Holds key (or "close": the window's close button) and returns the message box's lines."""
        if key != "close":
            self.hold_key(key)
        else:  # what the window's close button sends
            x, window = self.display.x, self.window()
            window.send_event(protocol.event.ClientMessage(
                window=window, client_type=x.intern_atom("WM_PROTOCOLS"),
                data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])), event_mask=X.NoEventMask)
            x.flush()
        return self.box_lines()

    def dismiss_box(self):
        """Reads the message box, presses Enter, waits until it has gone or another text has come: its lines."""
        lines = self.box_lines()
        self.hold_key("Return")
        self.wait_for(lambda: self.grab().box_lines() != lines, 10, "the message box to close")
        return lines

    def answer(self, key):
        self.hold_key(key)
        return self.dismiss_box()

    @staticmethod
    def main_screen_drawn(shot):  # "&Reset", the main dialog's last entry, and row 0's "T." mark
        return (shot.pixel(10, 540) == DARK_BLUE and shot.pixel(12, 542) == WHITE
                and shot.pixel(0, 18) == WHITE and shot.pixel(15, 10) == BLACK)

    def wait_main_screen(self):
        self.wait_for(lambda: self.main_screen_drawn(self.grab()), 10, "the main screen")

    def wait_intro(self):  # the screen is no longer the empty black window
        points = ((100, 100), (400, 300), (700, 500))
        self.wait_for(lambda: any(self.grab().pixel(*p) != BLACK for p in points), 10, "the intro picture")

    def pass_intro(self, key="space"):
        self.wait_intro()
        self.hold_key(key)
        self.wait_main_screen()
