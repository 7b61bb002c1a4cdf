#!/usr/bin/python3
"""Turns a workbook snapshot of the Excel stand-in into a real .xlsx file.

Row heights, column widths, cell values and their horizontal alignment are carried over, and every
picture is embedded at its position and size. With --png the workbook is also rendered to a PNG
through LibreOffice, when LibreOffice is installed.

Usage: snapshot_to_xlsx.py SNAPSHOT.json OUT.xlsx [--png OUT.png] [--workbook N]
Needs python3-openpyxl and python3-pil (run with /usr/bin/python3).
"""
import argparse
import json
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

from openpyxl import Workbook
from openpyxl.drawing.image import Image
from openpyxl.drawing.spreadsheet_drawing import AnchorMarker, OneCellAnchor
from openpyxl.drawing.xdr import XDRPositiveSize2D
from openpyxl.styles import Alignment
from openpyxl.utils import get_column_letter

EMU_PER_POINT = 12700
POINTS_PER_PIXEL = 0.75
DIGIT_PIXELS = 7  # the widest digit of the default font

# Excel's XlHAlign constants and their names in a workbook file.
ALIGNMENTS = {1: "general", -4131: "left", -4108: "center", -4152: "right", 5: "fill",
              -4130: "justify", 7: "centerContinuous", -4117: "distributed"}


def column_pixels_from_chars(chars):
    """Pixels of a column `chars` characters wide: Truncate(chars x 7 + 5 + 0.5), below 1: x 12."""
    if chars <= 0:
        return 0
    if chars < 1:
        return int(chars * 12 + 0.5)
    return int(chars * DIGIT_PIXELS + 5 + 0.5)


def file_width(pixels):
    """The width stored in a workbook file for a column of `pixels`.

    Excel reads a stored width w back as Truncate((256 w + Truncate(128 / 7)) / 256 x 7) pixels;
    w = Truncate(pixels / 7 x 256) / 256 gives back exactly `pixels`.
    """
    return int(pixels * 256 / DIGIT_PIXELS) / 256


class Geometry:
    """Row tops and column lefts in points, from the snapshot's sizes."""

    def __init__(self, sheet):
        self.row_height = float(sheet["default_row_height"])
        self.column_pixels = column_pixels_from_chars(float(sheet["default_column_width"]))
        self.rows = {r["row"]: float(r["height"]) for r in sheet["rows"]}
        self.columns = {c["column"]: int(c["pixels"]) for c in sheet["columns"]}

    def row_top(self, row):
        return self.row_height * (row - 1) + sum(h - self.row_height for r, h in self.rows.items() if r < row)

    def column_left(self, column):
        pixels = self.column_pixels * (column - 1) + sum(p - self.column_pixels for c, p in self.columns.items() if c < column)
        return pixels * POINTS_PER_PIXEL

    def cell_at(self, left, top):
        """The (row, column) whose cell holds the point, and the offsets into it, in points."""
        row = 1
        while self.row_top(row + 1) <= top and row < 1048576:
            row += 1
        column = 1
        while self.column_left(column + 1) <= left and column < 16384:
            column += 1
        return row, column, top - self.row_top(row), left - self.column_left(column)


def picture_file(picture):
    for name in (picture.get("unix_file"), picture.get("file")):
        if name and Path(name).is_file():
            return Path(name)
    return None


def convert(snapshot, workbook_index=None):
    """Returns (openpyxl Workbook, warnings)."""
    books = snapshot.get("workbooks") or []
    index = snapshot.get("active_workbook", 0) if workbook_index is None else workbook_index
    if not books or not 0 <= index < len(books):
        raise ValueError("the snapshot holds no such workbook")
    book = books[index]
    warnings = []

    out = Workbook()
    out.remove(out.active)
    for sheet in book["sheets"]:
        ws = out.create_sheet(sheet["name"])
        if sheet.get("active"):
            out.active = ws
        geometry = Geometry(sheet)
        ws.sheet_format.defaultRowHeight = geometry.row_height
        if geometry.column_pixels != 64:
            ws.sheet_format.defaultColWidth = file_width(geometry.column_pixels)

        for row in sheet["rows"]:
            ws.row_dimensions[row["row"]].height = row["height"]
            if row["height"] == 0:
                ws.row_dimensions[row["row"]].hidden = True
        for column in sheet["columns"]:
            dimension = ws.column_dimensions[get_column_letter(column["column"])]
            dimension.width = file_width(column["pixels"])
            if column["pixels"] == 0:
                dimension.hidden = True

        for area in sheet.get("alignment_areas", []):
            a = area["area"]
            if a["rows"] * a["columns"] > 100000:
                warnings.append("alignment of a whole row or column left out")
                continue
            for r in range(a["row"], a["row"] + a["rows"]):
                for c in range(a["column"], a["column"] + a["columns"]):
                    ws.cell(row=r, column=c).alignment = Alignment(horizontal=ALIGNMENTS.get(area["horizontal_alignment"]))
        for cell in sheet["cells"]:
            target = ws.cell(row=cell["row"], column=cell["column"])
            if cell["value"] is not None:
                target.value = cell["value"]
            horizontal = ALIGNMENTS.get(cell["horizontal_alignment"], "general")
            if horizontal != "general":
                target.alignment = Alignment(horizontal=horizontal)

        for picture in sheet["pictures"]:
            path = picture_file(picture)
            if path is None:
                warnings.append(f"{picture['name']}: picture file not found: {picture.get('unix_file') or picture.get('file')}")
                continue
            image = Image(str(path))
            row, column, row_offset, column_offset = geometry.cell_at(picture["left"], picture["top"])
            marker = AnchorMarker(col=column - 1, colOff=round(column_offset * EMU_PER_POINT),
                                  row=row - 1, rowOff=round(row_offset * EMU_PER_POINT))
            size = XDRPositiveSize2D(round(picture["width"] * EMU_PER_POINT), round(picture["height"] * EMU_PER_POINT))
            image.anchor = OneCellAnchor(_from=marker, ext=size)
            image.width = picture["width"] / POINTS_PER_PIXEL
            image.height = picture["height"] / POINTS_PER_PIXEL
            ws.add_image(image)
    return out, warnings


def render_png(xlsx, png):
    """Renders the workbook's first page to `png` through LibreOffice; False when it is not installed."""
    soffice = shutil.which("soffice") or shutil.which("libreoffice")
    if not soffice:
        return False
    with tempfile.TemporaryDirectory() as work:
        subprocess.run([soffice, "--headless", f"-env:UserInstallation=file://{work}/profile", "--convert-to", "png",
                        "--outdir", work, str(xlsx)], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=180)
        rendered = Path(work) / (Path(xlsx).stem + ".png")
        if not rendered.is_file():
            raise RuntimeError("LibreOffice wrote no PNG")
        shutil.move(str(rendered), png)
    return True


def main(argv=None):
    parser = argparse.ArgumentParser(description="Excel stand-in snapshot to .xlsx")
    parser.add_argument("snapshot")
    parser.add_argument("xlsx")
    parser.add_argument("--png", help="also render the workbook to this PNG through LibreOffice, if installed")
    parser.add_argument("--workbook", type=int, help="0-based workbook index (default: the active one)")
    args = parser.parse_args(argv)

    try:
        snapshot = json.loads(Path(args.snapshot).read_text(encoding="utf-8"))
        workbook, warnings = convert(snapshot, args.workbook)
    except (OSError, ValueError, KeyError) as error:
        print(f"snapshot_to_xlsx: {args.snapshot}: {error}", file=sys.stderr)
        return 2
    workbook.save(args.xlsx)
    for warning in warnings:
        print(f"snapshot_to_xlsx: {warning}", file=sys.stderr)
    if args.png and not render_png(args.xlsx, args.png):
        print("snapshot_to_xlsx: LibreOffice is not installed; no PNG rendered", file=sys.stderr)
    return 1 if any("not found" in w for w in warnings) else 0


if __name__ == "__main__":
    sys.exit(main())
