"""Values typed into the numeric legend of the real program under Xvfb: one posted by the
next hover is in prop.yop at once, even when the program is killed right after, and one
still being typed is written when the system asks the program to stop (SIGTERM, SIGHUP,
SIGINT), as Exit would write it.

Usage: edits_e2e.py BINARY SHARE_DIR [CASE ...]
"""
import os
import signal
import sys

import mirelon_e2e
from mirelon_e2e import type_into_combo

HYDROGEN = (32, 128)  # the buttons' top-left corners in the client area
HELIUM = (576, 128)
LITHIUM = (32, 160)
BOX = (624 + 40, 176 + 24)  # the legend's value box, in the client area
EDITED = (0xFF, 0xF1, 0x9C)  # the ground of a box holding an edit


def melting_point(s, z):
    """Element z's melting point as prop.yop holds it now."""
    with open(os.path.join(s.workdir, "prop.yop"), "rb") as table:
        lines = table.read().decode("cp1252").split("\r\n")
    names = lines[0].split(";")
    return lines[z].split(";")[names.index("_TF")]


def hover(s, element):
    s.move(*s.at_client(element[0] + 16, element[1] + 16))


def box_ground(s):
    """A pixel of the value box's ground, right of the short values typed."""
    return s.at_client(BOX[0] + 74, BOX[1] + 10)


def show_melting_points(s):
    """The numeric colouring on the melting point, the value box reached with Tab."""
    type_into_combo(s, "Point de  fusion")  # plain letters: xdotool may drop others
    s.xdotool("key", "Tab")


def type_value(s, element, text):
    """Hovers `element`, then replaces the value in the box, which has the focus, with
    `text`."""
    hover(s, element)
    s.xdotool("key", "--clearmodifiers", "ctrl+a")
    s.xdotool("type", "--delay", "20", text)
    s.wait_pixel(*box_ground(s), lambda c: c == EDITED, "the value box marked as edited")


def post_hydrogen(s):
    """Types hydrogen's melting point and posts it by hovering helium; returns once the box
    shows helium's value, no longer marked."""
    type_value(s, HYDROGEN, "14,5")
    hover(s, HELIUM)
    s.wait_pixel(*box_ground(s), lambda c: c != EDITED, "the value posted by the move")


def ends_on(number):
    def case(s):
        show_melting_points(s)
        post_hydrogen(s)
        type_value(s, LITHIUM, "454")  # still being typed when the signal comes
        s.app.send_signal(number)
        s.app.wait(10)
        assert s.app.returncode == 0, "exit status %d" % s.app.returncode
        assert melting_point(s, 3) == "454", melting_point(s, 3)
        assert melting_point(s, 1) == "14,5", melting_point(s, 1)
    return case


def case_kill_after_post(s):
    # A program killed outright writes nothing more: what was posted is on disk already.
    show_melting_points(s)
    post_hydrogen(s)
    s.app.kill()
    s.app.wait(10)
    assert melting_point(s, 1) == "14,5", melting_point(s, 1)


CASES = {
    "sigterm": ends_on(signal.SIGTERM),
    "sighup": ends_on(signal.SIGHUP),
    "sigint": ends_on(signal.SIGINT),
    "sigkill_after_post": case_kill_after_post,
}

if __name__ == "__main__":
    sys.exit(mirelon_e2e.main(CASES))
