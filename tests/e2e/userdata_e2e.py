"""End-to-end run of the launcher on a user's copy of the tables older than the shipped ones:
the user's edited cell is kept, the shipped correction taken, and the user told once.

Usage: userdata_e2e.py BINARY SHARE_DIR LAUNCHER_TEMPLATE
"""
import os
import shutil
import subprocess
import sys
import tempfile

from mirelon_e2e import SCREEN, wait_until

TOLD = "Mise à jour des tables"
MAIN = "Mirelon 2 par"
IRON = "26"


def edit_cell(path, number, field, value):
    """Sets one cell of the element table, in its own code page and line ends."""
    with open(path, encoding="cp1252", newline="") as f:
        lines = f.read().split("\r\n")
    column = lines[0].split(";").index(field)
    for i, line in enumerate(lines):
        cells = line.split(";")
        if cells[0] == number:
            cells[column] = value
            lines[i] = ";".join(cells)
    with open(path, "w", encoding="cp1252", newline="") as f:
        f.write("\r\n".join(lines))


def read_cell(path, number, field):
    with open(path, encoding="cp1252", newline="") as f:
        lines = f.read().split("\r\n")
    column = lines[0].split(";").index(field)
    return next(line.split(";")[column] for line in lines if line.split(";")[0] == number)


class Screen:
    """One Xvfb server."""

    def __init__(self):
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % SCREEN,
             "-nolisten", "tcp", "-noreset"], pass_fds=[write_fd], stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            self.env = dict(os.environ, DISPLAY=":" + pipe.readline().strip())
        self.env.pop("QT_QPA_PLATFORM", None)

    def windows(self, name):
        return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                              env=self.env, capture_output=True, text=True,
                              timeout=30).stdout.split()

    def close(self):
        self.xvfb.terminate()
        self.xvfb.wait(5)


def start(screen, launcher, env):
    """Runs the launcher; answers the first window shown, the box or the main window."""
    log = tempfile.TemporaryFile()
    app = subprocess.Popen([launcher], env=env, stdout=subprocess.DEVNULL, stderr=log)
    seen = []

    def shown():
        if app.poll() is not None:
            log.seek(0)
            raise AssertionError("the program ended with code %d; it printed: %s"
                                 % (app.returncode, log.read().decode("utf-8", "replace")[-2000:]))
        seen[:] = [name for name in (TOLD, MAIN) if screen.windows(name)]
        return seen

    wait_until(shown, "a window of the program", timeout=20)
    return app, seen[0]


def main():
    binary, share, template = sys.argv[1:4]
    work = tempfile.mkdtemp(prefix="mirelon-userdata-")
    screen = None
    app = None
    try:
        # Shipped now: the tables of share/ with a corrected atomic mass of iron.
        shipped = os.path.join(work, "shipped")
        os.mkdir(shipped)
        for name in ("prop.yop", "struct.yop", "iso.yop"):
            shutil.copy(os.path.join(share, name), shipped)
        edit_cell(os.path.join(shipped, "prop.yop"), IRON, "_M__AT", "55,845")
        # The user's copy, made from the tables of share/, with iron's melting point edited.
        user = os.path.join(work, "xdg", "mirelon")
        os.makedirs(os.path.join(user, ".origine"))
        for name in ("prop.yop", "struct.yop", "iso.yop"):
            shutil.copy(os.path.join(share, name), user)
            shutil.copy(os.path.join(share, name), os.path.join(user, ".origine"))
        edit_cell(os.path.join(user, "prop.yop"), IRON, "_TF", "1811")

        launcher = os.path.join(work, "mirelon-launch")
        with open(template, encoding="utf-8") as f:
            text = f.read().replace("@MIRELON_BINARY@", binary)
        with open(launcher, "w", encoding="utf-8") as f:
            f.write(text.replace("@MIRELON_DATADIR@", shipped))
        os.chmod(launcher, 0o755)

        screen = Screen()
        env = dict(screen.env, XDG_DATA_HOME=os.path.join(work, "xdg"))
        app, first = start(screen, launcher, env)
        assert first == TOLD, "the first start told nothing"
        box = screen.windows(TOLD)[-1]
        subprocess.run(["xdotool", "key", "--window", box, "Return"], env=env, timeout=30)
        wait_until(lambda: screen.windows(MAIN), "the main window after the message")
        prop = os.path.join(user, "prop.yop")
        assert read_cell(prop, IRON, "_TF") == "1811", "the user's edit was lost"
        assert read_cell(prop, IRON, "_M__AT") == "55,845", "the correction was not taken"
        app.terminate()
        app.wait(10)

        app, first = start(screen, launcher, env)
        assert first == MAIN, "the second start told the user again"
        print("PASS   : edit kept, correction taken, told once")
        print("1 passed, 0 failed")
        return 0
    except Exception as error:
        print("FAIL!  : %s" % error)
        print("0 passed, 1 failed")
        return 1
    finally:
        if app and app.poll() is None:
            app.kill()
            app.wait()
        if screen:
            screen.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
