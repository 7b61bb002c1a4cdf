#!/usr/bin/env python3
"""Makes a folder of damaged skin files for the robustness tests: every way a skin file found on a disk can
be broken, from the compressed stream down to the definition's values.

    make_hostile_skins.py SKINPACK BASE_SKIN_FOLDER OUT_FOLDER

SKINPACK is the host skinpack (it compresses the packages); BASE_SKIN_FOLDER a good skin folder whose
bitmaps and definition are damaged. OUT_FOLDER receives one .skn file per case and manifest.txt, one line per
file: its name, "loads" or "unknown" (a format the reader does not know: the one message, nothing loaded),
and what is wrong with it. Needs only the Python standard library.
"""
import os
import re
import struct
import subprocess
import sys
import tempfile

HEADER_EXTRA = {20000: 0, 30000: 256, 40000: 80}
MAX_ENTRIES = 1001  # names a package can hold


def name_lines(text):
    """The names the reader splits a directory into: lines ended by CR, LF or CR LF."""
    count, i = 0, 0
    while i < len(text):
        while i < len(text) and text[i] not in b"\r\n":
            i += 1
        count += 1
        if i < len(text) and text[i] == 13:
            i += 1
        if i < len(text) and text[i] == 10:
            i += 1
    return count


# --------------------------------------------------------------------------------------------------- bytes
def bmp(width, height, colour=(128, 128, 128), bits=24):
    """A Windows bitmap file of one colour (24-bit), rows bottom-up and padded to 4 bytes."""
    row = (width * bits + 31) // 32 * 4
    pixel = bytes((colour[2], colour[1], colour[0]))
    line = (pixel * width)[: row] + b"\0" * (row - min(len(pixel) * width, row))
    data = line * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def bmp_header_only(width, height, bits=24):
    """A bitmap header that claims width x height with no pixel data behind it."""
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, 0, 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 54, 0, 0, 54) + info


def package(entries, fmt=40000, dir_length=None, sizes=None, names=None):
    """An uncompressed package: header, directory text, entry sizes, entry bytes."""
    directory = "\r\n".join(names if names is not None else [n for n, _ in entries]).encode("latin-1")
    head = struct.pack("<iiii", fmt, len(directory) if dir_length is None else dir_length, 0, 0)
    head += b"\0" * HEADER_EXTRA.get(fmt, 80)
    table = b"".join(struct.pack("<i", s) for s in (sizes if sizes is not None else [len(b) for _, b in entries]))
    return head + directory + table + b"".join(b for _, b in entries)


class Maker:
    def __init__(self, skinpack, base, out):
        self.skinpack = skinpack
        self.out = out
        self.manifest = []
        self.ini = open(os.path.join(base, "skin.ini"), encoding="latin-1").read()
        self.bitmaps = {}
        for name in sorted(os.listdir(base)):
            if name.endswith(".bmp"):
                with open(os.path.join(base, name), "rb") as f:
                    self.bitmaps[name] = f.read()

    def compress(self, raw):
        with tempfile.TemporaryDirectory() as tmp:
            src, dst = os.path.join(tmp, "raw"), os.path.join(tmp, "out")
            with open(src, "wb") as f:
                f.write(raw)
            subprocess.run([self.skinpack, "compress", src, dst], check=True, stdout=subprocess.DEVNULL)
            with open(dst, "rb") as f:
                return f.read()

    def write(self, name, data, expect, what):
        with open(os.path.join(self.out, name), "wb") as f:
            f.write(data)
        self.manifest.append(f"{name} {expect} {what}")

    def skin(self, name, what, ini=None, bitmaps=None, expect="loads", **package_args):
        """A package of the base skin with its definition and bitmaps replaced as given."""
        images = dict(self.bitmaps if bitmaps is None else bitmaps)
        entries = sorted(images.items()) + [("skin.ini", (self.ini if ini is None else ini).encode("latin-1"))]
        self.write(name, self.compress(package(entries, **package_args)), expect, what)

    def good_entries(self):
        return sorted(self.bitmaps.items()) + [("skin.ini", self.ini.encode("latin-1"))]


# --------------------------------------------------------------------------------------------------- definitions
def replace_values(ini, pattern, value):
    """Every key matching the pattern gets the value."""
    return re.sub(r"(?im)^(" + pattern + r")=.*$", lambda m: m.group(1) + "=" + value, ini)


def sections_of(ini):
    return re.findall(r"(?m)^\[([^\]]+)\]", ini)


def without_sections(ini, keep):
    out, take = [], True
    for line in ini.splitlines():
        m = re.match(r"\[([^\]]+)\]", line)
        if m:
            take = m.group(1) in keep
        if take:
            out.append(line)
    return "\r\n".join(out) + "\r\n"


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    skinpack, base, out = sys.argv[1:]
    os.makedirs(out, exist_ok=True)
    for old in os.listdir(out):
        if old.endswith(".skn") or old == "manifest.txt":
            os.remove(os.path.join(out, old))
    m = Maker(skinpack, base, out)
    good = m.compress(package(m.good_entries()))

    # --- The file and its compressed stream.
    m.write("empty-file.skn", b"", "unknown", "a file of no bytes")
    m.write("count-zero.skn", struct.pack("<I", 0), "unknown", "declared size 0, nothing to decode")
    m.write("count-only.skn", struct.pack("<I", 5000), "unknown", "a declared size and no stream: zero bits")
    m.write("stream-cut-at-10.skn", good[:10], "loads",
            "the stream cut after 6 bytes: the format number decodes, the rest from zero bits")
    m.write("stream-cut-in-half.skn", good[: len(good) // 2], "loads", "the stream cut in half: the tail decodes from zero bits")
    m.write("stream-cut-one-byte.skn", good[:-1], "loads", "the last byte of the stream missing")
    m.write("declared-size-huge.skn", struct.pack("<I", 0x7FFFFFFF) + good[4:], "unknown", "declared size 2 GiB")
    m.write("declared-size-negative.skn", struct.pack("<i", -1) + good[4:], "unknown", "declared size -1")
    m.write("declared-size-16-mib.skn", struct.pack("<I", 16 << 20) + good[4:], "loads",
            "declared size 16 MiB over a small package: the rest decodes from zero bits")
    garbage = bytes((i * 73 + 41) & 0xFF for i in range(20000))
    m.write("stream-garbage.skn", struct.pack("<I", 300000) + garbage, "unknown", "a declared size and random bits")

    # --- The package.
    entries = m.good_entries()
    for fmt, expect in ((10000, "unknown"), (-40000, "unknown"), (0, "unknown"), (20000, "loads"), (30000, "loads")):
        m.write(f"format-{fmt}.skn", m.compress(package(entries, fmt=fmt)), expect, f"format number {fmt}")
    m.write("package-header-only.skn", m.compress(struct.pack("<iiii", 40000, 0, 0, 0)), "loads",
            "a header and nothing else")
    m.write("package-short-header.skn", m.compress(struct.pack("<i", 40000)), "loads", "4 of the 16 header bytes")
    m.write("dir-length-negative.skn", m.compress(package(entries, dir_length=-500)), "loads", "directory length -500")
    # Every byte after the header reads as names: more lines than a package can hold is refused, fewer load.
    huge = package(entries, dir_length=0x7FFFFFF0)
    m.write("dir-length-huge.skn", m.compress(huge), "unknown" if name_lines(huge[96:]) > MAX_ENTRIES else "loads",
            "directory length past the end")
    m.write("dir-length-short.skn", m.compress(package(entries, dir_length=30)), "loads",
            "directory length cutting the names: sizes read from the names' bytes")
    sizes = [len(b) for _, b in entries]
    m.write("sizes-negative.skn", m.compress(package(entries, sizes=[-s for s in sizes])), "loads",
            "every entry size negative")
    m.write("sizes-huge.skn", m.compress(package(entries, sizes=[0x7FFFFFFF] * len(sizes))), "loads",
            "every entry size 2 GiB")
    m.write("sizes-shifted.skn", m.compress(package(entries, sizes=sizes[1:] + sizes[:1])), "loads",
            "entry sizes rotated by one: every entry starts at a wrong offset")
    m.write("sizes-missing.skn", m.compress(package(entries)[: 96 + 200]), "loads",
            "the package ends inside the size table")
    names = [n for n, _ in entries]
    m.write("names-more-than-sizes.skn",
            m.compress(package(entries, names=names + [f"extra{i}.bmp" for i in range(40)])), "loads",
            "40 more names than entries: the sizes table reads into the entry bytes")
    m.write("names-1002.skn", m.compress(package(entries, names=[f"n{i}.bmp" for i in range(1002)])), "unknown",
            "1002 names: more than any package can hold")
    m.write("names-empty-lines.skn", m.compress(package(entries, names=["", "\r"] + names)), "loads",
            "blank names in the directory")
    m.write("no-entries.skn", m.compress(package([])), "loads", "a package without entries")
    m.write("no-definition.skn", m.compress(package(sorted(m.bitmaps.items()))), "loads", "bitmaps but no .ini")
    dup = sorted(m.bitmaps.items())
    dup = dup + [(n, bmp(3, 3, (255, 0, 0))) for n, _ in dup] + [("skin.ini", m.ini.encode("latin-1"))]
    m.write("entries-duplicated.skn", m.compress(package(dup)), "loads", "every bitmap twice, the second red 3 x 3")

    # --- The definition.
    m.skin("definition-empty.skn", "a definition of no bytes", ini="")
    m.skin("definition-only.skn", "a definition naming bitmaps that are not there", bitmaps={})
    m.skin("definition-binary.skn", "a definition of random bytes", ini=garbage[:4000].decode("latin-1"))
    m.skin("definition-personality-only.skn", "only the frame's section",
           ini=without_sections(m.ini, {"TitlebarSkin", "Personality"}))
    secs = sections_of(m.ini)
    m.skin("definition-no-personality.skn", "every section but the frame's",
           ini=without_sections(m.ini, set(secs) - {"Personality"}))
    twice = m.ini + "\r\n" + replace_values(m.ini, r"[A-Za-z0-9]+", "1")
    m.skin("sections-duplicated.skn", "every section twice, the second with every value 1", ini=twice)
    m.skin("sections-empty-values.skn", "every key without a value", ini=replace_values(m.ini, r"[A-Za-z0-9]+", ""))
    m.skin("frames-zero.skn", "every frame count 0",
           ini=replace_values(m.ini, r"[A-Za-z]*Frame|frame|FrameCount|RadioButtonFrame|CheckButtonFrame", "0"))
    m.skin("frames-negative.skn", "every frame count -7",
           ini=replace_values(m.ini, r"[A-Za-z]*Frame|frame|FrameCount|RadioButtonFrame|CheckButtonFrame", "-7"))
    m.skin("frames-huge.skn", "every frame count 2147483647",
           ini=replace_values(m.ini, r"[A-Za-z]*Frame|frame|FrameCount|RadioButtonFrame|CheckButtonFrame",
                              "2147483647"))
    margins = r"LeftWidth|RightWidth|TopHeight|BottomHeight|[A-Za-z]+TopHeight|[A-Za-z]+BotHeight|Tile[A-Za-z]*Menu"
    m.skin("margins-larger-than-bitmaps.skn", "every margin 5000", ini=replace_values(m.ini, margins, "5000"))
    m.skin("margins-negative.skn", "every margin -5000", ini=replace_values(m.ini, margins, "-5000"))
    m.skin("margins-extreme.skn", "every margin 2147483647", ini=replace_values(m.ini, margins, "2147483647"))
    m.skin("numbers-extreme.skn", "every number -2147483648 (coordinates, actions, styles, shifts, tiles)",
           ini=replace_values(m.ini, r"Xcoord|Ycoord|Action|Align|Style|Tile|Trans|TextShift[A-Za-z]*|"
                                     r"TextRightClip|TextAlignment|FontHeight|Visibility1?|Background[A-Za-z]+|"
                                     r"TXTBack[A-Za-z]+|[A-Za-z]*Colour|CombineOp", "-2147483648"))
    m.skin("colours-absurd.skn", "colours of out-of-range, signed, hex, text and endless digits",
           ini=replace_values(replace_values(m.ini, r"[A-Za-z]+Text|ButtonFace|Scrollbar|Hilight|Menu[A-Za-z]*|"
                                                      r"Button[A-Za-z]+|color|Color[0-9]", "99999 -5 0x1FF"),
                              r"[A-Za-z]+Colour2", "9" * 500)
           + "\r\n[Colours]\r\nWindowText=,,,,\r\n"
           + "".join(f"[Colour{i}]\r\ncolor={i * 997} {i} x\r\n" for i in range(300)))
    m.skin("palette-index-out-of-range.skn", "text colours pointing past the palette",
           ini=replace_values(m.ini, r"NormalColour|MouseOverColour|PressedColour", "100000"))
    m.skin("images-wrong-names.skn", "image names with paths, other extensions and upper case",
           ini=re.sub(r"(?m)=([a-z_0-9]+)\.bmp", lambda mm: "=C:\\skins\\..\\" + mm.group(1).upper() + ".BMP", m.ini))
    long_line = "[Buttons]\r\nBitmap=" + "x" * 200000 + ".bmp\r\n"
    m.skin("definition-long-lines.skn", "a 200 KB value and a 100,000-line section",
           ini=m.ini + long_line + "[Many]\r\n" + "k=v\r\n" * 100000)

    # --- The bitmaps.
    def every(image):
        return {n: image for n in m.bitmaps}

    m.skin("bitmaps-1x1.skn", "every bitmap 1 x 1", bitmaps=every(bmp(1, 1, (255, 0, 255))))
    # The largest sides the bitmap reader takes, for the elements whose frames and margins matter most.
    big = ("frame_", "btn_", "pushbutton", "scrollbar", "check", "radio", "combobutton", "sunkedge", "hthumb",
           "vthumb", "tabs", "progress", "mdi_")
    wide, high = bmp(32767, 2, (40, 90, 200)), bmp(2, 32767, (200, 90, 40))
    m.skin("bitmaps-32767-wide.skn", "the main elements' bitmaps 32767 x 2",
           bitmaps={n: wide if n.startswith(big) else b for n, b in m.bitmaps.items()})
    m.skin("bitmaps-32767-high.skn", "the main elements' bitmaps 2 x 32767",
           bitmaps={n: high if n.startswith(big) else b for n, b in m.bitmaps.items()})
    m.skin("bitmaps-too-large.skn", "headers claiming 40000 x 40000 with no pixels behind them",
           bitmaps=every(bmp_header_only(40000, 40000)))
    m.skin("bitmaps-truncated.skn", "every bitmap cut in half",
           bitmaps={n: b[: len(b) // 2] for n, b in m.bitmaps.items()})
    m.skin("bitmaps-not-bitmaps.skn", "entries named .bmp holding text", bitmaps=every(b"not a bitmap at all"))
    m.skin("bitmaps-empty.skn", "entries named .bmp of no bytes", bitmaps=every(b""))
    m.skin("bitmaps-zero-size.skn", "bitmap headers of 0 x 0 and negative heights",
           bitmaps={n: (bmp_header_only(0, 0) if i % 2 else bmp_header_only(5, -3))
                    for i, n in enumerate(m.bitmaps)})
    m.skin("bitmaps-odd-shapes.skn", "caption buttons 0-ratio and 1 x 21, borders 1 pixel, MDI image 11 wide",
           bitmaps={n: (bmp(1, 21) if n.startswith("btn_") else bmp(11, 15) if n.startswith("mdi") else
                        bmp(1, 1) if n.startswith("frame_") else b) for n, b in m.bitmaps.items()})

    with open(os.path.join(out, "manifest.txt"), "w") as f:
        f.write("\n".join(m.manifest) + "\n")
    print(f"{len(m.manifest)} damaged skins written to {out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
