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

import charts_e2e
import graph3d_e2e
import mirelon_e2e
import molar_e2e
from mirelon_e2e import FE_CLIENT, open_sheet, close_sheet, type_into_combo, wait_gone, wait_until

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
IRON = "Fer, Fe, numéro atomique 26, groupe 8, période 4"
SOURCE_TABLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "data",
                            "sources.tsv")


def column_source(field):
    """The source of a column as the maintainers' source table gives it."""
    with open(SOURCE_TABLE, encoding="utf-8") as f:
        for line in f:
            cells = line.rstrip("\n").split("\t")
            if cells[0] == field and cells[1] == "":
                return cells[3]
    raise AssertionError("no source for %s in %s" % (field, SOURCE_TABLE))


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

    # The hover panel is made at the first move over the table, the legends at the first
    # colouring.
    s.move(*s.at_client(FE_CLIENT[0] + 16, FE_CLIENT[1] + 16))
    type_into_combo(s, "Point de  fusion")
    for name in ("Tfus (K)", "Valeur de l'élément survolé"):
        wait_until(lambda: any(n.name == name for n in walk(pyatspi, main)), "a box named " + name)
    check_read_only(pyatspi, main, "Tfus (K)", True)
    check_read_only(pyatspi, main, "Valeur de l'élément survolé", False)

    sheet = open_sheet(s, FE_CLIENT)
    sheet_frame = wait_frame(pyatspi, "Proprietes")
    check_window(pyatspi, sheet_frame, "property sheet")
    check_read_only(pyatspi, sheet_frame, "Point de Fusion (K)", True)
    check_described(pyatspi, sheet_frame, "Point de Fusion (K)",
                    "Point de fusion, K — " + column_source("_TF"))
    close_sheet(s, sheet)


def check_described(pyatspi, root, name, description):
    """The box named `name` tells its unit and source as its description."""
    boxes = [n for n in walk(pyatspi, root) if n.name == name and n.getRoleName() == "text"]
    assert boxes, "no box named %r" % name
    assert boxes[0].description == description, \
        "%r is described %r, not %r" % (name, boxes[0].description, description)


def check_read_only(pyatspi, root, name, read_only):
    """The box named `name` says it is read-only and not editable, or the other way round."""
    boxes = [n for n in walk(pyatspi, root) if n.name == name and n.getRoleName() == "text"]
    assert boxes, "no box named %r" % name
    states = boxes[0].getState()
    said = (states.contains(pyatspi.STATE_READ_ONLY), states.contains(pyatspi.STATE_EDITABLE))
    assert said == (read_only, not read_only), \
        "%r says read-only %s, editable %s" % ((name,) + said)


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


def case_chart_table(s, pyatspi):
    """The scatter chart of Graph XY is a table of its points on the bus: iron's row holds its
    boiling point and electronegativity, under columns headed by the axis titles."""
    wait_frame(pyatspi, "Mirelon 2 par l'équipe Mirelon")
    charts_e2e.open_graph_menu(s, 1)
    charts_e2e.choose(s, "Abscisse", 4)     # T eb (K)
    charts_e2e.choose(s, "Ordonn..?e", 11)  # electronegativity
    frame = wait_frame(pyatspi, "graphique")
    found = []

    def table_filled():
        found[:] = [n for n in walk(pyatspi, frame)
                    if n.getRoleName() == "table" and n.name == "Nuage de points"]
        return bool(found) and found[0].queryTable().nRows > 50

    wait_until(table_filled, "the scatter chart's table of points", 20)
    table = found[0].queryTable()
    headers = [table.getColumnDescription(c) for c in range(table.nColumns)]
    assert headers == ["Élément", "T eb (K)", "E.N."], "columns %r" % headers
    rows = [[table.getAccessibleAt(r, c).name for c in range(table.nColumns)]
            for r in range(table.nRows)]
    assert ["Fe", "3020", "1,6"] in rows, "no row for iron in %r" % rows[:5]
    header = table.getColumnHeader(1)
    assert header is not None and header.name == "T eb (K)", "column header of the X values"
    window = s.wait_window("^graphique$")
    s.xdotool("windowfocus", "--sync", window)
    s.xdotool("key", "Escape")
    wait_gone(s, "^graphique$")


def case_graph3d_names(s, pyatspi):
    """The 3-D window's mouse modes and view buttons are named in French on the bus."""
    wait_frame(pyatspi, "Mirelon 2 par l'équipe Mirelon")
    graph3d_e2e.open_graph3d(s)
    frame = wait_frame(pyatspi, "Propriété : T eb (K)")
    wanted = {"aucun": "radio button", "tourner": "radio button", "déplacer": "radio button",
              "zoomer": "radio button", "vue sud-ouest": "push button",
              "vue nord-est": "push button"}
    named = {n.name: n.getRoleName() for n in walk(pyatspi, frame)}
    missing = {k: v for k, v in wanted.items() if named.get(k) != v}
    assert not missing, "not on the bus as named: %r" % missing
    check_window(pyatspi, frame, "3-D window")


def case_molar_mass_announced(s, pyatspi):
    """In molar-mass mode a click on hydrogen renames the panel with the new molar mass, and
    the bus carries the change."""
    wait_frame(pyatspi, "Mirelon 2 par l'équipe Mirelon")
    molar_e2e.enter_mode(s)

    def click(turn):
        s.click(*s.at_client(*molar_e2e.RESET))
        molar_e2e.click_element(s, molar_e2e.HYDROGEN)

    heard_while(pyatspi, "object:property-change:accessible-name", click,
                "Masse molaire de H1 : 1,01 g/mol")


def main():
    buses = AccessibilityBuses()
    try:
        import pyatspi  # after the bus address is known: the library reads it once
        cases = {"main_window_and_sheet": lambda s: case_main_window_and_sheet(s, pyatspi),
                 "hover_panel_announced": lambda s: case_hover_panel_announced(s, pyatspi),
                 "focus_announced": lambda s: case_focus_announced(s, pyatspi),
                 "chart_table": lambda s: case_chart_table(s, pyatspi),
                 "graph3d_names": lambda s: case_graph3d_names(s, pyatspi),
                 "molar_mass_announced": lambda s: case_molar_mass_announced(s, pyatspi)}
        return mirelon_e2e.main(cases)
    finally:
        buses.close()


if __name__ == "__main__":
    sys.exit(main())
