#include "runtime/Forms.h"

#include "runtime/Menus.h"

#include <windowsx.h>

#include "runtime/FormReader.h"
#include "runtime/Threads.h"

#include <objbase.h>

#include <algorithm>

const TEnumInfo FormBorderStyleInfo{"TFormBorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const TEnumInfo BorderIconInfo{"TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const TEnumInfo PositionInfo{"TPosition", {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                                           "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};

// --- TCustomForm -------------------------------------------------------------------------------------------

const TClassInfo& TCustomForm::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomForm, TWinControl>("TCustomForm")
        .Enum("BorderStyle", FormBorderStyleInfo, &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle)
        .Set("BorderIcons", BorderIconInfo, &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
        .Enum("Position", PositionInfo, &TCustomForm::Position, &TCustomForm::SetPosition)
        .Integer("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth)
        .Integer("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight)
        .Object<TWinControl>("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl)
        .Integer("PixelsPerInch", &TCustomForm::pixelsPerInch_, &TCustomForm::pixelsPerInch_)
        .Integer("TextHeight", &TCustomForm::textHeight_, &TCustomForm::textHeight_)
        .Bool("OldCreateOrder", &TCustomForm::oldCreateOrder_, &TCustomForm::oldCreateOrder_)
        .Bool("Scaled", &TCustomForm::scaled_, &TCustomForm::scaled_)
        .Object<TMainMenu>("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)
        .Object<TPopupMenu>("PopupMenu", &TCustomForm::PopupMenu, &TCustomForm::SetPopupMenu)
        .Event("OnCreate", &TCustomForm::OnCreate)
        .Event("OnShow", &TCustomForm::OnShow)
        .Event("OnHide", &TCustomForm::OnHide)
        .Event("OnActivate", &TCustomForm::OnActivate)
        .Event("OnDeactivate", &TCustomForm::OnDeactivate)
        .Event("OnDestroy", &TCustomForm::OnDestroy)
        .Event("OnClose", &TCustomForm::OnClose)
        .Event("OnCloseQuery", &TCustomForm::OnCloseQuery)
        .Register();
    return info;
}

const TClassInfo& TForm::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TForm, TCustomForm>("TForm").Register();
    return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    visible_ = false;
    width_ = 320;
    height_ = 240;
    Application->forms_.push_back(this);
}

TCustomForm::~TCustomForm() {
    SetStateFlag(csDestroying, true);
    if (OnDestroy) {
        try { OnDestroy(this); } catch (...) {}
    }
    auto& forms = Application->forms_;
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    if (Application->mainForm_ == this) Application->mainForm_ = nullptr;
    DestroyHandle();
}

void TCustomForm::ReadFromResource() { ReadFromResource(WideFromAnsi(UpperCase(ClassName()))); }

void TCustomForm::ReadFromResource(const std::wstring& name) {
    HRSRC res = FindResourceW(MainInstance(), name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL mem = res ? LoadResource(MainInstance(), res) : nullptr;
    const char* data = mem ? static_cast<const char*>(LockResource(mem)) : nullptr;
    if (!data) throw EReadError("Resource " + AnsiFromWide(name) + " not found");
    ReadFromText(std::string_view(data, SizeofResource(MainInstance(), res)));
}

void TCustomForm::ReadFromText(std::string_view text) {
    RegisterRuntimeClasses();
    ReadComponentFromText(this, text);
}

void TCustomForm::Loaded() {
    TWinControl::Loaded();
    if (OnCreate && !createdEventDone_) {
        createdEventDone_ = true;
        OnCreate(this);
    }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle s) {
    if (s == borderStyle_) return;
    borderStyle_ = s;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == borderIcons_) return;
    borderIcons_ = icons;
    RecreateWnd();
}

void TCustomForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style = WS_CLIPCHILDREN;
    p.ExStyle = 0;
    switch (borderStyle_) {
    case bsNone: p.Style |= WS_POPUP; break;
    case bsSingle: p.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: p.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog: p.Style |= WS_POPUP | WS_CAPTION; p.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE; break;
    case bsToolWindow: p.Style |= WS_CAPTION; p.ExStyle |= WS_EX_TOOLWINDOW; break;
    case bsSizeToolWin: p.Style |= WS_CAPTION | WS_THICKFRAME; p.ExStyle |= WS_EX_TOOLWINDOW; break;
    }
    if (borderStyle_ != bsNone && (borderIcons_ & (1u << biSystemMenu))) {
        p.Style |= WS_SYSMENU;
        if (borderStyle_ != bsDialog && borderStyle_ != bsToolWindow && borderStyle_ != bsSizeToolWin) {
            if (borderIcons_ & (1u << biMinimize)) p.Style |= WS_MINIMIZEBOX;
            if (borderIcons_ & (1u << biMaximize)) p.Style |= WS_MAXIMIZEBOX;
        }
    }
    if (clientWidth_ >= 0 || clientHeight_ >= 0) {
        RECT r{0, 0, clientWidth_ >= 0 ? clientWidth_ : width_, clientHeight_ >= 0 ? clientHeight_ : height_};
        AdjustWindowRectEx(&r, p.Style, menu_ != nullptr, p.ExStyle);
        p.Width = r.right - r.left;
        p.Height = r.bottom - r.top;
    }
    switch (position_) {
    case poDefault:
    case poDefaultPosOnly: p.X = p.Y = CW_USEDEFAULT; break;
    case poScreenCenter:
    case poDesktopCenter:
    case poMainFormCenter:
    case poOwnerFormCenter: {
        RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        TCustomForm* main = Application->MainForm();
        if ((position_ == poMainFormCenter || position_ == poOwnerFormCenter) && main && main != this && main->HandleAllocated())
            GetWindowRect(main->Handle(), &area);
        p.X = area.left + (area.right - area.left - p.Width) / 2;
        p.Y = area.top + (area.bottom - area.top - p.Height) / 2;
        break;
    }
    default: break;
    }
    p.WndParent = Application->Handle();
    p.ClassStyle = CS_DBLCLKS;
    p.SysClassName.clear();
}

void TCustomForm::CreateWnd() {
    TWinControl::CreateWnd();
    if (Application->Icon()) {
        SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Application->Icon()));
        SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Application->SmallIcon()));
    }
    clientWidth_ = clientHeight_ = -1;
    if (menu_) ::SetMenu(handle_, menu_->Handle());
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu_ == menu) return;
    if (menu_) {
        menu_->SetForm(nullptr);
        menu_->RemoveFreeNotification(this);
    }
    menu_ = menu;
    if (menu_) {
        menu_->SetForm(this);
        menu_->FreeNotification(this);
    }
    if (handle_) MenuChanged();
}

void TCustomForm::SetPopupMenu(TPopupMenu* menu) {
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    if (popupMenu_) popupMenu_->FreeNotification(this);
}

void TCustomForm::MenuChanged() {
    if (!handle_ || (ComponentState() & csDestroying)) return;
    ::SetMenu(handle_, menu_ ? menu_->Handle() : nullptr);
    Perform(CM_MENUCHANGED);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == menu_) {
        menu_ = nullptr;
        MenuChanged();
    }
    if (component == popupMenu_) popupMenu_ = nullptr;
}

RECT TCustomForm::ClientRect() const {
    if (!handle_ && (clientWidth_ >= 0 || clientHeight_ >= 0)) {
        RECT r = TWinControl::ClientRect();
        if (clientWidth_ >= 0) r.right = clientWidth_;
        if (clientHeight_ >= 0) r.bottom = clientHeight_;
        return r;
    }
    return TWinControl::ClientRect();
}

void TCustomForm::SetClientWidth(int v) {
    if (handle_) {
        RECT c = ClientRect();
        SetWidth(width_ + v - (c.right - c.left));
    } else {
        clientWidth_ = v;
    }
}

void TCustomForm::SetClientHeight(int v) {
    if (handle_) {
        RECT c = ClientRect();
        SetHeight(height_ + v - (c.bottom - c.top));
    } else {
        clientHeight_ = v;
    }
}

void TCustomForm::SetActiveControl(TWinControl* c) {
    if (c && !ContainsControl(c)) return;
    if (ComponentState() & csLoading) {
        activeControl_ = c;
        return;
    }
    if (c && handle_ && c->CanFocus()) c->SetFocus();
    else activeControl_ = c;
}

bool TCustomForm::Active() const { return handle_ && GetActiveWindow() == handle_; }

void TCustomForm::Show() {
    SetVisible(true);
    if (handle_) {
        SetForegroundWindow(handle_);
        SetActiveWindow(handle_);
    }
}

bool TCustomForm::CloseQuery() {
    bool can = true;
    if (OnCloseQuery) OnCloseQuery(this, can);
    return can;
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
    if (modal_) {
        if (modalResult_ == mrNone) modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    if (action == caHide) Hide();
    else if (action == caMinimize) ShowWindow(Handle(), SW_MINIMIZE);
    else Release();
}

void TCustomForm::Release() {
    // Freed by the application window once the queued messages are handled: never from inside its own
    // message handling.
    PostMessageW(Application->Handle(), CM_RELEASE, 0, reinterpret_cast<LPARAM>(this));
}

namespace {
BOOL CALLBACK collectEnabledWindow(HWND w, LPARAM l) {
    auto* list = reinterpret_cast<std::vector<HWND>*>(l);
    if (IsWindowVisible(w) && IsWindowEnabled(w)) list->push_back(w);
    return TRUE;
}
} // namespace

TModalResult TCustomForm::ShowModal() {
    if (visible_ || modal_) throw EInvalidOperation("Cannot make a visible window modal");
    HandleNeeded();
    // Every other enabled top-level window of this thread waits until the form closes.
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), collectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
    disabled.erase(std::remove(disabled.begin(), disabled.end(), handle_), disabled.end());
    HWND previous = GetActiveWindow();
    for (HWND w : disabled) EnableWindow(w, FALSE);
    modal_ = true;
    modalResult_ = mrNone;
    try {
        Show();
        while (modalResult_ == mrNone && !Application->Terminated()) {
            Application->HandleMessage();
            if (modalResult_ != mrNone && !CloseQuery()) modalResult_ = mrNone;
        }
    } catch (...) {
        modal_ = false;
        for (HWND w : disabled) EnableWindow(w, TRUE);
        throw;
    }
    modal_ = false;
    if (modalResult_ != mrNone) {
        TCloseAction action = caHide;
        DoClose(action);
    }
    for (HWND w : disabled) EnableWindow(w, TRUE);
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
    Hide();
    return modalResult_ == mrNone ? mrCancel : modalResult_;
}

void TCustomForm::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_CLOSE:
        Close();
        m.Result = 0;
        return;
    case CM_VISIBLECHANGED:
        if (visible_) {
            HandleNeeded();
            ShowWindow(handle_, SW_SHOW);
            if (OnShow) OnShow(this);
        } else if (handle_) {
            ShowWindow(handle_, SW_HIDE);
            if (OnHide) OnHide(this);
        }
        return;
    case WM_ACTIVATE:
        DefaultHandler(m);
        if (LOWORD(m.WParam) != WA_INACTIVE) {
            if (activeControl_ && activeControl_->CanFocus()) activeControl_->SetFocus();
            else SelectNext(nullptr, true, true);
            if (OnActivate) OnActivate(this);
        } else if (OnDeactivate) {
            OnDeactivate(this);
        }
        return;
    case CM_FOCUSCHANGED: {
        auto* focused = reinterpret_cast<TWinControl*>(m.LParam);
        if (m.WParam == 1 && focused != activeControl_) {
            TWinControl* old = activeControl_;
            activeControl_ = focused;
            if (old && ContainsControl(old)) {
                old->Perform(CM_EXIT);
                if (old->OnExit) old->OnExit(old);
            }
            if (focused) {
                focused->Perform(CM_ENTER);
                if (focused->OnEnter) focused->OnEnter(focused);
            }
        }
        break; // and every control hears it
    }
    case WM_COMMAND:
        // A menu's command (not a control's, not an accelerator's): the item with that id runs its click.
        if (m.LParam == 0 && HIWORD(m.WParam) == 0)
            if (TMenuItem* item = FindMenuItemByCommand(LOWORD(m.WParam))) {
                item->Click();
                m.Result = 0;
                return;
            }
        break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
        // An owner-drawn item of any menu this form shows (its own, a context menu, a tool bar's menu).
        if (m.WParam == 0) {
            const UINT id = m.Msg == WM_MEASUREITEM ? reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->itemID
                                                    : reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->itemID;
            TMenuItem* item = FindMenuItemByCommand(id);
            if (TMenu* menu = item ? item->GetParentMenu() : nullptr; menu && menu->MenuItemMessage(m.Msg, m.LParam)) {
                m.Result = TRUE;
                return;
            }
        }
        break;
    case WM_CONTEXTMENU:
        if (popupMenu_ && popupMenu_->AutoPopup()) {
            int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
            if (x == -1 && y == -1) {
                POINT origin{0, 0};
                ::ClientToScreen(handle_, &origin);
                x = origin.x;
                y = origin.y;
            }
            popupMenu_->PopupComponent = this;
            popupMenu_->Popup(x, y, handle_);
            m.Result = 0;
            return;
        }
        break;
    case CM_DIALOGKEY:
        if (m.WParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
            SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
            m.Result = 1;
            return;
        }
        break;
    default: break;
    }
    TWinControl::Dispatch(m);
}

TCustomForm* GetParentForm(TControl* control) {
    TControl* top = control;
    while (top && top->Parent()) top = top->Parent();
    return dynamic_cast<TCustomForm*>(top);
}

// --- TApplication ------------------------------------------------------------------------------------------

namespace {
constexpr UINT CM_APP_WAKEUP = CM_BASE + 0x100;
TApplication* theApplication = nullptr;
} // namespace

void WakeMainThread() {
    if (theApplication && theApplication->handle_) PostMessageW(theApplication->handle_, CM_APP_WAKEUP, 0, 0);
}

const TApplicationRef Application;

TApplication* TApplicationRef::get() const {
    if (!theApplication) theApplication = new TApplication();
    return theApplication;
}

const TClassInfo& TApplication::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TApplication, TComponent>("TApplication").Register();
    return info;
}

TApplication::TApplication() : TComponent(nullptr) {
    theApplication = this;
    ControlAtom();
    icon_ = static_cast<HICON>(LoadImageW(MainInstance(), L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    smallIcon_ = static_cast<HICON>(LoadImageW(MainInstance(), L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring title = path;
    size_t slash = title.find_last_of(L"\\/");
    if (slash != std::wstring::npos) title = title.substr(slash + 1);
    size_t dot = title.find_last_of(L'.');
    if (dot != std::wstring::npos) title.resize(dot);
    title_ = AnsiFromWide(title);
    // Starting COM is the start-up hook that Initialize runs, before any window of the program exists.
    initProcs_.push_back([this] {
        HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        comInitialized_ = SUCCEEDED(hr);
    });
}

HWND TApplication::Handle() {
    if (!handle_) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = AppWndProc;
        wc.hInstance = MainInstance();
        wc.lpszClassName = L"TApplication";
        wc.hIcon = icon_;
        wc.hIconSm = smallIcon_;
        RegisterClassExW(&wc);
        handle_ = CreateWindowExW(0, L"TApplication", WideFromAnsi(title_).c_str(), WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU,
                                  0, 0, 0, 0, nullptr, nullptr, MainInstance(), nullptr);
        // WM_GETICON on the application window answers the program's icon.
        if (handle_ && icon_) SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        if (handle_ && smallIcon_) SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    }
    return handle_;
}

TApplication::~TApplication() {
    Finish();
    if (handle_) DestroyWindow(handle_);
    if (theApplication == this) theApplication = nullptr;
}

LRESULT CALLBACK TApplication::AppWndProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
    case CM_APP_WAKEUP:
        CheckSynchronize(); // a routine's exception goes back to the thread that asked
        return 0;
    case WM_CLOSE:
        // The form's close handlers may throw; nothing may leave a window procedure.
        try {
            if (theApplication && theApplication->mainForm_) theApplication->mainForm_->Close();
        } catch (const std::exception& e) {
            ShowException(e);
        } catch (...) {
        }
        return 0;
    case CM_RELEASE:
        if (theApplication) {
            auto& forms = theApplication->forms_;
            auto* form = reinterpret_cast<TCustomForm*>(l);
            if (std::find(forms.begin(), forms.end(), form) != forms.end()) delete form; // only a form still alive
        }
        return 0;
    default: return DefWindowProcW(h, msg, w, l);
    }
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (handle_) SetWindowTextW(handle_, WideFromAnsi(title).c_str());
}

void TApplication::Initialize() {
    if (initialized_) return;
    initialized_ = true;
    for (auto& proc : initProcs_) proc();
    Handle();
}

TCustomForm* TApplication::Forms(int index) const {
    if (index < 0 || index >= int(forms_.size())) return nullptr;
    return forms_[size_t(index)];
}

TCustomForm* TApplication::ActiveForm() const {
    HWND active = GetActiveWindow();
    for (TCustomForm* f : forms_)
        if (f->HandleAllocated() && f->Handle() == active) return f;
    return nullptr;
}

void TApplication::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    PostQuitMessage(0);
}

bool TApplication::isKeyMessage(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN && msg.message != WM_SYSCHAR) return false;
    TWinControl* c = nullptr;
    for (HWND h = msg.hwnd; h && !c; h = GetParent(h)) c = FindControl(h);
    if (!c) return false;
    UINT cn = msg.message == WM_SYSKEYDOWN ? CN_KEYDOWN : CN_BASE + msg.message;
    return c->Perform(cn, msg.wParam, msg.lParam) != 0;
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    bool handled = false;
    try {
        handled = isKeyMessage(msg);
    } catch (const std::exception& e) {
        HandleException(e);
        handled = true;
    }
    if (!handled) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::HandleMessage() {
    MSG msg;
    if (!ProcessMessage(msg) && !terminated_) WaitMessage();
}

void TApplication::Run() {
    Initialize();
    if (mainForm_) mainForm_->Show();
    while (!terminated_) HandleMessage();
    Finish();
}

void TApplication::Finish() {
    if (finished_) return;
    finished_ = true;
    DestroyComponents();
    while (!forms_.empty()) delete forms_.back();
    for (auto it = exitProcs_.rbegin(); it != exitProcs_.rend(); ++it) {
        try { (*it)(); } catch (...) {}
    }
    exitProcs_.clear();
    if (comInitialized_) CoUninitialize();
    comInitialized_ = false;
}

void TApplication::HandleException(const std::exception& e) { ShowException(e); }
