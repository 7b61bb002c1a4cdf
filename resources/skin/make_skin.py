#!/usr/bin/env python3
"""Draws Grivelle's stored skin "Grivelle Sky" into this folder: the element bitmaps (24-bit, magenta
0xFF00FF where an element is transparent or cut away) and the definition text skin.ini, plus the packing
order skinpack.order (bitmaps first, one name listed twice, the definition text last).

Shapes are drawn anti-aliased at their final size (resources/skin_art/skinart.py): a pixel less than half
covered becomes the key colour, every other edge pixel is blended with the colour the element sits on, so
rounded corners are smooth and no pink fringe survives the transparent drawing or the window regions cut
from the borders. Light comes from the top left. Centres that the painters stretch are uniform along the
stretched axis.

Run with /usr/bin/python3 (needs Pillow). The outputs are kept in the repository; run it again after
changing the artwork and commit both.
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "skin_art"))

from PIL import Image, ImageChops  # noqa: E402

import skinart  # noqa: E402
from skinart import Shape, new_layer, paint, rect_mask, scaled  # noqa: E402

MAG = (255, 0, 255)

# Colours of the banner: dark blue lettering on a pale blue gradient.
INK = (27, 58, 107)
INK_SOFT = (60, 88, 132)
ACCENT = (74, 122, 188)
ACCENT_DARK = (52, 96, 160)
PALE_TOP = (244, 249, 254)
PALE_BOTTOM = (211, 227, 245)
FACE = (236, 242, 249)
TRACK = (233, 240, 248)
LINE = (166, 188, 216)
LINE_SOFT = (199, 213, 231)
OUTLINE = (79, 115, 163)
DISABLED_LINE = (195, 204, 216)
DISABLED_FILL = (242, 245, 249)
DISABLED_INK = (160, 172, 188)
WHITE = (255, 255, 255)

written = []


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def canvas(w, h, colour=MAG):
    return Image.new("RGB", (w, h), colour)


def vgrad(top, bottom):
    """Fill function: a vertical gradient over the shape's own height."""
    return lambda x, y, w, h: mix(top, bottom, y / max(h - 1, 1))


def vgrad2(top, above, below, bottom):
    """Glass: a gradient to just above the middle, a small step, and a deeper gradient below it."""
    def fill(x, y, w, h):
        t = y / max(h - 1, 1)
        return mix(top, above, t / 0.5) if t < 0.5 else mix(below, bottom, (t - 0.5) / 0.5)
    return fill


def hgrad(left, right):
    return lambda x, y, w, h: mix(left, right, x / max(w - 1, 1))


def flat(colour):
    return lambda x, y, w, h: colour


def inside_round(x, y, w, h, r):
    """Is pixel (x, y) of a w x h box inside the rounded rectangle of corner radius r (pixel centres)?"""
    if x < 0 or y < 0 or x >= w or y >= h:
        return False
    if r <= 0:
        return True
    cx = min(max(x + 0.5, r), w - r)
    cy = min(max(y + 0.5, r), h - r)
    return (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r + 0.25


def fill_image(size, box, fill):
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    img = Image.new("RGB", size, (0, 0, 0))
    px = img.load()
    for y in range(max(y0, 0), min(y1, size[1])):
        for x in range(max(x0, 0), min(x1, size[0])):
            px[x, y] = fill(x - x0, y - y0, w, h)
    return img


def settle(img, layer, backdrop):
    """Puts an anti-aliased layer onto img: over magenta it is keyed against the backdrop, over drawn pixels
    composed onto them."""
    keyed = skinart.key(layer, backdrop)
    over = img.convert("RGBA")
    over.alpha_composite(layer)
    over = over.convert("RGB")
    px, kp, op = img.load(), keyed.load(), over.load()
    for y in range(img.height):
        for x in range(img.width):
            px[x, y] = kp[x, y] if px[x, y] == MAG else op[x, y]


def shape(img, box, r, fill, outline=None, highlight=None, corners=(True, True, True, True), backdrop=None,
          shade=None, ellipse=False):
    """Rounded rectangle in box (x0, y0, x1, y1), anti-aliased: fill(x, y, w, h) inside, a 1-pixel outline on
    the edge, an optional light inner edge along the top and left (highlight) and a dark one along the
    bottom and right (shade). A fill of magenta leaves the inside open. corners: which corners (top-left,
    top-right, bottom-right, bottom-left) are rounded. backdrop: what the element sits on (for soft edges)."""
    size = img.size
    s = Shape(box, r, corners, ellipse=ellipse)
    layer = new_layer(size)
    body, inner = s.mask(size), s.inset(1).mask(size)
    hollow = fill(0, 0, 1, 1) == MAG
    if outline is not None:
        paint(layer, ImageChops.subtract(body, inner) if hollow else body, outline)
    if not hollow:
        paint(layer, inner if outline is not None else body, fill_image(size, box, fill))
    if highlight is not None and not hollow:
        paint(layer, scaled(skinart.top_left_edge(inner), 0.9), highlight)
    if shade is not None and not hollow:
        paint(layer, scaled(skinart.bottom_right_edge(inner), 0.5), shade)
    settle(img, layer, backdrop or FACE)


def plot(img, ox, oy, pattern, colour):
    """Pixel art: '#' full colour, '+' half towards what is there."""
    px = img.load()
    for dy, row in enumerate(pattern):
        for dx, ch in enumerate(row):
            if ch == "#":
                px[ox + dx, oy + dy] = colour
            elif ch == "+":
                under = px[ox + dx, oy + dy]
                px[ox + dx, oy + dy] = colour if under == MAG else mix(under, colour, 0.5)


def centred(img, box, pattern, colour, dx=0, dy=0):
    x0, y0, x1, y1 = box
    pw, ph = max(len(r) for r in pattern), len(pattern)
    plot(img, x0 + (x1 - x0 - pw) // 2 + dx, y0 + (y1 - y0 - ph) // 2 + dy, pattern, colour)


def save(img, name):
    img.save(os.path.join(HERE, name), format="BMP")
    written.append(name)


def strip(frames):
    """Frames of equal size side by side."""
    w, h = frames[0].size
    out = canvas(w * len(frames), h)
    for i, f in enumerate(frames):
        out.paste(f, (i * w, 0))
    return out


def stack(frames):
    w, h = frames[0].size
    out = canvas(w, h * len(frames))
    for i, f in enumerate(frames):
        out.paste(f, (0, i * h))
    return out


def rotate_pattern(pattern):
    """A quarter turn clockwise."""
    h, w = len(pattern), len(pattern[0])
    return ["".join(pattern[h - 1 - y][x] for y in range(h)) for x in range(w)]


def flip_pattern(pattern):
    return list(reversed(pattern))


def mirror_pattern(pattern):
    return [row[::-1] for row in pattern]


# ---------------------------------------------------------------------------------------------------
# Window frame: one whole window drawn at 331 x 294 and cut into the four border elements.
# Left and right 4 wide (frames side by side), top 21 high and bottom 4 high (frames stacked).
FRAME_W, FRAME_H, L, T, B = 331, 294, 4, 21, 4
TOP_RADIUS, BOTTOM_RADIUS = 7, 5

FRAME_STATES = {
    # title: glass, bright above its middle and a step deeper below it (top, above, below, foot).
    "active": dict(outline=(56, 92, 144), title=((253, 254, 255), (224, 237, 252), (204, 224, 249), (178, 206, 242)),
                   side=(200, 220, 244), inner=(128, 160, 204), shine=(255, 255, 255), shade=(140, 168, 206),
                   rule=(126, 162, 210)),
    "inactive": dict(outline=(140, 156, 180), title=((253, 253, 254), (240, 243, 247), (230, 235, 242), (216, 224, 234)),
                     side=(228, 234, 242), inner=(186, 198, 214), shine=(255, 255, 255), shade=(196, 206, 220),
                     rule=(190, 202, 218)),
}
DESK = (120, 134, 152)  # what shows through a window corner's soft edge


def window_mask(size):
    w, h = size
    top = Shape((0, 0, w, h), TOP_RADIUS).mask(size)
    bottom = Shape((0, 0, w, h), BOTTOM_RADIUS).mask(size)
    top.paste(bottom.crop((0, h // 2, w, h)), (0, h // 2))
    return top


def window_frame(state):
    c = FRAME_STATES[state]
    size = (FRAME_W, FRAME_H)
    w, h = size
    layer = new_layer(size)
    paint(layer, window_mask(size), c["outline"])
    inner = Image.new("L", size, 0)
    inner.paste(window_mask((w - 2, h - 2)), (1, 1))
    paint(layer, inner, c["side"])
    # The title: a glassy gradient, brightest at the top.
    title = skinart.vgrad(size, [(0.0, c["title"][0]), (0.47, c["title"][1]), (0.53, c["title"][2]),
                                 (1.0, c["title"][3])], (0, 1, w, T - 1))
    paint(layer, ImageChops.darker(inner, rect_mask(size, (0, 0, w, T))), title)
    # Light from the top left: a bright inner edge along the top and left, a darker one along the bottom and right.
    paint(layer, scaled(skinart.top_left_edge(inner), 0.95), c["shine"])
    paint(layer, scaled(skinart.bottom_right_edge(inner), 0.9), c["shade"])
    # The title's foot and the lip around the client area.
    paint(layer, rect_mask(size, (L, T - 1, w - L, T)), c["rule"])
    for box in ((L - 1, T, L, h - B + 1), (w - L, T, w - L + 1, h - B + 1), (L - 1, h - B, w - L + 1, h - B + 1)):
        paint(layer, rect_mask(size, box), c["inner"])
    img = skinart.key(layer, DESK)
    # The client area is not part of any border element; leave it magenta so nothing suggests otherwise.
    img.paste(MAG, (L, T, w - L, h - B))
    return img


def borders():
    frames = {s: window_frame(s) for s in ("active", "inactive")}
    cut = lambda img, box: img.crop(box)
    left = [cut(frames[s], (0, 0, L, FRAME_H)) for s in ("active", "inactive")]
    right = [cut(frames[s], (FRAME_W - L, 0, FRAME_W, FRAME_H)) for s in ("active", "inactive")]
    top = [cut(frames[s], (L, 0, FRAME_W - L, T)) for s in ("active", "inactive")]
    bottom = [cut(frames[s], (L, FRAME_H - B, FRAME_W - L, FRAME_H)) for s in ("active", "inactive")]
    save(strip(left), "frame_left.bmp")  # 8 x 294
    save(strip(right), "frame_right.bmp")
    save(stack(top), "frame_top.bmp")  # 323 x 42
    save(stack(bottom), "frame_bottom.bmp")  # 323 x 8


def menubar():
    frames = []
    for top, bottom, line in ((PALE_BOTTOM, (226, 236, 248), (186, 205, 230)),
                              ((229, 235, 242), (238, 242, 247), (208, 216, 227))):
        f = canvas(40, 19)
        px = f.load()
        for y in range(19):
            for x in range(40):
                px[x, y] = line if y == 18 else mix(top, bottom, y / 17)
        frames.append(f)
    save(stack(frames), "menubar.bmp")  # a vertical strip: active, inactive


# ---------------------------------------------------------------------------------------------------
# Caption buttons: 19 x 21 frames (normal, pressed, hot) in a 58 x 21 strip (the last column unused).
GLYPH_CLOSE = ["#.....#", ".#...#.", "..#.#..", "...#...", "..#.#..", ".#...#.", "#.....#"]
GLYPH_CLOSE = [r.replace("#", "#") for r in GLYPH_CLOSE]
GLYPH_MAX = ["#########", "#########", "#.......#", "#.......#", "#.......#", "#.......#", "#########"]
GLYPH_RESTORE = ["..#######", "..#######", "..#.....#", "#######.#", "#######.#", "#.....###",
                 "#.....#..", "#.....#..", "#######.."]
GLYPH_MIN = ["########", "########"]
GLYPH_PIN = ["..###..", "..#.#..", "..#.#..", ".#####.", "...#...", "...#...", "...#..."]
GLYPH_HELP = [".####.", "##..##", "....##", "...##.", "..##..", "......", "..##.."]
GLYPH_SHADE = ["#######", "#######", "......."]

# A thicker cross for legibility at this size.
GLYPH_CLOSE = ["##....##", "###..###", ".######.", "..####..", "..####..", ".######.", "###..###",
               "##....##"]


TITLE_BACK = (210, 228, 250)  # the title's colour where its buttons sit


def caption_button(glyph, danger=False, glyph_dy=0):
    frames = []
    box = (1, 3, 18, 18)
    for state in ("normal", "pressed", "hot"):
        f = canvas(19, 21)
        ink = INK
        if state == "normal":
            # A faint glass plate, so the buttons read as buttons before the mouse finds them.
            shape(f, box, 3, vgrad((255, 255, 255), (226, 237, 251)), outline=(150, 176, 210), highlight=WHITE,
                  backdrop=TITLE_BACK)
        elif state == "hot":
            if danger:
                shape(f, box, 3, vgrad((244, 120, 106), (200, 52, 42)), outline=(150, 36, 28), highlight=(255, 178, 168),
                      shade=(150, 36, 28), backdrop=TITLE_BACK)
                ink = WHITE
            else:
                shape(f, box, 3, vgrad((255, 255, 255), (190, 218, 252)), outline=(70, 122, 192), highlight=WHITE,
                      shade=(120, 160, 214), backdrop=TITLE_BACK)
        elif state == "pressed":
            if danger:
                shape(f, box, 3, vgrad((168, 40, 32), (210, 74, 62)), outline=(120, 28, 22), highlight=(120, 28, 22),
                      backdrop=TITLE_BACK)
                ink = WHITE
            else:
                shape(f, box, 3, vgrad((160, 190, 228), (200, 220, 245)), outline=(60, 96, 148),
                      highlight=(120, 152, 196), backdrop=TITLE_BACK)
        centred(f, box, glyph, ink, dy=glyph_dy + (1 if state == "pressed" else 0),
                dx=1 if state == "pressed" else 0)
        frames.append(f)
    out = canvas(58, 21)
    out.paste(strip(frames), (0, 0))
    return out


def caption_buttons():
    save(caption_button(GLYPH_CLOSE, danger=True), "btn_close.bmp")
    save(caption_button(GLYPH_MAX), "btn_max.bmp")
    save(caption_button(GLYPH_RESTORE), "btn_restore.bmp")
    save(caption_button(GLYPH_MIN, glyph_dy=3), "btn_min.bmp")
    save(caption_button(GLYPH_PIN), "btn_pin.bmp")
    save(caption_button(GLYPH_HELP), "btn_help.bmp")
    save(caption_button(GLYPH_SHADE), "btn_shade.bmp")
    # The icon button shows the window's icon; its image only tells the frame layout.
    save(canvas(58, 21), "btn_icon.bmp")


def mdi_buttons():
    """12 cells of 15 x 15: minimize, restore, close; each normal, pressed, disabled, hot."""
    cells = []
    small = {
        "min": ["######", "######"],
        "restore": ["..#####", "..#####", "..#...#", "#####.#", "#####.#", "#...##.", "#####.."],
        "close": ["##...##", ".##.##.", "..###..", ".##.##.", "##...##"],
    }
    for name, dy in (("min", 3), ("restore", 0), ("close", 0)):
        for state in ("normal", "pressed", "disabled", "hot"):
            f = canvas(15, 15)
            ink = INK
            if state == "hot":
                shape(f, (0, 0, 15, 15), 3, vgrad(WHITE, (214, 230, 249)), outline=(122, 156, 200))
            elif state == "pressed":
                shape(f, (0, 0, 15, 15), 3, vgrad((181, 205, 235), (204, 222, 244)), outline=(79, 116, 166))
            elif state == "disabled":
                ink = DISABLED_INK
            centred(f, (0, 0, 15, 15), small[name], ink, dy=dy)
            cells.append(f)
    save(strip(cells), "mdi_buttons.bmp")  # 180 x 15


# ---------------------------------------------------------------------------------------------------
# Push button, check box, radio button.
# Light from the top left: a raised button has a bright inner edge at the top and left and a shaded one at
# the bottom and right; pressed, it is sunk (the dark edge at the top and left, the face darker above).
BUTTON_STATES = {
    "normal": dict(fill=vgrad2((255, 255, 255), (236, 243, 252), (222, 234, 249), (204, 220, 242)),
                   outline=(112, 142, 184), shine=WHITE, shade=(158, 182, 214)),
    "pressed": dict(fill=vgrad((150, 182, 224), (198, 218, 244)), outline=(52, 86, 138), shine=(104, 138, 186),
                    shade=None),
    "disabled": dict(fill=flat(DISABLED_FILL), outline=DISABLED_LINE, shine=None, shade=None),
    "hot": dict(fill=vgrad2((255, 255, 255), (230, 242, 255), (200, 225, 253), (170, 206, 250)),
                outline=(48, 106, 188), shine=WHITE, shade=(112, 156, 220)),
    "focused": dict(fill=vgrad2((255, 255, 255), (236, 243, 252), (222, 234, 249), (204, 220, 242)),
                    outline=ACCENT_DARK, shine=(170, 202, 242), shade=(132, 166, 212)),
}


def push_button():
    frames = []
    for state in ("normal", "pressed", "disabled", "hot", "focused"):
        s = BUTTON_STATES[state]
        f = canvas(80, 21)
        shape(f, (0, 0, 80, 21), 3, s["fill"], outline=s["outline"], highlight=s["shine"], shade=s["shade"])
        frames.append(f)
    save(strip(frames), "pushbutton.bmp")  # 400 x 21


CHECK_MARK = ["......#", ".....##", "#...##.", "##.##..", ".###...", "..#...."]
RADIO_DOT = [".###.", "#####", "#####", "#####", ".###."]
INDETERMINATE = ["#####", "#####", "#####", "#####", "#####"]


def box_frame(state, mark, round_box):
    f = canvas(13, 13)
    fills = {"normal": vgrad(WHITE, (234, 241, 250)), "hot": vgrad(WHITE, (220, 234, 250)),
             "pressed": flat((205, 222, 243)), "disabled": flat(DISABLED_FILL)}
    outlines = {"normal": (130, 158, 196), "hot": ACCENT, "pressed": ACCENT_DARK, "disabled": DISABLED_LINE}
    shape(f, (0, 0, 13, 13), 6.5 if round_box else 2, fills[state], outline=outlines[state])
    ink = DISABLED_INK if state == "disabled" else INK
    if mark == "check":
        centred(f, (0, 0, 13, 13), CHECK_MARK, ink)
    elif mark == "dot":
        centred(f, (0, 0, 13, 13), RADIO_DOT, ACCENT if state != "disabled" else DISABLED_INK)
    elif mark == "mixed":
        centred(f, (0, 0, 13, 13), INDETERMINATE, ACCENT if state != "disabled" else DISABLED_INK)
    return f


def check_and_radio():
    states = ("normal", "hot", "pressed", "disabled")
    # 12 frames: unchecked, checked, indeterminate; each normal, hot, pressed, disabled.
    check = [box_frame(s, m, False) for m in (None, "check", "mixed") for s in states]
    save(strip(check), "check.bmp")  # 156 x 13
    radio = [box_frame(s, m, True) for m in (None, "dot") for s in states]
    save(strip(radio), "radio.bmp")  # 104 x 13


# ---------------------------------------------------------------------------------------------------
# Scroll bars.
ARROW = ["...#...", "..###..", ".#####.", "#######"]  # pointing up


def scroll_cell(state, pattern):
    f = canvas(17, 17, TRACK)
    if state == "hot":
        shape(f, (1, 1, 16, 16), 3, vgrad(WHITE, (200, 223, 250)), outline=(96, 140, 200), highlight=WHITE,
              shade=(150, 182, 224), backdrop=TRACK)
    elif state == "pressed":
        shape(f, (1, 1, 16, 16), 3, vgrad((160, 190, 230), (196, 217, 243)), outline=(62, 98, 150),
              highlight=(124, 156, 200), backdrop=TRACK)
    ink = DISABLED_INK if state == "disabled" else INK_SOFT
    centred(f, (0, 0, 17, 17), pattern, ink, dx=1 if state == "pressed" else 0,
            dy=1 if state == "pressed" else 0)
    return f


def grip_cell(state, vertical):
    f = canvas(17, 17)
    ink = {"normal": (236, 243, 251), "pressed": (255, 255, 255), "hot": (248, 251, 255)}[state]
    lines = ["#.#.#", "#.#.#", "#.#.#", "#.#.#", "#.#.#"]
    centred(f, (0, 0, 17, 17), rotate_pattern(lines) if vertical else lines, ink)
    return f


def scroll_bar():
    up = ARROW
    down = flip_pattern(up)
    left = rotate_pattern(flip_pattern(rotate_pattern(up)))  # pointing left
    left = [row for row in ["...#", "..##", ".###", "####", ".###", "..##", "...#"]]
    right = mirror_pattern(left)
    frames = []
    for pattern in (left, right, up, down):
        for state in ("normal", "pressed", "disabled", "hot"):
            frames.append(scroll_cell(state, pattern))
    for vertical in (False, True):
        for state in ("normal", "pressed", "hot"):
            frames.append(grip_cell(state, vertical))
    frames.append(canvas(17, 17, TRACK))  # 23rd frame: the corner between two bars
    save(strip(frames), "scrollbar.bmp")  # 391 x 17


def scroll_tracks():
    def track(w, h, vertical, colour, line):
        f = canvas(w, h, colour)
        px = f.load()
        for i in range(h if vertical else w):
            if vertical:
                px[0, i] = line
            else:
                px[i, 0] = line
        return f
    states = [((233, 240, 248), (218, 228, 240)), ((214, 227, 243), (196, 213, 235)),
              ((244, 246, 249), (232, 236, 241)), ((226, 235, 246), (210, 223, 239))]
    save(strip([track(16, 17, False, c, l) for c, l in states]), "hscroll.bmp")  # 64 x 17
    # Vertical track: the line runs down the left edge.
    frames = []
    for c, l in states:
        f = canvas(17, 16, c)
        px = f.load()
        for y in range(16):
            px[0, y] = l
        frames.append(f)
    save(strip(frames), "vscroll.bmp")  # 68 x 16


THUMB_STATES = (("normal", vgrad((200, 218, 241), (150, 180, 218)), (104, 138, 184)),
                ("pressed", vgrad((110, 150, 204), (78, 118, 176)), (48, 84, 136)),
                ("hot", vgrad((214, 232, 252), (140, 180, 232)), (80, 124, 186)))


def scroll_thumbs():
    horizontal = []
    vertical = []
    for _, fill, outline in THUMB_STATES:
        h = canvas(24, 17)
        shape(h, (0, 2, 24, 15), 5, fill, outline=outline, highlight=mix(fill(0, 0, 1, 2), WHITE, 0.6),
              shade=outline, backdrop=TRACK)
        horizontal.append(h)
        v = canvas(17, 24)
        shape(v, (2, 0, 15, 24), 5, hgrad(fill(0, 0, 1, 2), fill(0, 1, 1, 2)), outline=outline,
              highlight=mix(fill(0, 0, 1, 2), WHITE, 0.6), shade=outline, backdrop=TRACK)
        vertical.append(v)
    save(strip(horizontal), "hthumb.bmp")  # 72 x 17
    save(strip(vertical), "vthumb.bmp")  # 51 x 24


# ---------------------------------------------------------------------------------------------------
# Edit and combo box.
def sunk_edge():
    frames = []
    for outline, fill in ((LINE, WHITE), (ACCENT, WHITE), (DISABLED_LINE, DISABLED_FILL), (ACCENT, WHITE)):
        f = canvas(24, 21)
        shape(f, (0, 0, 24, 21), 2, flat(fill), outline=outline)
        frames.append(f)
    save(strip(frames), "sunkedge.bmp")  # 96 x 21


def combo_button():
    frames = []
    looks = ((vgrad((250, 252, 255), (226, 236, 248)), LINE),
             (vgrad((190, 211, 238), (208, 224, 245)), ACCENT),
             (flat(DISABLED_FILL), DISABLED_LINE),
             (vgrad((255, 255, 255), (208, 226, 249)), ACCENT))
    for fill, outline in looks:
        f = canvas(17, 21)
        shape(f, (0, 0, 17, 21), 2, fill, outline=outline, corners=(False, True, True, False))
        frames.append(f)
    save(strip(frames), "combobutton.bmp")  # 68 x 21


COMBO_ARROW = ["#######", ".#####.", "..###..", "...#..."]
SIZE_GRIP = ["..........#", "...........", "........#.#", "...........", "......#.#.#", "...........",
             "....#.#.#.#", "...........", "..#.#.#.#.#", "...........", "#.#.#.#.#.#"]


def extra_images():
    frames = []
    for state in ("normal", "pressed", "disabled", "hot"):
        f = canvas(12, 12)
        ink = DISABLED_INK if state == "disabled" else (INK if state != "hot" else ACCENT_DARK)
        centred(f, (0, 0, 12, 12), COMBO_ARROW, ink, dy=1 if state == "pressed" else 0)
        frames.append(f)
    grip = canvas(12, 12)
    plot(grip, 0, 0, SIZE_GRIP, (150, 172, 202))
    frames.append(grip)
    save(strip(frames), "extraimages.bmp")  # 60 x 12


# ---------------------------------------------------------------------------------------------------
# Progress bar, track bar, up-down.
def progress():
    trough = canvas(40, 16)
    shape(trough, (0, 0, 40, 16), 3, vgrad((224, 233, 244), (240, 245, 251)), outline=LINE)
    bar = canvas(40, 16)
    shape(bar, (0, 0, 40, 16), 3, vgrad((130, 180, 236), (60, 118, 196)), outline=(46, 94, 160),
          highlight=(176, 210, 246))
    save(strip([trough, bar]), "progress.bmp")  # 80 x 16
    # The chunk is drawn copied (the chunk variant does not key it): its gap is the trough's colour.
    chunk = canvas(8, 12, (232, 239, 248))
    shape(chunk, (0, 0, 7, 12), 1, vgrad((130, 180, 236), (60, 118, 196)))
    px = chunk.load()
    for x, y in ((0, 0), (6, 0), (0, 11), (6, 11)):
        px[x, y] = (232, 239, 248)
    save(chunk, "progress_chunk.bmp")


def track_images():
    track = canvas(16, 4)
    px = track.load()
    rows = [(150, 172, 202), (214, 225, 240), (232, 239, 248), (255, 255, 255)]
    for y, c in enumerate(rows):
        for x in range(16):
            px[x, y] = c
    for x, y in ((0, 0), (15, 0), (0, 3), (15, 3)):
        px[x, y] = MAG
    save(track, "track.bmp")
    save(track.transpose(Image.Transpose.TRANSPOSE), "trackvert.bmp")


def trackbar_thumbs():
    looks = (("normal", vgrad(WHITE, (214, 229, 248)), (106, 140, 186)),
             ("pressed", vgrad((176, 202, 236), (196, 216, 242)), ACCENT_DARK),
             ("disabled", flat(DISABLED_FILL), DISABLED_LINE),
             ("hot", vgrad(WHITE, (200, 222, 250)), ACCENT),
             ("focused", vgrad(WHITE, (214, 229, 248)), ACCENT))

    def pointer(w, h, tip):
        """A thumb with a point on one side: tip is 'down', 'up' or None (a plain pill)."""
        cx = (w - 1) / 2

        def inside(x, y):
            if x < 0 or y < 0 or x >= w or y >= h:
                return False
            if tip is None:
                return inside_round(x, y, w, h, 4)
            yy = y if tip == "down" else h - 1 - y
            if yy < h - 5:
                return inside_round(x, yy, w, h - 5 + 2, 2) or yy >= 2
            k = yy - (h - 6)
            return abs(x - cx) <= cx * (1 - k / 5.0) + 0.01

        frames = []
        for _, fill, outline in looks:
            f = canvas(w, h)
            px = f.load()
            for y in range(h):
                for x in range(w):
                    if not inside(x, y):
                        continue
                    edge = not (inside(x - 1, y) and inside(x + 1, y) and inside(x, y - 1) and inside(x, y + 1))
                    px[x, y] = outline if edge else fill(x, y, w, h)
            frames.append(f)
        return frames

    horz = pointer(11, 19, None)
    save(strip(horz), "thumb_horz.bmp")
    save(strip([f.transpose(Image.Transpose.TRANSPOSE) for f in horz]), "thumb_vert.bmp")
    down = pointer(11, 19, "down")
    up = pointer(11, 19, "up")
    save(strip(down), "thumb_down.bmp")
    save(strip(up), "thumb_up.bmp")
    save(strip([f.transpose(Image.Transpose.TRANSPOSE) for f in down]), "thumb_right.bmp")
    save(strip([f.transpose(Image.Transpose.TRANSPOSE) for f in up]), "thumb_left.bmp")


def updown():
    def cells(w, h, glyphs, corner_sets):
        buttons = []
        glyph_cells = []
        for glyph, corners in zip(glyphs, corner_sets):
            for state in ("normal", "pressed", "disabled", "hot"):
                b = canvas(w, h)
                look = BUTTON_STATES[state]
                shape(b, (0, 0, w, h), 2, look["fill"], outline=look["outline"], corners=corners)
                buttons.append(b)
                g = canvas(w, h)
                ink = DISABLED_INK if state == "disabled" else INK
                centred(g, (0, 0, w, h), glyph, ink, dx=1 if state == "pressed" else 0)
                glyph_cells.append(g)
        return buttons, glyph_cells

    small_up = ["..#..", ".###.", "#####"]
    small_down = flip_pattern(small_up)
    small_left = ["..#", ".##", "###", ".##", "..#"]
    small_right = mirror_pattern(small_left)
    b, g = cells(13, 17, (small_left, small_right), ((True, False, False, True), (False, True, True, False)))
    save(strip(b), "updown_h.bmp")  # 104 x 17
    save(strip(g), "updown_h_glyph.bmp")
    b, g = cells(17, 10, (small_up, small_down), ((True, True, False, False), (False, False, True, True)))
    save(strip(b), "updown_v.bmp")  # 136 x 10
    save(strip(g), "updown_v_glyph.bmp")


# ---------------------------------------------------------------------------------------------------
# Tabs, group box, status bar, header, tool bar, menus.
def tabs():
    frames = []
    looks = (("normal", vgrad((246, 249, 253), (225, 234, 246)), LINE, None),
             ("selected", flat(WHITE), (142, 169, 204), ACCENT),
             ("disabled", flat(DISABLED_FILL), DISABLED_LINE, None),
             ("hot", vgrad(WHITE, (214, 229, 248)), (122, 156, 200), None),
             ("focused", flat(WHITE), ACCENT, ACCENT))
    for _, fill, outline, top in looks:
        f = canvas(40, 22)
        shape(f, (0, 0, 40, 23), 3, fill, outline=outline, corners=(True, True, False, False))
        px = f.load()
        if top:
            for x in range(2, 38):
                px[x, 1] = top
        frames.append(f)
    save(strip(frames), "tabs.bmp")  # 200 x 22
    pane = canvas(40, 40, WHITE)
    shape(pane, (0, 0, 40, 40), 0, flat(WHITE), outline=(142, 169, 204))
    save(pane, "tab_border.bmp")
    save(pane, "tab_pane.bmp")


def group_box():
    frames = []
    for outline in (LINE, DISABLED_LINE):
        f = canvas(20, 20)
        shape(f, (0, 0, 20, 20), 4, flat(MAG), outline=outline)
        frames.append(f)
    save(strip(frames), "groupbox_edge.bmp")  # 40 x 20
    label = canvas(20, 18)
    shape(label, (0, 0, 20, 18), 4, vgrad(PALE_TOP, PALE_BOTTOM), outline=LINE_SOFT)
    save(label, "groupbox.bmp")


def status_bar():
    frames = []
    for kind in ("lowered", "raised", "flat"):
        f = canvas(20, 20, FACE)
        px = f.load()
        for i in range(20):
            if kind == "lowered":
                px[i, 0] = px[0, i] = LINE_SOFT
                px[i, 19] = px[19, i] = WHITE
            elif kind == "raised":
                px[i, 0] = px[0, i] = WHITE
                px[i, 19] = px[19, i] = LINE_SOFT
        frames.append(f)
    save(strip(frames), "statusbar.bmp")  # 60 x 20


def header_bar():
    frames = []
    for top, bottom in ((WHITE, (229, 237, 247)), ((246, 250, 255), (210, 227, 248)),
                        ((206, 222, 242), (220, 232, 246)), (DISABLED_FILL, DISABLED_FILL), (WHITE, (229, 237, 247))):
        f = canvas(40, 20)
        px = f.load()
        for y in range(20):
            for x in range(40):
                px[x, y] = mix(top, bottom, y / 18)
        for x in range(40):
            px[x, 19] = LINE
        for y in range(3, 17):
            px[39, y] = LINE_SOFT
        frames.append(f)
    save(strip(frames), "headerbar.bmp")  # 200 x 20


def tool_bars():
    frames = []
    for state in ("normal", "pressed", "disabled", "hot", "checked"):
        f = canvas(24, 24)
        if state == "hot":
            shape(f, (0, 0, 24, 24), 3, vgrad(WHITE, (214, 230, 249)), outline=(122, 156, 200))
        elif state in ("pressed", "checked"):
            shape(f, (0, 0, 24, 24), 3, vgrad((190, 211, 238), (208, 224, 245)), outline=(85, 122, 172))
        frames.append(f)
    save(strip(frames), "toolbars.bmp")  # 120 x 24


def menus():
    frames = []
    for state in ("normal", "separator", "disabled", "selected", "pressed"):
        f = canvas(40, 20)
        if state == "separator":
            px = f.load()
            for x in range(2, 38):
                px[x, 16] = LINE_SOFT
                px[x, 17] = WHITE
        elif state in ("selected", "pressed"):
            shape(f, (1, 0, 39, 20), 3, vgrad((232, 241, 252), (208, 226, 248)), outline=(132, 166, 212))
        frames.append(f)
    save(strip(frames), "menuitem.bmp")  # 200 x 20
    back = canvas(40, 40, (252, 253, 255))
    px = back.load()
    for i in range(40):
        for edge in ((i, 0), (i, 39), (0, i), (39, i)):
            px[edge] = (128, 154, 190)
        for edge in ((i, 1), (i, 38), (1, i), (38, i)):
            if 0 < i < 39:
                px[edge] = WHITE
    save(back, "menuback.bmp")


# ---------------------------------------------------------------------------------------------------
DEFINITION = """\
; Grivelle Sky: the stored skin of Grivelle.
; Dark blue lettering on a pale blue gradient, rounded window corners cut with magenta (255 0 255).

[TitlebarSkin]
SkinName=Grivelle Sky

[Personality]
Left=frame_left.bmp
LeftTopHeight=21
LeftBotHeight=6
LeftFrame=2
LeftStretch=1
LeftTrans=1
Right=frame_right.bmp
RightTopHeight=21
RightBotHeight=6
RightFrame=2
RightStretch=1
RightTrans=1
Top=frame_top.bmp
TopTopHeight=8
TopBotHeight=8
TopFrame=2
TopStretch=1
TopTrans=1
Bottom=frame_bottom.bmp
BottomTopHeight=6
BottomBotHeight=6
BottomFrame=2
BottomStretch=1
BottomTrans=1
TextShift=25
TextShiftVert=0
TextRightClip=72
TextAlignment=0
Textbackground=0
TXTBackleft=0
TXTBackRight=0
ActiveTextR=27
ActiveTextG=58
ActiveTextB=107
InActiveTextR=120
InActiveTextG=138
InActiveTextB=164
menuBar=menubar.bmp
TileMenu=1
TileLeftMenu=4
TileRightMenu=4

[Fonts]
FontHeight=14

[Colours]
WindowText=28 43 69
ButtonFace=236 242 249
Scrollbar=233 240 248
HilightText=255 255 255
Hilight=74 122 188
Menubar=226 236 248
Menu=252 253 255
MenuText=28 43 69
ButtonText=27 58 107
ButtonHilight=255 255 255
Buttonlight=246 249 253
ButtonShadow=160 180 206
ButtonDkShadow=92 112 140
MenuBarText=27 58 107
TitleTextActive=27 58 107
TitleTextNoActive=120 138 164

[Colour1]
color=27 58 107

[Colour2]
color=74 122 188

[Colour3]
color=255 255 255

[Colour4]
color=120 138 164

[Customcolors]
Color0=27 58 107
Color1=74 122 188
Color2=130 180 236
Color3=211 227 245
Color4=236 242 249
Color5=244 249 254
Color6=166 188 216
Color7=120 138 164
Color8=206 58 48
Color9=255 255 255

; Caption buttons: 19 x 21 frames (normal, pressed, hot); Align 1 counts from the window's right edge.
[ButtonIcon]
ButtonImage=btn_icon.bmp
Action=3
Align=0
Xcoord=5
Ycoord=2
Visibility=0
Visibility1=0

[ButtonClose]
ButtonImage=btn_close.bmp
Action=0
Align=1
Xcoord=25
Ycoord=0
Visibility=0
Visibility1=0

[ButtonMax]
ButtonImage=btn_max.bmp
Action=1
Align=1
Xcoord=45
Ycoord=0
Visibility=2
Visibility1=6

[ButtonRestore]
ButtonImage=btn_restore.bmp
Action=1
Align=1
Xcoord=45
Ycoord=0
Visibility=1
Visibility1=6

[ButtonMin]
ButtonImage=btn_min.bmp
Action=2
Align=1
Xcoord=65
Ycoord=0
Visibility=6
Visibility1=6

; Shown only to windows that ask for them (WM_SKIN_BUTTONVISIBLE).
[ButtonPin]
ButtonImage=btn_pin.bmp
Action=40
Align=1
Xcoord=85
Ycoord=0
Visibility=1000
Visibility1=0

[ButtonHelp]
ButtonImage=btn_help.bmp
Action=41
Align=1
Xcoord=105
Ycoord=0
Visibility=1001
Visibility1=0

; A roll-up button this skin does not offer: Action -1 with a visibility drops the section.
[ButtonShade]
ButtonImage=btn_shade.bmp
Action=-1
Align=1
Xcoord=125
Ycoord=0
Visibility=1

[MDICONTROLS]
Image=mdi_buttons.bmp

[Buttons]
Bitmap=pushbutton.bmp
LeftWidth=4
TopHeight=4
RightWidth=4
BottomHeight=4
Trans=1
Tile=0
CheckButton=check.bmp
RadioButton=radio.bmp
NormalColour=0
MouseOverColour=0
PressedColour=0
NormalColour2=27 58 107
MouseOverColour2=16 44 92
PressedColour2=16 44 92

[Progress]
Bitmap=progress.bmp
Style=0
LeftWidth=4
TopHeight=4
RightWidth=4
BottomHeight=4
Trans=1
Tile=0

[Progress.Chunk]
Image=progress_chunk.bmp
Frame=1
Tile=1

[GroupBoxEdge]
Image=groupbox_edge.bmp
LeftWidth=5
TopHeight=5
RightWidth=5
BottomHeight=5
Trans=1

[GroupBox]
Image=groupbox.bmp
LeftWidth=5
TopHeight=5
RightWidth=5
BottomHeight=5
Trans=1
BackgroundAlignment=0
BackgroundLeftShift=4
BackgroundRightShift=4

[Tabs]
Image=tabs.bmp
Border=tab_border.bmp
Style=0
LeftWidth=4
TopHeight=4
RightWidth=4
BottomHeight=2
Trans=1
Tile=0
NormalColour2=60 88 132
MouseOverColour2=27 58 107

[StatusBarEdges]
Image=statusbar.bmp
LeftWidth=2
TopHeight=2
RightWidth=2
BottomHeight=2
NormalColour2=27 58 107

[Tab.Pane]
Image=tab_pane.bmp
LeftWidth=4
TopHeight=4
RightWidth=4
BottomHeight=4

[ToolBars]
Image=toolbars.bmp
LeftWidth=4
TopHeight=4
RightWidth=4
BottomHeight=4
Trans=1

[ComboButton]
Image=combobutton.bmp
LeftWidth=2
TopHeight=3
RightWidth=3
BottomHeight=3
Trans=1

[SunkEdge]
Image=sunkedge.bmp
LeftWidth=3
TopHeight=3
RightWidth=3
BottomHeight=3
Trans=1

[ExtraImages]
Image=extraimages.bmp
Trans=1

[Headerbar]
Image=headerbar.bmp
LeftWidth=2
TopHeight=2
RightWidth=3
BottomHeight=2

[MenuItem]
Image=menuitem.bmp
LeftWidth=4
TopHeight=4
RightWidth=4
BottomHeight=4
Trans=1

[MenuBackground]
Image=menuback.bmp
LeftWidth=3
TopHeight=3
RightWidth=3
BottomHeight=3

[Scrollbar]
Image=scrollbar.bmp
Trans=1

[HorzScroll]
Image=hscroll.bmp
LeftWidth=1
RightWidth=1

[VertScroll]
Image=vscroll.bmp
TopHeight=1
BottomHeight=1

[HorzScrollThumb]
Image=hthumb.bmp
FrameCount=3
LeftWidth=6
TopHeight=5
RightWidth=6
BottomHeight=5
Trans=1

[VertScrollThumb]
Image=vthumb.bmp
FrameCount=3
LeftWidth=5
TopHeight=6
RightWidth=5
BottomHeight=6
Trans=1

[Trackbar.ThumbHorz]
Image=thumb_horz.bmp
LeftWidth=4
TopHeight=4
RightWidth=4
BottomHeight=4
Trans=1

[Trackbar.ThumbVert]
Image=thumb_vert.bmp
LeftWidth=4
TopHeight=4
RightWidth=4
BottomHeight=4
Trans=1

[Trackbar.ThumbLeft]
Image=thumb_left.bmp
LeftWidth=7
RightWidth=3
Trans=1

[Trackbar.ThumbRight]
Image=thumb_right.bmp
LeftWidth=3
RightWidth=7
Trans=1

[Trackbar.ThumbUp]
Image=thumb_up.bmp
TopHeight=7
BottomHeight=3
Trans=1

[Trackbar.ThumbDown]
Image=thumb_down.bmp
TopHeight=3
BottomHeight=7
Trans=1

[UpDown.Horz]
Image=updown_h.bmp
GlyphImage=updown_h_glyph.bmp
LeftWidth=3
TopHeight=3
RightWidth=3
BottomHeight=3
Trans=1

[UpDown.Vert]
Image=updown_v.bmp
GlyphImage=updown_v_glyph.bmp
LeftWidth=3
TopHeight=3
RightWidth=3
BottomHeight=3
Trans=1

[Track]
Image=track.bmp
LeftWidth=3
TopHeight=1
RightWidth=3
BottomHeight=1
Frame=1
Trans=1

[TRACKVERT]
Image=trackvert.bmp
LeftWidth=1
TopHeight=3
RightWidth=1
BottomHeight=3
Frame=1
Trans=1
"""

# The name listed twice in the package: the reader always hands out its first occurrence.
DUPLICATED = "track.bmp"


def main():
    borders()
    menubar()
    caption_buttons()
    mdi_buttons()
    push_button()
    check_and_radio()
    scroll_bar()
    scroll_tracks()
    scroll_thumbs()
    sunk_edge()
    combo_button()
    extra_images()
    progress()
    track_images()
    trackbar_thumbs()
    updown()
    tabs()
    group_box()
    status_bar()
    header_bar()
    tool_bars()
    menus()
    skinart.write_definition_and_order(
        HERE, DEFINITION, written,
        "Packing order of the stored skin: every bitmap, one name twice, the definition text last.", [DUPLICATED])

if __name__ == "__main__":
    sys.exit(main())
