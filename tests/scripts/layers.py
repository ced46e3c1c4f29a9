#!/usr/bin/env python3
"""The exam simulator's layers depend one way: a folder includes headers of
its own layer and of the layers below it, never of one built on top of it.
A header is included by its path from the source root
("examsim/session/figures.h"), which names the layer it belongs to.
Prints each include that points up (or that does not say whose header it
is) and fails when there is one.
Usage: layers.py SOURCE-FOLDER"""
import os
import re
import sys

# What each layer may include besides itself and the toolkit; its tests/
# folders included (a test may use the test kits of the layers below).
BELOW = {
    "examsim/bank": set(),
    "examsim/session": {"examsim/bank"},
    "examsim/import": {"examsim/bank", "examsim/session"},
    "examsim/progress": {"examsim/bank", "examsim/session"},
    "examsim/cli": {"examsim/bank", "examsim/session", "examsim/import", "examsim/progress"},
}
LAYERS = sorted(BELOW) + ["examsim/ui"]

root = sys.argv[1]


def owner(header):
    """The layer a header's path from the root lies in; "toolkit" for the
    toolkit's; None for anything else of the tree."""
    if header.startswith("toolkit/"):
        return "toolkit"
    for layer in LAYERS:
        if header.startswith(layer + "/"):
            return layer
    return None


faults = 0
for layer, below in BELOW.items():
    for folder, _, files in os.walk(os.path.join(root, layer)):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(folder, name)
            with open(path, encoding="latin-1") as source:
                for number, line in enumerate(source, 1):
                    match = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
                    if not match:
                        continue
                    header = match.group(1)
                    where = f"{os.path.relpath(path, root)}:{number}: {layer} includes {header}"
                    if not os.path.isfile(os.path.join(root, header)):
                        if os.path.isfile(os.path.join(folder, header)):
                            faults += 1
                            print(f"{where} by its bare name, not by its path from the source root")
                        continue  # made by the build, or not the tree's
                    holder = owner(header)
                    if holder != "toolkit" and holder not in {layer} | below:
                        faults += 1
                        print(f"{where} of {holder or os.path.dirname(header)}")
print(f"{faults} include(s) pointing up or unqualified" if faults else "ok   the layers include downward only")
sys.exit(1 if faults else 0)
