#!/usr/bin/python3
"""Writes the test main form's description (with its bitmaps hex-encoded, as the form reader expects) and
the bitmaps themselves. Usage: make_test_form.py OUTPUT_DIR"""
import io
import math
import struct
import sys

from PIL import Image, ImageDraw, ImageFont

out = sys.argv[1]
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def bmp_bytes(img):
    buf = io.BytesIO()
    img.convert("RGB").save(buf, format="BMP")
    return buf.getvalue()


def hex_block(data, indent):
    h = data.hex().upper()
    lines = [h[i:i + 64] for i in range(0, len(h), 64)]
    pad = " " * indent
    return "{\n" + "\n".join(pad + l for l in lines) + "}"


def bitmap_data(img):  # TBitmap "Data": 32-bit size + the file
    b = bmp_bytes(img)
    return struct.pack("<I", len(b)) + b


def picture_data(img):  # TPicture "Data": class name as a short string + the bitmap's data
    return bytes([7]) + b"TBitmap" + bitmap_data(img)


# Banner: "Grivelle" in dark blue on a pale blue gradient, 402 x 65.
banner = Image.new("RGB", (402, 65))
d = ImageDraw.Draw(banner)
for x in range(402):
    t = x / 401
    d.line([(x, 0), (x, 64)], fill=(int(200 + 40 * t), int(222 + 25 * t), 255))
try:
    banner_font = ImageFont.truetype(FONT, 34)
except OSError:  # no DejaVu on this machine: Pillow's own font
    banner_font = ImageFont.load_default()
d.text((20, 12), "Grivelle", fill=(20, 40, 120), font=banner_font)

# Background: pale blue flowers on white, 400 x 200.
back = Image.new("RGB", (400, 200), (255, 255, 255))
d = ImageDraw.Draw(back)
for cx, cy, r in [(360, 40, 18), (300, 150, 14), (240, 60, 10), (380, 170, 22), (330, 95, 9), (200, 180, 12)]:
    for k in range(6):
        a = k * math.pi / 3
        px, py = cx + r * math.cos(a), cy + r * math.sin(a)
        d.ellipse([px - r * 0.6, py - r * 0.6, px + r * 0.6, py + r * 0.6], fill=(200, 220, 250))
    d.ellipse([cx - r * 0.4, cy - r * 0.4, cx + r * 0.4, cy + r * 0.4], fill=(150, 185, 235))

# Glyphs on an olive background (their bottom-left pixel: the transparent colour).
def glyph(size, draw):
    g = Image.new("RGB", (size, size), (128, 128, 0))
    draw(ImageDraw.Draw(g))
    return g

open_glyph = glyph(16, lambda d: (d.rectangle([1, 4, 14, 13], fill=(240, 200, 80), outline=(120, 90, 20)),
                                  d.rectangle([1, 2, 6, 4], fill=(240, 200, 80), outline=(120, 90, 20))))
import_glyph = glyph(16, lambda d: (d.polygon([(2, 6), (9, 6), (9, 2), (14, 8), (9, 14), (9, 10), (2, 10)], fill=(40, 160, 60), outline=(10, 80, 20))))
quit_glyph = glyph(20, lambda d: (d.line([(4, 4), (15, 15)], fill=(200, 30, 30), width=3), d.line([(15, 4), (4, 15)], fill=(200, 30, 30), width=3)))

icon = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
ImageDraw.Draw(icon).rectangle([4, 4, 27, 27], fill=(40, 90, 200, 255))
icon.save(f"{out}/test.ico", sizes=[(32, 32), (16, 16)])

for name, img in [("banner", banner), ("background", back), ("open", open_glyph), ("import", import_glyph), ("quit", quit_glyph)]:
    img.save(f"{out}/{name}.bmp")

form = f"""object MainForm: TTestMainForm
  Left = 463
  Top = 356
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Grivelle'
  ClientHeight = 224
  ClientWidth = 396
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object Image2: TImage
    Left = -2
    Top = 64
    Width = 400
    Height = 177
    Picture.Data = {hex_block(picture_data(back), 6)}
  end
  object Label3: TLabel
    Left = 8
    Top = 69
    Width = 36
    Height = 13
    Caption = '位置：'
    Transparent = True
  end
  object Label4: TLabel
    Left = 8
    Top = 93
    Width = 60
    Height = 13
    Caption = '图片类型：'
    Transparent = True
  end
  object Image1: TImage
    Left = 0
    Top = 0
    Width = 396
    Height = 65
    Align = alTop
    Picture.Data = {hex_block(picture_data(banner), 6)}
  end
  object Label5: TLabel
    Left = 8
    Top = 125
    Width = 48
    Height = 13
    Caption = '边框宽：'
    Transparent = True
  end
  object Label8: TLabel
    Left = 170
    Top = 126
    Width = 48
    Height = 13
    Caption = '（像素）'
    Transparent = True
  end
  object Label9: TLabel
    Left = 170
    Top = 150
    Width = 48
    Height = 13
    Caption = '（像素）'
    Transparent = True
  end
  object Label6: TLabel
    Left = 8
    Top = 149
    Width = 48
    Height = 13
    Caption = '边框高：'
    Transparent = True
  end
  object Label7: TLabel
    Left = 8
    Top = 173
    Width = 36
    Height = 13
    Caption = '列数：'
    Transparent = True
  end
  object Label10: TLabel
    Left = 128
    Top = 174
    Width = 97
    Height = 13
    AutoSize = False
    Caption = '（每行图片数）'
    Transparent = True
  end
  object picturePathEdit: TEdit
    Left = 80
    Top = 66
    Width = 250
    Height = 21
    TabOrder = 0
  end
  object findPictureButton: TBitBtn
    Left = 335
    Top = 64
    Width = 57
    Height = 25
    Caption = '打开'
    TabOrder = 1
    OnClick = findPictureButtonClick
    Glyph.Data = {hex_block(bitmap_data(open_glyph), 6)}
  end
  object pictureTypeEdit: TComboBox
    Left = 80
    Top = 90
    Width = 151
    Height = 21
    ItemHeight = 13
    TabOrder = 2
    Text = '*.jpg'
    Items.Strings = (
      '*.jpg'
      '*.gif'
      '*.png'
      '*.bmp')
  end
  object submitButton: TBitBtn
    Left = 335
    Top = 140
    Width = 57
    Height = 25
    Caption = '导入'
    TabOrder = 3
    OnClick = submitButtonClick
    Glyph.Data = {hex_block(bitmap_data(import_glyph), 6)}
  end
  object quitButton: TBitBtn
    Left = 335
    Top = 164
    Width = 57
    Height = 25
    Caption = '退出'
    TabOrder = 4
    OnClick = quitButtonClick
    Glyph.Data = {hex_block(bitmap_data(quit_glyph), 6)}
  end
  object sideWidthEdit: TEdit
    Left = 80
    Top = 122
    Width = 90
    Height = 21
    TabOrder = 6
    Text = '94'
  end
  object sideHeightEdit: TEdit
    Left = 80
    Top = 146
    Width = 90
    Height = 21
    TabOrder = 7
    Text = '76'
  end
  object columnAmountEdit: TEdit
    Left = 80
    Top = 170
    Width = 47
    Height = 21
    TabOrder = 8
    Text = '4'
  end
  object ProgressBar1: TProgressBar
    Left = 0
    Top = 203
    Width = 395
    Height = 20
    Anchors = [akLeft, akRight, akBottom]
    Smooth = True
    TabOrder = 5
    Visible = False
  end
  object SkinData1: TTestSkinData
    Active = True
    SkinStream = {{0400000001020304}}
  end
end
"""
open(f"{out}/test_main_form.txt", "w", encoding="utf-8").write(form)
