"""End-to-end checks of the table's picture commands in the real program under Xvfb: Ctrl+P
with no printer installed prints the coloured table into a PDF through Qt's print dialog;
the context menu, opened by a right click or the Menu key, copies the picture.
Usage: tablepicture_e2e.py BINARY SHARE_DIR [CASE ...]
"""
import glob
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import mirelon_e2e  # noqa: E402
from mirelon_e2e import FE_CLIENT, wait_gone, wait_until, type_into_combo  # noqa: E402

# The ten colours of the "Groupe" legend.
FAMILY_COLOURS = ["96BFC2", "FDA85B", "F23A0D", "FFFF80", "B7B7B7", "B88FFC", "6B7BED",
                  "FFFFFF", "DAD6A7", "B5AD53"]


def colour_by_group(s):
    type_into_combo(s, "Groupe")
    s.wait_pixel(*s.at_client(FE_CLIENT[0] + 16, FE_CLIENT[1] + 4),
                 lambda c: c == (0xFF, 0xFF, 0x80), "iron in the transition-metal yellow")


def pdf_text(path):
    return subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True,
                          text=True, timeout=30, check=True).stdout


def case_ctrl_p_prints_into_pdf(s):
    colour_by_group(s)
    s.xdotool("key", "--window", s.window, "--clearmodifiers", "ctrl+p")
    dialog = s.wait_window("^Imprimer$")
    s.xdotool("windowfocus", "--sync", dialog)
    # No printer: the dialog offers the PDF file, named after the table, in the working
    # folder; Return prints.
    s.xdotool("key", "Return")
    wait_gone(s, "^Imprimer$")
    wait_until(lambda: glob.glob(os.path.join(s.workdir, "*.pdf")), "the PDF written")
    pdf = glob.glob(os.path.join(s.workdir, "*.pdf"))[0]
    wait_until(lambda: b"%%EOF" in open(pdf, "rb").read()[-64:], "the PDF complete")
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    assert "Pages:           1" in info, info
    assert "842 x 595" in info, info  # A4 landscape
    keep = os.environ.get("MIRELON_E2E_KEEP")
    if keep:  # a folder where a developer wants the printed page, to look at it
        shutil.copy(pdf, os.path.join(keep, "tableau-groupe.pdf"))
    words = pdf_text(pdf).split()
    for symbol in ("H", "Fe", "Xe", "Lr"):
        assert symbol in words, symbol
    text = " ".join(words)
    for caption in ("Non Métal", "Métal de Transition", "Gaz nobles", "Actinide"):
        assert caption in text, caption


def clipboard_colours(s):
    """The colours of the PNG on the clipboard, as RRGGBB; none while it holds no PNG."""
    png = subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-o"],
                         env=s.env, capture_output=True, timeout=30).stdout
    if not png.startswith(b"\x89PNG"):
        return set()
    with tempfile.NamedTemporaryFile(suffix=".png") as f:
        f.write(png)
        f.flush()
        histogram = subprocess.run(["convert", f.name, "-format", "%c", "histogram:info:-"],
                                   capture_output=True, text=True, timeout=30).stdout
    return {line.split("#")[1][:6] for line in histogram.splitlines() if "#" in line}


def copy_from_menu(s, open_menu):
    colour_by_group(s)
    open_menu()
    # The last entry copies.
    s.xdotool("key", "Up", "Return")
    wait_until(lambda: "FFFF80" in clipboard_colours(s), "the coloured table on the clipboard")
    missing = [c for c in FAMILY_COLOURS if c not in clipboard_colours(s)]
    assert not missing, missing


def case_right_click_copies(s):
    def right_click():
        s.move(*s.at_client(FE_CLIENT[0] + 16, FE_CLIENT[1] + 16))
        s.xdotool("click", "3")
    copy_from_menu(s, right_click)


def case_menu_key_copies(s):
    def menu_key():
        # A click on the table's background takes the focus from the colouring list, whose
        # own menu the key would open otherwise.
        s.click(*s.at_client(300, 60))
        s.xdotool("key", "--window", s.window, "Menu")
    copy_from_menu(s, menu_key)


CASES = {
    "ctrl_p_prints_into_pdf": case_ctrl_p_prints_into_pdf,
    "right_click_copies": case_right_click_copies,
    "menu_key_copies": case_menu_key_copies,
}


if __name__ == "__main__":
    # The print dialog offers its PDF file in the working folder when that lies within the
    # home folder.
    os.environ["HOME"] = tempfile.gettempdir()
    sys.exit(mirelon_e2e.main(CASES))
