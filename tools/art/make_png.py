#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""make_png.py SOURCE.pam FACTOR OUTPUT.png: the picture enlarged FACTOR times, every pixel a
FACTOR x FACTOR block of its colour, as a PNG. Pixel art keeps its sharp edges only when
enlarged by whole numbers; the desktop's and the site's icons and the site's pointers are made so
from the game's own (tools/art/CMakeLists.txt)."""
import os
import struct
import sys
import zlib


def read_pam(path):
    with open(path, "rb") as f:
        data = f.read()
    end = data.index(b"ENDHDR\n") + len(b"ENDHDR\n")
    fields = dict(line.split(b" ", 1) for line in data[:end].split(b"\n")[1:-2])
    width, height = int(fields[b"WIDTH"]), int(fields[b"HEIGHT"])
    if fields[b"DEPTH"] != b"4" or fields[b"MAXVAL"] != b"255":
        raise ValueError(f"{path}: not 8-bit RGBA")
    pixels = data[end:]
    if len(pixels) != width * height * 4:
        raise ValueError(f"{path}: {len(pixels)} bytes of pixels for {width} x {height}")
    return width, height, pixels


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def write_png(path, width, height, rows):
    raw = b"".join(b"\x00" + row for row in rows)  # filter: none
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main(argv):
    if len(argv) != 4:
        sys.exit("usage: make_png.py SOURCE.pam FACTOR OUTPUT.png")
    factor = int(argv[2])
    if not 1 <= factor <= 64:
        sys.exit("make_png.py: the factor must be a whole number from 1 to 64")
    width, height, pixels = read_pam(argv[1])
    rows = []
    for y in range(height):
        row = pixels[y * width * 4:(y + 1) * width * 4]
        wide = b"".join(row[x * 4:x * 4 + 4] * factor for x in range(width))
        rows.extend([wide] * factor)
    write_png(argv[3], width * factor, height * factor, rows)


if __name__ == "__main__":
    main(sys.argv)
