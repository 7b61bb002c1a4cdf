#!/usr/bin/python3
"""Makes a folder of sample pictures for the demo: generated scenes of varied sizes and aspect ratios,
with names that exercise the natural order (img2 before img10 before img007, upper case before lower
case, a Chinese name last). Each picture shows its own name. Usage: make_sample_pictures.py FOLDER"""
import colorsys
import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFont

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
CJK_FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

# name, width, height (pixels; the stand-in places them at 96 dpi, so 4 pixels are 3 points)
SAMPLES = [
    ("img10.jpg", 640, 480),
    ("img2.jpg", 480, 640),
    ("img007.jpg", 800, 200),
    ("img1.jpg", 400, 400),
    ("Bee.jpg", 300, 500),
    ("ant.jpg", 600, 300),
    ("_cover.jpg", 500, 350),
    ("2024 summer.jpg", 720, 540),
    ("photo 1.jpg", 256, 192),
    ("photo.jpg", 192, 256),
    ("图片3.jpg", 640, 360),
    ("图片12.jpg", 360, 640),
]


def font(size, text):
    path = CJK_FONT if any(ord(c) > 127 for c in text) else FONT
    try:
        return ImageFont.truetype(path, size)
    except OSError:
        return ImageFont.load_default()


def scene(name, w, h, seed):
    rnd = random.Random(seed)
    hue = rnd.random()
    img = Image.new("RGB", (w, h))
    d = ImageDraw.Draw(img)
    top = colorsys.hsv_to_rgb(hue, 0.35, 1.0)
    bottom = colorsys.hsv_to_rgb((hue + 0.08) % 1, 0.75, 0.85)
    for y in range(h):
        t = y / max(1, h - 1)
        d.line([0, y, w, y], fill=tuple(int(255 * (top[i] + (bottom[i] - top[i]) * t)) for i in range(3)))
    # Sun and hills.
    r = min(w, h) * 0.12
    sx, sy = w * rnd.uniform(0.6, 0.85), h * rnd.uniform(0.15, 0.3)
    d.ellipse([sx - r, sy - r, sx + r, sy + r], fill=(255, 225, 120))
    for layer in range(3):
        base = h * (0.55 + 0.14 * layer)
        colour = tuple(int(c * 255) for c in colorsys.hsv_to_rgb((hue + 0.3 + 0.05 * layer) % 1, 0.6, 0.55 - 0.12 * layer))
        points = [(0, h)]
        for i in range(0, 21):
            x = w * i / 20
            points.append((x, base - h * 0.08 * math.sin(i * 0.6 + layer * 2 + seed) - rnd.uniform(0, h * 0.04)))
        points.append((w, h))
        d.polygon(points, fill=colour)
    # The picture's own name, on a pale band.
    label = os.path.splitext(name)[0]
    f = font(max(14, min(w, h) // 7), label)
    box = d.textbbox((0, 0), label, font=f)
    tw, th = box[2] - box[0], box[3] - box[1]
    bx, by = (w - tw) // 2, int(h * 0.42) - th // 2
    d.rounded_rectangle([bx - 12, by - 8, bx + tw + 12, by + th + 14], radius=8, fill=(255, 255, 255))
    d.text((bx - box[0], by - box[1]), label, font=f, fill=(30, 40, 90))
    d.rectangle([0, 0, w - 1, h - 1], outline=(40, 40, 40), width=2)
    return img


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for i, (name, w, h) in enumerate(SAMPLES):
        scene(name, w, h, i + 3).save(os.path.join(folder, name), quality=88, dpi=(96, 96))
    print("\n".join(name for name, _, _ in SAMPLES))


if __name__ == "__main__":
    main()
