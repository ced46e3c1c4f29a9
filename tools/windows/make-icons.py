#!/usr/bin/env python3
"""Packs each program's icon PNGs (packaging/icons/<name>-<size>.png) into one
Windows icon, packaging/windows/<name>.ico, which the programs' resource
files put into their .exe. The output is committed: run this only when the
PNGs change.

    tools/windows/make-icons.py

Each size is kept as the PNG it is (an icon entry may hold PNG data since
Windows Vista), so nothing is redrawn and only the standard library is used.
"""
import os
import struct

SIZES = (16, 32, 48, 64, 128, 256)
root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
icons = os.path.join(root, "packaging", "icons")
out = os.path.join(root, "packaging", "windows")


def pack(name):
    images = []
    for size in SIZES:
        with open(os.path.join(icons, "%s-%d.png" % (name, size)), "rb") as f:
            data = f.read()
        width, height = struct.unpack(">II", data[16:24])
        if data[:8] != b"\x89PNG\r\n\x1a\n" or (width, height) != (size, size):
            raise SystemExit("%s-%d.png is not a %d x %d PNG" % (name, size, size, size))
        images.append((size, data))
    header = struct.pack("<HHH", 0, 1, len(images))
    entries, offset = b"", 6 + 16 * len(images)
    for size, data in images:
        side = size % 256  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(os.path.join(out, name + ".ico"), "wb") as f:
        f.write(header + entries + b"".join(data for _, data in images))


for program in ("ulvorane", "ostrilon"):
    pack(program)
