#include "skin/controls/SkinProgress.h"

#include "runtime/Graphics.h"
#include "skin/controls/ProgressRules.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinBitmapOps.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/ElementBitmaps.h"

#include <commctrl.h>
#include <windowsx.h>

#include <memory>

namespace {

RECT ToRect(const GeoRect& g) { return {g.left, g.top, g.right, g.bottom}; }
GeoRect ToGeo(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

bool HasImage(const TDataSkinObject* e) { return e && e->HasImage(); }

GeoMargins MarginsOf(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

TColor FaceColour(const TSkinData* data) { return data ? data->SkinColors.ButtonFace : clBtnFace; }

// A 24-bit off-screen bitmap of that size filled with `fill`.
std::unique_ptr<TBitmap> Canvas24(int width, int height, TColor fill) {
    auto bitmap = NewSkinBitmap();
    MakeBitmap24(*bitmap, width, height, fill);
    return bitmap;
}

} // namespace

// --- TSkinProgress ----------------------------------------------------------------------------------------------

const TClassInfo& TSkinProgress::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinProgress, TSkinControl>("TSkinProgress").Register();
    return info;
}

bool TSkinProgress::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        if (!FSkinData || !HasImage(FSkinData->Progress.get())) return true; // the system paints
        PaintControl(m);
        return false;
    case WM_ERASEBKGND: m.Result = 1; return false;
    default: return TSkinControl::BeforeMessage(m);
    }
}

void TSkinProgress::DrawSkin(HDC dc, const RECT& r) {
    const TDataSkinBorder* progress = FSkinData ? FSkinData->Progress.get() : nullptr;
    if (!HasImage(progress)) return;
    const bool vertical = (WindowLong(GWL_STYLE) & PBS_VERTICAL) != 0;
    if (progress->Style == 1) {
        DrawChunks(dc, r, vertical);
        return;
    }
    const GeoRect work = ProgressWorkRect(r.right - r.left, r.bottom - r.top, vertical);
    if (!work.HasArea()) return;
    auto bitmap = Canvas24(work.Width(), work.Height(), FaceColour(FSkinData));
    HDC target = BitmapDC(*bitmap);
    const bool tile = progress->Tile == 1;
    PaintElement(target, ToRect(work), progress->Bitmap.get(), false, tile, true, 2, 1, MarginsOf(*progress));
    const int position = int(SendMessageW(FHandle, PBM_GETPOS, 0, 0));
    PBRANGE range{};
    SendMessageW(FHandle, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    const GeoRect bar = ProgressBarRect(work, position, range.iLow, range.iHigh);
    if (bar.HasArea())
        PaintElement(target, ToRect(bar), progress->Bitmap.get(), false, tile, true, 2, 2, MarginsOf(*progress));
    if (vertical) RotateLeft(*bitmap); // drawn lying down: the bar now grows from the bottom
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, BitmapDC(*bitmap), 0, 0, SRCCOPY);
}

void TSkinProgress::DrawChunks(HDC dc, const RECT& r, bool vertical) {
    const TDataSkinBorder* progress = FSkinData->Progress.get();
    const TDataSkinObject* chunk = FSkinData->ProgressChunk.get();
    if (!HasImage(chunk)) return;
    const GeoRect work = ProgressWorkRect(r.right - r.left, r.bottom - r.top, vertical);
    if (!work.HasArea()) return;
    auto bitmap = Canvas24(work.Width(), work.Height(), FaceColour(FSkinData));
    HDC target = BitmapDC(*bitmap);
    PaintElement(target, ToRect(work), progress->Bitmap.get(), false, progress->Tile == 1, true, 1, 1,
                 MarginsOf(*progress));
    const int position = int(SendMessageW(FHandle, PBM_GETPOS, 0, 0));
    PBRANGE range{};
    SendMessageW(FHandle, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    const int barRight = ProgressBarRect(work, position, range.iLow, range.iHigh).right;
    const bool transparent = chunk->Trans == 1;
    if (chunk->Tile == 1) {
        const int w = chunk->Bitmap->Width(), h = chunk->Bitmap->Height();
        const ChunkStrip strip = ProgressChunkStrip(work, barRight, w, h, chunk->LeftWidth);
        if (!strip.copiesAt.empty()) {
            auto copies = Canvas24(strip.place.Width(), strip.place.Height(), clFuchsia);
            for (int x : strip.copiesAt) BitBlt(BitmapDC(*copies), x, 0, w, h, BitmapDC(*chunk->Bitmap), 0, 0, SRCCOPY);
            const RECT place = ToRect(strip.place);
            if (transparent) DrawTransparent(target, place, copies.get(), SkinKeyColour);
            else BitBlt(target, place.left, place.top, strip.place.Width(), strip.place.Height(), BitmapDC(*copies), 0, 0, SRCCOPY);
        }
    } else {
        const GeoRect place = ProgressStretchedChunkPlace(work, barRight);
        if (place.HasArea()) {
            // Resized over the full work height, then placed 2 pixels in (its lower rows fall away).
            auto resized = BuildElementBitmap({0, 0, barRight, work.Height()}, chunk->Bitmap.get(), MarginsOf(*chunk),
                                              false, false, 1, 1);
            if (resized) {
                if (transparent) DrawTransparent(target, ToRect(place), resized.get(), SkinKeyColour);
                else BitBlt(target, place.left, place.top, place.Width(), place.Height(), BitmapDC(*resized), 0, 0, SRCCOPY);
            }
        }
    }
    if (vertical) RotateLeft(*bitmap);
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, BitmapDC(*bitmap), 0, 0, SRCCOPY);
}

// --- TSkinTrackBar ------------------------------------------------------------------------------------------

const TClassInfo& TSkinTrackBar::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinTrackBar, TSkinControl>("TSkinTrackBar").Register();
    return info;
}

bool TSkinTrackBar::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_NOTIFY || m.Msg == CN_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
        // Tooltips and other windows send custom draw too: only the track bar's own is ours.
        if (!header || header->code != UINT(NM_CUSTOMDRAW) || header->hwndFrom != FHandle) return true;
        m.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(m.LParam));
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& cd) {
    if (cd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (cd.dwDrawStage == CDDS_PREERASE) { // the parent's face shows through around channel and ticks
        PaintParentBackground(FHandle, cd.hdc);
        return CDRF_SKIPDEFAULT;
    }
    if (cd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    switch (cd.dwItemSpec) {
    case TBCD_THUMB: DrawThumb(cd.hdc); return CDRF_SKIPDEFAULT;
    case TBCD_CHANNEL: DrawChannel(cd.hdc); return CDRF_SKIPDEFAULT;
    default: return CDRF_DODEFAULT; // the tick marks are the system's
    }
}

void TSkinTrackBar::DrawChannel(HDC dc) {
    if (!FSkinData) return;
    RECT reported{};
    SendMessageW(FHandle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&reported));
    const bool vertical = (WindowLong(GWL_STYLE) & TBS_VERT) != 0;
    const TDataSkinObject* image = nullptr;
    GeoRect channel = ToGeo(reported);
    bool down = false;
    int capStart = 0, capEnd = 0;
    if (vertical && HasImage(FSkinData->TrackVert.get())) {
        image = FSkinData->TrackVert.get();
        channel = TrackChannelRect(channel, true);
        down = true;
        capStart = image->TopHeight;
        capEnd = image->BottomHeight;
    } else if (HasImage(FSkinData->Track.get())) {
        image = FSkinData->Track.get();
        capStart = image->LeftWidth;
        capEnd = image->RightWidth;
    }
    if (!image) return; // no channel image: the channel stays empty
    const ElementImage source = ImageOf(image->Bitmap.get());
    const auto pieces = TrackChannelPieces(channel, source.width, source.height, down, capStart, capEnd);
    if (pieces.empty()) return;
    if (image->Trans != 1) {
        DrawPieces(dc, 0, 0, source, pieces);
        return;
    }
    // Composed on the key colour, then put down with it transparent.
    GeoRect bounds = pieces.front().target;
    for (const ElementPiece& p : pieces) {
        bounds.left = std::min(bounds.left, p.target.left);
        bounds.top = std::min(bounds.top, p.target.top);
        bounds.right = std::max(bounds.right, p.target.right);
        bounds.bottom = std::max(bounds.bottom, p.target.bottom);
    }
    auto composed = Canvas24(bounds.Width(), bounds.Height(), clFuchsia);
    DrawPieces(BitmapDC(*composed), -bounds.left, -bounds.top, source, pieces);
    DrawTransparent(dc, ToRect(bounds), composed.get(), SkinKeyColour);
}

void TSkinTrackBar::DrawThumb(HDC dc) {
    RECT thumb{};
    SendMessageW(FHandle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const LONG_PTR style = WindowLong(GWL_STYLE);
    const bool vertical = (style & TBS_VERT) != 0;
    const ThumbPointing pointing = (style & TBS_BOTH)  ? ThumbPointing::Both
                                   : (style & TBS_TOP) ? ThumbPointing::Reversed
                                                       : ThumbPointing::Default;
    const TSkinData* d = FSkinData;
    ThumbSlots slots;
    if (d) {
        slots = {HasImage(d->TrackThumbHorz.get()), HasImage(d->TrackThumbVert.get()), HasImage(d->TrackThumbUp.get()),
                 HasImage(d->TrackThumbDown.get()), HasImage(d->TrackThumbLeft.get()), HasImage(d->TrackThumbRight.get())};
    }
    ThumbImage which{};
    if (!d || !ChooseThumbImage(vertical, pointing, slots, which)) {
        HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(d ? d->SkinColors.ButtonShadow : clBtnShadow));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
        Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
        return;
    }
    const TDataSkinObject* images[] = {d->TrackThumbHorz.get(), d->TrackThumbVert.get(), d->TrackThumbUp.get(),
                                       d->TrackThumbDown.get(), d->TrackThumbLeft.get(), d->TrackThumbRight.get()};
    const TDataSkinObject* image = images[int(which)];
    PaintStretchedFrame(dc, thumb, image->Bitmap.get(), true, image->FrameCount, TrackThumbFrame);
}

void TSkinTrackBar::SkinChanged() {
    // Taking the focus and giving it back makes the control paint its channel and thumb again.
    HWND previous = GetFocus();
    SetFocus(FHandle);
    if (previous && previous != FHandle) SetFocus(previous);
}

// --- TSkinUpDown --------------------------------------------------------------------------------------------

const TClassInfo& TSkinUpDown::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinUpDown, TSkinControl>("TSkinUpDown").Register();
    return info;
}

bool TSkinUpDown::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT: PaintControl(m); return false;
    case WM_ERASEBKGND:
        if (!FControl) {
            RECT client;
            GetClientRect(FHandle, &client);
            FillColour(reinterpret_cast<HDC>(m.WParam), client, clWhite);
        }
        m.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const std::shared_ptr<bool> alive = FAlive;
        CallPrevious(m); // changes the value and captures the mouse
        if (!*alive) return false;
        FState |= psPressed;
        PaintWhole(nullptr);
        return false;
    }
    case WM_LBUTTONUP: {
        const std::shared_ptr<bool> alive = FAlive;
        FState &= ~psPressed;
        CallPrevious(m);
        if (*alive) PaintWhole(nullptr);
        return false;
    }
    case WM_MOUSEMOVE:
        // Hot follows the mouse over the arrows (the frames of state 4).
        if (!(FState & psHot)) {
            FState |= psHot;
            SkinTrackMouseLeave(FHandle);
        }
        PaintWhole(nullptr);
        return true;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        if (FState & psHot) {
            FState &= ~psHot;
            PaintWhole(nullptr);
        }
        return true;
    default: return TSkinControl::BeforeMessage(m);
    }
}

void TSkinUpDown::DrawSkin(HDC dc, const RECT&) {
    RECT client;
    GetClientRect(FHandle, &client);
    GeoRect drawing = ToGeo(client);
    if (FInEdit) {
        FillColour(dc, client, clWhite);
        RECT mine{}, parent{};
        if (GetWindowRect(FHandle, &mine) && GetWindowRect(GetParent(FHandle), &parent))
            drawing = UpDownInEditRect(drawing, ToGeo(mine), ToGeo(parent));
    }
    if (!drawing.HasArea()) return;
    const TSkinData* d = FSkinData;
    auto bitmap = Canvas24(drawing.Width(), drawing.Height(), FaceColour(d));
    HDC target = BitmapDC(*bitmap);
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(FHandle, &cursor);
    cursor.x -= drawing.left;
    cursor.y -= drawing.top;
    const bool enabled = IsWindowEnabled(FHandle) != FALSE;
    const bool horizontal = FHorizontal == 1 || (WindowLong(GWL_STYLE) & UDS_HORZ) != 0;
    const UpDownHalves halves = SplitUpDown({0, 0, drawing.Width(), drawing.Height()}, horizontal);
    const TDataSkinBorder* element = d ? (horizontal ? d->UpDownHorz.get() : d->UpDownVert.get()) : nullptr;
    const GeoRect buttons[] = {halves.first, halves.second};
    for (int i = 0; i < 2; ++i) {
        const RECT button = ToRect(buttons[i]);
        const bool over = PtInRect(&button, cursor) != FALSE;
        const int state = UpDownButtonState(over, FState & psPressed, FState & psHot, enabled);
        if (HasImage(element)) {
            const int frame = UpDownFrame(state, i == 1);
            PaintStretchedFrame(target, button, element->Bitmap.get(), true, element->FrameCount, frame);
            if (element->Bitmap2 && !IsBitmapEmpty(*element->Bitmap2))
                PaintCentredFrame(target, button, element->Bitmap2.get(), true, element->FrameCount, frame);
            continue;
        }
        // Line-drawn fallback: a framed button with a small arrow at its centre.
        HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(d ? d->SkinColors.ButtonDkShadow : clBtnShadow));
        HBRUSH brush = CreateSolidBrush(ColorToRGB(state == 2 || state == 4 ? (d ? d->SkinColors.ButtonShadow : clBtnShadow)
                                                                            : FaceColour(d)));
        HGDIOBJ oldPen = SelectObject(target, pen);
        HGDIOBJ oldBrush = SelectObject(target, brush);
        Rectangle(target, button.left, button.top, button.right, button.bottom);
        const int cx = (button.left + button.right) / 2;
        const int cy = (button.top + button.bottom) / 2 - (horizontal ? 0 : 2);
        for (int k = 0; k < 3; ++k) {
            if (horizontal) {
                const int x = i == 0 ? cx - 1 + k : cx + 1 - k;
                MoveToEx(target, x, cy - k, nullptr);
                LineTo(target, x, cy + k + 1);
            } else {
                const int y = i == 0 ? cy + k : cy + 2 - k;
                MoveToEx(target, cx - k, y, nullptr);
                LineTo(target, cx + k + 1, y);
            }
        }
        SelectObject(target, oldBrush);
        SelectObject(target, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
    }
    BitBlt(dc, drawing.left, drawing.top, drawing.Width(), drawing.Height(), target, 0, 0, SRCCOPY);
}
