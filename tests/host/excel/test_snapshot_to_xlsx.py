"""snapshot_to_xlsx.py: the Excel width formula round trip, picture anchors, and its failures."""
import io
import json
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

from openpyxl import load_workbook
from PIL import Image

SCRIPT = Path(__file__).resolve().parents[3] / "tools" / "excel-standin" / "snapshot_to_xlsx.py"
sys.path.insert(0, str(SCRIPT.parent))
import snapshot_to_xlsx as s2x  # noqa: E402

EMU = 12700


def excel_pixels_of_file_width(width):
    """How Excel turns a stored column width back into pixels (digit width 7)."""
    return int((256 * width + int(128 / 7)) / 256 * 7)


def sheet(**overrides):
    base = {"name": "Sheet1", "active": True, "default_row_height": 15, "default_column_width": 8.43,
            "rows": [], "columns": [], "cells": [], "alignment_areas": [], "pictures": [],
            "selection": {"row": 1, "column": 1, "rows": 1, "columns": 1}}
    base.update(overrides)
    return {"reason": "visible", "visible": True, "quit_called": False, "active_workbook": 0,
            "workbooks": [{"name": "Book1", "sheets": [base]}]}


class Conversions(unittest.TestCase):
    def test_stored_width_gives_back_the_pixels(self):
        for pixels in range(0, 1791):
            self.assertEqual(excel_pixels_of_file_width(s2x.file_width(pixels)), pixels, pixels)

    def test_column_pixels_from_characters(self):
        for chars, pixels in [(8.43, 64), (94 / 6.1 + 2, 127), (1, 12), (0.5, 6), (0, 0)]:
            self.assertEqual(s2x.column_pixels_from_chars(chars), pixels)

    def test_cell_at_finds_the_cell_and_offsets(self):
        geometry = s2x.Geometry(sheet(rows=[{"row": 3, "height": 80}],
                                      columns=[{"column": 2, "pixels": 127}])["workbooks"][0]["sheets"][0])
        self.assertEqual(geometry.cell_at(0, 0), (1, 1, 0, 0))
        self.assertEqual(geometry.cell_at(53, 45), (3, 2, 15, 5))
        self.assertEqual(geometry.cell_at(143.25, 110), (4, 3, 0, 0))  # on the edge: the next cell


class Conversion(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.TemporaryDirectory()
        self.dir = Path(self.work.name)

    def tearDown(self):
        self.work.cleanup()

    def run_script(self, snapshot, *extra):
        path = self.dir / "snapshot.json"
        path.write_text(json.dumps(snapshot), encoding="utf-8")
        out = self.dir / "out.xlsx"
        run = subprocess.run([sys.executable, str(SCRIPT), str(path), str(out), *extra], capture_output=True, text=True)
        return run, out

    def picture(self, name, size, fmt, **where):
        path = self.dir / name
        Image.new("RGB", size, (200, 30, 30)).save(path, format=fmt)
        entry = {"name": "Picture", "file": "C:\\nowhere\\" + name, "unix_file": str(path),
                 "pixel_width": size[0], "pixel_height": size[1], "dpi_x": 96, "dpi_y": 96}
        entry.update(where)
        return entry

    def test_sheet_cells_sizes_and_pictures(self):
        snapshot = sheet(
            rows=[{"row": 3, "height": 80}, {"row": 7, "height": 0}],
            columns=[{"column": 2, "pixels": 127}, {"column": 9, "pixels": 0}],
            cells=[{"row": 4, "column": 2, "value": "照片 1", "horizontal_alignment": -4108},
                   {"row": 5, "column": 2, "value": 2.5, "horizontal_alignment": 1},
                   {"row": 6, "column": 2, "value": None, "horizontal_alignment": -4152}],
            pictures=[self.picture("a.png", (40, 20), "PNG", left=53, top=45, width=94, height=47),
                      self.picture("b.bmp", (10, 10), "BMP", left=0, top=0, width=7.5, height=7.5)])
        run, out = self.run_script(snapshot)
        self.assertEqual(run.returncode, 0, run.stderr)
        ws = load_workbook(out).active
        self.assertEqual(ws.title, "Sheet1")
        self.assertEqual(ws["B4"].value, "照片 1")
        self.assertEqual(ws["B4"].alignment.horizontal, "center")
        self.assertEqual(ws["B5"].value, 2.5)
        self.assertEqual(ws["B6"].alignment.horizontal, "right")
        self.assertEqual(ws.row_dimensions[3].height, 80)
        self.assertTrue(ws.row_dimensions[7].hidden)
        self.assertEqual(excel_pixels_of_file_width(ws.column_dimensions["B"].width), 127)
        self.assertTrue(ws.column_dimensions["I"].hidden)
        first, second = ws._images
        self.assertEqual((first.anchor._from.row, first.anchor._from.col), (2, 1))
        self.assertEqual((first.anchor._from.rowOff, first.anchor._from.colOff), (15 * EMU, 5 * EMU))
        self.assertEqual((first.anchor.ext.width, first.anchor.ext.height), (94 * EMU, 47 * EMU))
        self.assertEqual(Image.open(io.BytesIO(first._data())).size, (40, 20))
        self.assertEqual(Image.open(io.BytesIO(second._data())).size, (10, 10))  # BMP stored as PNG

    def test_missing_picture_file_is_reported(self):
        entry = {"name": "Picture 1", "file": "C:\\gone.jpg", "unix_file": str(self.dir / "gone.jpg"),
                 "left": 0, "top": 0, "width": 10, "height": 10}
        run, out = self.run_script(sheet(pictures=[entry]))
        self.assertEqual(run.returncode, 1)
        self.assertIn("Picture 1: picture file not found", run.stderr)
        self.assertTrue(out.is_file())  # everything else is still written

    def test_snapshot_without_a_workbook_fails(self):
        run, out = self.run_script({"reason": "quit", "active_workbook": -1, "workbooks": []})
        self.assertEqual(run.returncode, 2)
        self.assertIn("no such workbook", run.stderr)
        self.assertFalse(out.exists())

    def test_png_without_libreoffice_is_a_note(self):
        path = self.dir / "snapshot.json"
        path.write_text(json.dumps(sheet()), encoding="utf-8")
        empty = self.dir / "bin"
        empty.mkdir()
        run = subprocess.run([sys.executable, str(SCRIPT), str(path), str(self.dir / "x.xlsx"), "--png", str(self.dir / "x.png")],
                             capture_output=True, text=True, env={"PATH": str(empty)})
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertIn("LibreOffice is not installed", run.stderr)
        self.assertTrue((self.dir / "x.xlsx").is_file())

    def test_not_json_fails(self):
        path = self.dir / "snapshot.json"
        path.write_text("{not json", encoding="utf-8")
        run = subprocess.run([sys.executable, str(SCRIPT), str(path), str(self.dir / "x.xlsx")], capture_output=True, text=True)
        self.assertEqual(run.returncode, 2)


if __name__ == "__main__":
    unittest.main()
