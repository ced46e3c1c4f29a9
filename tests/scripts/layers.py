#!/usr/bin/env python3
"""The exam simulator's layers depend one way: a folder includes headers of
its own layer and of the layers below it, never of one built on top of it.
Prints each include that points up and fails when there is one.
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
where = {}  # header name -> the layers that hold one of that name
for layer in LAYERS:
    for folder, _, files in os.walk(os.path.join(root, layer)):
        for name in files:
            if name.endswith(".h"):
                where.setdefault(name, set()).add(layer)

upward = 0
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
                    holders = where.get(os.path.basename(match.group(1)), set())
                    if holders and not holders & ({layer} | below):
                        upward += 1
                        print(f"{os.path.relpath(path, root)}:{number}: {layer} includes "
                              f"{match.group(1)} of {', '.join(sorted(holders))}")
print(f"{upward} include(s) pointing up" if upward else "ok   the layers include downward only")
sys.exit(1 if upward else 0)
