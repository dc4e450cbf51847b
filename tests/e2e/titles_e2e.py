"""The real program's window titles under X11, as the window manager reads them
(_NET_WM_NAME): each window's own caption, with nothing appended; and the window class
by which a desktop finds the program's menu entry.

Usage: titles_e2e.py BINARY SHARE_DIR
"""
import os
import subprocess
import sys
import time

import mirelon_e2e
from mirelon_e2e import FE_CLIENT, close_sheet, open_sheet


def net_wm_name(s, window):
    out = subprocess.run(["xprop", "-id", window, "_NET_WM_NAME"], env=s.env,
                         capture_output=True, text=True, timeout=30).stdout.strip()
    _, _, value = out.partition(" = ")
    assert value.startswith('"') and value.endswith('"'), out
    return value[1:-1].replace('\\"', '"')


DESKTOP_ENTRY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "dist",
                             "mirelon.desktop.in")


def check_window_class(s):
    """An X11 desktop ties the main window to the menu entry (its icon, its name in the
    task bar) by the entry's StartupWMClass, since the entry's file name is not the
    program's."""
    out = subprocess.run(["xprop", "-id", s.window, "WM_CLASS"], env=s.env,
                         capture_output=True, text=True, timeout=30).stdout.strip()
    window_class = out.rpartition(", ")[2].strip('"')
    with open(DESKTOP_ENTRY, encoding="utf-8") as entry:
        keys = dict(line.rstrip("\n").split("=", 1) for line in entry if "=" in line)
    assert keys.get("StartupWMClass") == window_class, \
        "window class %r, StartupWMClass %r" % (window_class, keys.get("StartupWMClass"))


def wait_title(s, window, expected):
    deadline = time.time() + 5
    while time.time() < deadline and net_wm_name(s, window) != expected:
        time.sleep(0.1)
    assert net_wm_name(s, window) == expected, "%r, not %r" % (net_wm_name(s, window), expected)


def check_titles(s):
    check_window_class(s)
    title = net_wm_name(s, s.window)
    assert title.startswith("Mirelon 2 par ") and "mirelon II" not in title, title

    words, y = s.menu_words()
    about = words[-2 - mirelon_e2e.AFTER_EXIT]
    s.click((about[0] + about[1]) // 2, y)
    box = s.wait_window("^About$")
    wait_title(s, box, "About")
    s.xdotool("windowfocus", "--sync", box)
    s.xdotool("key", "Escape")

    sheet = open_sheet(s, FE_CLIENT)
    wait_title(s, sheet, "Proprietes")
    close_sheet(s, sheet)

    # Without iso.yop the sheet reports the missing file in the program's error box,
    # which bears the program's name.
    os.remove(os.path.join(s.workdir, "iso.yop"))
    s.click(*s.at_client(FE_CLIENT[0] + 16, FE_CLIENT[1] + 16))
    error = s.wait_window("^mirelon II$")
    wait_title(s, error, "mirelon II")


if __name__ == "__main__":
    sys.exit(mirelon_e2e.main({"titles": check_titles}))
