// The few bitmap operations the skin data component and its element builder need, over the framework's
// device-independent bitmaps.
#pragma once

#include "skin/data/SkinColor.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

class TBitmap;
class TFont;
class TImageList;
class TComponent;

std::unique_ptr<TBitmap> NewSkinBitmap();
bool IsBitmapEmpty(const TBitmap& bitmap);
int BitmapWidth(const TBitmap& bitmap);
int BitmapHeight(const TBitmap& bitmap);
void ClearBitmap(TBitmap& bitmap);
// A Windows bitmap file; false (and an empty bitmap) when the bytes are not one.
bool LoadBitmapFile(TBitmap& bitmap, const std::vector<std::uint8_t>& bytes);
// A bitmap resource of the program; false (and an empty bitmap) when there is none of that name.
bool LoadBitmapResource(TBitmap& bitmap, const wchar_t* name);
// A new 24-bit image of that size, every pixel `fill` (a system colour is resolved).
void MakeBitmap24(TBitmap& bitmap, int width, int height, TSkinColor fill);
// Converts the image to 24 bits per pixel, keeping its pixels.
void ConvertTo24(TBitmap& bitmap);
// A device context with the bitmap selected, valid while the bitmap lives.
HDC BitmapDC(TBitmap& bitmap);
// The RGB colour of a pixel (0 outside the image).
TSkinColor BitmapPixel(const TBitmap& bitmap, int x, int y);
// Replaces the target by a copy of the source (same size and pixel format).
void CopyBitmapInto(const TBitmap& source, TBitmap& target);
// Turns on transparency with the given transparent colour.
void SetBitmapTransparent(TBitmap& bitmap, TSkinColor colour);

std::unique_ptr<TFont> NewSkinFont();
void SetFontHandle(TFont& font, HFONT handle);

// The image list of the system menu glyphs, from the bitmap resource "ZOBRENTMENU".
std::unique_ptr<TImageList> LoadMenuGlyphs();
int ImageListCount(const TImageList& list);

// The window handle of the owner when the owner is a form, else null.
HWND OwnerFormWindow(TComponent* owner);
// The window of the application whose icon AppIcon shows.
HWND ApplicationIconWindow();
