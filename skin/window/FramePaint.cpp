// Painting a skinned window's non-client area and cutting its region from the border bitmaps.
#include "skin/window/WinSkinForm.h"
#include "skin/window/WinSkinMenu.h"

#include "runtime/Graphics.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/ElementBitmaps.h"

#include <algorithm>

namespace {

GeoMargins ElementMargins(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

RECT ToRect(const TFrameRect& r) { return {r.left, r.top, r.right, r.bottom}; }

// Border parts: 1 left, 2 right, 3 top, 4 bottom.
const TDataSkinBorder* BorderElement(const TSkinData& data, int part) {
    switch (part) {
    case 1: return data.BorderLeft.get();
    case 2: return data.BorderRight.get();
    case 3: return data.BorderTop.get();
    default: return data.BorderBottom.get();
    }
}

bool HasImage(const TDataSkinObject* e) { return e && e->Bitmap && !e->Bitmap->Empty(); }

// A 32-bit composition bitmap selected into a memory DC for as long as it lives.
class Composition {
public:
    Composition(int width, int height) : bitmap_(CreateDib32(width, height)) {
        if (bitmap_) selected_ = std::make_unique<SelectedBitmap>(bitmap_);
    }
    ~Composition() {
        selected_.reset();
        if (bitmap_) DeleteObject(bitmap_);
    }
    HDC Dc() const { return selected_ ? selected_->Dc() : nullptr; }

private:
    HBITMAP bitmap_;
    std::unique_ptr<SelectedBitmap> selected_;
};

void FillWith(HDC dc, const RECT& r, HBRUSH brush, TColor fallback) {
    if (brush) {
        FillRect(dc, &r, brush);
        return;
    }
    HBRUSH own = CreateSolidBrush(ColorToRGB(fallback));
    FillRect(dc, &r, own);
    DeleteObject(own);
}

} // namespace

// The whole non-client area is composed off-screen in one bitmap and put on the screen with one BitBlt
// clipped to the frame, so no part of it is ever seen half drawn.
void TWinSkinForm::PaintFrame(HDC given) {
    if (SkinState != fsSkinned && SkinState != fsReskinning) return;
    if (BorderKind == bkNone || !SkinData || SkinData->IsEmpty) return;
    if (WindowKind == wkMdiChild && ShowState == ssMaximized) return;
    HDC dc = given ? given : GetWindowDC(Handle);
    if (!dc) return;
    try {
        RECT window{};
        GetWindowRect(Handle, &window);
        const int W = window.right - window.left, H = window.bottom - window.top;
        const bool minimized = ShowState == ssMinimized || IsIconic(Handle);
        Composition composed(W, H);
        HDC target = composed.Dc();
        if (W > 0 && H > 0 && target) {
            const TFrameParts parts = FramePartsOf(W, H, Metrics, minimized);
            auto drawPart = [&](int part, const TFrameRect& r) {
                const TDataSkinBorder* e = BorderElement(*SkinData, part);
                if (!HasImage(e) || !PartDrawable(r)) return;
                PaintElement(target, ToRect(r), e->Bitmap.get(), part >= 3, e->Tile != 1, false, e->FrameCount,
                             BorderFrameIndex(Active, e->FrameCount), ElementMargins(*e));
            };
            if (minimized) {
                FillWith(target, RECT{0, 0, W, H}, SkinData->FaceBrush, SkinData->SkinColors.ButtonFace);
                drawPart(3, parts.top);
            } else {
                drawPart(1, parts.left);
                drawPart(2, parts.right);
                drawPart(4, parts.bottom);
                drawPart(3, parts.top);
                if (Metrics.M > 0 && MenuBar && PartDrawable(parts.menu))
                    MenuBar->Paint(target, ToRect(parts.menu));
                else if (Metrics.M > 0 && PartDrawable(parts.menu))
                    FillWith(target, ToRect(parts.menu), SkinData->FaceBrush, SkinData->SkinColors.ButtonFace);
            }
            DrawCaption(target, W, minimized ? H : Metrics.T);
            DrawCaptionButtons(target);
            const int saved = SaveDC(dc);
            if (!minimized) {
                const TFrameRect client = ClientFromWindow({0, 0, W, H}, Metrics);
                ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
            }
            BitBlt(dc, 0, 0, W, H, target, 0, 0, SRCCOPY);
            RestoreDC(dc, saved);
            SetBkMode(dc, OPAQUE);
        }
    } catch (...) {
        // A frame that cannot be painted stays as it is; the next paint tries again.
    }
    if (!given) ReleaseDC(Handle, dc);
    ForgetCurrentObject();
}

void TWinSkinForm::DrawCaption(HDC dc, int titleWidth, int titleHeight) {
    const TDataSkinTitle* title = SkinData ? SkinData->Title.get() : nullptr;
    const std::wstring text = CaptionPrefix + ReadWindowText(Handle) + CaptionSuffix;
    HGDIOBJ oldFont = SelectObject(dc, CaptionFont->Handle());
    SetBkMode(dc, TRANSPARENT);
    const TSkinColors& colours = SkinData->SkinColors;
    SetTextColor(dc, ColorToRGB(Active ? colours.TitleTextActive : colours.TitleTextNoActive));
    RECT measured{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), int(text.size()), &measured, DT_CALCRECT | DT_NOCLIP);

    TCaptionFacts facts;
    facts.titleWidth = titleWidth;
    facts.titleHeight = titleHeight;
    facts.textWidth = measured.right - measured.left;
    facts.textHeight = measured.bottom - measured.top;
    if (title) {
        facts.textShift = title->LeftWidth;
        facts.textShiftVert = title->TopHeight;
        facts.textRightClip = title->RightWidth;
        facts.textAlignment = title->TextAlignment;
        facts.backLeft = title->TextBackLeft;
        facts.backRight = title->TextBackRight;
    }
    facts.rightToLeft = RightToLeft;
    facts.highBitStyle = (Style & 0x80000000u) != 0;
    facts.rightButtonsLeft = RightButtonsLeft;
    facts.dialogBorder = BorderKind == bkDialog;
    const TFrameRect place = PlaceCaptionText(facts);
    CaptionTextRect = ToRect(place);

    if (title && HasImage(title)) {
        PaintThreeSlice(dc, RECT{place.left, 0, place.right, titleHeight}, ImageOf(title->Bitmap.get()), true, true, 2,
                        Active ? 1 : 2, GeoMargins{facts.backLeft, 0, facts.backRight, 0});
    }
    RECT textRect{place.left + facts.backLeft, place.top, place.right - facts.backRight, place.bottom};
    if (textRect.right > textRect.left)
        DrawTextW(dc, text.c_str(), int(text.size()), &textRect,
                  DT_SINGLELINE | DT_END_ELLIPSIS | (RightToLeft ? DT_RIGHT : 0));
    SelectObject(dc, oldFont);
}

void TWinSkinForm::UpdateRegion() {
    if (!SkinFrame || SkinState == fsDestroyed || !SkinData || SkinData->IsEmpty) return;
    if (WindowKind == wkMdiChild && ShowState != ssNormal) return;
    RECT window{};
    if (!GetWindowRect(Handle, &window)) return;
    const int W = window.right - window.left, H = window.bottom - window.top;
    if (W <= 0 || H <= 0) return;
    if (RegionOwned && W == RegionSize.cx && H == RegionSize.cy && WindowKind != wkMdiChild &&
        SkinState != fsReskinning)
        return;

    const TFrameMetrics& m = Metrics;
    bool shaped = false;
    for (int part = 1; part <= 4; ++part) {
        const TDataSkinBorder* e = BorderElement(*SkinData, part);
        shaped = shaped || (e && e->Trans == 1);
    }
    HRGN region = nullptr;
    if (shaped) {
        region = CreateRectRgn(m.L, m.T, W - m.R, H - m.B);
        auto add = [&](HRGN piece) {
            if (!piece) return;
            CombineRgn(region, region, piece, RGN_OR);
            DeleteObject(piece);
        };
        // The part as it is drawn, cut where its pixels are magenta; a plain rectangle when it is no shape.
        auto part = [&](int which, const TFrameRect& r, bool cut) {
            const TDataSkinBorder* e = BorderElement(*SkinData, which);
            if (cut && HasImage(e)) {
                auto drawn = BuildElementBitmap(RECT{0, 0, r.Width(), r.Height()}, e->Bitmap.get(), ElementMargins(*e),
                                                which >= 3, e->Tile != 1, e->FrameCount, 1);
                if (drawn) {
                    add(RegionFromBitmap(drawn.get(), r.left, r.top, 1, 1, 1, 0xFF00FF));
                    return;
                }
            }
            if (r.Width() > 0 && r.Height() > 0) add(CreateRectRgn(r.left, r.top, r.right, r.bottom));
        };
        if (BorderKind != bkNone) {
            auto trans = [&](int which) {
                const TDataSkinBorder* e = BorderElement(*SkinData, which);
                return e && e->Trans == 1;
            };
            const TFrameParts parts = FramePartsOf(W, H, m, false);
            part(1, parts.left, trans(1) && H > 1);
            part(2, parts.right, trans(2) && H > 1);
            part(4, parts.bottom, trans(4) && m.B >= 2);
            part(3, parts.top, trans(3) && m.T > 1 && parts.top.Width() > 0 && parts.top.Height() > 0);
        }
    } else {
        region = CreateRectRgn(0, 0, W, H);
    }
    if (!region) return;
    if (!SetWindowRgn(Handle, region, TRUE)) {
        DeleteObject(region); // refused: still ours
        return;
    }
    // From here the region is the system's: it is never deleted by us.
    Region = region;
    RegionOwned = true;
    RegionSize = {W, H};
}
