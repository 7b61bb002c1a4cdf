#!/usr/bin/python3
"""Draws the active sheet of an Excel stand-in snapshot as a spreadsheet would show it: column letters,
row numbers, grid lines, the row heights and column widths written by the import, the pictures at
their places and sizes, and the cell texts. Usage: render_workbook.py SNAPSHOT.json OUT.png"""
import json
import sys

from PIL import Image, ImageDraw, ImageFont

PX_PER_PT = 96 / 72
HEADER_W, HEADER_H = 36, 20
FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"


def load_font(size):
    for path in (FONT, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"):
        try:
            return ImageFont.truetype(path, size)
        except OSError:
            pass
    return ImageFont.load_default()


def column_name(n):
    name = ""
    while n > 0:
        n, r = divmod(n - 1, 26)
        name = chr(65 + r) + name
    return name


def main():
    snapshot = json.load(open(sys.argv[1], encoding="utf-8"))
    book = snapshot["workbooks"][snapshot.get("active_workbook", 0)]
    sheet = next((s for s in book["sheets"] if s.get("active")), book["sheets"][0])
    default_h = sheet.get("default_row_height", 15) * PX_PER_PT
    default_w = 64
    heights = {r["row"]: r["height"] * PX_PER_PT for r in sheet.get("rows", [])}
    widths = {c["column"]: c.get("pixels", c["width"] * 7 + 5) for c in sheet.get("columns", [])}
    cells = sheet.get("cells", [])
    pictures = sheet.get("pictures", [])
    last_row = max([3] + [c["row"] for c in cells] + list(heights)) + 2
    last_col = max([3] + [c["column"] for c in cells] + list(widths)) + 1

    tops, y = {}, HEADER_H
    for r in range(1, last_row + 1):
        tops[r] = y
        y += heights.get(r, default_h)
    lefts, x = {}, HEADER_W
    for c in range(1, last_col + 1):
        lefts[c] = x
        x += widths.get(c, default_w)
    img = Image.new("RGB", (int(x) + 1, int(y) + 1), (255, 255, 255))
    d = ImageDraw.Draw(img)
    small, text_font = load_font(11), load_font(13)

    # Headers and grid.
    d.rectangle([0, 0, img.width, HEADER_H], fill=(238, 240, 244))
    d.rectangle([0, 0, HEADER_W, img.height], fill=(238, 240, 244))
    for c in range(1, last_col + 1):
        left, right = lefts[c], lefts[c] + widths.get(c, default_w)
        d.line([right, 0, right, img.height], fill=(214, 217, 222))
        d.text(((left + right) / 2, HEADER_H / 2), column_name(c), font=small, fill=(80, 80, 80), anchor="mm")
    for r in range(1, last_row + 1):
        top, bottom = tops[r], tops[r] + heights.get(r, default_h)
        d.line([0, bottom, img.width, bottom], fill=(214, 217, 222))
        d.text((HEADER_W / 2, (top + bottom) / 2), str(r), font=small, fill=(80, 80, 80), anchor="mm")
    d.line([HEADER_W, 0, HEADER_W, img.height], fill=(170, 170, 170))
    d.line([0, HEADER_H, img.width, HEADER_H], fill=(170, 170, 170))

    # Pictures (positions in points from the sheet's top-left corner).
    for p in pictures:
        left = HEADER_W + p["left"] * PX_PER_PT
        top = HEADER_H + p["top"] * PX_PER_PT
        w, h = max(1, round(p["width"] * PX_PER_PT)), max(1, round(p["height"] * PX_PER_PT))
        try:
            pic = Image.open(p["unix_file"]).convert("RGB").resize((w, h), Image.LANCZOS)
        except (OSError, KeyError):
            pic = Image.new("RGB", (w, h), (200, 200, 200))
        img.paste(pic, (round(left), round(top)))

    # Cell texts, centred when the cell says so.
    for c in cells:
        r, col = c["row"], c["column"]
        if r not in tops or col not in lefts:
            continue
        left, right = lefts[col], lefts[col] + widths.get(col, default_w)
        top, bottom = tops[r], tops[r] + heights.get(r, default_h)
        text = str(c.get("value", ""))
        if c.get("horizontal_alignment") == -4108:
            d.text(((left + right) / 2, (top + bottom) / 2), text, font=text_font, fill=(0, 0, 0), anchor="mm")
        else:
            d.text((left + 3, (top + bottom) / 2), text, font=text_font, fill=(0, 0, 0), anchor="lm")
    img.save(sys.argv[2])


if __name__ == "__main__":
    main()
