"""End-to-end run of the sets window: "Ensembles" from the menu, a column added through
the chooser, and the main window still answering while the sets window stays open.

Usage: sets_e2e.py BINARY SHARE_DIR
"""
import sys

import mirelon_e2e
from mirelon_e2e import HOVER, SCREEN, shows_text, wait_gone, wait_until

H_CLIENT = (32, 128)  # hydrogen's button in the main window's client area
ADD_BUTTON = (8 + 64, 8 + 12)  # "Ajouter une Colonne", in the sets window
FIRST_ENTRY = (60, 6)  # "Numero Atomique", in the chooser
OK_BUTTON = (133 + 37, 282 + 8 + 12)
CANCEL_BUTTON = (32 + 37, 282 + 8 + 12)
# The grid's first cells start 6 pixels inside its panel, below the 41-pixel top panel;
# the three starting columns take 36 + 33 + 74 pixels.
GRID_LEFT = 6 + 1
NEW_COLUMN = (GRID_LEFT + 36 + 33 + 74 + 4, GRID_LEFT + 36 + 33 + 74 + 30)



def dark_pixels(s, g, x_range, y_range):
    raw = s.screen()
    return sum(1 for x in range(*x_range) for y in range(*y_range)
               if sum(s.pixel(raw, g["X"] + x, g["Y"] + y)) < 200)


def open_sets(s):
    """"Ensembles" from the menu: the sets window and its geometry."""
    words, y = s.menu_words()
    # "Graphiques", "Ensembles", "About", "Exit", then "Outils": the sets entry is the third
    # before "Exit".
    assert len(words) >= 5, "menu words: %r" % words
    entry = words[-3 - mirelon_e2e.AFTER_EXIT]
    s.click((entry[0] + entry[1]) // 2, y)
    sets = s.wait_window("^Ensembles$")
    g = s.geometry(sets)
    assert (g["WIDTH"], g["HEIGHT"]) == (419, 482), g
    # The atomic numbers down the first column: the grid is drawn.
    wait_until(lambda: shows_text(s, g["X"] + GRID_LEFT, g["Y"] + 41 + 60, 36, 240),
               "the sets grid drawn")
    return g


def open_chooser(s, g):
    """"Ajouter une Colonne": the chooser's geometry, once its list is drawn."""
    s.click(g["X"] + ADD_BUTTON[0], g["Y"] + ADD_BUTTON[1])
    chooser = s.wait_window("^Ajouter un Ensemble$")
    c = s.geometry(chooser)
    assert (c["WIDTH"], c["HEIGHT"]) == (240, 323), c
    wait_until(lambda: dark_pixels(s, c, (4, 120), (0, 14)) > 20, "the chooser's list drawn")
    return c


def run(s):
    g = open_sets(s)
    rows = (41 + 60, 41 + 300)  # data rows, below the titles
    before = dark_pixels(s, g, NEW_COLUMN, rows)

    c = open_chooser(s, g)
    # The entry chosen (its row highlighted), then "OK".
    row_end = (c["X"] + 200, c["Y"] + FIRST_ENTRY[1])
    plain = s.pixel(s.screen(), *row_end)
    s.click(c["X"] + FIRST_ENTRY[0], c["Y"] + FIRST_ENTRY[1])
    s.wait_pixel(*row_end, lambda colour: colour != plain, "the first entry selected")
    s.click(c["X"] + OK_BUTTON[0], c["Y"] + OK_BUTTON[1])
    wait_gone(s, "^Ajouter un Ensemble$")

    wait_until(lambda: dark_pixels(s, g, NEW_COLUMN, rows) > before + 50,
               "the new column shown (%d dark pixels before)" % before)

    # The sets window stays open, and the main window answers the mouse.
    assert s.xdotool("search", "--onlyvisible", "--name", "^Ensembles$"), "sets window closed"
    probe = s.at_client(H_CLIENT[0] + 16, H_CLIENT[1] + 4)
    s.move(*s.at_client(600, 420))
    s.move(*s.at_client(H_CLIENT[0] + 16, H_CLIENT[1] + 16))
    s.wait_pixel(*probe, lambda colour: colour == HOVER, "hydrogen lit with the sets window open")


def return_means_ok(s):
    """An entry chosen and the chooser left with "Annuler": at the next opening, Return
    still adds the column."""
    g = open_sets(s)
    rows = (41 + 60, 41 + 300)
    before = dark_pixels(s, g, NEW_COLUMN, rows)
    c = open_chooser(s, g)
    # An entry a few rows down, so that the first row stays as open_chooser looks for it.
    entry = (FIRST_ENTRY[0], FIRST_ENTRY[1] + 40)
    row_end = (c["X"] + 200, c["Y"] + entry[1])
    plain = s.pixel(s.screen(), *row_end)
    s.click(c["X"] + entry[0], c["Y"] + entry[1])
    s.wait_pixel(*row_end, lambda colour: colour != plain, "an entry selected")
    s.click(c["X"] + CANCEL_BUTTON[0], c["Y"] + CANCEL_BUTTON[1])
    wait_gone(s, "^Ajouter un Ensemble$")
    assert dark_pixels(s, g, NEW_COLUMN, rows) <= before + 50, "a column added by Annuler"

    open_chooser(s, g)
    s.xdotool("key", "Return")
    wait_gone(s, "^Ajouter un Ensemble$")
    wait_until(lambda: dark_pixels(s, g, NEW_COLUMN, rows) > before + 50,
               "the column added by Return (%d dark pixels before)" % before)


if __name__ == "__main__":
    sys.exit(mirelon_e2e.main({"sets": run, "return_means_ok": return_means_ok}))
