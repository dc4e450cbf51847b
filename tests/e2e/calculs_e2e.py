"""End-to-end run of the window « Calculs » with the keyboard alone: Ctrl+K opens it, Ctrl+PageDown
reaches « Équation », an equation is typed and balanced with Return, and the result is read
back through the page's « Copier » button (Alt+C) and the clipboard.

Usage: calculs_e2e.py BINARY SHARE_DIR
"""
import subprocess
import sys
import time

import mirelon_e2e
from mirelon_e2e import wait_gone, wait_until


def keys(s, *names):
    for name in names:
        s.xdotool("key", "--clearmodifiers", name)
        time.sleep(0.15)


def clipboard(s):
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=s.env,
                          capture_output=True, text=True, timeout=10).stdout


def balance_iron_oxide(s):
    s.xdotool("windowfocus", "--sync", s.window)
    keys(s, "ctrl+k")
    window = s.wait_window("^Calculs$")
    time.sleep(0.3)
    s.xdotool("windowfocus", "--sync", window)
    keys(s, "ctrl+Next", "ctrl+Next", "ctrl+Next")
    s.xdotool("type", "--delay", "20", "Fe + O2 -> Fe2O3")
    keys(s, "Return", "alt+c")
    wanted = "4 Fe + 3 O2 → 2 Fe2O3"
    shown = []

    def read():
        shown[:] = [clipboard(s)]
        if shown[0] != wanted:
            keys(s, "alt+c")
        return shown[0] == wanted

    try:
        wait_until(read, "the balanced equation on the clipboard")
    except AssertionError:
        raise AssertionError("the clipboard holds %r" % shown) from None
    # Escape closes the window.
    keys(s, "Escape")
    wait_gone(s, "^Calculs$")


if __name__ == "__main__":
    sys.exit(mirelon_e2e.main({"balance_iron_oxide": balance_iron_oxide}))
