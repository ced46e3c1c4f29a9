#!/usr/bin/env python3
"""Writes the picture of an X frame buffer dump (XWD, as Xvfb -fbdir keeps
it: 24 or 32 bits a pixel, ZPixmap) as a PNG. Standard library only.

    tools/windows/xwd2png.py SCREEN.xwd OUT.png
"""
import struct
import sys
import zlib

data = open(sys.argv[1], "rb").read()
fields = struct.unpack(">25I", data[:100])
header_size, width, height = fields[0], fields[4], fields[5]
byte_order, bits_per_pixel, bytes_per_line, colours = fields[7], fields[11], fields[12], fields[19]
if bits_per_pixel != 32:
    raise SystemExit("%d bits a pixel: only 32 are read" % bits_per_pixel)
start = header_size + colours * 12
rows = []
for y in range(height):
    line = data[start + y * bytes_per_line:start + y * bytes_per_line + width * 4]
    pixels = bytearray(width * 3)
    if byte_order == 0:  # least significant byte first: B G R x
        pixels[0::3], pixels[1::3], pixels[2::3] = line[2::4], line[1::4], line[0::4]
    else:  # x R G B
        pixels[0::3], pixels[1::3], pixels[2::3] = line[1::4], line[2::4], line[3::4]
    rows.append(b"\x00" + bytes(pixels))


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


with open(sys.argv[2], "wb") as out:
    out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
              + chunk(b"IDAT", zlib.compress(b"".join(rows), 6)) + chunk(b"IEND", b""))
