"""What a blind player hears from Orca while completing a diagram by keys.

    puzzle_orca.py OSTRILON en|fr

The first diagram of the language's sample file, alone in a diagram file,
is set up as the puzzle starts. Only keys are pressed (XTest); the board is
read through AT-SPI only to know where each label belongs. Tab goes to the
first tile still at home; Space picks it up, the arrows walk the frame to its
cell, Enter drops it, and Orca must say each of these, once, and last for the
key. On the way, the second tile is first dropped on the first one's cell
("cell taken") and the third is put back with Escape and picked up again.
After the last drop the verdict is said; then F7 twice, F6 and F5 say what
they did and leave the focus on a tile.
"""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from atspi_harness import fail  # noqa: E402
from orca_harness import run_orca_test  # noqa: E402
from puzzle_keyboard import WORDS as NAMES, first_diagram, SAMPLES  # noqa: E402

WORDS = {
    "en": {
        "env": {"LANG": "en_CA.UTF-8", "LANGUAGE": "en"},
        "picked_up": "{} picked up, {}",
        "free": "row {}, column {}, free",
        "holds": "row {}, column {}, holds {}",
        "outside": "row {}, column {}, not in the diagram",
        "dropped": "{} dropped on row {}, column {}",
        "taken": "cell taken",
        "put_back": "{} put back",
        "right": "OK sign: the diagram is complete and correct",
        "highlight": ["Highlight valid tiles on", "Highlight valid tiles off"],
        "solved": "Solved: OK sign",
        "start_over": "Start over: every tile back in the home row",
    },
    "fr": {
        "env": {"LANG": "fr_CA.UTF-8", "LANGUAGE": "fr"},
        "picked_up": "Soulev\u00e9 : {}, {}",
        "free": "ligne {}, colonne {}, libre",
        "holds": "ligne {}, colonne {}, contient {}",
        "outside": "ligne {}, colonne {}, hors du sch\u00e9ma",
        "dropped": "D\u00e9pos\u00e9 : {}, ligne {}, colonne {}",
        "taken": "case occup\u00e9e",
        "put_back": "Remis en place : {}",
        "right": "Signe OK : le sch\u00e9ma est complet et juste",
        "highlight": ["Identification des blocs valides activ\u00e9e",
                      "Identification des blocs valides d\u00e9sactiv\u00e9e"],
        "solved": "R\u00e9solu : signe OK",
        "start_over": "Recommencer : tous les blocs dans la rang\u00e9e de d\u00e9part",
    },
}

STEP = {"Down": (1, 0), "Up": (-1, 0), "Right": (0, 1), "Left": (0, -1)}


def cell_words(w, cells, occupied, at):
    """What the frame over a cell is said to be."""
    if at in occupied:
        return w["holds"].format(at[0], at[1], occupied[at])
    return (w["free"] if at in cells else w["outside"]).format(*at)


def walk(desktop, w, cells, occupied, at, target):
    """Arrows from at to target, each move said as the cell reached."""
    while at != target:
        key = ("Down" if at[0] < target[0] else "Up" if at[0] > target[0]
               else "Right" if at[1] < target[1] else "Left")
        at = (at[0] + STEP[key][0], at[1] + STEP[key][1])
        desktop.expect(desktop.press(key), cell_words(w, cells, occupied, at), last=True)
    return at


def tab_to_home_tile(desktop, app, names):
    """Tab until a tile still at home has the focus; returns its label."""
    at_home = re.compile("^" + re.escape(names["at_home"]).replace(r"\{\}", "(.+)") + "$")
    for _ in range(40):
        desktop.press("Tab")
        focused = app.focused()
        found = focused is not None and at_home.match(focused.name or "")
        if found:
            return found.group(1)
    fail("Tab never reached a tile in the home row")


def test(desktop, program, language):
    w, names = WORDS[language], NAMES[language]
    data, tiles = first_diagram(os.path.join(SAMPLES, names["file"]))
    app = desktop.launch(program, files={"Diagrams_Test.txt": data}, args=names["args"],
                         env=w["env"])
    desktop.give_keyboard(app, "Ostrilon")

    empty = re.compile("^%s$" % names["cell_empty"])
    app.wait_for(lambda: len(app.find_all(name=lambda n: bool(empty.match(n)))) == len(tiles),
                 10, "%d empty cells" % len(tiles))
    cells = {tuple(int(g) for g in empty.match(o.name).groups())
             for o in app.find_all(name=lambda n: bool(empty.match(n)))}
    row_shift = min(r for r, _ in cells) - min(t[1] for t in tiles)
    column_shift = min(c for _, c in cells) - min(t[2] for t in tiles)
    targets = {label: (row + row_shift, column + column_shift) for label, row, column in tiles}

    occupied = {}
    place = re.compile(names["place"])
    for number in range(1, len(tiles) + 1):
        label = tab_to_home_tile(desktop, app, names)
        heard = desktop.press("space")
        picked = re.compile("^" + re.escape(w["picked_up"].format(label, "")))
        desktop.expect(heard, picked, last=True)
        at = tuple(int(g) for g in place.search(heard[-1][len(label):]).groups())
        if number == 2:
            # Onto the first tile's cell: refused, the tile still held.
            first = next(iter(occupied))
            at = walk(desktop, w, cells, occupied, at, first)
            desktop.expect(desktop.press("Return"), w["taken"], last=True)
        if number == 3:
            desktop.expect(desktop.press("Escape"), w["put_back"].format(label), last=True)
            desktop.expect(desktop.press("space"), picked, last=True)
            at = tuple(int(g) for g in place.search(
                desktop.transcript[-1][1][-1][len(label):]).groups())
        at = walk(desktop, w, cells, occupied, at, targets[label])
        dropped = w["dropped"].format(label, *at)
        if number == len(tiles):
            dropped += ". " + w["right"]
        desktop.expect(desktop.press("Return"), dropped, last=True)
        occupied[at] = label

    for key, said in (("F7", w["highlight"][0]), ("F7", w["highlight"][1]),
                      ("F6", w["solved"]), ("F5", w["start_over"])):
        desktop.expect(desktop.press(key), said, last=True)
        focused = app.focused()
        if focused is None or focused.getRoleName() != "filler":
            fail("after %s the focus is on %s, not on a tile"
                 % (key, focused.getRoleName() + " " + repr(focused.name) if focused else "nothing"))


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in WORDS:
        sys.exit("usage: puzzle_orca.py OSTRILON en|fr")
    run_orca_test(test, sys.argv[1], sys.argv[2])
