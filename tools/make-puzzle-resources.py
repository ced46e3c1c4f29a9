#!/usr/bin/env python3
"""Draws the diagram puzzle's pictures into puzzle/resources/.

    tools/make-puzzle-resources.py [output_folder]
    tools/make-puzzle-resources.py --icons output_folder

Pure standard library: a tiny rasteriser and BMP/PNG writers, so the pictures
can be redrawn anywhere. Outputs:
  Logo2.bmp    80 x 96, 24-bit: a block diagram under an antenna
  ChkMrk.bmp   11 x 11, 24-bit: a green check on the tile colour
  HandR.png    32 x 32, RGBA: grabbing hand, fingertip at (6, 8)
  HandL.png    the same hand mirrored, fingertip at (25, 8)
  ProgIcon.png 32 x 32, RGBA: a tile with an amplifier and a check
With --icons, only the icon, drawn at the sizes the desktop's icon theme asks
for, as ostrilon-<size>.png (packaging/icons/ holds them).
"""
import math
import os
import struct
import sys
import zlib

TRANSPARENT = None


class Canvas:
    def __init__(self, width, height, fill):
        self.w, self.h = width, height
        self.px = [[fill] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = colour

    def get(self, x, y):
        return self.px[y][x]

    def line(self, x0, y0, x1, y1, colour, width=1):
        # Bresenham, stamped with a small square for thicker strokes.
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        r0 = -(width // 2)
        while True:
            for ox in range(r0, r0 + width):
                for oy in range(r0, r0 + width):
                    self.set(x0 + ox, y0 + oy, colour)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def rect(self, x0, y0, x1, y1, colour, filled=False):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                if filled or x in (x0, x1) or y in (y0, y1):
                    self.set(x, y, colour)

    def polygon(self, points, colour):
        # Pixel centres inside the polygon (even-odd rule).
        for y in range(self.h):
            for x in range(self.w):
                if inside(points, x + 0.5, y + 0.5):
                    self.set(x, y, colour)

    def disc(self, cx, cy, r, colour):
        for y in range(self.h):
            for x in range(self.w):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.set(x, y, colour)


def inside(points, x, y):
    result = False
    n = len(points)
    for i in range(n):
        (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
        if (ya > y) != (yb > y) and x < (xb - xa) * (y - ya) / (yb - ya) + xa:
            result = not result
    return result


def write_bmp(path, canvas):
    row_bytes = (canvas.w * 3 + 3) & ~3
    data = bytearray()
    for y in range(canvas.h - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(canvas.w):
            r, g, b = canvas.get(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_bytes - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def write_png(path, canvas):
    raw = bytearray()
    for y in range(canvas.h):
        raw.append(0)
        for x in range(canvas.w):
            c = canvas.get(x, y)
            raw += bytes((0, 0, 0, 0)) if c is TRANSPARENT else bytes((c[0], c[1], c[2], 255))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    ihdr = struct.pack(">IIBBBBB", canvas.w, canvas.h, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
                chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


BLACK, WHITE = (0, 0, 0), (255, 255, 255)
TILE = (255, 255, 204)
GREY = (128, 128, 128)
GREEN = (0, 150, 0)
BLUE = (0, 0, 255)
NAVY = (30, 50, 110)


def check_mark():
    c = Canvas(11, 11, TILE)
    # Two-pixel strokes: short down-right, long up-right.
    for x, y in [(1, 5), (2, 6), (3, 7), (4, 8)]:
        c.set(x, y, GREEN)
        c.set(x, y + 1, GREEN)
    for i, x in enumerate(range(5, 10)):
        y = 7 - i * 1.5
        c.set(x, int(round(y)), GREEN)
        c.set(x, int(round(y)) + 1, GREEN)
        c.set(x, int(round(y)) + 2, GREEN)
    c.set(4, 9, GREEN)
    return c


def rounded_rect(mask, x0, y0, x1, y1, r):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            cx = min(max(x, x0 + r), x1 - r)
            cy = min(max(y, y0 + r), y1 - r)
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r + 0.5:
                mask.add((x, y))


def hand():
    """Right-hand pointer: index finger up with its tip at (6, 8)."""
    mask = set()
    rounded_rect(mask, 4, 6, 9, 19, 2)     # index finger
    rounded_rect(mask, 9, 12, 14, 20, 2)   # middle finger, curled
    rounded_rect(mask, 14, 13, 19, 21, 2)  # ring finger
    rounded_rect(mask, 19, 15, 23, 22, 2)  # little finger
    rounded_rect(mask, 4, 17, 23, 28, 3)   # palm
    thumb = Canvas(32, 32, None)
    thumb.polygon([(0, 18), (2, 16), (8, 21), (8, 26), (5, 26), (0, 21)], 1)
    mask |= {(x, y) for y in range(32) for x in range(32) if thumb.get(x, y)}
    for y in range(27, 32):
        for x in range(7, 21):
            mask.add((x, y))                # cuff
    c = Canvas(32, 32, TRANSPARENT)
    for (x, y) in mask:
        edge = any((x + dx, y + dy) not in mask for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        c.set(x, y, BLACK if edge else WHITE)
    for x, y0, y1 in [(9, 13, 18), (14, 14, 19), (19, 16, 20)]:
        c.line(x, y0, x, y1, BLACK)
    c.line(7, 27, 20, 27, BLACK)
    c.line(4, 20, 7, 22, BLACK)             # thumb crease
    return c


def mirrored(canvas):
    out = Canvas(canvas.w, canvas.h, TRANSPARENT)
    for y in range(canvas.h):
        for x in range(canvas.w):
            out.set(canvas.w - 1 - x, y, canvas.get(x, y))
    return out


def logo():
    c = Canvas(80, 96, (236, 240, 248))
    c.rect(0, 0, 79, 95, NAVY)
    c.rect(1, 1, 78, 94, NAVY)
    # Antenna with waves.
    c.line(40, 10, 40, 34, NAVY, 2)
    c.line(40, 16, 30, 8, NAVY, 2)
    c.line(40, 16, 50, 8, NAVY, 2)
    for r in (6, 10, 14):
        for a in range(-50, 51, 2):
            t = math.radians(a)
            c.set(int(round(40 + r * math.sin(t))) + 14, int(round(14 - r * math.cos(t))), BLUE)
            c.set(int(round(40 - r * math.sin(t))) - 14, int(round(14 - r * math.cos(t))), BLUE)
    c.line(40, 34, 40, 42, GREY)
    # A three-block chain: box, amplifier, box, with arrows between.
    c.rect(6, 42, 25, 58, TILE, True)
    c.rect(6, 42, 25, 58, NAVY)
    c.polygon([(31, 41), (31, 60), (49, 50.5)], NAVY)
    c.polygon([(33, 45), (33, 56), (45, 50.5)], TILE)
    c.rect(54, 42, 73, 58, TILE, True)
    c.rect(54, 42, 73, 58, NAVY)
    c.line(40, 38, 15, 38, GREY)
    c.line(15, 38, 15, 41, GREY)
    for x0, x1 in ((26, 30), (50, 53)):
        c.line(x0, 50, x1, 50, GREY)
        c.polygon([(x1 - 3, 47), (x1 - 3, 54), (x1 + 1, 50.5)], GREY)
    # The tiles laid out below, and a large check.
    for i, x in enumerate((8, 28, 48)):
        c.rect(x, 66, x + 15, 78, TILE, True)
        c.rect(x, 66, x + 15, 78, GREY)
    c.line(24, 82, 36, 90, GREEN, 3)
    c.line(36, 90, 60, 70, GREEN, 3)
    return c


def icon(size=32):
    """The 32-pixel drawing, its coordinates scaled to size; at 32 the
    program's own icon, pixel for pixel."""
    k = size / 32

    def at(v):
        return int(round(v * k))

    def thick(w):
        return max(1, int(round(w * k)))

    c = Canvas(size, size, TRANSPARENT)
    c.rect(at(1), at(1), at(31) - 1, at(31) - 1, TILE, True)
    for i in range(thick(1)):
        c.rect(at(1) + i, at(1) + i, at(31) - 1 - i, at(31) - 1 - i, BLUE)
    c.polygon([(6 * k, 6 * k), (6 * k, 26 * k), (24 * k, 16 * k)], GREY)
    c.polygon([(8 * k, 10 * k), (8 * k, 22 * k), (20 * k, 16 * k)], TILE)
    c.line(at(1), at(16), at(5), at(16), GREY, thick(1))
    c.line(at(24), at(16), at(31) - 1, at(16), GREY, thick(1))
    c.line(at(15), at(24), at(19), at(28), GREEN, thick(2))
    c.line(at(19), at(28), at(28), at(18), GREEN, thick(2))
    return c


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    if len(sys.argv) == 3 and sys.argv[1] == "--icons":
        os.makedirs(sys.argv[2], exist_ok=True)
        for size in (16, 32, 48, 64, 128, 256):
            write_png(os.path.join(sys.argv[2], "ostrilon-%d.png" % size), icon(size))
        return
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "puzzle", "resources")
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "Logo2.bmp"), logo())
    write_bmp(os.path.join(out, "ChkMrk.bmp"), check_mark())
    right = hand()
    write_png(os.path.join(out, "HandR.png"), right)
    write_png(os.path.join(out, "HandL.png"), mirrored(right))
    write_png(os.path.join(out, "ProgIcon.png"), icon())


if __name__ == "__main__":
    main()
