"""End-to-end checks of the chart commands in the real program under Xvfb: the chooser
twice through the menu, the chart window, its markers red on the yellow back wall.
Usage: charts_e2e.py BINARY SHARE_DIR [CASE ...]
"""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import mirelon_e2e  # noqa: E402
from mirelon_e2e import FE_CLIENT, HOVER, SCREEN, wait_gone  # noqa: E402

BACK_WALL = (0xFF, 0xFF, 0x80)


def choose(s, caption, downs):
    """Picks the list item `downs` rows below the highlighted one and confirms with Enter.
    The caption is a pattern: xdotool may match an accented letter as two bytes."""
    chooser = s.wait_window("^%s$" % caption)
    s.xdotool("windowfocus", "--sync", chooser)
    for _ in range(downs):
        s.xdotool("key", "Down")
    s.xdotool("key", "Return")
    wait_gone(s, "^%s$" % caption)


def reddish(c):
    """Red, or red smoothed into its neighbours by antialiasing."""
    return c[0] >= 0xE0 and c[1] <= 0x90 and c[2] <= 0x60


def markers_on_back_wall(s, window):
    """Red pixels with the yellow back wall right beside them: the crosses of the points."""
    g = s.geometry(window)
    deadline = time.time() + 10
    found = 0
    while time.time() < deadline:
        raw = s.screen()
        found = 0
        for y in range(g["Y"] + 60, min(g["Y"] + g["HEIGHT"], SCREEN[1]) - 1):
            for x in range(g["X"] + 1, min(g["X"] + g["WIDTH"], SCREEN[0]) - 1):
                if reddish(s.pixel(raw, x, y)) and (s.pixel(raw, x - 1, y) == BACK_WALL
                                                    or s.pixel(raw, x + 1, y) == BACK_WALL):
                    found += 1
        if found > 20:
            return found
        time.sleep(0.2)
    raise AssertionError("no red markers on the yellow back wall (%d pixels)" % found)


def open_graph_menu(s, item_downs):
    s.open_menu(0)  # "Graphiques"
    for _ in range(item_downs):
        s.xdotool("key", "Down")
    s.xdotool("key", "Return")


def chart_opens_and_closes(s, title):
    window = s.wait_window("^%s$" % title)
    markers_on_back_wall(s, window)
    s.xdotool("windowfocus", "--sync", window)
    s.xdotool("key", "Escape")
    wait_gone(s, "^%s$" % title)


def case_graph_xy_through_menu(s):
    open_graph_menu(s, 1)
    choose(s, "Abscisse", 4)     # T eb (K)
    choose(s, "Ordonn..?e", 11)  # electronegativity, eleven rows further down
    chart_opens_and_closes(s, "graphique")


def case_graph_lc_from_toolbar(s):
    s.click(*s.at_client(40 + 12, 4 + 12))
    choose(s, "Propriet..?", 0)  # the atomic number, the current choice at start
    chart_opens_and_closes(s, "Graphique Ligne/Colonne")


def case_closed_chooser_opens_nothing(s):
    s.click(*s.at_client(8 + 12, 4 + 12))
    chooser = s.wait_window("^Abscisse$")
    s.xdotool("windowfocus", "--sync", chooser)
    s.xdotool("key", "Escape")
    wait_gone(s, "^Abscisse$")
    # A chart window would open at once, modal: the main window answering the mouse again
    # shows that the command has ended.
    probe = s.at_client(FE_CLIENT[0] + 16, FE_CLIENT[1] + 4)
    s.move(*s.at_client(600, 420))
    s.move(*s.at_client(FE_CLIENT[0] + 16, FE_CLIENT[1] + 16))
    s.wait_pixel(*probe, lambda c: c == HOVER, "iron lit: the main window answers, no chart")
    assert not s.xdotool("search", "--onlyvisible", "--name", "^graphique$"), "a chart opened"


CASES = {
    "graph_xy_through_menu": case_graph_xy_through_menu,
    "graph_lc_from_toolbar": case_graph_lc_from_toolbar,
    "closed_chooser_opens_nothing": case_closed_chooser_opens_nothing,
}


if __name__ == "__main__":
    sys.exit(mirelon_e2e.main(CASES))
