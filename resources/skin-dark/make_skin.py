#!/usr/bin/env python3
"""Draws Grivelle's second skin "Grivelle Ember" into this folder: charcoal surfaces lit from the top left,
light lettering, and an amber accent for focus, selection and progress. Writes the element bitmaps (24-bit,
magenta 0xFF00FF where an element is transparent or cut away), the definition text skin.ini and the packing
order skinpack.order (bitmaps in name order, the definition text last).

Its geometry differs from the stored skin on purpose: borders 6 pixels wide, a 28-pixel title with an amber
rule along its foot, caption buttons of four frames (normal, pressed, hot, inactive) floating 5 pixels below
the top with gaps between them, a wider close button, and 16-pixel check and radio cells.

Run with /usr/bin/python3 (needs Pillow). The outputs are kept in the repository; run it again after
changing the artwork and commit both.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "skin_art"))

from PIL import Image, ImageChops  # noqa: E402

from skinart import (MAG, Drawn, Glyph, Shape, bevel_box, bottom_right_edge, darker, glyph_at, hgrad,  # noqa: E402
                     key, lighter, mix, new_layer, opaque, paint, rect_mask, ring, rounded_box, scaled, stack, strip,
                     top_edge, top_left_edge, uniform_columns, uniform_rows, vgrad, write_definition_and_order)

# --------------------------------------------------------------------------------------------------- palette
OUTLINE = (16, 18, 21)
FACE = (46, 50, 56)          # ButtonFace: what most controls sit on
FIELD = (29, 32, 36)         # edit fields, tracks, menus' sunk parts
PANEL = (54, 59, 67)         # tab pane and selected tab
TEXT = (228, 231, 236)
TEXT_DIM = (142, 148, 158)
AMBER = (236, 164, 64)
AMBER_LIGHT = (252, 204, 128)
AMBER_DARK = (186, 116, 32)
RED = (214, 74, 60)
DISABLED_FILL = (47, 50, 55)
DISABLED_LINE = (60, 64, 70)
DISABLED_INK = (98, 103, 112)
DESK = (72, 76, 82)          # what shows through a window corner's soft edge

written = []


def save(img, name):
    assert img.mode == "RGB"
    img.save(os.path.join(HERE, name), format="BMP")
    written.append(name)


# --------------------------------------------------------------------------------------------------- frame
# One whole window drawn at FRAME_W x FRAME_H and cut into the four border elements: left and right 6 wide
# (frames side by side), top 28 high and bottom 6 high (frames stacked).
FRAME_W, FRAME_H, L, T, B = 344, 300, 6, 28, 6
TOP_RADIUS, BOTTOM_RADIUS = 9, 5

FRAME_STATES = {
    "active": dict(outline=OUTLINE, title=((74, 81, 92), (52, 57, 65), (42, 46, 52)), side=(44, 48, 55),
                   light=(112, 120, 133), shade=(26, 28, 32), rule=(AMBER, AMBER_DARK), client=(20, 22, 25)),
    "inactive": dict(outline=(24, 26, 29), title=((58, 62, 69), (47, 50, 56), (41, 44, 49)), side=(42, 45, 50),
                     light=(82, 87, 95), shade=(30, 32, 36), rule=((88, 93, 101), (64, 68, 75)),
                     client=(26, 28, 31)),
}


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
    outer = window_mask(size)
    paint(layer, outer, c["outline"])
    inner = Image.new("L", size, 0)
    inner.paste(window_mask((w - 2, h - 2)), (1, 1))
    # Sides and foot, then the title's gradient over the top T rows.
    paint(layer, inner, c["side"])
    title = vgrad(size, [(0.0, c["title"][0]), (0.45, c["title"][1]), (1.0, c["title"][2])], (0, 1, w, T - 2))
    paint(layer, ImageChops.darker(inner, rect_mask(size, (0, 0, w, T))), title)
    # Light from the top left: a bright inner edge along the top and left, a dark one along the bottom and right.
    paint(layer, scaled(top_left_edge(inner), 0.9), c["light"])
    paint(layer, scaled(bottom_right_edge(inner), 0.9), c["shade"])
    # The amber rule under the title, then the dark lip around the client area (it is sunk into the frame).
    paint(layer, rect_mask(size, (L, T - 2, w - L, T - 1)), c["rule"][0])
    paint(layer, rect_mask(size, (L, T - 1, w - L, T)), c["rule"][1])
    for box in ((L - 1, T, L, h - B + 1), (w - L, T, w - L + 1, h - B + 1), (L - 1, h - B, w - L + 1, h - B + 1)):
        paint(layer, rect_mask(size, box), c["client"])
    img = key(layer, DESK)
    # The client area belongs to no border element: magenta, so nothing suggests otherwise.
    img.paste(MAG, (L, T, w - L, h - B))
    return img


def borders():
    frames = {s: window_frame(s) for s in ("active", "inactive")}
    states = ("active", "inactive")
    left = [frames[s].crop((0, 0, L, FRAME_H)) for s in states]
    right = [frames[s].crop((FRAME_W - L, 0, FRAME_W, FRAME_H)) for s in states]
    top = [frames[s].crop((L, 0, FRAME_W - L, T)) for s in states]
    bottom = [frames[s].crop((L, FRAME_H - B, FRAME_W - L, FRAME_H)) for s in states]
    save(strip(left), "frame_left.bmp")      # 12 x 300
    save(strip(right), "frame_right.bmp")
    save(stack(top), "frame_top.bmp")        # 332 x 56
    save(stack(bottom), "frame_bottom.bmp")  # 332 x 12
    return frames


def menubar():
    frames = []
    for top, bottom, line in (((50, 55, 62), (44, 48, 55), (24, 26, 30)), ((46, 49, 55), (42, 45, 50), (30, 32, 36))):
        size = (40, 19)
        img = vgrad(size, [top, bottom], (0, 0, 40, 18))
        img.paste(line, (0, 18, 40, 19))
        img.paste(mix(top, (255, 255, 255), 0.08), (0, 0, 40, 1))
        frames.append(img)
    save(stack(frames), "menubar.bmp")  # 40 x 38: active, inactive


# --------------------------------------------------------------------------------------------------- caption
# Four frames per button: normal, pressed, hot, inactive (also used while the button is disabled).
CAPTION_H = 18
TITLE_MID = (52, 57, 65)  # the title's colour where the buttons sit


def glyph_close(size=(10, 10)):
    return Glyph(size).line([(1, 1), (9, 9)], 1.7).line([(1, 9), (9, 1)], 1.7)


def glyph_max():
    return Glyph((10, 9)).frame((0, 0, 10, 9), top=2)


def glyph_restore():
    return Glyph((11, 10)).frame((3, 0, 11, 7), top=2).rect((0, 3, 8, 10)).frame((0, 3, 8, 10), top=2)


def glyph_min():
    return Glyph((10, 9)).rect((0, 7, 10, 9))


def glyph_pin():
    g = Glyph((9, 11))
    g.rect((2, 0, 7, 1)).rect((3, 1, 6, 5)).rect((1, 5, 8, 6)).line([(4.5, 6), (4.5, 11)], 1.2)
    return g


def glyph_help():
    g = Glyph((8, 11))
    g.line([(1.2, 3.2), (1.6, 1.6), (4, 0.8), (6.4, 1.6), (6.8, 3.4), (5.6, 4.8), (4, 5.8), (4, 7.6)], 1.6)
    g.rect((3, 9, 5, 11))
    return g


CAPTION_LOOKS = {
    "normal": dict(fill=((72, 79, 90), (56, 61, 70)), outline=(26, 28, 32), light=(112, 120, 133), ink=(214, 218, 224)),
    "pressed": dict(fill=((34, 37, 42), (44, 48, 55)), outline=(16, 18, 21), light=None, ink=(196, 200, 206)),
    "hot": dict(fill=((104, 113, 128), (78, 85, 97)), outline=(26, 28, 32), light=(150, 158, 172), ink=(255, 255, 255)),
    "inactive": dict(fill=None, outline=None, light=None, ink=(112, 117, 126)),
}
CLOSE_LOOKS = {
    "normal": dict(fill=((92, 62, 60), (70, 48, 47)), outline=(30, 20, 19), light=(130, 92, 88), ink=(236, 222, 220)),
    "pressed": dict(fill=((138, 36, 28), (164, 48, 38)), outline=(60, 14, 10), light=None, ink=(255, 230, 226)),
    "hot": dict(fill=((232, 98, 82), (190, 54, 42)), outline=(70, 18, 12), light=(248, 150, 136), ink=(255, 255, 255)),
    "inactive": dict(fill=None, outline=None, light=None, ink=(112, 117, 126)),
}


def caption_button(glyph, width, looks):
    frames = []
    for state in ("normal", "pressed", "hot", "inactive"):
        look = looks[state]
        size = (width, CAPTION_H)
        layer = new_layer(size)
        shape = Shape((0, 0, width, CAPTION_H), 4)
        if look["fill"]:
            bevel_box(layer, shape, vgrad(size, list(look["fill"])), look["outline"], light=look["light"],
                      light_alpha=0.8, shade=(0, 0, 0), shade_alpha=0.18)
            if state == "pressed":
                paint(layer, scaled(top_left_edge(shape.inset(1).mask(size)), 0.7), (10, 11, 13))
        else:
            paint(layer, scaled(ring(shape, size), 0.35), (30, 32, 36))
        d = 1 if state == "pressed" else 0
        glyph_at(layer, glyph, (0, 0, width, CAPTION_H), look["ink"], dx=d, dy=d)
        frames.append(key(layer, TITLE_MID))
    return strip(frames)


def caption_buttons():
    save(caption_button(glyph_close(), 34, CLOSE_LOOKS), "btn_close.bmp")       # 136 x 18
    save(caption_button(glyph_max(), 26, CAPTION_LOOKS), "btn_max.bmp")         # 104 x 18
    save(caption_button(glyph_restore(), 26, CAPTION_LOOKS), "btn_restore.bmp")
    save(caption_button(glyph_min(), 26, CAPTION_LOOKS), "btn_min.bmp")
    save(caption_button(glyph_pin(), 26, CAPTION_LOOKS), "btn_pin.bmp")
    save(caption_button(glyph_help(), 26, CAPTION_LOOKS), "btn_help.bmp")
    # The icon button shows the window's icon; its image only tells the layout.
    save(Image.new("RGB", (48, 16), MAG), "btn_icon.bmp")


def mdi_buttons():
    """12 cells of 16 x 16: minimize, restore, close; each normal, pressed, disabled, hot."""
    cells = []
    glyphs = {"min": Glyph((8, 8)).rect((0, 6, 8, 8)),
              "restore": Glyph((9, 8)).frame((2, 0, 9, 5), top=2).rect((0, 3, 7, 8)).frame((0, 3, 7, 8), top=2),
              "close": Glyph((8, 8)).line([(1, 1), (7, 7)], 1.5).line([(1, 7), (7, 1)], 1.5)}
    for name in ("min", "restore", "close"):
        for state in ("normal", "pressed", "disabled", "hot"):
            size = (16, 16)
            layer = new_layer(size)
            shape = Shape((0, 0, 16, 16), 3)
            look = {"normal": CAPTION_LOOKS["normal"], "pressed": CAPTION_LOOKS["pressed"],
                    "hot": CAPTION_LOOKS["hot"], "disabled": CAPTION_LOOKS["inactive"]}[state]
            if look["fill"]:
                bevel_box(layer, shape, vgrad(size, list(look["fill"])), look["outline"], light=look["light"],
                          light_alpha=0.8)
            d = 1 if state == "pressed" else 0
            glyph_at(layer, glyphs[name], (0, 0, 16, 16), look["ink"], dx=d, dy=d)
            cells.append(key(layer, (44, 48, 55)))
    save(strip(cells), "mdi_buttons.bmp")  # 192 x 16


# --------------------------------------------------------------------------------------------------- buttons
BUTTON_W, BUTTON_H, BUTTON_R = 72, 24, 5
BUTTON_LOOKS = {
    "normal": dict(fill=((84, 91, 103), (62, 67, 76)), outline=OUTLINE, light=(128, 136, 150), ring=None),
    "pressed": dict(fill=((34, 37, 42), (46, 50, 57)), outline=OUTLINE, light=None, ring=None),
    "disabled": dict(fill=((52, 55, 61), (50, 53, 59)), outline=(36, 38, 42), light=None, ring=None),
    "hot": dict(fill=((106, 115, 130), (78, 85, 97)), outline=OUTLINE, light=(160, 168, 182), ring=None),
    "focused": dict(fill=((84, 91, 103), (62, 67, 76)), outline=OUTLINE, light=(128, 136, 150), ring=AMBER),
}


def button_frame(size, r, look, corners=(True, True, True, True)):
    w, h = size
    layer = new_layer(size)
    shape = Shape((0, 0, w, h), r, corners)
    bevel_box(layer, shape, vgrad(size, list(look["fill"]), (0, 1, w, h - 1)), look["outline"],
              light=look["light"], light_alpha=0.85, shade=(0, 0, 0), shade_alpha=0.22)
    if look["fill"][0][0] < 40:  # pressed: the shadow falls on the inner top and left edges
        paint(layer, scaled(top_left_edge(shape.inset(1).mask(size)), 0.8), (8, 9, 11))
        paint(layer, scaled(top_left_edge(shape.inset(2).mask(size)), 0.35), (8, 9, 11))
    if look.get("ring"):
        paint(layer, scaled(ring(shape.inset(1), size), 0.9), look["ring"])
    return layer


def push_button():
    frames = []
    for state in ("normal", "pressed", "disabled", "hot", "focused"):
        layer = button_frame((BUTTON_W, BUTTON_H), BUTTON_R, BUTTON_LOOKS[state])
        frames.append(uniform_columns(key(layer, FACE), 6, 6))
    save(strip(frames), "pushbutton.bmp")  # 360 x 24


def box_frame(state, mark, round_box):
    size = (16, 16)
    layer = new_layer(size)
    shape = Shape((1, 1, 15, 15), 7 if round_box else 3, ellipse=round_box)
    fills = {"normal": ((24, 26, 30), (36, 39, 44)), "hot": ((30, 33, 38), (44, 48, 54)),
             "pressed": ((18, 20, 23), (26, 28, 32)), "disabled": ((44, 47, 52), (44, 47, 52))}
    outlines = {"normal": (12, 13, 15), "hot": mix(AMBER, (12, 13, 15), 0.35), "pressed": AMBER_DARK,
                "disabled": DISABLED_LINE}
    paint(layer, shape.mask(size), outlines[state])
    inner = shape.inset(1).mask(size)
    paint(layer, inner, vgrad(size, list(fills[state]), (0, 2, 16, 14)))
    if state != "disabled":
        # Sunk into the face: shadow inside along the top left, light catching the outer bottom right.
        paint(layer, scaled(top_left_edge(inner), 0.7), (6, 7, 8))
        paint(layer, scaled(bottom_right_edge(Shape((0, 0, 16, 16), 8 if round_box else 4,
                                                    ellipse=round_box).mask(size)), 0.5), (96, 104, 116))
    ink = DISABLED_INK if state == "disabled" else (AMBER_LIGHT if state != "pressed" else AMBER)
    if mark == "check":
        glyph_at(layer, Glyph((10, 9)).line([(1, 4.5), (3.8, 7.4), (9, 1.2)], 2.0), (0, 0, 16, 16), ink, dy=0)
    elif mark == "dot":
        dot = Glyph((8, 8)).ellipse((0, 0, 8, 8))
        glyph_at(layer, dot, (0, 0, 16, 16), ink)
        glyph_at(layer, Glyph((3, 3)).ellipse((0, 0, 3, 3)), (0, 0, 13, 13), (255, 240, 214), opacity=0.6)
    elif mark == "mixed":
        glyph_at(layer, Glyph((8, 3)).rect((0, 0, 8, 3)), (0, 0, 16, 16), ink)
    return key(layer, FACE)


def check_and_radio():
    states = ("normal", "hot", "pressed", "disabled")
    # 12 frames: unchecked, checked, indeterminate; each normal, hot, pressed, disabled.
    save(strip([box_frame(s, m, False) for m in (None, "check", "mixed") for s in states]), "check.bmp")  # 192 x 16
    save(strip([box_frame(s, m, True) for m in (None, "dot") for s in states]), "radio.bmp")  # 128 x 16


# --------------------------------------------------------------------------------------------------- scroll bars
TRACK = (33, 36, 41)
SCROLL_LOOKS = {
    "normal": dict(box=None, ink=(150, 157, 168)),
    "pressed": dict(box=((30, 33, 38), (38, 41, 47)), ink=AMBER_LIGHT),
    "disabled": dict(box=None, ink=(70, 74, 81)),
    "hot": dict(box=((86, 94, 106), (66, 72, 82)), ink=(244, 246, 250)),
}


def arrow_glyph(direction):
    up = [(0, 4.5), (4, 0.5), (8, 4.5)]
    g = Glyph((9, 5)) if direction in ("up", "down") else Glyph((5, 9))
    if direction == "up":
        g.polygon([(0, 5), (4.5, 0.5), (9, 5)])
    elif direction == "down":
        g.polygon([(0, 0), (4.5, 4.5), (9, 0)])
    elif direction == "left":
        g.polygon([(5, 0), (0.5, 4.5), (5, 9)])
    else:
        g.polygon([(0, 0), (4.5, 4.5), (0, 9)])
    del up
    return g


def scroll_cell(state, direction):
    size = (17, 17)
    layer = new_layer(size)
    paint(layer, rect_mask(size, (0, 0, 17, 17)), TRACK)
    look = SCROLL_LOOKS[state]
    if look["box"]:
        shape = Shape((2, 2, 15, 15), 3)
        bevel_box(layer, shape, vgrad(size, list(look["box"])), OUTLINE,
                  light=None if state == "pressed" else (120, 128, 142), light_alpha=0.7)
    d = 1 if state == "pressed" else 0
    glyph_at(layer, arrow_glyph(direction), (0, 0, 17, 17), look["ink"], dx=d, dy=d)
    return key(layer, TRACK)


def grip_cell(state, vertical):
    size = (17, 17)
    layer = new_layer(size)
    ink = {"normal": (134, 142, 155), "pressed": (255, 226, 170), "hot": (170, 178, 190)}[state]
    g = Glyph((7, 6))
    for i in range(3):
        g.rect((0, 2 * i, 7, 2 * i + 1)) if vertical else None
    if not vertical:
        g = Glyph((6, 7))
        for i in range(3):
            g.rect((2 * i, 0, 2 * i + 1, 7))
    glyph_at(layer, g, (0, 0, 17, 17), ink)
    return key(layer, (80, 86, 96))


def scroll_bar():
    frames = []
    for direction in ("left", "right", "up", "down"):
        for state in ("normal", "pressed", "disabled", "hot"):
            frames.append(scroll_cell(state, direction))
    for vertical in (False, True):
        for state in ("normal", "pressed", "hot"):
            frames.append(grip_cell(state, vertical))
    frames.append(Image.new("RGB", (17, 17), TRACK))  # 23rd frame: the corner between two bars
    save(strip(frames), "scrollbar.bmp")  # 391 x 17


def scroll_tracks():
    states = [(TRACK, (22, 24, 28)), ((40, 44, 50), (26, 28, 32)), ((38, 41, 46), (34, 37, 41)),
              ((37, 40, 46), (24, 26, 30))]
    horizontal, vertical = [], []
    for colour, line in states:
        h = Image.new("RGB", (16, 17), colour)
        h.paste(line, (0, 0, 16, 1))
        h.paste(mix(colour, line, 0.5), (0, 1, 16, 2))
        horizontal.append(h)
        v = Image.new("RGB", (17, 16), colour)
        v.paste(line, (0, 0, 1, 16))
        v.paste(mix(colour, line, 0.5), (1, 0, 2, 16))
        vertical.append(v)
    save(strip(horizontal), "hscroll.bmp")  # 64 x 17
    save(strip(vertical), "vscroll.bmp")    # 68 x 16


THUMB_LOOKS = (((104, 112, 125), (80, 86, 97), (140, 148, 162)),   # normal
               ((246, 180, 84), (206, 132, 44), (255, 214, 150)),  # pressed: amber while dragged
               ((128, 137, 152), (100, 108, 121), (170, 178, 192)))  # hot


def scroll_thumbs():
    horizontal, vertical = [], []
    for top, bottom, light in THUMB_LOOKS:
        size = (30, 17)
        layer = new_layer(size)
        bevel_box(layer, Shape((0, 3, 30, 14), 5), vgrad(size, [top, bottom], (0, 4, 30, 13)), OUTLINE,
                  light=light, light_alpha=0.8, shade=(0, 0, 0), shade_alpha=0.2)
        horizontal.append(uniform_columns(key(layer, TRACK), 7, 7))
        size = (17, 30)
        layer = new_layer(size)
        bevel_box(layer, Shape((3, 0, 14, 30), 5), hgrad(size, [top, bottom], (4, 0, 13, 30)), OUTLINE,
                  light=light, light_alpha=0.8, shade=(0, 0, 0), shade_alpha=0.2)
        vertical.append(uniform_rows(key(layer, TRACK), 7, 7))
    save(strip(horizontal), "hthumb.bmp")  # 90 x 17
    save(strip(vertical), "vthumb.bmp")    # 51 x 30


# --------------------------------------------------------------------------------------------------- edit, combo
def field(size, outline, r=3, fill=FIELD, corners=(True, True, True, True), lit=True):
    w, h = size
    layer = new_layer(size)
    shape = Shape((0, 0, w, h), r, corners)
    paint(layer, shape.mask(size), outline)
    inner = shape.inset(1).mask(size)
    paint(layer, inner, fill)
    if lit:
        paint(layer, scaled(top_edge(inner), 0.8), darker(fill, 0.45))
    return layer


def sunk_edge():
    frames = []
    for outline, fill in (((14, 15, 18), FIELD), (mix(AMBER, (14, 15, 18), 0.45), FIELD),
                          (DISABLED_LINE, DISABLED_FILL), (AMBER, FIELD)):
        layer = field((24, 21), outline, fill=fill)
        frames.append(uniform_columns(key(layer, FACE), 3, 3))
    save(strip(frames), "sunkedge.bmp")  # 96 x 21


def combo_button():
    frames = []
    looks = (BUTTON_LOOKS["normal"], BUTTON_LOOKS["pressed"], BUTTON_LOOKS["disabled"], BUTTON_LOOKS["hot"])
    for look in looks:
        layer = button_frame((18, 21), 3, look, corners=(False, True, True, False))
        frames.append(key(layer, FIELD))
    save(strip(frames), "combobutton.bmp")  # 72 x 21


def extra_images():
    frames = []
    for ink, dy in (((220, 224, 230), 0), (AMBER_LIGHT, 1), (DISABLED_INK, 0), ((255, 255, 255), 0)):
        layer = new_layer((12, 12))
        glyph_at(layer, Glyph((8, 5)).polygon([(0, 0.5), (4, 4.8), (8, 0.5)]), (0, 0, 12, 12), ink, dy=dy)
        frames.append(key(layer, (70, 76, 86), threshold=100))
    grip = new_layer((12, 12))
    g = Glyph((12, 12))
    for i in range(4):
        for j in range(i + 1):
            g.rect((10 - 3 * j, 1 + 3 * i, 12 - 3 * j, 3 + 3 * i))
    glyph_at(grip, g, (0, 0, 12, 12), (110, 118, 130))
    frames.append(key(grip, FACE))
    save(strip(frames), "extraimages.bmp")  # 60 x 12


# --------------------------------------------------------------------------------------------------- progress
def progress():
    size = (48, 18)
    trough = field(size, (14, 15, 18), r=4, fill=FIELD)
    bar = new_layer(size)
    bevel_box(bar, Shape((0, 0, 48, 18), 4), vgrad(size, [(0.0, (252, 196, 112)), (0.5, AMBER), (1.0, AMBER_DARK)],
                                                   (0, 1, 48, 17)),
              (98, 58, 12), light=(255, 230, 180), light_alpha=0.8, shade=(0, 0, 0), shade_alpha=0.2)
    save(strip([uniform_columns(key(trough, FACE), 5, 5), uniform_columns(key(bar, FACE), 5, 5)]),
         "progress.bmp")  # 96 x 18
    # The chunk is drawn copied (not keyed): its gap is the trough's colour.
    chunk = new_layer((10, 12))
    bevel_box(chunk, Shape((0, 0, 8, 12), 2), vgrad((10, 12), [(252, 196, 112), AMBER_DARK]), (120, 72, 18),
              light=(255, 226, 170), light_alpha=0.7)
    save(opaque(chunk, FIELD), "progress_chunk.bmp")


def track_images():
    rows = [(14, 15, 18), (22, 24, 28), (29, 32, 36), (34, 37, 42), (84, 91, 102)]
    track = Image.new("RGB", (16, 5), MAG)
    for y, c in enumerate(rows):
        track.paste(c, (0, y, 16, y + 1))
    for x, y in ((0, 0), (15, 0), (0, 4), (15, 4)):
        track.putpixel((x, y), MAG)
    save(track, "track.bmp")
    save(track.transpose(Image.Transpose.TRANSPOSE), "trackvert.bmp")


THUMB_STATE_LOOKS = (((150, 158, 172), (96, 103, 115), (196, 202, 212), OUTLINE),      # normal
                     ((252, 196, 112), AMBER_DARK, (255, 230, 180), (98, 58, 12)),     # pressed
                     ((64, 68, 75), (56, 60, 66), None, (36, 38, 42)),                 # disabled
                     ((178, 186, 198), (120, 128, 141), (222, 226, 234), OUTLINE),     # hot
                     ((150, 158, 172), (96, 103, 115), (196, 202, 212), AMBER_DARK))   # focused


def trackbar_thumbs():
    w, h = 12, 21

    def pointer(tip):
        def draw(d, s):
            if tip is None:
                d.rounded_rectangle([0, 0, w * s - 1, h * s - 1], radius=4 * s, fill=255)
                return
            body = h - 6
            if tip == "down":
                rounded_box(d, [0, 0, w * s - 1, (body + 2) * s - 1], 3 * s, (True, True, False, False))
                d.polygon([(0, body * s), (w * s, body * s), (w * s / 2, h * s)], fill=255)
            else:
                rounded_box(d, [0, (h - body - 2) * s, w * s - 1, h * s - 1], 3 * s, (False, False, True, True))
                d.polygon([(0, (h - body) * s), (w * s, (h - body) * s), (w * s / 2, 0)], fill=255)
        return Drawn((w, h), draw)

    def frames_of(tip):
        shape = pointer(tip)
        out = []
        for top, bottom, light, outline in THUMB_STATE_LOOKS:
            layer = new_layer((w, h))
            paint(layer, shape.mask(), outline)
            inner = shape.inset(1).mask()
            paint(layer, inner, hgrad((w, h), [top, bottom], (1, 0, w - 1, h)))
            if light:
                paint(layer, scaled(top_left_edge(inner), 0.8), light)
            out.append(key(layer, FACE))
        return out

    horz = frames_of(None)
    save(strip(horz), "thumb_horz.bmp")  # 60 x 21
    save(strip([f.transpose(Image.Transpose.TRANSPOSE) for f in horz]), "thumb_vert.bmp")
    down, up = frames_of("down"), frames_of("up")
    save(strip(down), "thumb_down.bmp")
    save(strip(up), "thumb_up.bmp")
    save(strip([f.transpose(Image.Transpose.TRANSPOSE) for f in down]), "thumb_right.bmp")
    save(strip([f.transpose(Image.Transpose.TRANSPOSE) for f in up]), "thumb_left.bmp")


def updown():
    def cells(size, glyphs, corner_sets):
        buttons, glyph_cells = [], []
        for glyph, corners in zip(glyphs, corner_sets):
            for state in ("normal", "pressed", "disabled", "hot"):
                layer = button_frame(size, 3, BUTTON_LOOKS[state], corners)
                buttons.append(key(layer, FACE))
                g = new_layer(size)
                ink = DISABLED_INK if state == "disabled" else (AMBER_LIGHT if state == "pressed" else TEXT)
                glyph_at(g, glyph, (0, 0) + size, ink, dx=1 if state == "pressed" else 0)
                glyph_cells.append(key(g, (70, 76, 86), threshold=100))
        return buttons, glyph_cells

    up = Glyph((7, 4)).polygon([(0, 4), (3.5, 0.3), (7, 4)])
    down = Glyph((7, 4)).polygon([(0, 0), (3.5, 3.7), (7, 0)])
    left = Glyph((4, 7)).polygon([(4, 0), (0.3, 3.5), (4, 7)])
    right = Glyph((4, 7)).polygon([(0, 0), (3.7, 3.5), (0, 7)])
    b, g = cells((14, 18), (left, right), ((True, False, False, True), (False, True, True, False)))
    save(strip(b), "updown_h.bmp")  # 112 x 18
    save(strip(g), "updown_h_glyph.bmp")
    b, g = cells((18, 11), (up, down), ((True, True, False, False), (False, False, True, True)))
    save(strip(b), "updown_v.bmp")  # 144 x 11
    save(strip(g), "updown_v_glyph.bmp")


# --------------------------------------------------------------------------------------------------- tabs etc.
def tabs():
    size = (48, 24)
    looks = (("normal", ((46, 50, 57), (39, 42, 48)), (18, 20, 23), (84, 91, 102), None),
             ("selected", (PANEL, PANEL), OUTLINE, (112, 120, 133), AMBER),
             ("disabled", (DISABLED_FILL, DISABLED_FILL), (36, 38, 42), None, None),
             ("hot", ((66, 72, 82), (52, 57, 65)), (18, 20, 23), (128, 136, 150), mix(AMBER, PANEL, 0.55)),
             ("focused", (PANEL, PANEL), OUTLINE, (112, 120, 133), AMBER_LIGHT))
    frames = []
    for _, fill, outline, light, rule in looks:
        layer = new_layer(size)
        shape = Shape((0, 0, 48, 26), 5, corners=(True, True, False, False))
        paint(layer, shape.mask(size), outline)
        inner = shape.inset(1).mask(size)
        paint(layer, inner, vgrad(size, list(fill), (0, 1, 48, 24)))
        if light:
            paint(layer, scaled(top_left_edge(inner), 0.8), light)
        if rule:
            paint(layer, rect_mask(size, (3, 1, 45, 3)), rule)
        frames.append(uniform_columns(key(layer, FACE), 5, 5))
    save(strip(frames), "tabs.bmp")  # 240 x 24
    pane = new_layer((40, 40))
    bevel_box(pane, Shape((0, 0, 40, 40), 0), PANEL, OUTLINE, light=(84, 91, 102), light_alpha=0.9,
              shade=(30, 33, 37), shade_alpha=0.9)
    pane_img = opaque(pane, PANEL)
    save(pane_img, "tab_border.bmp")
    save(pane_img, "tab_pane.bmp")


def group_box():
    frames = []
    for dark, light in (((18, 20, 23), (76, 82, 92)), ((36, 38, 42), (56, 60, 66))):
        size = (20, 20)
        layer = new_layer(size)
        # An etched groove: a dark line, and the light catching its lower right lip.
        paint(layer, ring(Shape((1, 1, 20, 20), 4), size), light)
        paint(layer, ring(Shape((0, 0, 19, 19), 4), size), dark)
        frames.append(key(layer, FACE, threshold=100))
    save(strip(frames), "groupbox_edge.bmp")  # 40 x 20
    size = (20, 18)
    label = new_layer(size)
    bevel_box(label, Shape((0, 0, 20, 18), 4), vgrad(size, [(70, 76, 86), (56, 61, 69)]), (24, 26, 30),
              light=(112, 120, 133), light_alpha=0.7)
    save(key(label, FACE), "groupbox.bmp")


def status_bar():
    frames = []
    for kind in ("lowered", "raised", "flat"):
        f = Image.new("RGB", (20, 20), FACE)
        light, dark = (74, 80, 90), (24, 26, 30)
        if kind == "lowered":
            f.paste(dark, (0, 0, 20, 1)), f.paste(dark, (0, 0, 1, 20))
            f.paste(light, (0, 19, 20, 20)), f.paste(light, (19, 0, 20, 20))
        elif kind == "raised":
            f.paste(light, (0, 0, 20, 1)), f.paste(light, (0, 0, 1, 20))
            f.paste(dark, (0, 19, 20, 20)), f.paste(dark, (19, 0, 20, 20))
        frames.append(f)
    save(strip(frames), "statusbar.bmp")  # 60 x 20


def header_bar():
    frames = []
    for top, bottom in (((66, 72, 82), (52, 57, 65)), ((84, 91, 103), (64, 70, 80)), ((36, 39, 44), (44, 48, 54)),
                        ((48, 51, 56), (48, 51, 56)), ((66, 72, 82), (52, 57, 65))):
        size = (40, 22)
        img = vgrad(size, [top, bottom], (0, 1, 40, 21))
        img.paste(lighter(top, 0.12), (0, 0, 40, 1))
        img.paste((20, 22, 25), (0, 21, 40, 22))
        img.paste((30, 33, 37), (38, 4, 39, 18))
        img.paste((88, 95, 106), (39, 4, 40, 18))
        frames.append(img)
    save(strip(frames), "headerbar.bmp")  # 200 x 22


def tool_bars():
    frames = []
    for state in ("normal", "pressed", "disabled", "hot", "checked"):
        layer = new_layer((26, 26))
        if state in ("hot", "pressed", "checked"):
            look = BUTTON_LOOKS["hot" if state == "hot" else "pressed"]
            layer = button_frame((26, 26), 4, look)
            if state == "checked":
                paint(layer, scaled(ring(Shape((1, 1, 25, 25), 3), (26, 26)), 0.8), AMBER_DARK)
        frames.append(key(layer, FACE))
    save(strip(frames), "toolbars.bmp")  # 130 x 26


def menus():
    frames = []
    menu_bg = (40, 44, 50)
    for state in ("normal", "separator", "disabled", "selected", "pressed"):
        size = (40, 22)
        layer = new_layer(size)
        if state == "separator":
            paint(layer, rect_mask(size, (3, 17, 37, 18)), (22, 24, 28))
            paint(layer, rect_mask(size, (3, 18, 37, 19)), (66, 72, 82))
        elif state in ("selected", "pressed"):
            shape = Shape((2, 1, 38, 21), 4)
            fill = [(84, 92, 106), (66, 73, 85)] if state == "selected" else [(56, 62, 72), (66, 73, 85)]
            bevel_box(layer, shape, vgrad(size, fill, (0, 2, 40, 20)), (24, 26, 30),
                      light=(126, 134, 148) if state == "selected" else None, light_alpha=0.6)
            paint(layer, rect_mask(size, (3, 5, 5, 17)), AMBER)
        frames.append(uniform_columns(key(layer, menu_bg), 6, 6))
    save(strip(frames), "menuitem.bmp")  # 200 x 22
    back = new_layer((40, 40))
    bevel_box(back, Shape((0, 0, 40, 40), 0), menu_bg, (12, 13, 15), light=(76, 82, 92), light_alpha=0.9,
              shade=(26, 28, 32), shade_alpha=0.9)
    save(opaque(back, menu_bg), "menuback.bmp")


# --------------------------------------------------------------------------------------------------- definition
DEFINITION = """\
; Grivelle Ember: Grivelle's second skin.
; Charcoal surfaces lit from the top left, light lettering, amber for focus, selection and progress.
; Rounded window corners cut with magenta (255 0 255).

[TitlebarSkin]
SkinName=Grivelle Ember

[Personality]
Left=frame_left.bmp
LeftTopHeight=28
LeftBotHeight=8
LeftFrame=2
LeftStretch=1
LeftTrans=1
Right=frame_right.bmp
RightTopHeight=28
RightBotHeight=8
RightFrame=2
RightStretch=1
RightTrans=1
Top=frame_top.bmp
TopTopHeight=12
TopBotHeight=12
TopFrame=2
TopStretch=1
TopTrans=1
Bottom=frame_bottom.bmp
BottomTopHeight=8
BottomBotHeight=8
BottomFrame=2
BottomStretch=1
BottomTrans=1
TextShift=30
TextShiftVert=-2
TextRightClip=110
TextAlignment=0
Textbackground=0
TXTBackleft=0
TXTBackRight=0
ActiveTextR=240
ActiveTextG=242
ActiveTextB=245
InActiveTextR=140
InActiveTextG=146
InActiveTextB=155
menuBar=menubar.bmp
TileMenu=1
TileLeftMenu=2
TileRightMenu=2

[Fonts]
FontHeight=15

[Colours]
WindowText=228 231 236
ButtonFace=46 50 56
Scrollbar=33 36 41
HilightText=28 22 12
Hilight=236 164 64
Menubar=50 55 62
Menu=40 44 50
MenuText=228 231 236
ButtonText=232 234 238
ButtonHilight=112 120 133
Buttonlight=84 91 102
ButtonShadow=26 28 32
ButtonDkShadow=14 15 18
MenuBarText=228 231 236
TitleTextActive=240 242 245
TitleTextNoActive=140 146 155

[Colour1]
color=232 234 238

[Colour2]
color=236 164 64

[Colour3]
color=255 255 255

[Colour4]
color=142 148 158

[Customcolors]
Color0=29 32 36
Color1=46 50 56
Color2=54 59 67
Color3=84 91 103
Color4=142 148 158
Color5=228 231 236
Color6=186 116 32
Color7=236 164 64
Color8=214 74 60
Color9=255 255 255

; Caption buttons: 4 frames (normal, pressed, hot, inactive), 18 high, 5 pixels below the top edge.
; Align 1 counts from the window's right edge; the close button is wider and stands apart.
[ButtonIcon]
ButtonImage=btn_icon.bmp
Action=3
Align=0
Xcoord=9
Ycoord=6
Visibility=0
Visibility1=0

[ButtonClose]
ButtonImage=btn_close.bmp
frame=4
Action=0
Align=1
Xcoord=44
Ycoord=5
Visibility=0
Visibility1=0

[ButtonMax]
ButtonImage=btn_max.bmp
frame=4
Action=1
Align=1
Xcoord=76
Ycoord=5
Visibility=2
Visibility1=6

[ButtonRestore]
ButtonImage=btn_restore.bmp
frame=4
Action=1
Align=1
Xcoord=76
Ycoord=5
Visibility=1
Visibility1=6

[ButtonMin]
ButtonImage=btn_min.bmp
frame=4
Action=2
Align=1
Xcoord=104
Ycoord=5
Visibility=6
Visibility1=6

; Shown only to windows that ask for them (WM_SKIN_BUTTONVISIBLE).
[ButtonPin]
ButtonImage=btn_pin.bmp
frame=4
Action=40
Align=1
Xcoord=136
Ycoord=5
Visibility=1000
Visibility1=0

[ButtonHelp]
ButtonImage=btn_help.bmp
frame=4
Action=41
Align=1
Xcoord=164
Ycoord=5
Visibility=1001
Visibility1=0

[MDICONTROLS]
Image=mdi_buttons.bmp

[Buttons]
Bitmap=pushbutton.bmp
LeftWidth=6
TopHeight=6
RightWidth=6
BottomHeight=6
Trans=1
Tile=0
CheckButton=check.bmp
RadioButton=radio.bmp
NormalColour=0
MouseOverColour=2
PressedColour=1
NormalColour2=232 234 238
MouseOverColour2=255 255 255
PressedColour2=252 204 128

[Progress]
Bitmap=progress.bmp
Style=0
LeftWidth=5
TopHeight=5
RightWidth=5
BottomHeight=5
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
BackgroundLeftShift=6
BackgroundRightShift=6

[Tabs]
Image=tabs.bmp
Border=tab_border.bmp
Style=0
LeftWidth=5
TopHeight=5
RightWidth=5
BottomHeight=2
Trans=1
Tile=0
NormalColour2=142 148 158
MouseOverColour2=240 242 245
PressedColour2=252 204 128

[StatusBarEdges]
Image=statusbar.bmp
LeftWidth=2
TopHeight=2
RightWidth=2
BottomHeight=2
NormalColour2=200 204 210

[Tab.Pane]
Image=tab_pane.bmp
LeftWidth=3
TopHeight=3
RightWidth=3
BottomHeight=3

[ToolBars]
Image=toolbars.bmp
LeftWidth=5
TopHeight=5
RightWidth=5
BottomHeight=5
Trans=1

[ComboButton]
Image=combobutton.bmp
LeftWidth=2
TopHeight=4
RightWidth=4
BottomHeight=4
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
LeftWidth=6
TopHeight=5
RightWidth=6
BottomHeight=5
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
LeftWidth=7
TopHeight=4
RightWidth=7
BottomHeight=4
Trans=1

[VertScrollThumb]
Image=vthumb.bmp
FrameCount=3
LeftWidth=4
TopHeight=7
RightWidth=4
BottomHeight=7
Trans=1

[Trackbar.ThumbHorz]
Image=thumb_horz.bmp
LeftWidth=5
TopHeight=5
RightWidth=5
BottomHeight=5
Trans=1

[Trackbar.ThumbVert]
Image=thumb_vert.bmp
LeftWidth=5
TopHeight=5
RightWidth=5
BottomHeight=5
Trans=1

[Trackbar.ThumbLeft]
Image=thumb_left.bmp
LeftWidth=7
RightWidth=4
Trans=1

[Trackbar.ThumbRight]
Image=thumb_right.bmp
LeftWidth=4
RightWidth=7
Trans=1

[Trackbar.ThumbUp]
Image=thumb_up.bmp
TopHeight=7
BottomHeight=4
Trans=1

[Trackbar.ThumbDown]
Image=thumb_down.bmp
TopHeight=4
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
TopHeight=2
RightWidth=3
BottomHeight=2
Frame=1
Trans=1

[TRACKVERT]
Image=trackvert.bmp
LeftWidth=2
TopHeight=3
RightWidth=2
BottomHeight=3
Frame=1
Trans=1
"""


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
    write_definition_and_order(HERE, DEFINITION, written,
                               "Packing order of Grivelle Ember: every bitmap in name order, the definition text last.")

if __name__ == "__main__":
    sys.exit(main())
