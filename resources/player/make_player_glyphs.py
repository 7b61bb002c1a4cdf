#!/usr/bin/env python3
"""Writes the media player's 27 button glyphs into this folder (24-bit BMP, no dependencies).

Each glyph is 17 x 13 pixels on olive (0x808000 as red, green, blue), the colour the player draws
transparent. Names are "<STATE>_<BUTTON>.bmp": state EN (enabled: near-black), DI (disabled: grey,
embossed with a white copy one pixel down and right) or CL (coloured: play green, record red, pause and
stop blue, the moving buttons amber, eject violet); button MPPLAY, MPPAUSE, MPSTOP, MPNEXT, MPPREV,
MPSTEP, MPBACK, MPRECORD or MPEJECT.
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "skin_art"))
from bmp24 import bmp24  # noqa: E402

W, H = 17, 13
CY = 6  # the middle row
OLIVE = (0x80, 0x80, 0x00)
BLACK = (0x20, 0x20, 0x20)
GREY = (0x80, 0x80, 0x80)
WHITE = (0xFF, 0xFF, 0xFF)


def right(x0, half, slope=1.0):
    """A triangle pointing right from column x0, `half` rows above and below the middle row, `slope`
    columns longer per row nearer the middle."""
    return lambda x, y: abs(y - CY) <= half and x0 <= x <= x0 + int((half - abs(y - CY)) * slope + 0.5)


def left(x1, half, slope=1.0):
    return lambda x, y: abs(y - CY) <= half and x1 - int((half - abs(y - CY)) * slope + 0.5) <= x <= x1


def bar(x0, x1, y0, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def either(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r + r * 0.6


def up(x_mid, top, half):
    return lambda x, y: top <= y <= top + half and abs(x - x_mid) <= y - top


SHAPES = {
    "MPPLAY": right(4, 5, 1.6),
    "MPPAUSE": either(bar(5, 7, 2, 10), bar(10, 12, 2, 10)),
    "MPSTOP": bar(4, 12, 2, 10),
    "MPNEXT": either(right(3, 4), right(8, 4), bar(13, 14, 2, 10)),
    "MPPREV": either(bar(2, 3, 2, 10), left(8, 4), left(13, 4)),
    "MPSTEP": either(right(4, 4, 1.5), bar(11, 12, 2, 10)),
    "MPBACK": either(bar(4, 5, 2, 10), left(12, 4, 1.5)),
    "MPRECORD": disc(8, 6, 4.5),
    "MPEJECT": either(up(8, 1, 6), bar(2, 14, 9, 10)),
}
COLOURS = {
    "MPPLAY": (0x10, 0x90, 0x20),
    "MPPAUSE": (0x30, 0x70, 0xE8),
    "MPSTOP": (0x30, 0x70, 0xE8),
    "MPNEXT": (0xC0, 0x80, 0x00),
    "MPPREV": (0xC0, 0x80, 0x00),
    "MPSTEP": (0xC0, 0x80, 0x00),
    "MPBACK": (0xC0, 0x80, 0x00),
    "MPRECORD": (0xD0, 0x10, 0x10),
    "MPEJECT": (0x98, 0x48, 0xD8),
}


def bmp(pixel):
    return bmp24(W, H, pixel)


def glyph(state, shape, colour):
    def pixel(x, y):
        if state == "DI":
            if shape(x, y):
                return GREY
            return WHITE if shape(x - 1, y - 1) else OLIVE
        return (colour if state == "CL" else BLACK) if shape(x, y) else OLIVE
    return bmp(pixel)


if __name__ == "__main__":
    out = Path(__file__).resolve().parent
    for name, shape in SHAPES.items():
        for state in ("EN", "DI", "CL"):
            (out / f"{state}_{name}.bmp").write_bytes(glyph(state, shape, COLOURS[name]))
