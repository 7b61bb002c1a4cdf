#include "skin/window/WinSkinForm.h"

#include "runtime/ExtCtrls.h"
#include "runtime/Forms.h"
#include "runtime/Graphics.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/ElementPaint.h"
#include "runtime/Menus.h"
#include "skin/window/WinSkinMenu.h"
#include "skin/window/SkinMenuHandlers.h"
#include "skin/window/ToolBarSkin.h"

#include <commctrl.h>

#include <algorithm>

// The framework's reflected-message range must stay clear of the engine's 0xBC4x messages.
static_assert(CN_BASE + CN_RANGE <= WM_SKIN_PAINTCLIENT || CN_BASE > WM_SKIN_DONE);
static_assert(CN_BASE >= CM_BASE + 0x200);

namespace {

constexpr UINT_PTR SubclassId = 0x534B4E46; // "SKNF"
// The painter of a subclassed window, found again from its handle.
constexpr wchar_t FramePainterProperty[] = L"GrivelleFramePainter";

LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* painter = reinterpret_cast<TWinSkinForm*>(data);
    if (!painter) { // left in the chain under a later subclass when its painter let go: passes everything on
        if (msg == WM_NCDESTROY) RemoveWindowSubclass(window, SubclassProc, SubclassId);
        return DefSubclassProc(window, msg, wParam, lParam);
    }
    // No exception may cross the system's call of a window procedure.
    try {
        return painter->WindowMessage(msg, wParam, lParam);
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
    }
    return DefSubclassProc(window, msg, wParam, lParam);
}

} // namespace

namespace {
struct FormHookLink {
    std::shared_ptr<TWinSkinForm::FormHookState> state;
    void operator()(TMessage& message) const {
        if (state->painter) state->painter->FormMessage(message);
        else if (state->previous) state->previous(message);
    }
};
} // namespace

const TClassInfo& TWinSkinForm::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TWinSkinForm, TComponent>("TWinSkinForm").Register();
    return info;
}

TWinSkinForm::TWinSkinForm(TComponent* owner, HWND window, const std::string& className)
    : TComponent(owner), Handle(window), WindowClass(className.substr(0, 100)),
      FrameCanvas(std::make_unique<TCanvas>()), ControlCanvas(std::make_unique<TCanvas>()),
      IconBitmap(std::make_unique<TBitmap>()), alive_(std::make_shared<bool>(true)) {
    DoubleClickTime = GetDoubleClickTime();
    CaptionFont = std::make_unique<TFont>();
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = 340; // the size every system understands
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0)) {
        // Captions are texts of the system's code page: the font takes that code page's character set.
        metrics.lfCaptionFont.lfCharSet = DEFAULT_CHARSET;
        CaptionFont->SetLogFontA(metrics.lfCaptionFont);
    }
    IconBitmap->SetPixelFormat(pf32bit);
    IconBitmap->SetSize(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
}

TWinSkinForm::~TWinSkinForm() {
    *alive_ = false;
    if (HoverTimer) HoverTimer->SetEnabled(false);
    UnhookForm();
    Unsubclass();
    FreePainters();
    FreeCaptionButtons();
    FreeSystemMenu();
    FreeMenuBar(false);
    UnsubclassMdiClient();
    if (SkinManager) SkinManager->ForgetPainter(this);
}

bool TWinSkinForm::WindowAlive() const { return *alive_ && Handle && IsWindow(Handle); }

// --- Attach ---------------------------------------------------------------------------------------------

void TWinSkinForm::AttachForm(TSkinData* skinData, TCustomForm* form) {
    Form = form;
    if (skinData && skinData->OnBeforeSkinForm) skinData->OnBeforeSkinForm(form, Handle, WindowClass);
    AttachToWindow(skinData);
    if (!Form) return;
    if (SkinFrame) HookForm();
    SavedFormColor = Form->Color();
    if (SkinData && InSet(SkinData->SkinControls, xcMenuItem)) SkinMainMenus(Form, SkinData, true);
    SavedFontColor = Form->Font()->Color();
    TakeSkinColours();
}

// The form takes the skin's face colour, and its font (followed by every control that takes its parent's
// font) the skin's colour for the system text colour it was given.
void TWinSkinForm::TakeSkinColours() {
    if (!Form || !SkinData) return;
    Form->SetColor(SkinData->SkinColors.ButtonFace);
    Form->Font()->SetColor(SkinTextColour(SkinData->SkinColors, SavedFontColor));
}

void TWinSkinForm::ReadWindowFacts() {
    Style = DWORD(GetWindowLongW(Handle, GWL_STYLE));
    ExStyle = DWORD(GetWindowLongW(Handle, GWL_EXSTYLE));
    Unicode = IsWindowUnicode(Handle) != FALSE;
    RightToLeft = (ExStyle & frame_style::ExLayoutRtl) != 0;
    Child = (Style & WS_CHILD) != 0;
    OwnerWindow = GetWindow(Handle, GW_OWNER);
    CaptionBoxes = CaptionBoxesOf(Style, SystemMenuHandle != nullptr);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(Handle, &placement)) ShowState = ShowStateFromShowCommand(int(placement.showCmd));
    if (ExStyle & WS_EX_MDICHILD) WindowKind = wkMdiChild;
    else if ((MdiClientWindow = FindWindowExW(Handle, nullptr, L"MDIClient", nullptr))) WindowKind = wkMdiFrame;
    const TBorderKindAnswer border = BorderKindOf(Style, ExStyle, WindowClass);
    BorderKind = border.kind;
    SystemDialog = border.systemDialog;
}

void TWinSkinForm::AttachToWindow(TSkinData* skinData) {
    if (Attached) return;
    Attached = true;
    if (SkinManager) SkinManager->runState = std::max(SkinManager->runState, 1);
    SkinData = skinData;
    HoverTimer = std::make_unique<TTimer>(nullptr);
    HoverTimer->SetEnabled(false);
    HoverTimer->SetInterval(250);
    HoverTimer->OnTimer = [this](TObject*) { TrackHover(); };

    ReadWindowFacts();
    SkinFrame = SkinData && InSet(SkinData->SkinControls, xcMainMenu);
    if (WindowKind == wkMdiChild && SkinData && InSet(SkinData->Options, xoMDIChildBorder)) SkinFrame = false;
    const DWORD version = GetVersion();
    const TVersionFacts facts{(version & 0x80000000u) == 0, int(LOBYTE(LOWORD(version))), int(HIBYTE(LOWORD(version)))};
    if (!facts.nt && SkinData) SkinData->SkinControls &= ~SetBit(xcSystemMenu);
    if (NeedsCaptionStyleWorkaround(facts, ExStyle, OwnerWindow != nullptr, WindowKind == wkMdiChild))
        CaptionBoxes |= cbCaptionStyleWorkaround;

    Subclass();
    if (WindowKind == wkMdiFrame) SubclassMdiClient();

    if (SkinFrame) {
        if (GetMenu(Handle) && WindowKind != wkMdiChild) CreateMenuBar();
        const bool mdiMaximized = SkinManager && SkinManager->mdiMaximized;
        if (!(WindowKind == wkMdiChild && mdiMaximized) && ShowState != ssMinimized) SetCaptionStyle(false);
        ComputeMetrics();
    } else {
        SkinState = fsSkinned;
    }
    if (WindowKind == wkMdiChild) {
        const int systemTitle = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
        if (Metrics.T < systemTitle) Metrics.M = systemTitle - Metrics.T;
        if (ShowState == ssMaximized && SkinManager) SkinManager->SetMdiMaximized(true);
    }
}

void TWinSkinForm::SetBorderMetrics() {
    if (!SkinData || SkinData->IsEmpty) return;
    auto width = [](const std::unique_ptr<TDataSkinBorder>& e) { return e && e->Bitmap ? e->Bitmap->Width() : 0; };
    auto height = [](const std::unique_ptr<TDataSkinBorder>& e) { return e && e->Bitmap ? e->Bitmap->Height() : 0; };
    auto frames = [](const std::unique_ptr<TDataSkinBorder>& e) { return e ? e->FrameCount : 1; };
    TBorderStrips strips{width(SkinData->BorderLeft),  frames(SkinData->BorderLeft),
                         width(SkinData->BorderRight), frames(SkinData->BorderRight),
                         height(SkinData->BorderTop),  frames(SkinData->BorderTop),
                         height(SkinData->BorderBottom), frames(SkinData->BorderBottom)};
    Metrics = BorderMetrics(strips, BorderKind, Metrics.M);
}

void TWinSkinForm::ComputeMetrics() {
    if (SkinData && (SkinData->ComponentState() & csLoading)) return;
    SetBorderMetrics();
    FreeCaptionButtons();
    CreateCaptionButtons();
}

void TWinSkinForm::Subclass() {
    if (Subclassed || !Handle) return;
    Subclassed = SetWindowSubclass(Handle, SubclassProc, SubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    if (Subclassed) SetPropW(Handle, FramePainterProperty, this);
    ChainProc = GetWindowLongPtrW(Handle, GWLP_WNDPROC);
}

// The subclass chain keeps every later subclass of the window working: only our own link is taken out.
void TWinSkinForm::Unsubclass() {
    if (!Subclassed) return;
    Subclassed = false;
    if (!IsWindow(Handle)) return;
    RemovePropW(Handle, FramePainterProperty);
    // Taking the last link out of the chain puts the window's first procedure back, over any procedure set
    // on top of the chain since; with one on top, our link stays in and only passes messages on.
    if (GetWindowLongPtrW(Handle, GWLP_WNDPROC) == ChainProc) RemoveWindowSubclass(Handle, SubclassProc, SubclassId);
    else SetWindowSubclass(Handle, SubclassProc, SubclassId, 0);
}

void TWinSkinForm::HookForm() {
    if (FormHook || !Form) return;
    FormHook = std::make_shared<FormHookState>();
    FormHook->painter = this;
    FormHook->previous = Form->WindowProc;
    Form->WindowProc = FormHookLink{FormHook};
}

void TWinSkinForm::UnhookForm() {
    if (!FormHook) return;
    std::shared_ptr<FormHookState> state = std::move(FormHook);
    state->painter = nullptr;
    if (!Form) return;
    const FormHookLink* current = Form->WindowProc.target<FormHookLink>();
    if (current && current->state == state) Form->WindowProc = state->previous;
}

TWinSkinForm* FramePainterOf(HWND window) {
    return window ? static_cast<TWinSkinForm*>(GetPropW(window, FramePainterProperty)) : nullptr;
}

LRESULT TWinSkinForm::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(Handle, msg, wParam, lParam);
}

// --- Activation and sizes -----------------------------------------------------------------------------

void TWinSkinForm::LoadIconBitmap() {
    const int w = IconBitmap->Width(), h = IconBitmap->Height();
    HDC dc = IconBitmap->Canvas()->Handle();
    RECT all{0, 0, w, h};
    HBRUSH key = CreateSolidBrush(SkinKeyColour);
    FillRect(dc, &all, key);
    DeleteObject(key);
    auto icon = reinterpret_cast<HICON>(SendMessageW(Handle, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(Handle, WM_GETICON, ICON_BIG, 0));
    SmallIcon = icon;
    if (icon) DrawIconEx(dc, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
}

void TWinSkinForm::Activate() {
    Activated = true;
    SystemMenuHandle = GetSystemMenu(Handle, FALSE);
    if (SystemMenuHandle) CaptionBoxes |= cbSystemMenu;
    LoadIconBitmap();
    RECT window{}, client{};
    GetWindowRect(Handle, &window);
    GetClientRect(Handle, &client);
    AttachClient = client;
    PreSkinNonClient = {(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};

    const std::shared_ptr<bool> alive = alive_;
    if (Form) SkinFormControls(Form);
    else SkinChildWindows(Handle);
    if (!*alive) return;

    if (SkinState == fsAttached && SkinFrame) {
        if (WindowKind == wkMdiChild) {
            if (ShowState == ssMaximized) {
                if (SkinManager && SkinManager->mdiClient)
                    PostMessageW(SkinManager->mdiClient, WM_SKIN_MDIREDRAW, WPARAM(Handle), 0);
            } else if (ShowState == ssMinimized) {
                SetCaptionStyle(true);
            } else {
                SkinState = fsResizing;
                ResizeToClient(false);
                SkinState = fsSkinned;
                UpdateRegion();
            }
        } else if (!Child && BorderKind != bkNone && ShowState != ssMinimized) {
            SkinState = fsResizing;
            ResizeToClient(false);
            SkinState = fsSkinned;
            if (ShowState == ssMaximized) FrameChanged();
            else UpdateRegion();
        }
    }
    if (!*alive || !IsWindow(Handle)) return;
    SendMessageW(Handle, WM_SKIN_DONE, 0, SkinMessageTag);
    if (!*alive) return;
    if (SkinData && SkinData->OnAfterSkinForm) SkinData->OnAfterSkinForm(Form, Handle, WindowClass);
    SkinState = fsSkinned;
    if (HoverTimer) HoverTimer->SetEnabled(true);
}

void TWinSkinForm::ResizeToClient(bool keepCurrentClient) {
    if (ShowState == ssMaximized) {
        SetWindowPos(Handle, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return;
    }
    int clientWidth, clientHeight;
    if (keepCurrentClient) {
        RECT r{};
        GetClientRect(Handle, &r);
        clientWidth = r.right;
        clientHeight = r.bottom;
    } else if (Form) {
        clientWidth = Form->ClientWidth();
        clientHeight = Form->ClientHeight() - (WindowKind == wkMdiChild ? 0 : Metrics.M);
    } else {
        if (SystemDialog || SkinState == fsReskinning) GetClientRect(Handle, &AttachClient);
        clientWidth = AttachClient.right - AttachClient.left;
        clientHeight = AttachClient.bottom - AttachClient.top;
    }
    TFrameSize size = WindowSizeForClient(clientWidth, clientHeight, Metrics);
    if (SystemDialog && !keepCurrentClient && SkinData && SkinData->Title) {
        const std::wstring caption = CaptionPrefix + ReadWindowText(Handle) + CaptionSuffix;
        HDC dc = GetDC(Handle);
        HGDIOBJ old = SelectObject(dc, CaptionFont->Handle());
        SIZE extent{};
        GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &extent);
        SelectObject(dc, old);
        ReleaseDC(Handle, dc);
        const TDialogWidening widening =
            WidenForCaption(size.width, SkinData->Title->LeftWidth, extent.cx, SkinData->Title->RightWidth);
        if (widening.childShift > 0) {
            for (HWND child = GetWindow(Handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                RECT r{};
                GetWindowRect(child, &r);
                MapWindowPoints(nullptr, Handle, reinterpret_cast<POINT*>(&r), 2);
                SetWindowPos(child, nullptr, r.left + widening.childShift, r.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
        size.width = widening.width;
    }
    SetWindowPos(Handle, nullptr, 0, 0, size.width, size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::SetCaptionStyle(bool on) {
    if (!(CaptionBoxes & cbCaptionStyleWorkaround) || !IsWindow(Handle)) return;
    const DWORD style = DWORD(GetWindowLongW(Handle, GWL_STYLE));
    const DWORD wanted = on ? (style | WS_CAPTION) : (style & ~DWORD(WS_CAPTION));
    if (wanted != style) SetWindowLongW(Handle, GWL_STYLE, LONG(wanted));
}

void TWinSkinForm::FrameChanged() {
    SetWindowPos(Handle, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The region belongs to the system once SetWindowRgn took it: taking it away is all that is left to do.
void TWinSkinForm::DropRegion() {
    if (!RegionOwned) return;
    RegionOwned = false;
    Region = nullptr;
    RegionSize = {};
    if (IsWindow(Handle)) SetWindowRgn(Handle, nullptr, WindowKind == wkMdiChild);
}

// --- Detach ---------------------------------------------------------------------------------------------

void TWinSkinForm::Detach(bool onDestroy) {
    if (onDestroy) {
        DetachOnDestroy();
        return;
    }
    if (HoverTimer) HoverTimer->SetEnabled(false);
    FreePainters();
    if (Form) {
        SkinPopupMenus(Form, SkinData, false);
        SkinMainMenus(Form, SkinData, false);
        RemoveToolBarHandlers(Form);
    }
    if (Form && SkinData) {
        Form->SetColor(SavedFormColor);
        Form->Font()->SetColor(SavedFontColor);
    }
    const bool resize = SkinFrame && Activated && SkinState != fsAttached;
    const bool hadMenuBar = MenuBar != nullptr;
    if (SkinFrame) {
        FreeSystemMenu();
        UnhookForm();
        FreeMenuBar(true);
    }
    UnsubclassMdiClient();
    Unsubclass();
    if (!IsWindow(Handle)) return;
    if (SkinFrame) {
        if (CaptionBoxes & cbSystemMenu) {
            const LONG style = GetWindowLongW(Handle, GWL_STYLE);
            if (!(style & WS_SYSMENU)) SetWindowLongW(Handle, GWL_STYLE, style | WS_SYSMENU);
        }
        SetCaptionStyle(true);
        if (resize && (WindowKind == wkMdiChild || !Child)) {
            RECT r{};
            GetWindowRect(Handle, &r);
            if (WindowKind == wkMdiChild) MapWindowPoints(nullptr, GetParent(Handle), reinterpret_cast<POINT*>(&r), 2);
            const int width = (r.right - r.left) + PreSkinNonClient.cx - Metrics.L - Metrics.R;
            // The system's menu bar is back in the non-client area: the client keeps its height under it.
            const int systemMenuBar = hadMenuBar && GetMenu(Handle) ? GetSystemMetrics(SM_CYMENU) : 0;
            const int height =
                (r.bottom - r.top) + PreSkinNonClient.cy + systemMenuBar - Metrics.T - Metrics.B - Metrics.M;
            SetWindowPos(Handle, nullptr, r.left, r.top, std::max(width, 0), std::max(height, 0),
                         SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
        }
        Region = nullptr;
        RegionOwned = false;
        RegionSize = {};
        SetWindowRgn(Handle, nullptr, TRUE);
    }
    SkinState = fsAttached;
    RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TWinSkinForm::DetachOnDestroy() {
    if (HoverTimer) HoverTimer->SetEnabled(false);
    FreeSystemMenu();
    // A raw window's menu would have died with it, had we not taken it: it dies now. A framework menu
    // belongs to its component.
    const HMENU taken = MenuBar && !MenuBar->FrameworkMenu && !GetMenu(Handle) ? MenuBar->MenuHandle() : nullptr;
    FreeMenuBar(false);
    if (taken && IsMenu(taken)) DestroyMenu(taken);
    UnhookForm();
    FreePainters();
    // The window procedure is given back once the window has had its WM_NCDESTROY (WindowMessage).
}

void TWinSkinForm::SkinChanged() {
    TakeSkinColours();
    ReloadPainters();
    SkinState = fsReskinning;
    const std::shared_ptr<bool> alive = alive_;
    if (SkinFrame && Form) {
        ResizeToClient(true);
        if (!*alive) return;
        Form->SetHeight(Form->Height() + 1);
        Form->SetHeight(Form->Height() - 1);
    } else if (SkinFrame) {
        ResizeToClient(true);
    }
    if (!*alive || !IsWindow(Handle)) return;
    UpdateRegion();
    FrameChanged();
    SendMessageW(Handle, WM_SKIN_DONE, 0, SkinMessageTag);
    if (!*alive) return;
    if (SkinData && SkinData->OnAfterSkinForm) SkinData->OnAfterSkinForm(Form, Handle, WindowClass);
    SkinState = fsSkinned;
}

// --- Menu bar ---------------------------------------------------------------------------------------------

void TWinSkinForm::CreateMenuBar() {
    FreeMenuBar(false);
    MenuBar = new TWinSkinMenu(this, SkinData);
    Metrics.M = GetSystemMetrics(SM_CYMENU);
    if (Form) MenuBar->FrameworkMenu = Form->Menu();
    MenuBar->Build();
}

void TWinSkinForm::FreeMenuBar(bool giveMenuBack) {
    if (!MenuBar) return;
    ForgetBarTracking(*this);
    if (CurrentObject && dynamic_cast<TMenuBtn*>(CurrentObject)) CurrentObject = nullptr;
    if (giveMenuBack) MenuBar->GiveMenuBack();
    delete MenuBar;
    MenuBar = nullptr;
}

void TWinSkinForm::RebuildMenuBar() {
    if (!MenuBar) return;
    if (Form) MenuBar->FrameworkMenu = Form->Menu();
    MenuBar->Rebuild();
    if (SkinState == fsSkinned) PaintFrame();
}
