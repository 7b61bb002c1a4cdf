#!/usr/bin/env python3
"""Writes the gallery's glyph strips (24-bit BMP, no dependencies).

GlyphStrip4.bmp: four 16x16 glyphs side by side (normal, disabled, pressed, down), their corner colour
olive, which the buttons draw transparent (the bottom-left pixel's colour).
"""
import struct
from pathlib import Path

OLIVE = (0x80, 0x80, 0x00)


def bmp(width, height, pixel):
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):  # bottom-up
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + b"\0" * (row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def strip(x, y):
    glyph, gx = divmod(x, 16)
    colours = [(0x20, 0x80, 0x30), (0x90, 0x90, 0x90), (0xC0, 0x30, 0x20), (0x20, 0x40, 0xC0)]
    inside = 3 <= gx <= 12 and 3 <= y <= 12
    ring = (gx - 7.5) ** 2 + (y - 7.5) ** 2
    if inside and ring <= 30:
        return colours[glyph]
    if inside and ring <= 42:
        return (0x10, 0x10, 0x10)
    return OLIVE


if __name__ == "__main__":
    out = Path(__file__).resolve().parent
    (out / "GlyphStrip4.bmp").write_bytes(bmp(64, 16, strip))
