#!/usr/bin/env python3
"""Writes the status window's own bitmap: resources/statuswindow/art/palette_601.bmp.

Bitmap 601 serves only for its colour table, the 16-colour picture palette of the status
window; its pixels (310 x 168, 4 bits) show the palette as vertical stripes.
"""
import os
import struct

PALETTE = [
    (255, 255, 255), (192, 192, 192), (128, 128, 128), (0, 0, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
WIDTH, HEIGHT = 310, 168


def bitmap():
    row_bytes = ((WIDTH * 4 + 31) // 32) * 4
    rows = bytearray()
    for _ in range(HEIGHT):
        row = bytearray(row_bytes)
        for x in range(WIDTH):
            index = min(15, x * 16 // WIDTH)
            row[x // 2] |= index << (4 if x % 2 == 0 else 0)
        rows += row
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 4, 0, len(rows), 2835, 2835, 16, 16)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    return header + info + table + bytes(rows)


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    path = os.path.join(root, "resources", "statuswindow", "art", "palette_601.bmp")
    with open(path, "wb") as f:
        f.write(bitmap())
    print(path)


if __name__ == "__main__":
    main()
