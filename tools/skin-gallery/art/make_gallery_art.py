#!/usr/bin/env python3
"""Writes the gallery's glyph strips (24-bit BMP, no dependencies).

GlyphStrip4.bmp: four 16x16 glyphs side by side (normal, disabled, pressed, down), their corner colour
olive, which the buttons draw transparent (the bottom-left pixel's colour).
MenuGlyphs.bmp: four 16x16 menu glyphs (a page, a folder, a pair of scissors, a clipboard) on olive.
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[3] / "resources" / "skin_art"))
from bmp24 import bmp24  # noqa: E402

OLIVE = (0x80, 0x80, 0x00)




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


def menu_glyphs(x, y):
    glyph, gx = divmod(x, 16)
    outline = (0x30, 0x30, 0x40)
    if glyph == 0:  # a page with a folded corner
        if 3 <= gx <= 12 and 1 <= y <= 14:
            if gx - 9 > y - 1:
                return OLIVE
            edge = gx in (3, 12) or y in (1, 14) or gx - 9 == y - 1
            return outline if edge else (0xFA, 0xFA, 0xF4)
    elif glyph == 1:  # a folder
        if 1 <= gx <= 14 and 3 <= y <= 13 and not (y == 3 and gx > 6):
            edge = gx in (1, 14) or y in (3, 13) or (y == 4 and gx > 6)
            return (0x80, 0x60, 0x10) if edge else (0xF0, 0xC8, 0x40)
    elif glyph == 2:  # scissors: two rings and two blades
        for cx in (4.5, 11.5):
            d = (gx - cx) ** 2 + (y - 11.5) ** 2
            if 3 <= d <= 8:
                return (0xB0, 0x20, 0x20)
        if 2 <= y <= 8 and (abs(gx - (4 + (y - 2) * 0.6)) < 0.8 or abs(gx - (11 - (y - 2) * 0.6)) < 0.8):
            return (0x60, 0x68, 0x78)
    elif glyph == 3:  # a clipboard
        if 3 <= gx <= 12 and 2 <= y <= 14:
            if 6 <= gx <= 9 and 1 <= y <= 3:
                return (0x90, 0x90, 0x98)
            edge = gx in (3, 12) or y in (2, 14)
            if edge:
                return (0x70, 0x48, 0x20)
            return (0xF8, 0xF8, 0xF0) if 5 <= gx <= 10 and 5 <= y <= 12 else (0xC0, 0x88, 0x48)
    return OLIVE


if __name__ == "__main__":
    out = Path(__file__).resolve().parent
    (out / "GlyphStrip4.bmp").write_bytes(bmp24(64, 16, strip))
    (out / "MenuGlyphs.bmp").write_bytes(bmp24(64, 16, menu_glyphs))
