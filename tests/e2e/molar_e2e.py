"""End-to-end runs of the molar-mass mode: "Mode M / %", a compound clicked together, the molar
mass read back from its field through the clipboard, "RESET"; a formula typed into the formula
edit and confirmed with Return.

Usage: molar_e2e.py BINARY SHARE_DIR
"""
import subprocess
import sys
import time

import mirelon_e2e
from mirelon_e2e import HOVER, SCREEN, grab_area, wait_until

MODE_WIDTH = 783  # client width of the 791-pixel window
PANEL_LEFT = MODE_WIDTH - 163
# The formula box of the tool bar and the compound grid: what an element click changes.
COMPOUND_AREA = (PANEL_LEFT - 40, 0, MODE_WIDTH - PANEL_LEFT + 40, 260)
EDIT3 = (PANEL_LEFT + 17 + 60, 33 + 264 + 10)
RESET = (PANEL_LEFT + 38 + 43, 33 + 312 + 11)
CHEM_EDIT = (592 + 92, 4 + 13)
HYDROGEN = (32 + 16, 128 + 16)
OXYGEN = (32 + 32 * 15 + 16, 160 + 16)


def compound_picture(s):
    left, top = s.at_client(COMPOUND_AREA[0], COMPOUND_AREA[1])
    return grab_area(s, left, top, COMPOUND_AREA[2], COMPOUND_AREA[3])


def click_changing_compound(s, what):
    """Clicks where the mouse is and waits for the formula or the grid to change."""
    before = compound_picture(s)
    s.xdotool("click", "1")
    wait_until(lambda: compound_picture(s) != before, what)


def click_element(s, client_pos):
    # The hover panel must show the element before the click: the mode reads it there. The
    # move that lights the button is the one that shows it in the panel.
    s.move(*s.at_client(client_pos[0], client_pos[1] - 6))
    s.move(*s.at_client(*client_pos))
    s.wait_pixel(*s.at_client(client_pos[0], client_pos[1] - 12), lambda c: c == HOVER,
                 "the element lit under the mouse")
    click_changing_compound(s, "the element added to the compound")


def centred(g):
    """The window's middle on the screen's, to the pixel."""
    return (abs(2 * g["X"] + g["WIDTH"] - SCREEN[0]) <= 2
            and abs(2 * g["Y"] + g["HEIGHT"] - SCREEN[1]) <= 2)


def molar_mass_shown(s):
    s.click(*s.at_client(*EDIT3))
    s.xdotool("key", "--clearmodifiers", "ctrl+a")
    s.xdotool("key", "--clearmodifiers", "ctrl+c")
    deadline = time.time() + 5
    text = None
    while time.time() < deadline:
        text = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=s.env,
                              capture_output=True, text=True, timeout=10).stdout
        if text:
            return text
        time.sleep(0.1)
    return text


def enter_mode(s):
    s.click(*s.at_client(104 + 52, 6 + 11))  # "Mode M / %"
    # The first entry widens the window and centres it on the screen.
    wait_until(lambda: s.geometry(s.window)["WIDTH"] == MODE_WIDTH and centred(
        s.geometry(s.window)), "the window widened and centred")
    s.origin = s.client_origin()


def run(s):
    enter_mode(s)
    for element in (HYDROGEN, HYDROGEN, OXYGEN):
        click_element(s, element)
    shown = molar_mass_shown(s)
    assert shown == "18,02", "molar mass of H2O shown as %r" % shown
    s.move(*s.at_client(*RESET))
    click_changing_compound(s, "the compound emptied by RESET")
    click_element(s, HYDROGEN)
    shown = molar_mass_shown(s)
    assert shown == "1,01", "after RESET and one H the molar mass is %r" % shown


def typed_formula(s):
    enter_mode(s)
    s.click(*s.at_client(*CHEM_EDIT))
    s.xdotool("type", "--delay", "20", "CuSO4.5H2O")
    s.xdotool("key", "--clearmodifiers", "Return")
    # The field holds two blanks until the compound is computed.
    deadline = time.time() + 10
    shown = molar_mass_shown(s)
    while shown != "249,71" and time.time() < deadline:
        time.sleep(0.1)
        shown = molar_mass_shown(s)
    assert shown == "249,71", "molar mass of CuSO4.5H2O shown as %r" % shown


if __name__ == "__main__":
    sys.exit(mirelon_e2e.main({"molar_mode": run, "typed_formula": typed_formula}))
