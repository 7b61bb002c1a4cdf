#!/usr/bin/python3
"""Converts the small job's snapshot with snapshot_to_xlsx.py and checks the .xlsx with openpyxl:
captions and their alignment, row heights, column widths, and every picture at the place and size
the job's layout gives it (worked out here again from the picture files)."""
import io
import subprocess
import sys
from pathlib import Path

from openpyxl import load_workbook
from PIL import Image

ROOT = Path(__file__).resolve().parents[3]
DATA = Path(__file__).resolve().parent / "data"
NAMES = ["wide_72dpi.png", "tall_nodpi.jpg", "photo_150dpi.jpg", "small.gif", "nodpi.bmp"]
W, H, PER_ROW = 94, 76, 4
EMU = 12700


def natural_points(path):
    with Image.open(path) as image:
        dpi = image.info.get("dpi") or (96, 96)
        dpi = [d if d and d > 1 else 96 for d in dpi]
        if image.format == "JPEG" and image.info.get("jfif_unit", 1) == 0:
            dpi = (96, 96)
        return image.size[0] * 72 / dpi[0], image.size[1] * 72 / dpi[1]


def expected_layout():
    """(row, column, left, top, width, height) per picture, in points, as the job places them."""
    row_top = lambda r: 15 * (r - 1) + sum(80 - 15 for pr in (3, 5) if pr < r)
    column_left = lambda c: 48 * min(c - 1, 1) + 95.25 * max(0, c - 2)
    out = []
    for i, name in enumerate(NAMES):
        row, column = 3 + 2 * (i // PER_ROW), 2 + i % PER_ROW
        pw, ph = (round(v) for v in natural_points(DATA / name))  # round() is half-to-even
        if W / H < pw / ph:
            w, h = W, int(ph * W / pw)
        else:
            w, h = int(pw * H / ph), H
        top = round(row_top(row) + 3) + (H // 2 - h // 2)
        left = round(column_left(column) + 5) + (W // 2 - w // 2)
        out.append((row, column, left, top, w, h))
    return out


def main(snapshot, xlsx):
    failures = []

    def check(condition, message):
        if not condition:
            failures.append(message)

    run = subprocess.run([sys.executable, str(ROOT / "tools/excel-standin/snapshot_to_xlsx.py"), snapshot, xlsx],
                         capture_output=True, text=True)
    if run.returncode != 0:
        print(run.stderr, file=sys.stderr)
        return 1
    ws = load_workbook(xlsx).active

    for i, name in enumerate(NAMES):
        row, column = 4 + 2 * (i // PER_ROW), 2 + i % PER_ROW
        cell = ws.cell(row=row, column=column)
        check(cell.value == Path(name).stem, f"caption at {cell.coordinate}: {cell.value!r}")
        check(cell.alignment.horizontal == "center", f"alignment at {cell.coordinate}: {cell.alignment.horizontal}")
    for row in (3, 5):
        check(ws.row_dimensions[row].height == 80, f"row {row} height {ws.row_dimensions[row].height}")
    check(ws.row_dimensions[4].height is None, "caption row 4 keeps the default height")
    for letter in "BCDE":
        width = ws.column_dimensions[letter].width
        check(width == 18.140625, f"column {letter} width {width} (127 pixels)")  # 17.43 characters
    check(ws.column_dimensions["F"].width in (None, 13.0), "column F keeps the default width")

    images = ws._images
    check(len(images) == len(NAMES), f"{len(images)} pictures")
    row_tops = {1: 0, 2: 15, 3: 30, 4: 110, 5: 125, 6: 205}
    column_lefts = {1: 0, 2: 48, 3: 143.25, 4: 238.5, 5: 333.75, 6: 429}
    for image, name, (row, column, left, top, w, h) in zip(images, NAMES, expected_layout()):
        anchor = image.anchor
        start = anchor._from
        at = (start.row + 1, start.col + 1)
        check(at == (row, column), f"{name}: anchored at {at}, expected {(row, column)}")
        check(start.rowOff == round((top - row_tops[row]) * EMU), f"{name}: row offset {start.rowOff / EMU} pt")
        check(start.colOff == round((left - column_lefts[column]) * EMU), f"{name}: column offset {start.colOff / EMU} pt")
        check((anchor.ext.width, anchor.ext.height) == (w * EMU, h * EMU),
              f"{name}: size {anchor.ext.width / EMU} x {anchor.ext.height / EMU} pt, expected {w} x {h}")
        embedded = Image.open(io.BytesIO(image._data()))
        with Image.open(DATA / name) as source:
            check(embedded.size == source.size, f"{name}: embedded picture is {embedded.size}")
            check(list(embedded.convert("RGB").getdata())[:50] == list(source.convert("RGB").getdata())[:50]
                  or source.format == "JPEG", f"{name}: embedded pixels differ")

    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    print(f"{xlsx}: {len(images)} pictures, {'ok' if not failures else 'FAILED'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
