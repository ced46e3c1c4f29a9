"""A blind player's way into the puzzle, heard with Orca, keys alone.

    puzzle_journey_orca.py OSTRILON en|fr

Two diagram files are on the shelf, so the file list opens on its prompt.
The file list is walked by arrows (each file said as it is reached, none
read until Enter), Enter reads one and says so, with its number of
diagrams; the diagram list's Down chooses its first diagram (said with its
tiles); F10 opens the first menu; the help opens on its first line of text;
the language switched is said in the new language. Every moment is counted;
the test fails at the end with each one not heard once and whole.
"""

import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from atspi_harness import fail  # noqa: E402
from orca_harness import run_orca_test  # noqa: E402
from puzzle_keyboard import WORDS as NAMES, SAMPLES, first_diagram  # noqa: E402

WORDS = {
    "en": {
        "env": {"LANG": "en_CA.UTF-8", "LANGUAGE": "en"},
        "files": ("Alpha", "Beta"),
        "file_chosen": "Diagram file: {}, diagrams: {}",
        "diagram_chosen": re.compile(r"^Diagram: .+, \d+ tiles"),
        "file_menu": "File",
        "help_first": re.compile(r"\w"),
        "language_said": "Interface en fran\u00e7ais",
    },
    "fr": {
        "env": {"LANG": "fr_CA.UTF-8", "LANGUAGE": "fr"},
        "files": ("Alpha", "Beta"),
        "file_chosen": "Fichier de sch\u00e9mas : {}, sch\u00e9mas : {}",
        "diagram_chosen": re.compile(r"^Sch\u00e9ma : .+, \d+ blocs"),
        "file_menu": "Fichier",
        "help_first": re.compile(r"\w"),
        "language_said": "Interface in English",
    },
}


def two_diagrams(path):
    """The sample file's first two diagrams, as a diagram file."""
    with open(path, "rb") as f:
        lines = f.read().split(b"\n")
    records, seen = [], 0
    for raw in lines:
        line = raw.rstrip(b"\r")
        if line.startswith(b"{"):
            seen += 1
            if seen > 2:
                break
        if seen:
            records.append(line)
    return b"\r\n".join(records) + b"\r\n"


def said(*parts):
    return re.compile(".*".join(re.escape(p) for p in parts), re.S)


def test(desktop, program, language):
    w, names = WORDS[language], NAMES[language]
    sample = os.path.join(SAMPLES, names["file"])
    one, _ = first_diagram(sample)
    files = {"Diagrams_%s.txt" % w["files"][0]: one,
             "Diagrams_%s.txt" % w["files"][1]: two_diagrams(sample)}
    app = desktop.launch(program, files=files, args=names["args"], env=w["env"])
    desktop.give_keyboard(app, "Ostrilon")
    moment = desktop.moment

    def focused_role():
        focused = app.focused()
        return focused.getRoleName() if focused is not None else ""

    def in_menu():
        return focused_role() in ("menu item", "check menu item")

    for _ in range(10):
        if focused_role() == "combo box":
            break
        desktop.press("Tab")
    else:
        fail("Tab never reached the file list")
    shown = [o.name for o in app.find_all("list item", within=app.focused(), showing=False)]
    listed = [n for n in w["files"] if any(n in s for s in shown)]
    if len(listed) != 2:
        fail("the file list does not hold both files: %r" % shown)
    for key, name in (("Down", listed[0]), ("Down", listed[1]), ("Up", listed[0])):
        heard = desktop.press(key)
        moment("file list %s: %s said" % (key, name), heard, said(name), last=True)
    diagrams = app.find_all("list item", showing=False)
    heard = desktop.press("Return")
    moment("Enter on the file list: the file said with its diagrams", heard,
           w["file_chosen"].format(listed[0], 1))
    del diagrams

    # -- F10, the help -------------------------------------------------------
    heard = desktop.press("F10")
    moment("F10: the first menu said", heard, said(w["file_menu"]))
    if not in_menu():
        desktop.press("Alt_L")
        desktop.press("Down")
    # Right opens the next menu on its first item: Help, then Help.
    desktop.press("Right")
    desktop.press("Right")
    heard = desktop.press("Return")
    app.wait_for(lambda: app.find_all("text", showing=True), 5, "the help box")
    help_box = app.find("text", None)
    first = next((line for line in app.text(help_box).split("\n") if line.strip()), "")
    moment("Help: opens on its first line of text", heard,
           said(first.strip()[:40]) if first else w["help_first"])
    desktop.press("Escape")
    desktop.give_keyboard(app, "Ostrilon")

    # -- the language switched ----------------------------------------------
    desktop.press("F10")
    if not in_menu():
        desktop.press("Alt_L")
        desktop.press("Down")
    # Tools, on its first item: the language.
    desktop.press("Right")
    heard = desktop.press("Return")
    # Said once the screen reader is through the renames: a moment later,
    # under load.
    time.sleep(2)
    heard += desktop.settle("(two seconds later)")
    moment("language switched: said in the new language", heard, said(w["language_said"]))


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in WORDS:
        sys.exit("usage: puzzle_journey_orca.py OSTRILON en|fr")
    run_orca_test(test, sys.argv[1], sys.argv[2])
