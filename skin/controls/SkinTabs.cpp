#include "skin/controls/SkinTabs.h"

#include "runtime/Graphics.h"
#include "runtime/TabCtrls.h"
#include "skin/controls/PainterFactory.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/ElementBitmaps.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace {
GeoRect Geo(const RECT& r) { return {int(r.left), int(r.top), int(r.right), int(r.bottom)}; }
RECT Win(const GeoRect& r) { return {r.left, r.top, r.right, r.bottom}; }
GeoMargins MarginsOf(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

HFONT ControlFont(const TSkinControl& p) {
    if (p.FControl) return p.FControl->Font()->Handle();
    return reinterpret_cast<HFONT>(SendMessageW(p.FHandle, WM_GETFONT, 0, 0));
}

// A tab's text (at most 80 characters) and picture index.
std::wstring TabText(HWND tab, int index, bool unicode, int& image) {
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    wchar_t wide[81]{};
    char narrow[81]{};
    std::wstring text;
    if (unicode) {
        item.pszText = wide;
        item.cchTextMax = 80;
        SendMessageW(tab, TCM_GETITEMW, WPARAM(index), LPARAM(&item));
        text = wide;
    } else {
        auto* a = reinterpret_cast<TCITEMA*>(&item);
        a->pszText = narrow;
        a->cchTextMax = 80;
        SendMessageA(tab, TCM_GETITEMA, WPARAM(index), LPARAM(a));
        text = WideFromAnsi(narrow);
    }
    image = item.iImage;
    return text.substr(0, 80);
}

// The scroll arrows of a tab row get the up-down painter (by handle, owned by the form skinner), unless they
// are skinned already.
TSkinControl* AttachUpDownPainter(HWND arrows, const TSkinControl& tab) {
    if (SendMessageW(arrows, WM_SKIN_QUERY, 0, 0) == 1) return nullptr;
    TPainterChoice choice;
    choice.Kind = TPainterKind::UpDown;
    choice.Attach = TAttachMode::Window;
    return CreatePainter(choice, TPainterTarget{nullptr, arrows, tab.FFormSkin, tab.FSkinData, tab.FCanvas});
}

void DrawCloseBox(HDC dc, const GeoRect& b, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, b.left, b.top, nullptr);
    LineTo(dc, b.right, b.bottom);
    MoveToEx(dc, b.left, b.bottom - 1, nullptr);
    LineTo(dc, b.right, b.top - 1);
    SelectObject(dc, old);
    DeleteObject(pen);
}
} // namespace

void DrawItemPictureText(TSkinControl& painter, HDC dc, const RECT& box, TItemAlignment alignment,
                         const std::wstring& text, int imageIndex, HIMAGELIST images) {
    TItemContent content;
    int cx = 0, cy = 0;
    if (images && imageIndex != -1 && ImageList_GetIconSize(images, &cx, &cy)) {
        content.hasPicture = true;
        content.pictureWidth = cx;
        content.pictureHeight = cy;
    }
    const UINT flags = DT_EXPANDTABS | DT_SINGLELINE | DT_END_ELLIPSIS;
    if (!text.empty()) {
        RECT measured = box;
        DrawTextW(dc, text.c_str(), int(text.size()), &measured, flags | DT_CALCRECT | DT_NOCLIP);
        content.textWidth = std::min<int>(measured.right - measured.left, box.right - box.left);
        content.textHeight = measured.bottom - measured.top;
    }
    TItemPlacement place = PlaceItem(Geo(box), alignment, content);
    if (place.drawPicture) ImageList_Draw(images, imageIndex, dc, place.picture.x, place.picture.y, ILD_TRANSPARENT);
    if (text.empty()) return;
    int oldMode = SetBkMode(dc, TRANSPARENT);
    if (GetWindowLongW(painter.FHandle, GWL_STYLE) & WS_DISABLED) SetTextColor(dc, ColorToRGB(clBtnShadow));
    RECT r = Win(place.text);
    r.left = std::max(r.left, box.left);
    r.right = std::min(r.right, box.right);
    DrawTextW(dc, text.c_str(), int(text.size()), &r, painter.TextFlags(flags));
    SetBkMode(dc, oldMode);
}

// --- TSkinTab --------------------------------------------------------------------------------------------

const TClassInfo& TSkinTab::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinTab, TSkinControl>("TSkinTab").Register();
    return info;
}

TSkinTab::TSkinTab(TComponent* owner) : TSkinControl(owner) {}
TSkinTab::~TSkinTab() = default;

void TSkinTab::AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) {
    TSkinControl::AttachControl(formSkin, skinData, recolour, canvas);
    FEnabled = !(WindowLong(GWL_STYLE) & WS_DISABLED);
    auto* pages = dynamic_cast<TPageControl*>(FControl);
    FCloseBoxes = FControl && FControl->Tag() == 7777 && pages && !pages->HideCloseBoxes();
    PrepareImages();
    FindScrollArrows();
    FActive = true;
    FUnicodeText = IsWindowUnicode(FHandle) != FALSE;
}

void TSkinTab::AttachWindow(HWND handle, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) {
    TSkinControl::AttachWindow(handle, skinData, formSkin, canvas);
    FFocused = GetFocus() == handle;
    FEnabled = !(WindowLong(GWL_STYLE) & WS_DISABLED);
    FCaption = ReadWindowText(handle);
    PrepareImages();
    FindScrollArrows();
    FActive = true;
    FUnicodeText = IsWindowUnicode(FHandle) != FALSE;
}

void TSkinTab::SkinChanged() {
    TSkinControl::SkinChanged();
    PrepareImages();
}

void TSkinTab::PrepareImages() {
    FTabSide = FHangingTabs ? TTabSide::Bottom : TabSideFromStyle(std::uint32_t(WindowLong(GWL_STYLE)));
    FTabImage = std::make_unique<TBitmap>();
    FPaneImage = std::make_unique<TBitmap>();
    if (!FSkinData || !FSkinData->Tabs) return;
    const TDataSkinBorder& tabs = *FSkinData->Tabs;
    if (tabs.Bitmap && !tabs.Bitmap->Empty()) CopyBitmap(tabs.Bitmap.get(), FTabImage.get());
    TBitmap* pane = tabs.Style == 0 ? tabs.Bitmap2.get() : FSkinData->TabPane ? FSkinData->TabPane->Bitmap.get() : nullptr;
    if (pane && !pane->Empty()) CopyBitmap(pane, FPaneImage.get());
    for (TBitmap* b : {FTabImage.get(), FPaneImage.get()}) {
        if (b->Empty()) continue;
        b->SetPixelFormat(pf24bit);
        if (FTabSide == TTabSide::Bottom) FlipVertical(*b);
    }
    if (FPaneImage->Empty()) return;
    if (FTabSide == TTabSide::Left) RotateLeft(*FPaneImage);
    if (FTabSide == TTabSide::Right) RotateRight(*FPaneImage);
}

bool TSkinTab::FindScrollArrows() {
    HWND arrows = FindWindowExW(FHandle, nullptr, UPDOWN_CLASSW, nullptr);
    if (!arrows) return false;
    if (!FUpDown) FUpDown = AttachUpDownPainter(arrows, *this);
    return IsWindowVisible(arrows) != FALSE;
}

bool TSkinTab::CloseClickedTab(const TMessage& m) {
    int index = CloseBoxAt(FCloseRects, GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
    if (index < 0) return false;
    // Only the first box hit: freeing a page moves every later tab, so the stored boxes are stale at once.
    auto* pages = dynamic_cast<TPageControl*>(FControl);
    TTabSheet* page = pages ? pages->Pages(index) : nullptr;
    HWND tabWindow = FHandle;
    std::shared_ptr<bool> alive = FAlive;
    LRESULT keep = SendMessageW(GetAncestor(tabWindow, GA_ROOT), WM_SKIN_CLOSETAB, WPARAM(tabWindow), LPARAM(index));
    if (keep != 0 || !*alive || !page) return true;
    // The form may have freed pages (or moved them) while it answered: free the page only if it is still there.
    for (int i = 0; i < pages->PageCount(); ++i)
        if (pages->Pages(i) == page) {
            delete page;
            // The boxes of the later tabs moved: none is hit again until the row is painted anew.
            if (*alive) FCloseRects.clear();
            break;
        }
    return true;
}

bool TSkinTab::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        PaintControl(m);
        return false;
    case WM_ERASEBKGND:
        m.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // the second of two quick clicks (the tab window asks for double clicks)
        if (FCloseBoxes && CloseClickedTab(m)) {
            m.Result = 0;
            return false; // nothing of the painter is touched after the page went
        }
        break;
    default: break;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinTab::DrawSkin(HDC dc, const RECT& r) {
    if (!FSkinData || !FSkinData->Tabs) return;
    const TDataSkinBorder& tabs = *FSkinData->Tabs;
    const GeoRect window = Geo(r);
    RECT display = r;
    SendMessageW(FHandle, TCM_ADJUSTRECT, FALSE, LPARAM(&display));
    const GeoRect page = TabPageRect(Geo(display), FTabSide);
    const int count = int(SendMessageW(FHandle, TCM_GETITEMCOUNT, 0, 0));
    const int focused = int(SendMessageW(FHandle, TCM_GETCURFOCUS, 0, 0));
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, TCM_GETIMAGELIST, 0, 0));
    FCloseRects.assign(std::size_t(std::max(count, 0)), GeoRect{});

    if (!FTabImage->Empty()) {
        const GeoRect row = TabRowRect(window, page, FTabSide);
        const TStripSize size = TabStripSize(row, FTabSide);
        if (!FStrip) FStrip = std::make_unique<TBitmap>();
        FStrip->SetPixelFormat(pf24bit);
        FStrip->SetSize(std::max(size.width, 1), std::max(size.height, 1));
        HDC strip = FStrip->Canvas()->Handle();
        RECT all{0, 0, size.width, size.height};
        FillParentColor(strip, all);
        HFONT font = ControlFont(*this);
        HGDIOBJ oldFont = font ? SelectObject(strip, font) : nullptr;
        const int frames = std::max(1, tabs.FrameCount);
        for (int i = 0; i < count; ++i) {
            RECT tr{};
            if (!SendMessageW(FHandle, TCM_GETITEMRECT, WPARAM(i), LPARAM(&tr))) continue;
            int image = -1;
            std::wstring text = TabText(FHandle, i, FUnicodeText, image);
            GeoRect inStrip = TabInStrip(Geo(tr), FTabSide, window, page, row);
            const bool selected = i == focused;
            PaintElement(strip, Win(inStrip), FTabImage.get(), false, tabs.Tile != 0, tabs.Trans != 0, frames,
                         selected ? 2 : 1, MarginsOf(tabs));
            const COLORREF textColour = TextColour(selected ? tabs.MouseOverColour2 : tabs.NormalColour2);
            if (FCloseBoxes) {
                GeoRect box = CloseBoxInStrip(inStrip);
                DrawCloseBox(strip, box, textColour);
                FCloseRects[std::size_t(i)] = StripToWindow(box, FTabSide, row);
            }
            SetTextColor(strip, textColour);
            DrawItemPictureText(*this, strip, Win(inStrip), TItemAlignment::Centre, text, image, images);
        }
        if (oldFont) SelectObject(strip, oldFont);
        if (FTabSide == TTabSide::Left) RotateLeft(*FStrip);
        if (FTabSide == TTabSide::Right) RotateRight(*FStrip);
        int saved = SaveDC(dc);
        HWND arrows = FindWindowExW(FHandle, nullptr, UPDOWN_CLASSW, nullptr);
        if (arrows && IsWindowVisible(arrows)) {
            RECT a;
            GetWindowRect(arrows, &a);
            MapWindowPoints(nullptr, FHandle, reinterpret_cast<POINT*>(&a), 2);
            ExcludeClipRect(dc, a.left, a.top, a.right, a.bottom);
        }
        BitBlt(dc, row.left, row.top, FStrip->Width(), FStrip->Height(), FStrip->Canvas()->Handle(), 0, 0, SRCCOPY);
        RestoreDC(dc, saved);
    }
    if (!FPaneImage->Empty()) {
        GeoMargins margins{4, 5, 4, 4};
        if (tabs.Style == 1 && FSkinData->TabPane) margins = MarginsOf(*FSkinData->TabPane);
        PaintElement(dc, Win(page), FPaneImage.get(), false, false, false, 1, 1, margins);
    }
}

// --- TSkinTabBtn -----------------------------------------------------------------------------------------

const TClassInfo& TSkinTabBtn::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinTabBtn, TSkinControl>("TSkinTabBtn").Register();
    return info;
}

bool TSkinTabBtn::BeforeMessage(TMessage& m) { return PaintWholeControl(m); }

void TSkinTabBtn::DrawSkin(HDC dc, const RECT& r) {
    FillParentColor(dc, r);
    if (!FSkinData || !FSkinData->Buttons) return;
    const TDataSkinButton& b = *FSkinData->Buttons;
    const int count = int(SendMessageW(FHandle, TCM_GETITEMCOUNT, 0, 0));
    const int focused = int(SendMessageW(FHandle, TCM_GETCURFOCUS, 0, 0));
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, TCM_GETIMAGELIST, 0, 0));
    HFONT font = ControlFont(*this);
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    for (int i = 0; i < count; ++i) {
        RECT tr{};
        if (!SendMessageW(FHandle, TCM_GETITEMRECT, WPARAM(i), LPARAM(&tr))) continue;
        int image = -1;
        std::wstring text = TabText(FHandle, i, IsWindowUnicode(FHandle) != FALSE, image);
        const int frame = i == focused ? 2 : 1;
        DrawElement(dc, tr, std::max(1, b.FrameCount), frame, &b);
        COLORREF colour = TextColour(clBtnText);
        if (frame == 1 && b.HasNormalColour2) colour = ColorToRGB(b.NormalColour2);
        if (frame == 2 && b.HasPressedColour2) colour = ColorToRGB(b.PressedColour2);
        SetTextColor(dc, colour);
        DrawItemPictureText(*this, dc, tr, TItemAlignment::Centre, text, image, images);
    }
    if (oldFont) SelectObject(dc, oldFont);
}

// --- TSkinTab31 ------------------------------------------------------------------------------------------

const TClassInfo& TSkinTab31::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinTab31, TSkinTab>("TSkinTab31").Register();
    return info;
}

TSkinTab31::TSkinTab31(TComponent* owner) : TSkinTab(owner) { FHangingTabs = true; }

void TSkinTab31::AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool, TCanvas* canvas) {
    auto* control = dynamic_cast<TWinControl*>(Owner());
    if (FAttached || !control) return;
    AttachWindow(control->Handle(), skinData, formSkin, canvas);
}

bool TSkinTab31::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        PaintControl(m);
        return true; // and the system's handling runs after it (its update region is empty by now)
    }
    if (m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

// --- TSkinTabSheet ---------------------------------------------------------------------------------------

const TClassInfo& TSkinTabSheet::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinTabSheet, TSkinControl>("TSkinTabSheet").Register();
    return info;
}

bool TSkinTabSheet::BeforeMessage(TMessage& m) {
    if (FNoMouseDown == 0) {
        switch (m.Msg) {
        case WM_PAINT:
        case WM_PRINT:
            PaintControl(m);
            return false;
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(FHandle, &r);
            FillRect(reinterpret_cast<HDC>(m.WParam), &r, FSkinData->FaceBrush);
            m.Result = 1;
            return false;
        }
        default: break;
        }
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinTabSheet::DrawSkin(HDC dc, const RECT& r) {
    FillFace(dc, r);
    if (auto* sheet = dynamic_cast<TWinControl*>(FControl)) sheet->PaintControls(dc);
}

// --- TSkinAdvPage ----------------------------------------------------------------------------------------

const TClassInfo& TSkinAdvPage::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinAdvPage, TSkinControl>("TSkinAdvPage").Register();
    return info;
}

void TSkinAdvPage::AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) {
    TSkinControl::AttachControl(formSkin, skinData, recolour, canvas);
    if (FTabMode == 4) AssignTabPictures(false);
}

void TSkinAdvPage::SkinChanged() {
    TSkinControl::SkinChanged();
    if (FTabMode == 4) AssignTabPictures(false);
}

void TSkinAdvPage::Unskin() {
    AssignTabPictures(true);
    TSkinControl::Unskin();
}

void TSkinAdvPage::AssignTabPictures(bool empty) {
    const char* names[2] = {"TabBackGround", "TabBackGroundActive"};
    for (int frame = 1; frame <= 2; ++frame) {
        TObject* target = ObjectProp(names[frame - 1]);
        TBitmap* bitmap = dynamic_cast<TBitmap*>(target);
        if (!bitmap)
            if (auto* picture = dynamic_cast<TPicture*>(target)) bitmap = picture->Bitmap();
        if (!bitmap) continue;
        if (empty || !FSkinData || !FSkinData->Tabs || FSkinData->Tabs->Bitmap->Empty()) {
            bitmap->SetSize(0, 0);
            continue;
        }
        bitmap->SetPixelFormat(pf24bit);
        bitmap->SetSize(100, 21);
        const TDataSkinBorder& tabs = *FSkinData->Tabs;
        PaintElement(bitmap->Canvas()->Handle(), RECT{0, 0, 100, 21}, tabs.Bitmap.get(), false, tabs.Tile != 0, false,
                     std::max(1, tabs.FrameCount), frame, MarginsOf(tabs));
    }
}

void TSkinAdvPage::DrawSkin(HDC, const RECT&) {
    HWND arrows = FindWindowExW(FHandle, nullptr, UPDOWN_CLASSW, nullptr);
    if (arrows && !FUpDown) FUpDown = AttachUpDownPainter(arrows, *this);
}
