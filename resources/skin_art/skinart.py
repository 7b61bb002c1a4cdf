"""Drawing helpers shared by the skin generators (resources/skin/make_skin.py, resources/skin-dark/make_skin.py).

Elements are painted as anti-aliased layers (RGBA, shapes covered at 4 x 4 samples per pixel) and then keyed:
a pixel less than half covered becomes the transparent key magenta, every other pixel is composed over the
colour the element will sit on (its backdrop). So rounded corners are smooth against the backdrop the skin
is made for, and no pinkish pixel can survive the transparent drawing or the window-region cut.

Light comes from the top left: raised shapes get a light inner edge on their top and left sides and a dark
one on their bottom and right sides; pressed shapes the other way round.
"""
import os

from PIL import Image, ImageChops, ImageDraw, ImageFilter

MAG = (255, 0, 255)
SS = 4  # samples per pixel along each axis


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def lighter(c, t):
    return mix(c, (255, 255, 255), t)


def darker(c, t):
    return mix(c, (0, 0, 0), t)


# --------------------------------------------------------------------------------------------------- masks
class Shape:
    """A rounded rectangle: box (x0, y0, x1, y1) in pixel edges, corner radius r, and which corners are
    rounded (top-left, top-right, bottom-right, bottom-left)."""

    def __init__(self, box, r=0, corners=(True, True, True, True), ellipse=False):
        self.box = tuple(box)
        self.r = r
        self.corners = tuple(corners)
        self.ellipse = ellipse

    def inset(self, n):
        x0, y0, x1, y1 = self.box
        return Shape((x0 + n, y0 + n, x1 - n, y1 - n), max(self.r - n, 0), self.corners, self.ellipse)

    def moved(self, dx, dy):
        x0, y0, x1, y1 = self.box
        return Shape((x0 + dx, y0 + dy, x1 + dx, y1 + dy), self.r, self.corners, self.ellipse)

    def mask(self, size):
        w, h = size
        big = Image.new("L", (w * SS, h * SS), 0)
        x0, y0, x1, y1 = [v * SS for v in self.box]
        if x1 <= x0 or y1 <= y0:
            return Image.new("L", size, 0)
        d = ImageDraw.Draw(big)
        box = [x0, y0, x1 - 1, y1 - 1]
        if self.ellipse:
            d.ellipse(box, fill=255)
        elif self.r <= 0:
            d.rectangle(box, fill=255)
        else:
            rounded_box(d, box, self.r * SS, self.corners)
        return big.resize(size, Image.BOX)


class Drawn:
    """Any filled outline drawn at SS times the size by draw(ImageDraw, SS): its coverage mask and the mask
    eroded by whole pixels (for outlines that follow a free shape)."""

    def __init__(self, size, draw):
        self.size = size
        self.big = Image.new("L", (size[0] * SS, size[1] * SS), 0)
        draw(ImageDraw.Draw(self.big), SS)

    def mask(self, size=None):
        return self.big.resize(self.size, Image.BOX)

    def inset(self, n=1):
        eroded = Drawn(self.size, lambda d, s: None)
        eroded.big = self.big.filter(ImageFilter.MinFilter(2 * n * SS + 1))
        return eroded


def rounded_box(d, box, radius, corners=(True, True, True, True)):
    """A filled rounded rectangle on an ImageDraw; corners: top-left, top-right, bottom-right, bottom-left."""
    x0, y0, x1, y1 = box
    d.rounded_rectangle(box, radius=radius, fill=255)
    r = int(round(radius))
    squares = ((x0, y0, x0 + r, y0 + r), (x1 - r, y0, x1, y0 + r), (x1 - r, y1 - r, x1, y1), (x0, y1 - r, x0 + r, y1))
    for rounded, square in zip(corners, squares):
        if not rounded:
            d.rectangle(square, fill=255)


def ring(shape, size, width=1):
    """The outline band of a shape, `width` pixels wide, anti-aliased on both sides."""
    return ImageChops.subtract(shape.mask(size), shape.inset(width).mask(size))


def shifted(mask, dx, dy):
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (dx, dy))
    return out


def top_left_edge(mask, n=1):
    """Pixels of the mask that have empty space n pixels above or to the left of them."""
    return ImageChops.subtract(mask, ImageChops.multiply(shifted(mask, n, 0), shifted(mask, 0, n)))


def bottom_right_edge(mask, n=1):
    return ImageChops.subtract(mask, ImageChops.multiply(shifted(mask, -n, 0), shifted(mask, 0, -n)))


def top_edge(mask, n=1):
    return ImageChops.subtract(mask, shifted(mask, 0, n))


def bottom_edge(mask, n=1):
    return ImageChops.subtract(mask, shifted(mask, 0, -n))


def scaled(mask, opacity):
    return mask.point(lambda v: int(round(v * opacity)))


def mask_intersect(a, b):
    return ImageChops.multiply(a, b)


def rect_mask(size, box):
    m = Image.new("L", size, 0)
    x0, y0, x1, y1 = box
    if x1 > x0 and y1 > y0:
        ImageDraw.Draw(m).rectangle([x0, y0, x1 - 1, y1 - 1], fill=255)
    return m


# --------------------------------------------------------------------------------------------------- paint
def vgrad(size, stops, box=None):
    """A vertical gradient image; stops: colours evenly spaced, or (t, colour) pairs, over box's height."""
    w, h = size
    x0, y0, x1, y1 = box or (0, 0, w, h)
    pairs = stops if isinstance(stops[0][0], float) else [(i / max(len(stops) - 1, 1), c) for i, c in enumerate(stops)]
    img = Image.new("RGB", size)
    d = ImageDraw.Draw(img)
    span = max(y1 - y0 - 1, 1)
    for y in range(h):
        t = min(max((y - y0) / span, 0.0), 1.0)
        d.line([(0, y), (w - 1, y)], fill=_at(pairs, t))
    return img


def hgrad(size, stops, box=None):
    w, h = size
    return vgrad((h, w), stops, None if box is None else (box[1], box[0], box[3], box[2])).transpose(
        Image.Transpose.TRANSPOSE)


def _at(pairs, t):
    for (t0, c0), (t1, c1) in zip(pairs, pairs[1:]):
        if t <= t1:
            return mix(c0, c1, 0 if t1 == t0 else (t - t0) / (t1 - t0))
    return pairs[-1][1]


def new_layer(size):
    return Image.new("RGBA", size, (0, 0, 0, 0))


def paint(layer, mask, source):
    """Composes a colour or an RGB image over the layer where the mask covers it."""
    if isinstance(source, tuple):
        src = Image.new("RGBA", layer.size, source[:3] + (255,))
    else:
        src = source.convert("RGBA")
    src.putalpha(mask)
    layer.alpha_composite(src)


def key(layer, backdrop, threshold=128):
    """The layer as a 24-bit image: pixels covered less than threshold/255 become magenta, the rest are
    composed over the backdrop colour."""
    base = Image.new("RGBA", layer.size, backdrop[:3] + (255,))
    base.alpha_composite(layer)
    out = Image.new("RGB", layer.size, MAG)
    kept = layer.getchannel("A").point(lambda v: 255 if v >= threshold else 0)
    out.paste(base.convert("RGB"), (0, 0), kept)
    px = out.load()
    kp = kept.load()
    for y in range(out.height):
        for x in range(out.width):
            if kp[x, y] and px[x, y] == MAG:
                px[x, y] = (254, 0, 254)
    return out


def opaque(layer, backdrop):
    """The layer composed over a solid backdrop (elements drawn without the key)."""
    base = Image.new("RGBA", layer.size, backdrop[:3] + (255,))
    base.alpha_composite(layer)
    return base.convert("RGB")


# --------------------------------------------------------------------------------------------------- shapes
def bevel_box(layer, shape, fill, outline, light=None, shade=None, light_alpha=1.0, shade_alpha=1.0):
    """A raised (or, with light and shade swapped, pressed) rounded box: outline, fill, and a light inner
    edge top-left and a dark inner edge bottom-right."""
    size = layer.size
    body = shape.mask(size)
    inner = shape.inset(1).mask(size)
    paint(layer, body, outline)
    paint(layer, inner, fill)
    if light is not None:
        paint(layer, scaled(top_left_edge(inner), light_alpha), light)
    if shade is not None:
        paint(layer, scaled(bottom_right_edge(inner), shade_alpha), shade)


# --------------------------------------------------------------------------------------------------- glyphs
class Glyph:
    """Vector glyph drawn at SS times the size and reduced: lines, polygons, rectangles in pixel units."""

    def __init__(self, size):
        self.size = size
        self.big = Image.new("L", (size[0] * SS, size[1] * SS), 0)
        self.d = ImageDraw.Draw(self.big)

    def line(self, points, width=1.0):
        pts = [(x * SS, y * SS) for x, y in points]
        self.d.line(pts, fill=255, width=max(1, int(round(width * SS))), joint="curve")
        return self

    def polygon(self, points):
        self.d.polygon([(x * SS, y * SS) for x, y in points], fill=255)
        return self

    def rect(self, box):
        x0, y0, x1, y1 = box
        self.d.rectangle([x0 * SS, y0 * SS, x1 * SS - 1, y1 * SS - 1], fill=255)
        return self

    def frame(self, box, top=1, side=1):
        x0, y0, x1, y1 = box
        self.rect((x0, y0, x1, y0 + top)).rect((x0, y1 - side, x1, y1))
        self.rect((x0, y0, x0 + side, y1)).rect((x1 - side, y0, x1, y1))
        return self

    def ellipse(self, box):
        x0, y0, x1, y1 = box
        self.d.ellipse([x0 * SS, y0 * SS, x1 * SS - 1, y1 * SS - 1], fill=255)
        return self

    def mask(self, size=None, at=(0, 0)):
        small = self.big.resize(self.size, Image.BOX)
        if size is None:
            return small
        out = Image.new("L", size, 0)
        out.paste(small, at)
        return out


def glyph_at(layer, glyph, box, colour, dx=0, dy=0, opacity=1.0):
    """Paints a glyph centred in box (whole-pixel offsets keep straight strokes crisp)."""
    x0, y0, x1, y1 = box
    gw, gh = glyph.size
    at = (x0 + (x1 - x0 - gw) // 2 + dx, y0 + (y1 - y0 - gh) // 2 + dy)
    m = glyph.mask(layer.size, at)
    paint(layer, scaled(m, opacity) if opacity != 1.0 else m, colour)


# --------------------------------------------------------------------------------------------------- strips
def strip(frames):
    """Frames of equal size side by side."""
    w, h = frames[0].size
    out = Image.new(frames[0].mode, (w * len(frames), h), MAG)
    for i, f in enumerate(frames):
        out.paste(f, (i * w, 0))
    return out


def stack(frames):
    w, h = frames[0].size
    out = Image.new(frames[0].mode, (w, h * len(frames)), MAG)
    for i, f in enumerate(frames):
        out.paste(f, (0, i * h))
    return out


def uniform_columns(img, left, right):
    """Makes every column between the margins equal to the first one, so stretching shows no seam."""
    w, h = img.size
    col = img.crop((left, 0, left + 1, h))
    for x in range(left + 1, w - right):
        img.paste(col, (x, 0))
    return img


def uniform_rows(img, top, bottom):
    w, h = img.size
    row = img.crop((0, top, w, top + 1))
    for y in range(top + 1, h - bottom):
        img.paste(row, (0, y))
    return img


# --------------------------------------------------------------------------------------------------- outputs
def write_definition_and_order(folder, definition, bitmaps, comment, twice=()):
    """Writes skin.ini (CR LF lines) and skinpack.order: the bitmaps in name order, the names in `twice` a
    second time, the definition last."""
    with open(os.path.join(folder, "skin.ini"), "w", newline="\r\n") as f:
        f.write(definition)
    names = sorted(bitmaps)
    with open(os.path.join(folder, "skinpack.order"), "w") as f:
        f.write("; " + comment + "\n")
        for name in names + list(twice):
            f.write(name + "\n")
        f.write("skin.ini\n")
    print(f"{len(names)} bitmaps, skin.ini and skinpack.order written to {folder}")
