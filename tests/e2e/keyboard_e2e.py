"""End-to-end runs of the program without the mouse: the search, the arrows and Return on the
table, the property sheet's keys, and the molar-mass mode reached by Tab and Space. The mouse
only checks afterwards what the keys showed.

Usage: keyboard_e2e.py BINARY SHARE_DIR
"""
import sys
import time

import mirelon_e2e
import molar_e2e
from mirelon_e2e import FE_CLIENT, HOVER, grab, wait_gone, wait_until

PANEL = (112, 40, 297, 149)  # the hover panel in the client area
MODE_BUTTON = (104 + 30, 6 + 2)  # a point of "Mode M / %" clear of its caption
MODE_FOCUS = (0x1E, 0xD7, 0xBB)  # its lit fill, shown while it has the keyboard's focus
COBALT = (FE_CLIENT[0] + 32, FE_CLIENT[1])
NICKEL = (FE_CLIENT[0] + 64, FE_CLIENT[1])


def keys(s, *names):
    for name in names:
        s.xdotool("key", "--clearmodifiers", name)
        time.sleep(0.15)


def panel(s):
    """The hover panel's pixels, or None while it is hidden."""
    raw = s.screen()
    x0, y0 = s.at_client(PANEL[0], PANEL[1])
    if s.pixel(raw, x0 + 150, y0 + 140) == mirelon_e2e.NAVY:
        return None
    return b"".join(raw[((y0 + y) * mirelon_e2e.SCREEN[0] + x0) * 3:
                        ((y0 + y) * mirelon_e2e.SCREEN[0] + x0 + PANEL[2]) * 3]
                    for y in range(PANEL[3]))


def lit(s, client_pos):
    return s.pixel(s.screen(), *s.at_client(client_pos[0] + 16, client_pos[1] + 4)) == HOVER


def sheet_header(s):
    sheet = s.wait_window("^Proprietes$")
    time.sleep(0.3)
    return sheet, grab(s, sheet, 300, 70)


def search_and_sheet(s):
    s.move(*s.at_client(600, 440))  # the mouse out of the way, over bare navy
    s.xdotool("windowfocus", "--sync", s.window)
    keys(s, "ctrl+f")
    s.xdotool("type", "--delay", "30", "fer")
    keys(s, "Return")
    wait_until(lambda: panel(s) is not None and lit(s, FE_CLIENT),
               "iron focused and shown in the hover panel")
    iron_panel = panel(s)
    keys(s, "Right")
    wait_until(lambda: lit(s, COBALT) and not lit(s, FE_CLIENT), "cobalt focused")
    assert panel(s) != iron_panel, "the panel still shows iron"
    keys(s, "Return")
    sheet, cobalt = sheet_header(s)
    keys(s, "Next")  # PageDown
    wait_until(lambda: grab(s, sheet, 300, 70) != cobalt, "the sheet stepped to nickel")
    stepped = grab(s, sheet, 300, 70)
    keys(s, "Escape")
    wait_gone(s, "^Proprietes$")

    # What the keys showed is what the mouse shows.
    s.move(*s.at_client(FE_CLIENT[0] + 16, FE_CLIENT[1] + 16))
    wait_until(lambda: panel(s) == iron_panel, "the panel of iron as the mouse shows it")
    s.click(*s.at_client(NICKEL[0] + 16, NICKEL[1] + 16))
    sheet, nickel = sheet_header(s)
    assert nickel == stepped, "PageDown from cobalt did not show nickel"
    mirelon_e2e.close_sheet(s, sheet)


def molar_by_keys(s):
    s.move(*s.at_client(600, 440))
    s.xdotool("windowfocus", "--sync", s.window)
    mode = s.at_client(*MODE_BUTTON)
    for _ in range(8):
        keys(s, "Tab")
        if s.pixel(s.screen(), *mode) == MODE_FOCUS:
            break
    assert s.pixel(s.screen(), *mode) == MODE_FOCUS, "Tab never reached \"Mode M / %\""
    keys(s, "space")
    wait_until(lambda: s.geometry(s.window)["WIDTH"] == molar_e2e.MODE_WIDTH, "the molar-mass mode")
    time.sleep(0.3)
    s.origin = s.client_origin()  # the first entry centres the window
    s.xdotool("windowfocus", "--sync", s.window)
    keys(s, "h", "Return", "Return", "o", "Return")
    shown = molar_e2e.molar_mass_shown(s)
    assert shown == "18,02", "molar mass of H2O typed as keys: %r" % shown


if __name__ == "__main__":
    sys.exit(mirelon_e2e.main({"search_and_sheet": search_and_sheet,
                               "molar_by_keys": molar_by_keys}))
