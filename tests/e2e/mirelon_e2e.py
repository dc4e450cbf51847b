"""End-to-end checks of the real mirelon binary under Xvfb, driven with xdotool.

Screens are read back as pixels (ImageMagick's import), never compared with stored
pictures. Usage: mirelon_e2e.py BINARY SHARE_DIR [CASE ...]
"""
import os
import shutil
import subprocess
import tempfile
import sys
import time

SCREEN = (1024, 768)
FE_CLIENT = (256, 224)  # iron's button in the client area
HOVER = (0xD8, 0xBE, 0x0A)
NAVY = (0x00, 0x00, 0x80)
MAROON = (0x80, 0x00, 0x00)  # the property sheet's "<" and ">"
SHEET_NEXT = (448, 16)  # the top-left of ">" in the property sheet
AFTER_EXIT = 1  # menu bar entries after "Exit": "Outils"


def wait_until(predicate, what, timeout=10):
    """Polls until `predicate()` holds; fails naming `what` after `timeout` seconds."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        if predicate():
            return
        time.sleep(0.1)
    raise AssertionError("never happened: " + what)


def wait_gone(s, name, timeout=10):
    """Waits until no visible window is named by the pattern `name`."""
    wait_until(lambda: not s.xdotool("search", "--onlyvisible", "--name", name),
               "%s closed" % name, timeout)


class Session:
    """One Xvfb server and one running program."""

    def __init__(self, binary, share):
        self.xvfb = None
        self.app = None
        self.workdir = None
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % SCREEN,
             "-nolisten", "tcp", "-noreset"], pass_fds=[write_fd], stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        self.env = dict(os.environ, DISPLAY=":" + number)
        self.env.pop("QT_QPA_PLATFORM", None)
        try:
            # The program runs on its own copy of the data files, which it may write back,
            # and the sources of their values beside them.
            self.workdir = tempfile.mkdtemp(prefix="mirelon-e2e-")
            for name in ("prop.yop", "struct.yop", "iso.yop", "sources.yop"):
                shutil.copy(os.path.join(share, name), self.workdir)
            self.window = self.start(binary)
            self.origin = self.client_origin()
        except BaseException:
            # A program that never shows its window must not leave its server behind.
            self.close()
            raise

    def start(self, binary):
        """Starts the program; one that ends before its window shows is told with what it
        printed."""
        log = tempfile.TemporaryFile()
        self.app = subprocess.Popen([binary], cwd=self.workdir, env=self.env,
                                    stdout=subprocess.DEVNULL, stderr=log)
        try:
            return self.wait_window("Mirelon 2 par")
        except AssertionError as error:
            log.seek(0)
            printed = log.read().decode("utf-8", "replace")[-2000:]
            raise AssertionError("%s; it printed: %s" % (error, printed)) from None

    def close(self):
        for proc in (self.app, self.xvfb):
            if proc and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
        if self.workdir:
            shutil.rmtree(self.workdir, ignore_errors=True)

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                              text=True, timeout=30).stdout.strip()

    def wait_window(self, name, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            ids = self.xdotool("search", "--onlyvisible", "--name", name).split()
            if ids:
                return ids[-1]
            if self.app and self.app.poll() is not None:
                raise AssertionError("the program ended (code %d) before a window named %r "
                                     "appeared" % (self.app.returncode, name))
            time.sleep(0.1)
        raise AssertionError("no window named %r appeared" % name)

    def geometry(self, window):
        values = {}
        for line in self.xdotool("getwindowgeometry", "--shell", window).splitlines():
            key, _, value = line.partition("=")
            values[key] = int(value) if value.lstrip("-").isdigit() else value
        return values

    def screen(self):
        raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"],
                             env=self.env, capture_output=True, timeout=30).stdout
        assert len(raw) == SCREEN[0] * SCREEN[1] * 3, "short screen grab"
        return raw

    @staticmethod
    def pixel(raw, x, y):
        i = (y * SCREEN[0] + x) * 3
        return tuple(raw[i:i + 3])

    def client_origin(self):
        """The client area's top-left on screen: the navy area starts 33 pixels
        (the toolbar) below it."""
        g = self.geometry(self.window)
        deadline = time.time() + 10
        while time.time() < deadline:
            raw = self.screen()
            x = g["X"] + 5
            for y in range(g["Y"], g["Y"] + 120):
                if self.pixel(raw, x, y) == NAVY:
                    return g["X"], y - 33
            time.sleep(0.2)
        raise AssertionError("the navy table never showed")

    def at_client(self, x, y):
        return self.origin[0] + x, self.origin[1] + y

    def program_windows(self):
        """The program's windows on screen, its menus' lists included."""
        return set(self.xdotool("search", "--onlyvisible", "--class", "^mirelon$").split())

    def open_menu(self, index):
        """Clicks word `index` of the menu bar and waits for its list to show."""
        words, y = self.menu_words()
        left, right = words[index]
        before = self.program_windows()
        self.click((left + right) // 2, y)
        wait_until(lambda: self.program_windows() - before, "the menu's list shown")

    def move(self, x, y):
        self.xdotool("mousemove", "--sync", str(x), str(y))

    def click(self, x, y):
        self.move(x, y)
        self.xdotool("click", "1")

    def wait_pixel(self, x, y, predicate, what, timeout=5):
        deadline = time.time() + timeout
        last = None
        while time.time() < deadline:
            last = self.pixel(self.screen(), x, y)
            if predicate(last):
                return last
            time.sleep(0.1)
        raise AssertionError("%s: pixel at (%d, %d) is %s" % (what, x, y, last))

    def menu_words(self):
        """Horizontal extents of the words of the menu bar, from the dark pixels of
        its row."""
        g = self.geometry(self.window)
        raw = self.screen()
        columns = []
        for x in range(g["X"], g["X"] + g["WIDTH"]):
            dark = any(sum(self.pixel(raw, x, y)) < 300
                       for y in range(g["Y"] + 2, self.origin[1] - 2))
            columns.append(dark)
        words, start, gap = [], None, 0
        for i, dark in enumerate(columns + [False] * 8):
            if dark:
                start = i if start is None else start
                gap = 0
            elif start is not None:
                gap += 1
                if gap > 6:
                    words.append((g["X"] + start, g["X"] + i - gap))
                    start, gap = None, 0
        return words, g["Y"] + (self.origin[1] - g["Y"]) // 2


def case_title_and_hover(s):
    title = s.xdotool("getwindowname", s.window)
    assert title.startswith("Mirelon 2 par "), title
    fe = s.at_client(FE_CLIENT[0] + 16, FE_CLIENT[1] + 16)
    probe = s.at_client(FE_CLIENT[0] + 16, FE_CLIENT[1] + 4)
    s.move(*s.at_client(600, 420))
    normal = s.wait_pixel(*probe, lambda c: c != HOVER, "before hover")
    s.move(*fe)
    s.wait_pixel(*probe, lambda c: c == HOVER, "iron lit under the mouse")
    s.move(*s.at_client(600, 420))
    s.wait_pixel(*probe, lambda c: c == normal, "iron restored after leaving")


def case_about_opens_and_closes(s):
    words, y = s.menu_words()
    # "About" and "Exit" come before "Outils", the last word (a disabled entry reads too pale).
    assert len(words) >= 4, "menu words: %r" % words
    about = words[-2 - AFTER_EXIT]
    s.click((about[0] + about[1]) // 2, y)
    box = s.wait_window("^About$")
    g = s.geometry(box)
    assert (g["WIDTH"], g["HEIGHT"]) == (353, 212), g
    s.click(g["X"] + 135 + 37, g["Y"] + 180 + 12)  # OK
    wait_gone(s, "^About$")


def case_exit_ends_program(s):
    words, y = s.menu_words()
    exit_word = words[-1 - AFTER_EXIT]
    s.click((exit_word[0] + exit_word[1]) // 2, y)
    s.app.wait(10)
    assert s.app.returncode == 0, s.app.returncode


def type_into_combo(s, text):
    s.click(*s.at_client(224 + 60, 6 + 10))
    s.xdotool("key", "--clearmodifiers", "ctrl+a")
    s.xdotool("type", "--delay", "20", text)


def case_group_colouring(s):
    type_into_combo(s, "Groupe")
    s.wait_pixel(*s.at_client(FE_CLIENT[0] + 16, FE_CLIENT[1] + 4),
                 lambda c: c == (0xFF, 0xFF, 0x80), "iron in the transition-metal yellow")


def case_hover_panel(s):
    panel = s.at_client(112 + 120, 40 + 140)  # a point of the panel's right column
    s.move(*s.at_client(FE_CLIENT[0] + 16, FE_CLIENT[1] + 16))
    s.wait_pixel(*panel, lambda c: c != NAVY, "the hover panel over the navy")
    s.move(*s.at_client(600, 420))
    s.wait_pixel(*panel, lambda c: c == NAVY, "the hover panel hidden again")


def case_temperature_step(s):
    gallium = s.at_client(416 + 16, 224 + 4)
    type_into_combo(s, "Etat Physique")
    s.wait_pixel(*gallium, lambda c: c == (0xF8, 0x5E, 0x47), "gallium solid at 298 K")
    s.click(*s.at_client(648 + 8 + 73 - 7, 136 + 104 + 5))  # up arrow of the spin edit
    s.wait_pixel(*gallium, lambda c: c == (0x00, 0x80, 0xC0), "gallium liquid at 308 K")


def shows_text(s, left, top, width, height):
    """Whether a screen area shows dark writing on a light ground: drawn, and not the black
    or the leftovers that a window shows before its first paint."""
    raw = s.screen()
    light = dark = 0
    for y in range(top, top + height):
        for x in range(left, left + width):
            colour = s.pixel(raw, x, y)
            light += min(colour) >= 200
            dark += sum(colour) < 200
    return light > width * height // 2 and dark > 20


def grab_area(s, left, top, width, height):
    """The pixels of a width x height area of the screen, as bytes."""
    raw = s.screen()
    rows = []
    for y in range(top, top + height):
        start = (y * SCREEN[0] + left) * 3
        rows.append(raw[start:start + width * 3])
    return b"".join(rows)


def grab(s, window, width, height):
    """The pixels of the top-left width x height of a window, as bytes."""
    g = s.geometry(window)
    return grab_area(s, g["X"], g["Y"], width, height)


def open_sheet(s, client_pos):
    """Clicks the element and waits for its property sheet, drawn: the sheet shows the
    element from its first paint on."""
    s.click(*s.at_client(client_pos[0] + 16, client_pos[1] + 16))
    sheet = s.wait_window("^Proprietes$")
    g = s.geometry(sheet)
    s.wait_pixel(g["X"] + SHEET_NEXT[0] + 4, g["Y"] + SHEET_NEXT[1] + 20,
                 lambda c: c == MAROON, "the property sheet drawn")
    return sheet


def close_sheet(s, sheet):
    s.xdotool("windowfocus", "--sync", sheet)
    s.xdotool("key", "Escape")
    wait_gone(s, "^Proprietes$")


def case_property_sheet(s):
    cobalt = (FE_CLIENT[0] + 32, FE_CLIENT[1])
    sheet = open_sheet(s, cobalt)
    header_of_cobalt = grab(s, sheet, 300, 70)
    close_sheet(s, sheet)

    sheet = open_sheet(s, FE_CLIENT)
    header_of_iron = grab(s, sheet, 300, 70)
    assert header_of_iron != header_of_cobalt, "iron's sheet looks like cobalt's"
    g = s.geometry(sheet)
    s.click(g["X"] + SHEET_NEXT[0] + 16, g["Y"] + SHEET_NEXT[1] + 20)
    wait_until(lambda: grab(s, sheet, 300, 70) == header_of_cobalt, "'>' stepping from Fe to Co",
               timeout=5)
    close_sheet(s, sheet)
    # Back in the main window, which reacts to the mouse again.
    probe = s.at_client(FE_CLIENT[0] + 16, FE_CLIENT[1] + 4)
    s.move(*s.at_client(600, 420))
    s.move(*s.at_client(FE_CLIENT[0] + 16, FE_CLIENT[1] + 16))
    s.wait_pixel(*probe, lambda c: c == HOVER, "iron lit after the sheet closed")


CASES = {
    "title_and_hover": case_title_and_hover,
    "about": case_about_opens_and_closes,
    "exit": case_exit_ends_program,
    "group_colouring": case_group_colouring,
    "hover_panel": case_hover_panel,
    "temperature_step": case_temperature_step,
    "property_sheet": case_property_sheet,
}


def main(cases=None):
    """Runs the named cases (all by default), each in a fresh session; other scripts pass
    their own table of cases."""
    cases = cases or CASES
    binary, share = sys.argv[1], sys.argv[2]
    names = sys.argv[3:] or list(cases)
    passed = failed = 0
    for name in names:
        session = None
        try:
            session = Session(binary, share)
            cases[name](session)
            print("PASS   : %s" % name)
            passed += 1
        except Exception as error:  # report every case, then fail the run
            print("FAIL!  : %s: %s" % (name, error))
            failed += 1
        finally:
            if session:
                session.close()
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
