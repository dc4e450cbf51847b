"""End-to-end run of the Graph 3D command: through the menu and the property chooser to
the window "Propriété : ...", a drag in rotate mode that turns the picture, and the image
copy window. Usage: graph3d_e2e.py BINARY SHARE_DIR
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import mirelon_e2e  # noqa: E402
from mirelon_e2e import wait_until  # noqa: E402

HAUT = (247, 162, 34)
GRAPH_TOP = 73  # the graph fills the window below its 73-pixel panel
GRAPH_SIZE = (717, 487)


def graph_pixels(s, window):
    g = s.geometry(window)
    raw = s.screen()
    rows = []
    for y in range(g["Y"] + GRAPH_TOP, g["Y"] + GRAPH_TOP + GRAPH_SIZE[1]):
        start = (y * 1024 + g["X"]) * 3
        rows.append(raw[start:start + GRAPH_SIZE[0] * 3])
    return b"".join(rows)


def count_colour(pixels, colour):
    wanted = bytes(colour)
    return sum(1 for i in range(0, len(pixels), 3) if pixels[i:i + 3] == wanted)



def open_graph3d(s):
    s.open_menu(0)  # "Graphiques"
    # "Graph 3D" is the last entry of the menu.
    s.xdotool("key", "Up")
    s.xdotool("key", "Return")
    chooser = s.wait_window("^Propriet")
    assert s.xdotool("getwindowname", chooser).startswith("Proprieté"), "chooser caption"
    g = s.geometry(chooser)
    # The list drawn (its second to fourth items) before an item is picked in it.
    wait_until(lambda: mirelon_e2e.shows_text(s, g["X"] + 4, g["Y"] + 13, 150, 39),
               "the chooser's list drawn")
    item = (g["X"] + 40, g["Y"] + 4 * 13 + 7)  # "Point d'ébullition", the fifth item
    plain = s.pixel(s.screen(), *item)
    s.click(*item)
    s.wait_pixel(*item, lambda colour: colour != plain, "the fifth item selected")
    s.click(g["X"] + 64 + 37, g["Y"] + g["HEIGHT"] - 41 + 8 + 12)  # OK
    return s.wait_window("^Propriété : T eb \\(K\\)")


def case_rotate_drag(s):
    window = open_graph3d(s)
    g = s.geometry(window)
    wait_until(lambda: count_colour(graph_pixels(s, window), HAUT) > 10000, "the bars drawn")
    before = graph_pixels(s, window)
    s.click(g["X"] + 408 + 8 + 68 + 6, g["Y"] + 14 + 8)  # "rotate"
    x, y = g["X"] + 500, g["Y"] + GRAPH_TOP + 250
    s.move(x, y)
    s.xdotool("mousedown", "1")
    for step in range(1, 11):
        s.move(x - 20 * step, y + 4 * step)
    # Without live redraw only the axis preview shows while the button is held.
    wait_until(lambda: count_colour(graph_pixels(s, window), HAUT) == 0,
               "the picture blanked during the drag")
    s.xdotool("mouseup", "1")
    wait_until(lambda: count_colour(graph_pixels(s, window), HAUT) > 10000,
               "the bars drawn again at the release")
    after = graph_pixels(s, window)
    assert after != before, "the drag did not turn the picture"

    # "Copie image" opens the copy window under the same caption.
    s.click(g["X"] + 320 + 40, g["Y"] + 40 + 12)
    wait_until(lambda: len(s.xdotool("search", "--onlyvisible", "--name",
                                     "^Propriété : T eb \\(K\\)").split()) == 2,
               "the image copy window open")


if __name__ == "__main__":
    sys.exit(mirelon_e2e.main({"rotate_drag": case_rotate_drag}))
