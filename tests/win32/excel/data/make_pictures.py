#!/usr/bin/python3
"""Writes the small picture files the stand-in tests insert (run once; the outputs are committed)."""
import io
import struct
from pathlib import Path

from PIL import Image

here = Path(__file__).resolve().parent


def gradient(width, height):
    image = Image.new("RGB", (width, height))
    image.putdata([((x * 255) // max(1, width - 1), (y * 255) // max(1, height - 1), 128)
                   for y in range(height) for x in range(width)])
    return image


gradient(200, 100).save(here / "wide_72dpi.png", dpi=(72, 72))          # 200 x 100 pt
gradient(40, 80).save(here / "tall_nodpi.png")                         # no pHYs: 30 x 60 pt
gradient(100, 200).save(here / "tall_nodpi.jpg", quality=80)           # JFIF without units: 75 x 150 pt
gradient(300, 150).save(here / "photo_150dpi.jpg", dpi=(150, 150))     # 144 x 72 pt
gradient(40, 30).convert("P").save(here / "small.gif")                 # 30 x 22.5 pt
gradient(64, 48).save(here / "square_144dpi.bmp", dpi=(144, 144))      # 32 x 24 pt

# A BMP that states no resolution (both pixels-per-metre fields 0): 48 x 36 pt.
buffer = io.BytesIO()
gradient(64, 48).save(buffer, format="BMP")
data = bytearray(buffer.getvalue())
struct.pack_into("<ii", data, 38, 0, 0)
(here / "nodpi.bmp").write_bytes(bytes(data))

(here / "not_a_picture.jpg").write_text("This is a text file with a picture's name.\n")
png = (here / "wide_72dpi.png").read_bytes()
(here / "truncated.png").write_bytes(png[:60])
