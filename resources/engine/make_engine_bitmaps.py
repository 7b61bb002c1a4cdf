#!/usr/bin/env python3
"""Writes the engine's built-in bitmaps into this folder:
TRACK.bmp and TRACKVERT.bmp (16-colour track images used when a skin has none) and
ZOBRENTMENU.bmp (64 x 16, one bit per pixel: the system menu glyphs restore, maximize, minimize, close)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The standard 16-colour palette, as (red, green, blue).
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
S, G, W = 7, 8, 15  # silver 0xC0C0C0, grey 0x808080, white


def write_bmp(path, width, height, bits, palette, rows):
    """rows: top row first, each a list of palette indices."""
    row_bits = width * bits
    stride = ((row_bits + 31) // 32) * 4
    data = bytearray()
    for row in reversed(rows):  # bottom-up
        assert len(row) == width
        packed = bytearray(stride)
        for x, index in enumerate(row):
            bit = x * bits
            shift = 8 - bits - (bit % 8)
            packed[bit // 8] |= index << shift
        data += packed
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    offset = 14 + 40 + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       len(palette), 0)
    with open(path, "wb") as f:
        f.write(header + info + pal + data)


def track():
    return [
        [S, S] + [G] * 12 + [W, W],
        [S, S] + [W] * 14,
        [G, S] + [W] * 14,
        [S, S] + [W] * 14,
    ]


def track_vert():
    return [[S, S, G, S], [S, S, S, S]] + [[G, W, W, W] for _ in range(12)] + [[W] * 4 for _ in range(2)]


def menu_glyphs():
    """Four 16 x 16 glyphs, black (0) on white (1)."""
    size = 16
    glyphs = []

    def blank():
        return [[1] * size for _ in range(size)]

    def frame(g, x0, y0, x1, y1, clear_inside=False):
        # A window outline: one-pixel sides and bottom, a two-pixel title bar.
        if clear_inside:
            for y in range(y0, y1 + 1):
                for x in range(x0, x1 + 1):
                    g[y][x] = 1
        for x in range(x0, x1 + 1):
            g[y0][x] = g[y0 + 1][x] = g[y1][x] = 0
        for y in range(y0, y1 + 1):
            g[y][x0] = g[y][x1] = 0

    restore = blank()
    frame(restore, 6, 2, 13, 9)
    frame(restore, 2, 6, 9, 13, clear_inside=True)
    glyphs.append(restore)

    maximize = blank()
    frame(maximize, 3, 3, 12, 12)
    glyphs.append(maximize)

    minimize = blank()
    for y in (11, 12):
        for x in range(4, 11):
            minimize[y][x] = 0
    glyphs.append(minimize)

    close = blank()
    for i in range(4, 12):
        for dx in (0, 1):
            close[i][min(i + dx, 11)] = 0
            close[i][max(15 - i - dx, 4)] = 0
    glyphs.append(close)

    return [sum((g[y] for g in glyphs), []) for y in range(size)]


def main():
    write_bmp(os.path.join(HERE, "TRACK.bmp"), 16, 4, 4, VGA16, track())
    write_bmp(os.path.join(HERE, "TRACKVERT.bmp"), 4, 16, 4, VGA16, track_vert())
    write_bmp(os.path.join(HERE, "ZOBRENTMENU.bmp"), 64, 16, 1, [(0, 0, 0), (255, 255, 255)], menu_glyphs())


if __name__ == "__main__":
    main()
