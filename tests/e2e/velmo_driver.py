"""Drives the real game under Xvfb: held keys and clicks in, grabs read with the game's 8x8 font out."""

import contextlib
import ctypes
import os
import pathlib
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
WHITE, BLACK, DARK_RED, DARK_BLUE = (255, 255, 255), (0, 0, 0), (150, 0, 0), (0, 0, 100)
BOX_FRAME, BOX_PADDING, BOX_LINE_HEIGHT, BOX_BUTTON_H = 3, 12, 12, 20  # the message box, as in src/app/ui.cpp
# A 4-4-2 of game/velmo.dat by row (starter slots GK, DF x4, MF x4, AT x2) and
# a bench of a goalkeeper, a defender, two midfielders and two attackers.
STARTERS = [0, 3, 4, 5, 6, 10, 11, 12, 13, 17, 18]
BENCH = [1, 7, 14, 15, 19, 20]


def run_cases(cases, width=800, height=600):
    """Runs each case(display, build) on one Xvfb of width x height (--build BUILD_DIR holds `velmo`)."""
    build, failed = sys.argv[sys.argv.index("--build") + 1], []
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
    """The glyphs of Allegro's default font: {glyph as 8 rows of 8 booleans: char}, the first char winning."""
    def pointer_at(address):
        return ctypes.c_void_p.from_address(address).value
    # FONT* font -> its data, the first FONT_MONO_DATA: {int begin, end; FONT_GLYPH **glyphs; ...}
    mono = pointer_at(ctypes.c_void_p.in_dll(ctypes.CDLL("liballeg.so.4.4"), "font").value)
    begin, glyph_table = ctypes.c_int.from_address(mono).value, pointer_at(mono + 8)
    chars = {}
    for code in range(126, 31, -1):  # each FONT_GLYPH: {short w, h; unsigned char dat[]}, here a byte a row of 8
        bits = (ctypes.c_ubyte * 8).from_address(pointer_at(glyph_table + 8 * (code - begin)) + 4)
        chars[tuple(tuple(bool(bits[y] & 0x80 >> x) for x in range(8)) for y in range(8))] = chr(code)
    return chars


CHARS_BY_GLYPH = _load_font()
UNKNOWN = "\ufffd"  # what read_text gives for a cell that is no glyph


class Shot:
    """A grab of the window, read in the 800x600 picture's pixels (every scale-th one when enlarged)."""

    def __init__(self, data, scale=1):
        self.data, self.scale = data, scale

    def pixel(self, x, y):
        i = (y * 800 * self.scale + x) * self.scale * 4  # 32 bits a pixel, blue first
        return (self.data[i + 2], self.data[i + 1], self.data[i])

    def only(self, x, y, w, h, colours):
        return all(self.pixel(x + i, y + j) in colours for j in range(h) for i in range(w))

    def read_text(self, x, y, cells, fg):
        """Reads `cells` characters drawn in fg at (x, y), trailing blanks dropped; UNKNOWN for no glyph."""
        return "".join(CHARS_BY_GLYPH.get(tuple(tuple(self.pixel(x + 8 * n + i, y + j) == fg for i in range(8))
                                                for j in range(8)), UNKNOWN) for n in range(cells)).rstrip()

    def box(self):
        """The message box as (x, y, w, h), or None: white, centred with even sides, framed dark red 3 pixels thick."""
        left = next((d for d in range(20, 390) if self.pixel(400 - d, 300) == DARK_RED), None)  # to its frame
        up = next((d for d in range(20, 290) if self.pixel(400, 300 - d) == DARK_RED), None)
        if None in (left, up):
            return None
        x, y, r, b = 398 - left, 298 - up, 401 + left, 301 + up  # the frame's outer edges
        frame = [p for i in range(BOX_FRAME) for p in ((x + i, 300), (r - i, 300), (400, y + i), (400, b - i))]
        inside = [(x + 3, y + 3), (r - 3, y + 3), (x + 3, b - 3), (r - 3, b - 3)]
        framed = all(self.pixel(*p) == DARK_RED for p in frame) and all(self.pixel(*p) == WHITE for p in inside)
        return (x, y, r - x + 1, b - y + 1) if framed else None

    def box_lines(self):
        """The box's text lines, or None; centred on x 400, a line starts 8 n or 8 n + 4 pixels off it: both read."""
        if not (found := self.box()):
            return None
        _, y, w, h = found
        half = (w // 2 - BOX_FRAME - 4) // 8  # whole cells on each side of the centre
        count = (h - 2 * BOX_FRAME - 3 * BOX_PADDING - BOX_BUTTON_H + 4) // BOX_LINE_HEIGHT  # 8 pixels high, 4 apart
        lines = []
        for line_y in (y + BOX_FRAME + BOX_PADDING + BOX_LINE_HEIGHT * n for n in range(count)):
            good = [r for odd in (0, 1) if UNKNOWN not in (r := self.read_text(
                400 - 4 * odd - 8 * half, line_y, 2 * half + odd, DARK_BLUE))]
            lines.append(max(good, key=len).strip() if good else UNKNOWN)
        return lines


def mark_centre(row, column):  # row's 16x16 mark is at (0 or 30, 10 + 24 row), filled white when marked
    return (4 + (30 if column == "S." else 0), 18 + 24 * row)


def marked(shot, row, column):
    return shot.pixel(*mark_centre(row, column)) == WHITE


def mark_lineup(game, starters, bench):
    for rows, column in ((starters, "T."), (bench, "S.")):
        for row in rows:
            game.click(*mark_centre(row, column))
            game.wait_for(lambda: marked(game.grab(), row, column), 3, f"row {row}'s {column} mark")


def wait_lineup_panel(game, substitutes):  # the main screen's line-up panel of a 4-4-2
    lines = ((40, "Module: 4 - 4 - 2"), (150, f"Substitutes: {substitutes}"))
    game.wait_for(lambda: all(game.grab().read_text(350, y, 20, WHITE) == text for y, text in lines), 5,
                  "the line-up panel")


def out_button(slot):  # the match screen's buttons, by starter and bench slot
    return (40, 56 + 16 * slot)


def in_button(slot):
    return (40, 256 + 16 * slot)


def minute(shot):
    text = shot.read_text(370, 350, 3, DARK_BLUE)
    return int(text) if text.isdigit() else 0


def match_screen_drawn(shot):  # its dark red frame and "&Close" (white, dark blue rim, at 420, 140)
    return shot.only(1, 10, 4, 580, {DARK_RED}) and shot.pixel(420, 140) == DARK_BLUE and shot.pixel(424, 146) == WHITE


def wait_match_screen(game):
    game.wait_for(lambda: match_screen_drawn(game.grab()), 10, "the match screen")


def wait_final_whistle(game):
    game.wait_for(lambda: minute(game.grab()) >= 90, 70, "the final whistle")


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
    """The game in a copy of game/ less `remove`, plus `files` {name: text}, or `program` in an empty folder;
    with `env` (None unsets), `prefix`, `args`, from `cwd`; its own settings unless `env` names XDG_CONFIG_HOME."""

    def __init__(self, display, build, remove=(), files=None, env=None, prefix=(), program=None, args=(), cwd=None):
        self.display, self.remove, self.files, self.env = display, remove, files or {}, env or {}
        self.program, self.cwd, self.scale = program, cwd, 1
        self.command = [*prefix, program or os.path.join(os.path.abspath(build), "velmo"), *args]

    def __enter__(self):
        self.root = tempfile.mkdtemp(prefix="velmo-e2e-")  # the game's folder, and beside it its log and settings
        self.folder, data = os.path.join(self.root, "game"), os.path.join(REPO, "game")
        if self.program:
            os.mkdir(self.folder)
        else:
            shutil.copytree(data, self.folder, ignore=lambda folder, names: [
                n for n in names if os.path.relpath(os.path.join(folder, n), data) in self.remove])
        for name, text in self.files.items():
            pathlib.Path(self.path(name)).write_text(text)
        self.log = open(os.path.join(self.root, "log"), "w")
        env = {**self.display.env(), "XDG_CONFIG_HOME": os.path.join(self.root, "config"), **self.env}
        self.process = subprocess.Popen(self.command, cwd=self.cwd or self.folder, stdout=self.log,
                                        stderr=subprocess.STDOUT, start_new_session=True,
                                        env={k: v for k, v in env.items() if v is not None})
        self.scale = self.wait_for(self.window, 20, "the game window").get_geometry().width // 800
        self.move_mouse(650, 450)  # away from the marks and the box
        return self

    def __exit__(self, kind, value, trace):
        with contextlib.suppress(ProcessLookupError):  # the whole group: faketime runs the game as its child
            os.killpg(self.process.pid, signal.SIGKILL)
        self.process.wait()
        self.log.close()
        if kind is None:
            shutil.rmtree(self.root, ignore_errors=True)
        else:
            print(f"  (the game's folder, log and settings are kept in {self.root})")

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

    def settled(self):  # a grab once the game has had time to react (it takes under 0.1 s), if it still runs
        time.sleep(0.3)
        check(self.process.poll() is None, "the game still runs")
        return self.grab()

    def path(self, name):
        return os.path.join(self.folder, name)

    def log_text(self):  # what the game has written to its standard output and error
        return pathlib.Path(self.root, "log").read_text()

    def hold_key(self, name, ms=150):  # an X key ("space", "e", "Right"), so Allegro's key-state array sees it
        self.display.xdotool("keydown", name, "sleep", ms / 1000, "keyup", name)

    def move_mouse(self, x, y):
        self.display.xdotool("mousemove", x * self.scale, y * self.scale)

    def click(self, x, y):  # held once the move has landed; the mouse is parked away from marks and boxes after
        k = self.scale
        self.display.xdotool("mousemove", x * k, y * k, "sleep", 0.08, "mousedown", 1, "sleep", 0.15, "mouseup", 1,
                             "sleep", 0.12, "mousemove", 650 * k, 450 * k)

    def grab(self):  # the game's window, at the top left corner
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
