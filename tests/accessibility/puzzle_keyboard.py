"""The puzzle played by keyboard and read through AT-SPI only.

    puzzle_keyboard.py OSTRILON en|fr right|swapped

The first diagram of the language's sample file, alone in a diagram file, is
set up as the puzzle starts. The test reads each tile's accessible name to
find its label, the cells' names to find the skeleton on the board, and the
diagram file for where each label belongs; it then gives each tile the
focus, picks it up with Space, walks the target frame with the arrow keys by
the announcements the tile makes (its accessible description) and drops it
with Enter; each drop must also arrive as a description-change event from
the tile, which is what a screen reader speaks. "right" ends with the OK sign announced; "swapped" puts the first
two tiles in each other's cells and ends with the crossed-out sign.
"""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from atspi_harness import TestFailure, fail, run_test  # noqa: E402
from atspi_keys import activate, press  # noqa: E402

SAMPLES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "samples")

WORDS = {
    "en": {
        "file": "Diagrams_Basic-English.txt",
        "args": [],
        "at_home": "{}, home row",
        "in_cell": "{}, row {} column {}",
        "cell_empty": r"row (\d), column (\d), empty",
        "cell_holds": "row {}, column {}, holds {}",
        "place": r"row (\d), column (\d)",
        "picked_up": "{} picked up, ",
        "dropped": "{} dropped on row {}, column {}",
        "right": "OK sign: the diagram is complete and correct",
        "wrong": "Crossed-out OK sign: the diagram is complete but tiles are in the wrong cells",
        "ok_sign": "OK sign",
        "crossed_sign": "Crossed-out OK sign",
    },
    "fr": {
        "file": "Diagrams_Base-Francais.txt",
        "args": ["/Q"],
        "at_home": "{}, rang\u00e9e de d\u00e9part",
        "in_cell": "{}, ligne {} colonne {}",
        "cell_empty": r"ligne (\d), colonne (\d), vide",
        "cell_holds": "ligne {}, colonne {}, contient {}",
        "place": r"ligne (\d), colonne (\d)",
        "picked_up": "Soulev\u00e9 : {}, ",
        "dropped": "D\u00e9pos\u00e9 : {}, ligne {}, colonne {}",
        "right": "Signe OK : le sch\u00e9ma est complet et juste",
        "wrong": "Signe OK biff\u00e9 : le sch\u00e9ma est complet mais des blocs sont mal plac\u00e9s",
        "ok_sign": "Signe OK",
        "crossed_sign": "Signe OK biff\u00e9",
    },
}


def first_diagram(path):
    """The first diagram's records (Latin-1 bytes) and its tiles as
    (label, row, column), label as a screen reader gets it."""
    with open(path, "rb") as f:
        lines = f.read().split(b"\n")
    records, tiles, inside = [], [], False
    for raw in lines:
        line = raw.rstrip(b"\r")
        if line.startswith(b"{"):
            if inside:
                break
            inside = True
        elif not (inside and line.startswith(b"~")):
            continue
        records.append(line)
        if line.startswith(b"~"):
            fields = line.decode("latin-1").split("~")
            position, label = fields[1], fields[4].split("|", 1)[1]
            tiles.append((" ".join(label.replace("\\", " ").split()),
                          ord(position[0]) - ord("A") + 1, int(position[1])))
    labels = [t[0] for t in tiles]
    if len(set(labels)) != len(labels):
        fail("the first diagram of %s has two tiles with one label: the test needs them apart"
             % path)
    return b"\r\n".join(records) + b"\r\n", tiles


# Sources of the description changes heard, as a screen reader hears them.
HEARD = []


def listen(desktop):
    desktop.pyatspi.Registry.registerEventListener(
        lambda event: HEARD.append(event.source), "object:property-change:accessible-description")


def pump():
    from gi.repository import GLib

    while GLib.MainContext.default().iteration(False):
        pass


def wait_said(app, tile, test, what):
    """Waits for the tile's announcement (its description) to pass test."""
    def probe():
        pump()
        return test(tile.description) and tile.description

    try:
        return app.wait_for(probe, 5, what)
    except TestFailure as error:
        fail("%s; the tile %r says %r" % (error, tile.name, tile.description))


def test(desktop, program, language, ending):
    w = WORDS[language]
    data, tiles = first_diagram(os.path.join(SAMPLES, w["file"]))
    app = desktop.launch(program, files={"Diagrams_Test.txt": data}, args=w["args"])
    frame = app.window("Ostrilon")
    activate(app, frame, "Ostrilon")
    listen(desktop)
    focused = desktop.pyatspi.STATE_FOCUSED

    # The skeleton: the cells shown, all empty. The diagram's own rows and
    # columns are moved (centred) onto it as a whole.
    empty = re.compile("^%s$" % w["cell_empty"])
    app.wait_for(lambda: len(app.find_all(name=lambda n: bool(empty.match(n)))) == len(tiles),
                 10, "%d empty cells named like %r" % (len(tiles), w["cell_empty"]))
    cells = [tuple(int(g) for g in empty.match(o.name).groups())
             for o in app.find_all(name=lambda n: bool(empty.match(n)))]
    row_shift = min(r for r, _ in cells) - min(t[1] for t in tiles)
    column_shift = min(c for _, c in cells) - min(t[2] for t in tiles)
    targets = {label: (row + row_shift, column + column_shift) for label, row, column in tiles}
    if sorted(targets.values()) != sorted(cells):
        fail("the cells named on the board %s are not the diagram's %s moved as a whole"
             % (sorted(cells), sorted(targets.values())))
    if ending == "swapped":
        a, b = tiles[0][0], tiles[1][0]
        targets[a], targets[b] = targets[b], targets[a]

    place = re.compile(w["place"])
    for number, (label, _, _) in enumerate(tiles, 1):
        name = w["at_home"].format(label)
        tile = app.find("filler", name)
        tile.queryComponent().grabFocus()
        app.wait_for(lambda: tile.getState().contains(focused), 10,
                     "the focus on the tile %r" % name)

        press(app, "space")
        picked = w["picked_up"].format(label)
        said = wait_said(app, tile, lambda d: d.startswith(picked),
                         "%r announced by the tile %r after Space" % (picked, name))
        at = tuple(int(g) for g in place.search(said[len(picked):]).groups())
        target = targets[label]
        while at != target:
            key = ("Down" if at[0] < target[0] else "Up" if at[0] > target[0]
                   else "Right" if at[1] < target[1] else "Left")
            step = {"Down": (1, 0), "Up": (-1, 0), "Right": (0, 1), "Left": (0, -1)}[key]
            at = (at[0] + step[0], at[1] + step[1])
            expected = w["place"].replace(r"(\d)", "{}").format(*at) + ", "
            press(app, key)
            wait_said(app, tile, lambda d: d.startswith(expected),
                      "%r announced by the tile %r after %s" % (expected, label, key))

        pump()
        heard_before = len(HEARD)
        press(app, "Return")
        dropped = w["dropped"].format(label, *target)
        if number == len(tiles):
            dropped += ". " + w["right" if ending == "right" else "wrong"]
        wait_said(app, tile, lambda d: d == dropped,
                  "%r announced by the tile %r after Enter" % (dropped, label))
        app.wait_for(lambda: tile.name == w["in_cell"].format(label, *target), 5,
                     "the tile named %r once dropped" % w["in_cell"].format(label, *target))
        app.find("filler", w["cell_holds"].format(target[0], target[1], label))
        # Said, not only readable: the change came as an event from the tile.
        in_cell = w["in_cell"].format(label, *target)
        app.wait_for(lambda: pump() or any(source.name == in_cell for source in HEARD[heard_before:]),
                     5, "a description-change event from the tile %r after Enter" % in_cell)

    sign = app.find("filler", w["ok_sign" if ending == "right" else "crossed_sign"])
    other = app.find_all(name=w["crossed_sign" if ending == "right" else "ok_sign"])
    if other:
        fail("both OK signs show: %r and %r" % (sign.name, other[0].name))


if __name__ == "__main__":
    if len(sys.argv) != 4 or sys.argv[2] not in WORDS or sys.argv[3] not in ("right", "swapped"):
        sys.exit("usage: puzzle_keyboard.py OSTRILON en|fr right|swapped")
    run_test(test, sys.argv[1], sys.argv[2], sys.argv[3])
