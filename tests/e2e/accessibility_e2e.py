"""End-to-end check of what a screen reader receives: the program runs under Xvfb on a private
D-Bus session with the AT-SPI bus, and the accessibility tree of the main window and of a
property sheet is walked through pyatspi, as Orca would walk it.

Usage: accessibility_e2e.py BINARY SHARE_DIR [CASE ...]
Needs the Debian packages at-spi2-core, python3-pyatspi and dbus.
"""
import os
import subprocess
import sys
import time

import mirelon_e2e
from mirelon_e2e import FE_CLIENT, open_sheet, close_sheet, wait_until

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
IRON = "Fer, Fe, numéro atomique 26, groupe 8, période 4"


class AccessibilityBuses:
    """A private session bus and the AT-SPI bus launched on it; the programs started after
    it see both through the environment."""

    def __init__(self):
        self.procs = []
        daemon = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                   "--print-address=1"], stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL, text=True)
        self.procs.append(daemon)
        address = daemon.stdout.readline().strip()
        if not address:
            raise RuntimeError("the session bus did not start")
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        self.procs.append(subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"],
                                           stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL))
        # Qt speaks to the bus even without a screen reader running.
        os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        os.environ["QT_ACCESSIBILITY"] = "1"

    def close(self):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()


def frames(pyatspi, title):
    """The top-level frames and dialogs of any application on the bus whose name matches."""
    found = []
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        try:
            for window in app:
                if window is not None and window.name == title:
                    found.append(window)
        except Exception:  # an application leaving the bus while it is read
            continue
    return found


def wait_frame(pyatspi, title, timeout=20):
    found = []

    def appeared():
        found[:] = frames(pyatspi, title)
        return bool(found)

    wait_until(appeared, "%r on the accessibility bus" % title, timeout)
    return found[0]


def walk(pyatspi, node, depth=0):
    """Every node under `node`, itself included."""
    if node is None or depth > 40:
        return
    yield node
    for child in node:
        yield from walk(pyatspi, child, depth + 1)


def unnamed_focusable(pyatspi, root):
    """The shown nodes a user can move to that have no name, as 'role (description)'."""
    unnamed = []
    count = 0
    for node in walk(pyatspi, root):
        states = node.getState()
        if not (states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING)):
            continue
        count += 1
        if not node.name.strip():
            unnamed.append("%s %r" % (node.getRoleName(), node.description))
    return count, unnamed


def check_window(pyatspi, root, what):
    count, unnamed = unnamed_focusable(pyatspi, root)
    assert count > 0, "no focusable node in the %s" % what
    assert not unnamed, "focusable nodes without a name in the %s: %s" % (what, unnamed)
    return count


def case_main_window_and_sheet(s, pyatspi):
    main = wait_frame(pyatspi, "Mirelon 2 par l'équipe Mirelon")
    check_window(pyatspi, main, "main window")
    iron = [n for n in walk(pyatspi, main) if n.name == IRON]
    assert iron, "no node named %r" % IRON
    assert iron[0].getRoleName() == "push button", "iron is a %s" % iron[0].getRoleName()
    actions = iron[0].queryAction()
    assert "Press" in [actions.getName(i) for i in range(actions.nActions)], \
        "iron cannot be pressed"

    sheet = open_sheet(s, FE_CLIENT)
    sheet_frame = wait_frame(pyatspi, "Proprietes")
    check_window(pyatspi, sheet_frame, "property sheet")
    close_sheet(s, sheet)


def heard_while(pyatspi, kind, act, wanted, timeout=20):
    """Repeats `act` until an event of `kind` whose source is named `wanted` is heard. The
    program learns that someone listens a little after the listener is registered."""
    from gi.repository import GLib
    heard = []

    def listener(event):
        heard.append(event.source.name if event.source else "")

    pyatspi.Registry.registerEventListener(listener, kind)
    context = GLib.MainContext.default()
    deadline = time.time() + timeout
    turn = 0
    try:
        while time.time() < deadline and wanted not in heard:
            act(turn)
            turn += 1
            until = time.time() + 0.3
            while time.time() < until and wanted not in heard:
                while context.iteration(False):
                    pass
                time.sleep(0.02)
    finally:
        pyatspi.Registry.deregisterEventListener(listener, kind)
    assert wanted in heard, "no %s from %r heard: %r" % (kind, wanted, heard[-10:])


def case_focus_announced(s, pyatspi):
    """Tab walks the tool bar into the table, whose first stop is hydrogen: the focus that
    lands there is announced with the element's name."""
    wait_frame(pyatspi, "Mirelon 2 par l'équipe Mirelon")
    s.xdotool("windowfocus", "--sync", s.window)
    heard_while(pyatspi, "object:state-changed:focused",
                lambda turn: s.xdotool("key", "Tab"), "Hydrogène, H, numéro atomique 1, groupe 1, période 1")


def case_hover_panel_announced(s, pyatspi):
    """Moving the mouse from element to element renames the hover panel, and the bus carries
    the change to a listening screen reader."""
    wait_frame(pyatspi, "Mirelon 2 par l'équipe Mirelon")
    cobalt = (FE_CLIENT[0] + 32, FE_CLIENT[1])

    def move(turn):
        target = FE_CLIENT if turn % 2 == 0 else cobalt
        s.move(*s.at_client(target[0] + 16, target[1] + 16))

    heard_while(pyatspi, "object:property-change:accessible-name", move, IRON)


def main():
    buses = AccessibilityBuses()
    try:
        import pyatspi  # after the bus address is known: the library reads it once
        cases = {"main_window_and_sheet": lambda s: case_main_window_and_sheet(s, pyatspi),
                 "hover_panel_announced": lambda s: case_hover_panel_announced(s, pyatspi),
                 "focus_announced": lambda s: case_focus_announced(s, pyatspi)}
        return mirelon_e2e.main(cases)
    finally:
        buses.close()


if __name__ == "__main__":
    sys.exit(main())
