#!/usr/bin/python3
"""Draws the importer's artwork: the program icon, the banner, the background and the three button glyphs.

Run with /usr/bin/python3 (needs python3-pil); writes next to this script:
  Grivelle.ico        8 images, 32 bits: 128, 96, 72, 64, 48, 32, 24, 16 pixels
  Banner.bmp          402 x 65, 24 bits: "Grivelle" in dark blue on a pale blue gradient
  Background.bmp      400 x 200, 24 bits: pale blue flowers on white
  GlyphOpen.bmp       16 x 16, 24 bits: open folder            (bottom-left pixel = transparent colour)
  GlyphImport.bmp     16 x 16, 24 bits: picture going into a sheet
  GlyphQuit.bmp       20 x 20, 24 bits: door with an arrow out
Everything is drawn here from shapes; no outside images.
"""
import math
import os
import random
import struct
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
DARK_BLUE = (18, 45, 112)
MAGENTA = (255, 0, 255)  # transparent key of the glyphs
BUTTON_FACE = (240, 240, 240)

SERIF_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"


def out(name):
    return os.path.join(HERE, name)


# ---------------------------------------------------------------- icon
def draw_icon_master(size=512):
    """A sheet of cells with a landscape photo on it: pictures placed into a workbook."""
    s = size / 512.0
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    # The sheet: white rounded card with a blue header band and grid lines.
    d.rounded_rectangle([40 * s, 24 * s, 472 * s, 488 * s], radius=48 * s, fill=(36, 84, 170, 255))
    d.rounded_rectangle([56 * s, 40 * s, 456 * s, 472 * s], radius=36 * s, fill=(250, 252, 255, 255))
    d.rectangle([56 * s, 40 * s + 36 * s, 456 * s, 128 * s], fill=(214, 228, 248, 255))
    d.rounded_rectangle([56 * s, 40 * s, 456 * s, 128 * s], radius=36 * s, fill=(214, 228, 248, 255))
    for x in (156, 256, 356):
        d.line([x * s, 128 * s, x * s, 456 * s], fill=(186, 204, 232, 255), width=max(1, int(8 * s)))
    for y in (208, 288, 368):
        d.line([72 * s, y * s, 440 * s, y * s], fill=(186, 204, 232, 255), width=max(1, int(8 * s)))
    # The photo, tilted slightly, with a white border and a shadow.
    photo = Image.new("RGBA", (int(300 * s), int(240 * s)), (0, 0, 0, 0))
    p = ImageDraw.Draw(photo)
    w, h = photo.size
    p.rounded_rectangle([0, 0, w - 1, h - 1], radius=int(14 * s), fill=(255, 255, 255, 255))
    inset = int(18 * s)
    sky = Image.new("RGBA", (w - 2 * inset, h - 2 * inset))
    sd = ImageDraw.Draw(sky)
    for y in range(sky.size[1]):
        t = y / max(1, sky.size[1] - 1)
        sd.line([0, y, sky.size[0], y], fill=(int(120 + 90 * t), int(180 + 50 * t), 250, 255))
    sw, sh = sky.size
    sd.ellipse([sw * 0.66, sh * 0.12, sw * 0.86, sh * 0.12 + sw * 0.2], fill=(255, 206, 64, 255))
    sd.polygon([(0, sh), (sw * 0.30, sh * 0.38), (sw * 0.55, sh)], fill=(46, 139, 87, 255))
    sd.polygon([(sw * 0.28, sh), (sw * 0.62, sh * 0.48), (sw, sh * 0.9), (sw, sh)], fill=(34, 110, 70, 255))
    photo.paste(sky, (inset, inset))
    photo = photo.rotate(-8, resample=Image.BICUBIC, expand=True)
    shadow = Image.new("RGBA", photo.size, (0, 0, 0, 0))
    shadow.putalpha(photo.getchannel("A").point(lambda a: a * 90 // 255))
    shadow = shadow.filter(ImageFilter.GaussianBlur(10 * s))
    ox, oy = int(150 * s), int(190 * s)
    img.alpha_composite(shadow, (ox + int(10 * s), oy + int(14 * s)))
    img.alpha_composite(photo, (ox, oy))
    return img


def write_ico(path, images):
    """An icon file with 32-bit DIB entries (BGRA plus an AND mask), largest first."""
    entries = []
    for im in images:
        w, h = im.size
        px = im.load()
        xor = bytearray()
        for y in range(h - 1, -1, -1):
            for x in range(w):
                r, g, b, a = px[x, y]
                xor += bytes((b, g, r, a))
        mask_stride = ((w + 31) // 32) * 4
        mask = bytearray()
        for y in range(h - 1, -1, -1):
            row = bytearray(mask_stride)
            for x in range(w):
                if px[x, y][3] == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        entries.append((w, h, header + bytes(xor) + bytes(mask)))
    data = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    directory, blobs = b"", b""
    for w, h, blob in entries:
        directory += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs += blob
    with open(path, "wb") as f:
        f.write(data + directory + blobs)


def make_icon():
    master = draw_icon_master()
    sizes = [128, 96, 72, 64, 48, 32, 24, 16]
    images = []
    for size in sizes:
        im = master.resize((size, size), Image.LANCZOS)
        if size <= 24:  # keep small sizes crisp
            im = im.filter(ImageFilter.UnsharpMask(radius=1, percent=60, threshold=0))
        images.append(im)
    write_ico(out("Grivelle.ico"), images)
    preview = Image.new("RGBA", (sum(sizes) + 10 * len(sizes), 140), (255, 255, 255, 255))
    x = 5
    for im in images:
        preview.alpha_composite(im, (x, 5))
        x += im.size[0] + 10
    return preview


# ---------------------------------------------------------------- banner
def make_banner():
    w, h = 402, 65
    img = Image.new("RGB", (w, h))
    d = ImageDraw.Draw(img)
    top, bottom = (246, 250, 255), (196, 219, 246)
    for y in range(h):
        t = y / (h - 1)
        for x in range(w):
            pass
        c = tuple(int(top[i] + (bottom[i] - top[i]) * t) for i in range(3))
        d.line([0, y, w, y], fill=c)
    # A soft diagonal sheen, then a thin darker line at the bottom edge.
    sheen = Image.new("L", (w, h), 0)
    sd = ImageDraw.Draw(sheen)
    sd.polygon([(250, 0), (330, 0), (270, h), (190, h)], fill=40)
    sheen = sheen.filter(ImageFilter.GaussianBlur(18))
    img = Image.composite(Image.new("RGB", (w, h), (255, 255, 255)), img, sheen)
    d = ImageDraw.Draw(img)
    d.line([0, h - 1, w, h - 1], fill=(150, 182, 226))
    # The lettering: supersampled for smooth edges, with a faint white glow below it.
    scale = 4
    font = ImageFont.truetype(SERIF_BOLD, 38 * scale)
    text = "Grivelle"
    layer = Image.new("L", (w * scale, h * scale), 0)
    ld = ImageDraw.Draw(layer)
    bbox = ld.textbbox((0, 0), text, font=font)
    tx = 18 * scale - bbox[0]
    ty = (h * scale - (bbox[3] - bbox[1])) // 2 - bbox[1]
    ld.text((tx, ty), text, font=font, fill=255)
    mask = layer.resize((w, h), Image.LANCZOS)
    glow = mask.filter(ImageFilter.GaussianBlur(2)).point(lambda a: a * 3 // 4)
    img.paste((255, 255, 255), (1, 2), glow)
    img.paste(DARK_BLUE, (0, 0), mask)
    # A small sheet-and-picture mark on the right.
    mark = draw_icon_master(256).resize((48, 48), Image.LANCZOS)
    base = img.convert("RGBA")
    base.alpha_composite(mark, (w - 48 - 14, (h - 48) // 2))
    img = base.convert("RGB")
    img.save(out("Banner.bmp"))
    return img


# ---------------------------------------------------------------- background
def flower(layer, cx, cy, radius, petals, angle, colour, centre):
    d = ImageDraw.Draw(layer)
    for i in range(petals):
        a = angle + 2 * math.pi * i / petals
        px, py = cx + math.cos(a) * radius * 0.55, cy + math.sin(a) * radius * 0.55
        petal = Image.new("RGBA", (int(radius * 1.2) + 4, int(radius * 0.7) + 4), (0, 0, 0, 0))
        pd = ImageDraw.Draw(petal)
        pd.ellipse([2, 2, petal.size[0] - 3, petal.size[1] - 3], fill=colour)
        petal = petal.rotate(-math.degrees(a), resample=Image.BICUBIC, expand=True)
        layer.alpha_composite(petal, (int(px - petal.size[0] / 2), int(py - petal.size[1] / 2)))
    r = radius * 0.22
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=centre)


def make_background():
    w, h = 400, 200
    scale = 3
    rnd = random.Random(11)
    layer = Image.new("RGBA", (w * scale, h * scale), (255, 255, 255, 255))
    # Leaves of fine curved strokes first, then flowers; denser towards the right edge and the bottom,
    # so the labels on the left stay on a nearly white ground.
    d = ImageDraw.Draw(layer)
    spots = []
    for _ in range(34):
        x = rnd.random() ** 0.6 * w
        y = rnd.random() * h
        if x < 150 and rnd.random() < 0.7:
            continue
        spots.append((x, y, rnd.uniform(7, 19)))
    for x, y, r in spots:
        for _ in range(2):
            a = rnd.uniform(0, 2 * math.pi)
            x2, y2 = x + math.cos(a) * r * 1.8, y + math.sin(a) * r * 1.8
            d.line([x * scale, y * scale, x2 * scale, y2 * scale], fill=(214, 230, 244, 255), width=2 * scale)
    for x, y, r in spots:
        tone = rnd.uniform(0, 1)
        colour = (int(196 + 30 * tone), int(220 + 18 * tone), 250, 170)
        centre = (150 + int(40 * tone), 186 + int(30 * tone), 236, 255)
        flower(layer, x * scale, y * scale, r * scale, rnd.choice([5, 6, 8]), rnd.uniform(0, math.pi), colour, centre)
    img = layer.resize((w, h), Image.LANCZOS).convert("RGB")
    img.save(out("Background.bmp"))
    return img


# ---------------------------------------------------------------- glyphs
def glyph(size, draw, name):
    """Draws at 8x, scales down, and keys out what is mostly transparent (bottom-left pixel is the key)."""
    big = Image.new("RGBA", (size * 8, size * 8), (0, 0, 0, 0))
    draw(ImageDraw.Draw(big), 8)
    small = big.resize((size, size), Image.LANCZOS)
    out_img = Image.new("RGB", (size, size), MAGENTA)
    px, op = small.load(), out_img.load()
    for y in range(size):
        for x in range(size):
            r, g, b, a = px[x, y]
            if a >= 110:
                f = a / 255.0
                op[x, y] = tuple(int(c * f + bf * (1 - f)) for c, bf in zip((r, g, b), BUTTON_FACE))
    op[0, size - 1] = MAGENTA
    out_img.save(out(name))
    return out_img


def draw_open(d, k):
    # Folder: back in darker yellow, front flap lighter, opening forward.
    d.polygon([(1 * k, 3 * k), (6 * k, 3 * k), (7.5 * k, 4.5 * k), (14 * k, 4.5 * k), (14 * k, 13 * k), (1 * k, 13 * k)],
              fill=(214, 160, 40, 255), outline=(150, 100, 20, 255), width=k)
    d.polygon([(3.5 * k, 7 * k), (15.5 * k, 7 * k), (13 * k, 13.5 * k), (1 * k, 13.5 * k)],
              fill=(252, 210, 90, 255), outline=(160, 110, 20, 255), width=k)


def draw_import(d, k):
    # A sheet with a grid and a green arrow coming down into it.
    d.rectangle([4 * k, 6 * k, 15 * k, 15 * k], fill=(255, 255, 255, 255), outline=(36, 84, 170, 255), width=k)
    for x in (7.7, 11.3):
        d.line([x * k, 6 * k, x * k, 15 * k], fill=(150, 180, 225, 255), width=k)
    for y in (9, 12):
        d.line([4 * k, y * k, 15 * k, y * k], fill=(150, 180, 225, 255), width=k)
    d.rectangle([8 * k, 9.5 * k, 14 * k, 14 * k], fill=(90, 160, 230, 255))
    d.polygon([(2 * k, 0.5 * k), (5 * k, 0.5 * k), (5 * k, 4.5 * k), (7 * k, 4.5 * k), (3.5 * k, 8.5 * k), (0 * k, 4.5 * k), (2 * k, 4.5 * k)],
              fill=(40, 160, 70, 255), outline=(20, 100, 40, 255))


def draw_quit(d, k):
    # A door ajar with a red arrow leaving it.
    d.rectangle([2 * k, 1 * k, 11 * k, 19 * k], fill=(150, 96, 50, 255), outline=(90, 55, 25, 255), width=k)
    d.polygon([(4 * k, 2.5 * k), (10 * k, 1.5 * k), (10 * k, 18.5 * k), (4 * k, 17.5 * k)], fill=(196, 132, 70, 255))
    d.ellipse([8 * k, 9 * k, 9.5 * k, 10.5 * k], fill=(250, 220, 90, 255))
    d.polygon([(10 * k, 8 * k), (15 * k, 8 * k), (15 * k, 5 * k), (19.5 * k, 10 * k), (15 * k, 15 * k), (15 * k, 12 * k), (10 * k, 12 * k)],
              fill=(210, 40, 40, 255), outline=(140, 20, 20, 255))


def main():
    icon = make_icon()
    banner = make_banner()
    background = make_background()
    glyphs = [glyph(16, draw_open, "GlyphOpen.bmp"), glyph(16, draw_import, "GlyphImport.bmp"), glyph(20, draw_quit, "GlyphQuit.bmp")]
    if "--preview" in sys.argv:
        sheet = Image.new("RGB", (420, 470), (255, 255, 255))
        sheet.paste(banner, (9, 5))
        sheet.paste(background, (9, 80))
        sheet.paste(icon.convert("RGB").resize((icon.size[0] * 400 // icon.size[0], 140 * 400 // icon.size[0])), (9, 290))
        x = 9
        for g in glyphs:
            sheet.paste(g.resize((g.size[0] * 6, g.size[1] * 6), Image.NEAREST), (x, 345))
            x += g.size[0] * 6 + 10
        sheet.save(sys.argv[sys.argv.index("--preview") + 1])


if __name__ == "__main__":
    main()
