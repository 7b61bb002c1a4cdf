#include "skin/controls/SkinPanels.h"

#include "runtime/BarCtrls.h"
#include "runtime/Graphics.h"
#include "skin/controls/BarLayout.h"
#include "skin/controls/SkinTabs.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/ElementBitmaps.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>

namespace {
GeoRect Geo(const RECT& r) { return {int(r.left), int(r.top), int(r.right), int(r.bottom)}; }
RECT Win(const GeoRect& r) { return {r.left, r.top, r.right, r.bottom}; }

bool HasBitmap(const TDataSkinObject* e) { return e && e->Bitmap && !e->Bitmap->Empty(); }

HFONT ControlFont(const TSkinControl& p) {
    if (p.FControl) return p.FControl->Font()->Handle();
    return reinterpret_cast<HFONT>(SendMessageW(p.FHandle, WM_GETFONT, 0, 0));
}

// The one off-screen bitmap all status bars compose in (main thread only).
TBitmap& StatusBarBitmap(int width, int height) {
    static TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(std::max(width, 1), std::max(height, 1));
    return bitmap;
}

void PaintGraphicChildren(TControl* control, HDC dc) {
    if (auto* w = dynamic_cast<TWinControl*>(control)) w->PaintControls(dc);
}
} // namespace

// --- Group box -------------------------------------------------------------------------------------------

const TClassInfo& TSkinGroupBox::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinGroupBox, TSkinControl>("TSkinGroupBox").Register();
    return info;
}

void TSkinGroupBox::AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) {
    TSkinControl::AttachControl(formSkin, skinData, recolour, canvas);
    if (FControl) FNoMouseDown = 1;
}

bool TSkinGroupBox::BeforeMessage(TMessage& m) {
    if (!TSkinControl::BeforeMessage(m)) return false;
    if (FNoMouseDown != 0 && m.Msg == WM_PAINT) {
        PaintControl(m);
        return false;
    }
    if (FNoMouseDown != 0 && m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return false;
    }
    return true;
}

void TSkinGroupBox::DrawSkin(HDC dc, const RECT& r) {
    std::wstring caption = ReadWindowText(FHandle);
    if (caption.empty() && FControl) caption = FControl->WideText();
    int saved = SaveDC(dc);
    if (FControl) FillFace(dc, r);
    HFONT font = ControlFont(*this);
    if (font) SelectObject(dc, font);
    SetTextColor(dc, TextColour(FControl ? FControl->Font()->Color() : clBtnText));
    SIZE zero{};
    GetTextExtentPoint32W(dc, L"0", 1, &zero);
    const int y = zero.cy / 2 - 1;
    if (!FControl) {
        RECT outer{0, y, r.right, r.bottom}, inner{1, y + 1, r.right - 1, r.bottom - 1};
        FrameRect(dc, &outer, FSkinData->FaceBrush);
        FrameRect(dc, &inner, FSkinData->FaceBrush);
    }
    HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(FSkinData->SkinColors.ButtonShadow));
    SelectObject(dc, pen);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 1, y, r.right - 1, r.bottom - 1, 5, 5);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ColorToRGB(FSkinData->SkinColors.ButtonFace));
    if (!caption.empty()) {
        const bool right = (WindowLong(GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
        RECT text = right ? RECT{r.left, r.top, r.right - 8, r.bottom} : RECT{r.left + 8, r.top, r.right, r.bottom};
        UINT flags = right ? TextFlags(DT_RIGHT | DT_EXPANDTABS) : DT_EXPANDTABS;
        DrawTextW(dc, caption.c_str(), int(caption.size()), &text, flags);
    }
    RestoreDC(dc, saved);
    DeleteObject(pen);
    if (FNoMouseDown != 0) PaintGraphicChildren(FControl, dc);
}

// --- Panel and bar ---------------------------------------------------------------------------------------

const TClassInfo& TSkinBox::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinBox, TSkinControl>("TSkinBox").Register();
    return info;
}

void TSkinBox::AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) {
    if (FAttached) return;
    FSkinData = skinData;
    FCanvas = canvas;
    FControl = dynamic_cast<TControl*>(Owner());
    auto* windowed = dynamic_cast<TWinControl*>(FControl);
    FHandle = windowed ? windowed->Handle() : nullptr;
    FFormSkin = formSkin;
    FRecolour = recolour;
    AddToPainters();
    if (recolour && FControl && skinData) {
        SwitchParentBackground(true);
        FOldColor = FControl->Color();
        FControl->SetColor(skinData->SkinColors.ButtonFace);
    }
    FAttached = true;
    FLifeState = lsAttached;
}

void TSkinBox::Unskin() {
    if (FLifeState != 4 && FRecolour && FControl) {
        SwitchParentBackground(false);
        FControl->SetColor(FOldColor);
    }
    FLifeState = 2;
}

const TClassInfo& TSkinBoxH::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinBoxH, TSkinControl>("TSkinBoxH").Register();
    return info;
}

bool TSkinBoxH::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(FHandle, &r);
        FillFace(reinterpret_cast<HDC>(m.WParam), r);
        m.Result = 0;
        return false;
    }
    if (m.Msg == WM_CTLCOLORSTATIC) {
        CallPrevious(m);
        // Static children are drawn on the face colour, in the skin's text colour.
        SetTextColor(reinterpret_cast<HDC>(m.WParam), ColorToRGB(FSkinData->SkinColors.WindowText));
        m.Result = reinterpret_cast<LRESULT>(FSkinData->FaceBrush);
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

// --- Status bar ------------------------------------------------------------------------------------------

const TClassInfo& TSkinStatusBar::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinStatusBar, TSkinControl>("TSkinStatusBar").Register();
    return info;
}

bool TSkinStatusBar::BeforeMessage(TMessage& m) { return PaintWholeControl(m); }

void TSkinStatusBar::DrawSkin(HDC target, const RECT& r) {
    TBitmap& bitmap = StatusBarBitmap(r.right - r.left, r.bottom - r.top);
    HDC dc = bitmap.Canvas()->Handle();
    const RECT all{0, 0, r.right - r.left, r.bottom - r.top};
    FillFace(dc, all);
    HFONT font = ControlFont(*this);
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    const TDataSkinObject* edges = FSkinData->StatusBarEdges.get();
    SetTextColor(dc, TextColour(edges ? edges->NormalColour2 : clBtnText));
    SetBkMode(dc, TRANSPARENT);
    const int frames = edges ? std::max(1, edges->FrameCount) : 1;
    const bool rtl = (TextFlags(0) & DT_RTLREADING) != 0;
    auto* bar = dynamic_cast<TStatusBar*>(FControl);

    const int parts = int(SendMessageW(FHandle, SB_GETPARTS, 0, 0));
    const bool simple = SendMessageW(FHandle, SB_ISSIMPLE, 0, 0) != 0 || parts <= 0;
    std::vector<int> indices;
    std::vector<GeoRect> reported;
    if (simple) {
        if (HasBitmap(edges)) DrawElement(dc, all, frames, 1, edges);
        std::wstring text = bar ? WideFromAnsi(bar->SimpleText()) : std::wstring();
        if (!bar) {
            wchar_t buffer[512]{};
            if (LOWORD(SendMessageW(FHandle, SB_GETTEXTLENGTHW, SB_SIMPLEID, 0)) < 512)
                SendMessageW(FHandle, SB_GETTEXTW, SB_SIMPLEID, LPARAM(buffer));
            text = buffer;
        }
        if (text.empty()) text = L" ";
        RECT tr{all.left + 2, all.top, all.right - 2, all.bottom};
        DrawTextW(dc, text.c_str(), int(text.size()), &tr,
                  TextFlags((rtl ? DT_RIGHT : DT_LEFT) | DT_VCENTER | DT_SINGLELINE));
    } else {
        for (int i = 0; i < parts; ++i) {
            RECT pr{};
            if (!SendMessageW(FHandle, SB_GETRECT, WPARAM(i), LPARAM(&pr))) continue;
            indices.push_back(i);
            reported.push_back(Geo(pr));
        }
        std::vector<GeoRect> rects = StatusPanelRects(reported, all.right);
        for (std::size_t k = 0; k < rects.size(); ++k) {
            const int i = indices[k];
            const LRESULT info = SendMessageW(FHandle, SB_GETTEXTLENGTHW, WPARAM(i), 0);
            const WORD kind = HIWORD(info);
            TPanelBevel bevel = (kind & SBT_NOBORDERS) ? TPanelBevel::None
                                : (kind & SBT_POPOUT)  ? TPanelBevel::Raised
                                                       : TPanelBevel::Lowered;
            RECT pr = Win(rects[k]);
            if (HasBitmap(edges)) DrawElement(dc, pr, frames, StatusPanelFrame(bevel), edges);
            if (kind & SBT_OWNERDRAW) continue;
            std::wstring text(std::size_t(LOWORD(info)) + 1, L'\0');
            SendMessageW(FHandle, SB_GETTEXTW, WPARAM(i), LPARAM(text.data()));
            text.resize(wcslen(text.c_str()));
            if (text.empty()) text = L" ";
            TPanelAlignment align = TPanelAlignment::Left;
            if (bar && i < bar->PanelCount()) {
                const TStatusPanel& p = bar->Panels(i);
                align = p.Alignment == taRightJustify ? TPanelAlignment::Right
                        : p.Alignment == taCenter     ? TPanelAlignment::Centre
                                                      : TPanelAlignment::Left;
                align = StatusTextAlignment(align, p.BiDiMode != bdLeftToRight);
            }
            UINT flags = align == TPanelAlignment::Right ? DT_RIGHT : align == TPanelAlignment::Centre ? DT_CENTER : DT_LEFT;
            RECT tr{pr.left + 2, pr.top, pr.right - 2, pr.bottom};
            DrawTextW(dc, text.c_str(), int(text.size()), &tr, TextFlags(flags | DT_VCENTER | DT_SINGLELINE));
        }
    }
    const TDataSkinObject* extra = FSkinData->ExtraImages.get();
    if ((WindowLong(GWL_STYLE) & SBARS_SIZEGRIP) && HasBitmap(extra)) {
        const int count = std::max(1, extra->FrameCount);
        GeoRect source = FrameSource(extra->Bitmap->Width(), extra->Bitmap->Height(), false, count, 5);
        RECT grip{all.right - 1 - source.Width(), all.bottom - 1 - source.Height(), all.right - 1, all.bottom - 1};
        PaintStretchedFrame(dc, grip, extra->Bitmap.get(), true, count, 5);
    }
    if (oldFont) SelectObject(dc, oldFont);
    BitBlt(target, r.left, r.top, all.right, all.bottom, dc, 0, 0, SRCCOPY);
    PaintGraphicChildren(FControl, target);
    if (bar && bar->OnDrawPanel)
        for (std::size_t k = 0; k < indices.size() && indices[k] < bar->PanelCount(); ++k) {
            RECT pr = Win(reported[k]);
            InflateRect(&pr, -2, -2);
            bar->OnDrawPanel(bar, bar->Panels(indices[k]), pr);
        }
}

// --- Header ----------------------------------------------------------------------------------------------

const TClassInfo& TSkinHeader::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinHeader, TSkinControl>("TSkinHeader").Register();
    return info;
}

void TSkinHeader::AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) {
    TSkinControl::AttachControl(formSkin, skinData, recolour, canvas);
    FHotSection = -1;
}

void TSkinHeader::AttachWindow(HWND handle, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) {
    TSkinControl::AttachWindow(handle, skinData, formSkin, canvas);
    FHotSection = -1;
}

bool TSkinHeader::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        PaintControl(m);
        return false;
    }
    if (m.Msg == WM_ERASEBKGND && HasBitmap(FSkinData->HeaderBar.get())) {
        m.Result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinHeader::AfterMessage(TMessage& m) {
    if (m.Msg == WM_MOUSEMOVE) {
        int section = HeaderSectionAt(FSectionRects, GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
        if (section >= 0 && section != FHotSection) {
            FHotSection = section;
            Redraw();
        }
        SkinTrackMouseLeave(FHandle);
        return;
    }
    if (m.Msg == WM_MOUSELEAVE) {
        FHotSection = -1;
        Redraw();
        return;
    }
    TSkinControl::AfterMessage(m);
}

void TSkinHeader::ReleaseHover() {
    if (FHotSection < 0) return;
    FHotSection = -1;
    Redraw();
}

void TSkinHeader::DrawSkin(HDC target, const RECT& r) {
    const TDataSkinObject* bar = FSkinData->HeaderBar.get();
    if (!HasBitmap(bar)) return;
    const int w = r.right - r.left, h = r.bottom - r.top;
    TBitmap off;
    off.SetPixelFormat(pf24bit);
    off.SetSize(std::max(w, 1), std::max(h, 1));
    HDC dc = off.Canvas()->Handle();
    HFONT font = ControlFont(*this);
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, HDM_GETIMAGELIST, 0, 0));
    const int frames = std::max(1, bar->FrameCount);
    const int count = int(SendMessageW(FHandle, HDM_GETITEMCOUNT, 0, 0));
    FSectionRects.clear();
    int lastRight = 0;
    for (int i = 0; i < count; ++i) {
        RECT sr{};
        if (!SendMessageW(FHandle, HDM_GETITEMRECT, WPARAM(i), LPARAM(&sr))) continue;
        DrawElement(dc, sr, frames, i == FHotSection ? 2 : 1, bar);
        wchar_t text[201]{};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
        item.pszText = text;
        item.cchTextMax = 200;
        SendMessageW(FHandle, HDM_GETITEMW, WPARAM(i), LPARAM(&item));
        if (text[0]) {
            TItemAlignment align = (item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT    ? TItemAlignment::Right
                                   : (item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER ? TItemAlignment::Centre
                                                                                : TItemAlignment::Left;
            SetTextColor(dc, ColorToRGB(FSkinData->SkinColors.ButtonText));
            DrawItemPictureText(*this, dc, sr, align, text, (item.fmt & HDF_IMAGE) ? item.iImage : -1, images);
        }
        FSectionRects.push_back(HeaderHotRect(Geo(sr)));
        lastRight = std::max<int>(lastRight, sr.right);
    }
    if (lastRight < w) DrawElement(dc, RECT{lastRight, 0, w, h}, frames, 1, bar);
    if (oldFont) SelectObject(dc, oldFont);
    BitBlt(target, r.left, r.top, w, h, dc, 0, 0, SRCCOPY);
}

// --- Size grip -------------------------------------------------------------------------------------------



// --- Glyph controls --------------------------------------------------------------------------------------

const TClassInfo& TSkinObjImage::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinObjImage, TSkinControl>("TSkinObjImage").Register();
    return info;
}

void TSkinObjImage::AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) {
    if (FAttached) return;
    FSkinData = skinData;
    FFormSkin = formSkin;
    FCanvas = canvas;
    FControl = dynamic_cast<TControl*>(Owner());
    auto* windowed = dynamic_cast<TWinControl*>(FControl);
    FHandle = windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
    FRecolour = recolour;
    AddToPainters();
    FAttached = true;
    FLifeState = lsAttached;
    RenderGlyphs();
}

void TSkinObjImage::SkinChanged() { RenderGlyphs(); }

void TSkinObjImage::Unskin() {
    SetPropText("UseCustomGlyphs", "false");
    if (auto* properties = dynamic_cast<TPersistent*>(ObjectProp("Properties")))
        if (auto* glyph = dynamic_cast<TBitmap*>(GetObjectProp(properties, "Glyph", &TBitmap::StaticClassInfo())))
            glyph->SetSize(0, 0);
}

void TSkinObjImage::RenderGlyphs() {
    if (!FSkinData || !FSkinData->Buttons) return;
    const bool radio = FGlyphMode == 2;
    TBitmap* source = radio ? FSkinData->Buttons->RadioBitmap.get() : FSkinData->Buttons->CheckBitmap.get();
    if (!source || source->Empty()) return;
    const int sourceFrames = std::max(1, radio ? FSkinData->Buttons->RadioFrameCount : FSkinData->Buttons->CheckFrameCount);
    const int fw = source->Width() / sourceFrames, fh = source->Height();
    // The source frames in the order the control expects its pictures: unchecked, checked, grayed, disabled.
    std::vector<int> order;
    if (FGlyphMode == 2) order = {1, 2, 1, 2, 3, 4};
    else if (FGlyphMode == 1) order = {1, 2, 4, 3, 4, 4, 1, 2, 4};
    else order = {1, 2, 4, 3, 4, 4};
    TBitmap strip;
    strip.SetPixelFormat(pf24bit);
    strip.SetSize(fw * int(order.size()), fh);
    for (std::size_t i = 0; i < order.size(); ++i) {
        GeoRect from = FrameSource(source->Width(), source->Height(), false, sourceFrames, order[i]);
        BitBlt(strip.Canvas()->Handle(), int(i) * fw, 0, fw, fh, source->Canvas()->Handle(), from.left, from.top, SRCCOPY);
    }
    if (FGlyphMode == 3) {
        if (auto* properties = dynamic_cast<TPersistent*>(ObjectProp("Properties")))
            if (auto* glyph = dynamic_cast<TBitmap*>(GetObjectProp(properties, "Glyph", &TBitmap::StaticClassInfo())))
                CopyBitmap(&strip, glyph);
        return;
    }
    TObject* target = ObjectProp("CustomGlyphs");
    TBitmap* glyphs = dynamic_cast<TBitmap*>(target);
    if (!glyphs)
        if (auto* picture = dynamic_cast<TPicture*>(target)) glyphs = picture->Bitmap();
    if (!glyphs) return;
    CopyBitmap(&strip, glyphs);
    SetPropText("transparentcolor", std::to_string(0xFF00FF));
    SetPropText("UseCustomGlyphs", "false");
    SetPropText("UseCustomGlyphs", "true");
}
