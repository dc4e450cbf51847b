"""End-to-end runs of the molar-mass mode: "Mode M / %", a compound clicked together, the molar
mass read back from its field through the clipboard, "RESET"; a formula typed into the formula
edit and confirmed with Return.

Usage: molar_e2e.py BINARY SHARE_DIR
"""
import subprocess
import sys
import time

import mirelon_e2e

MODE_WIDTH = 783  # client width of the 791-pixel window
PANEL_LEFT = MODE_WIDTH - 163
EDIT3 = (PANEL_LEFT + 17 + 60, 33 + 264 + 10)
RESET = (PANEL_LEFT + 38 + 43, 33 + 312 + 11)
CHEM_EDIT = (592 + 92, 4 + 13)
HYDROGEN = (32 + 16, 128 + 16)
OXYGEN = (32 + 32 * 15 + 16, 160 + 16)


def click_element(s, client_pos):
    # The hover panel must show the element before the click: the mode reads it there.
    s.move(*s.at_client(client_pos[0], client_pos[1] - 6))
    s.move(*s.at_client(*client_pos))
    time.sleep(0.1)
    s.xdotool("click", "1")
    time.sleep(0.1)


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
    deadline = time.time() + 10
    while time.time() < deadline and s.geometry(s.window)["WIDTH"] != MODE_WIDTH:
        time.sleep(0.1)
    assert s.geometry(s.window)["WIDTH"] == MODE_WIDTH, s.geometry(s.window)
    time.sleep(0.3)
    s.origin = s.client_origin()  # the first entry centres the window on the screen


def run(s):
    enter_mode(s)
    for element in (HYDROGEN, HYDROGEN, OXYGEN):
        click_element(s, element)
    shown = molar_mass_shown(s)
    assert shown == "18,02", "molar mass of H2O shown as %r" % shown
    s.click(*s.at_client(*RESET))
    time.sleep(0.2)
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
