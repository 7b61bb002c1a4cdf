#include "runtime/Controls.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <map>

// --- Window property, classes and the framework window procedure ----------------------------------------

HINSTANCE MainInstance() { return GetModuleHandleW(nullptr); }

std::wstring ControlAtomName() {
    static const std::wstring name = [] {
        wchar_t buf[64];
        std::swprintf(buf, 64, L"ControlOfs%.8X%.8X", unsigned(reinterpret_cast<uintptr_t>(MainInstance())),
                      unsigned(GetCurrentThreadId()));
        return std::wstring(buf);
    }();
    return name;
}

ATOM ControlAtom() {
    static const ATOM atom = GlobalAddAtomW(ControlAtomName().c_str());
    return atom;
}

TWinControl* FindControl(HWND window) {
    if (!window) return nullptr;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != GetCurrentProcessId()) return nullptr;
    return static_cast<TWinControl*>(GetPropW(window, MAKEINTATOM(ControlAtom())));
}

namespace {
thread_local TWinControl* creatingControl = nullptr;

std::map<std::wstring, WNDPROC>& baseProcs() {
    static std::map<std::wstring, WNDPROC> procs;
    return procs;
}

WNDPROC baseProcOf(HWND h) {
    wchar_t name[256] = {};
    GetClassNameW(h, name, 256);
    auto it = baseProcs().find(name);
    return it == baseProcs().end() ? DefWindowProcW : it->second;
}

// Registers the framework class named in `p` (once) and answers the procedure that does its default work.
WNDPROC registerFrameworkClass(const TCreateParams& p);
} // namespace

LRESULT CALLBACK FrameworkWndProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    auto* c = static_cast<TWinControl*>(GetPropW(h, MAKEINTATOM(ControlAtom())));
    if (!c) {
        c = creatingControl;
        if (!c) return CallWindowProcW(baseProcOf(h), h, msg, w, l);
        creatingControl = nullptr;
        c->handle_ = h;
        SetPropW(h, MAKEINTATOM(ControlAtom()), reinterpret_cast<HANDLE>(c));
    }
    TMessage m{msg, w, l, 0};
    try {
        // A copy: the handler may replace WindowProc (or free the control) while it runs.
        if (TWndMethod proc = c->WindowProc) proc(m);
        else c->WndProc(m);
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
    }
    if (msg == WM_NCDESTROY) {
        // The object may be gone by now; only a live one is still named by the property.
        auto* still = static_cast<TWinControl*>(RemovePropW(h, MAKEINTATOM(ControlAtom())));
        if (still && still->handle_ == h) still->handle_ = nullptr;
    }
    return m.Result;
}

namespace {
WNDPROC registerFrameworkClass(const TCreateParams& p) {
    auto it = baseProcs().find(p.WinClassName);
    if (it != baseProcs().end()) return it->second;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    WNDPROC base = DefWindowProcW;
    if (!p.SysClassName.empty()) {
        if (!GetClassInfoExW(nullptr, p.SysClassName.c_str(), &wc))
            throw EOutOfResources("Window class " + AnsiFromWide(p.SysClassName) + " is not available");
        base = wc.lpfnWndProc;
        wc.style &= ~UINT(CS_GLOBALCLASS);
    } else {
        wc.style = p.ClassStyle;
        wc.hCursor = p.Cursor ? p.Cursor : LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = p.Background;
    }
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FrameworkWndProc;
    wc.hInstance = MainInstance();
    wc.lpszClassName = p.WinClassName.c_str();
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw EOutOfResources("Cannot register window class " + AnsiFromWide(p.WinClassName));
    baseProcs()[p.WinClassName] = base;
    return base;
}

TWinControl* rootOf(TControl* c) {
    TWinControl* root = dynamic_cast<TWinControl*>(c);
    for (TWinControl* p = c ? c->Parent() : nullptr; p; p = p->Parent()) root = p;
    return root;
}

bool isMouseMessage(UINT m) { return m >= WM_MOUSEFIRST && m <= WM_MBUTTONDBLCLK && m != WM_MOUSEWHEEL; }
} // namespace

TShiftState ShiftStateFromKeys(WPARAM keys) {
    TShiftState s = 0;
    if (keys & MK_SHIFT) s |= 1u << ssShift;
    if (keys & MK_CONTROL) s |= 1u << ssCtrl;
    if (keys & MK_LBUTTON) s |= 1u << ssLeft;
    if (keys & MK_RBUTTON) s |= 1u << ssRight;
    if (keys & MK_MBUTTON) s |= 1u << ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= 1u << ssAlt;
    return s;
}

// --- TControl ----------------------------------------------------------------------------------------------

const TEnumInfo AlignInfo{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
const TEnumInfo AnchorKindInfo{"TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}};
const TEnumInfo BiDiModeInfo{"TBiDiMode", {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};

const TClassInfo& TControl::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TControl, TComponent>("TControl")
        .Integer("Left", &TControl::Left, &TControl::SetLeft)
        .Integer("Top", &TControl::Top, &TControl::SetTop)
        .Integer("Width", &TControl::Width, &TControl::SetWidth)
        .Integer("Height", &TControl::Height, &TControl::SetHeight)
        .Enum("Align", AlignInfo, &TControl::Align, &TControl::SetAlign)
        .Set("Anchors", AnchorKindInfo, &TControl::Anchors, &TControl::SetAnchors)
        .Enum("BiDiMode", BiDiModeInfo, &TControl::BiDiMode, &TControl::SetBiDiMode)
        .String("Caption", &TControl::Caption, &TControl::SetCaption)
        .Color("Color", &TControl::Color, &TControl::SetColor)
        .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
        .Object<TFont>("Font", &TControl::Font, nullptr)
        .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
        .Bool("Visible", &TControl::Visible, &TControl::SetVisible)
        .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled)
        .Event("OnClick", &TControl::OnClick)
        .Event("OnMouseDown", &TControl::OnMouseDown)
        .Event("OnMouseUp", &TControl::OnMouseUp)
        .Register();
    return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    font_->OnChange = [this](TObject*) {
        if (!fontFromParent_) parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    DestroyingComponent();
    if (parent_) parent_->RemoveControl(this);
}

void TControl::WndProc(TMessage& m) { Dispatch(m); }

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    if (TWndMethod proc = WindowProc) proc(m); // a copy, as in the window procedure
    else WndProc(m);
    return m.Result;
}

void TControl::Dispatch(TMessage& m) {
    int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        mousePressed_ = true;
        MouseDown(mbLeft, ShiftStateFromKeys(m.WParam) | (m.Msg == WM_LBUTTONDBLCLK ? 1u << ssDouble : 0), x, y);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: MouseDown(mbRight, ShiftStateFromKeys(m.WParam), x, y); break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: MouseDown(mbMiddle, ShiftStateFromKeys(m.WParam), x, y); break;
    case WM_LBUTTONUP: MouseUp(mbLeft, ShiftStateFromKeys(m.WParam), x, y); break;
    case WM_RBUTTONUP: MouseUp(mbRight, ShiftStateFromKeys(m.WParam), x, y); break;
    case WM_MBUTTONUP: MouseUp(mbMiddle, ShiftStateFromKeys(m.WParam), x, y); break;
    default: break;
    }
    DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage& m) {
    switch (m.Msg) {
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED: Invalidate(); break;
    default: break;
    }
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("A control cannot be its own parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* w = dynamic_cast<TWinControl*>(parent)) SetParent(w);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetBounds(int l, int t, int w, int h) {
    if (l == left_ && t == top_ && w == width_ && h == height_) return;
    Invalidate();
    left_ = l;
    top_ = t;
    width_ = std::max(0, w);
    height_ = std::max(0, h);
    Invalidate();
}

RECT TControl::ClientRect() const { return RECT{0, 0, width_, height_}; }
void TControl::SetClientWidth(int v) { SetWidth(v); }
void TControl::SetClientHeight(int v) { SetHeight(v); }

POINT TControl::ClientToScreen(POINT p) {
    if (auto* w = dynamic_cast<TWinControl*>(this)) {
        ::ClientToScreen(w->Handle(), &p);
        return p;
    }
    if (!parent_) return p;
    return parent_->ClientToScreen(POINT{p.x + left_, p.y + top_});
}

POINT TControl::ScreenToClient(POINT p) {
    if (auto* w = dynamic_cast<TWinControl*>(this)) {
        ::ScreenToClient(w->Handle(), &p);
        return p;
    }
    if (!parent_) return p;
    POINT q = parent_->ScreenToClient(p);
    return POINT{q.x - left_, q.y - top_};
}

void TControl::SetVisible(bool v) {
    if (v == visible_) return;
    VisibleChanging();
    if (!v) Invalidate();
    visible_ = v;
    Perform(CM_VISIBLECHANGED, v ? 1 : 0);
    if (v) Invalidate();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void TControl::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetWideText(const std::wstring& text) {
    if (text == text_) return;
    text_ = text;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor c) {
    if (c == color_) return;
    color_ = c;
    parentColor_ = false;
    ColorChanged();
}

void TControl::SetParentColor(bool v) {
    parentColor_ = v;
    if (v && parent_) {
        color_ = parent_->Color();
        ColorChanged();
        parentColor_ = true;
    }
}

void TControl::SetParentFont(bool v) {
    parentFont_ = v;
    if (v && parent_) {
        fontFromParent_ = true;
        font_->Assign(*parent_->Font());
        fontFromParent_ = false;
    }
}

void TControl::FontChanged() { Perform(CM_FONTCHANGED); }
void TControl::ColorChanged() { Perform(CM_COLORCHANGED); }

void TControl::SetAlign(TAlign a) {
    if (a == align_) return;
    align_ = a;
    if (parent_) parent_->AlignControls();
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::Invalidate() {
    if (parent_ && parent_->HandleAllocated() && width_ > 0 && height_ > 0) {
        RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, TRUE);
    }
}

void TControl::Update() {
    if (parent_ && parent_->HandleAllocated()) UpdateWindow(parent_->Handle());
}

void TControl::BringToFront() {
    if (!parent_) return;
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.push_back(this);
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
        SetWindowPos(w->handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

// --- TWinControl -------------------------------------------------------------------------------------------

const TClassInfo& TWinControl::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TWinControl, TControl>("TWinControl")
        .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
        .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
        .Event("OnEnter", &TWinControl::OnEnter)
        .Event("OnExit", &TWinControl::OnExit)
        .Register();
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner), brush_(std::make_unique<TBrush>()) {}

TWinControl::~TWinControl() {
    SetStateFlag(csDestroying, true);
    DestroyHandle();
    // Children go with their parent, whoever owns them.
    while (!controls_.empty()) {
        TControl* c = controls_.back();
        RemoveControl(c);
        delete c;
    }
    DestroyingComponent(); // owned components (painters) go while the control's members still exist
}

HWND TWinControl::Handle() {
    if (!handle_) {
        if (parent_) parent_->HandleNeeded();
        if (!handle_) CreateWnd();
    }
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.Caption = text_;
    p.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_) p.Style |= WS_VISIBLE;
    if (tabStop_) p.Style |= WS_TABSTOP;
    if (!enabled_) p.Style |= WS_DISABLED;
    p.X = left_;
    p.Y = top_;
    p.Width = width_;
    p.Height = height_;
    p.WndParent = parent_ ? parent_->Handle() : nullptr;
    p.WinClassName = WideFromAnsi(ClassName());
}

void TWinControl::CreateWnd() {
    TCreateParams p;
    CreateParams(p);
    if (!p.WndParent && (p.Style & WS_CHILD)) throw EInvalidOperation("Control " + Name() + " has no parent window");
    defWndProc_ = registerFrameworkClass(p);
    CreateWindowHandle(p);
    if (!handle_) throw EOutOfResources("Error creating window " + Name());
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), FALSE);
    updateBoundsFromWindow();
    for (TControl* c : std::vector<TControl*>(controls_))
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
}

void TWinControl::CreateWindowHandle(const TCreateParams& p) {
    TWinControl* saved = creatingControl;
    creatingControl = this;
    HWND h = CreateWindowExW(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
                             p.Height, p.WndParent, nullptr, MainInstance(), nullptr);
    creatingControl = saved;
    if (h && !handle_) {
        handle_ = h;
        SetPropW(h, MAKEINTATOM(ControlAtom()), reinterpret_cast<HANDLE>(this));
    }
}

void TWinControl::DestroyWnd() {
    if (handle_) text_ = WideText();
    if (handle_) DestroyWindow(handle_);
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    DestroyWnd();
    if (handle_) {
        RemovePropW(handle_, MAKEINTATOM(ControlAtom()));
        handle_ = nullptr;
    }
}

void TWinControl::RecreateWnd() {
    if (handle_) Perform(CM_RECREATEWND);
}

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= int(controls_.size())) return nullptr;
    return controls_[size_t(index)];
}

void TWinControl::InsertControl(TControl* c) {
    if (!c || c->parent_ == this) return;
    controls_.push_back(c);
    c->parent_ = this;
    if (auto* w = dynamic_cast<TWinControl*>(c)) tabList_.push_back(w);
    if (c->parentFont_) c->SetParentFont(true);
    if (c->parentColor_) c->SetParentColor(true);
    if (auto* w = dynamic_cast<TWinControl*>(c); w && handle_) {
        if (w->handle_) ::SetParent(w->handle_, handle_);
        else w->HandleNeeded();
    }
    if (c->align_ != alNone) AlignControls();
    c->Invalidate();
}

void TWinControl::RemoveControl(TControl* c) {
    auto it = std::find(controls_.begin(), controls_.end(), c);
    if (it == controls_.end()) return;
    c->Invalidate();
    controls_.erase(it);
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), c), tabList_.end());
    if (hoverChild_ == c) hoverChild_ = nullptr;
    if (captureChild_ == c) captureChild_ = nullptr;
    c->parent_ = nullptr;
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->handle_ && !(w->ComponentState() & csDestroying)) w->DestroyHandle();
}

bool TWinControl::ContainsControl(const TControl* c) const {
    for (; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(POINT p) const {
    for (size_t i = controls_.size(); i-- > 0;) {
        TControl* c = controls_[i];
        if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
        RECT r = c->BoundsRect();
        if (PtInRect(&r, p)) return c;
    }
    return nullptr;
}

int TWinControl::TabOrder() const {
    if (!parent_) return -1;
    auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!parent_) return;
    auto& list = parent_->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    order = std::clamp(order, 0, int(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool v) {
    tabStop_ = v;
    if (handle_) {
        LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
        SetWindowLongPtrW(handle_, GWL_STYLE, v ? (style | WS_TABSTOP) : (style & ~LONG_PTR(WS_TABSTOP)));
    }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    int n = int(list.size());
    int start = -1;
    for (int i = 0; i < n; ++i)
        if (list[size_t(i)] == current) start = i;
    if (start < 0) start = forward ? n - 1 : 0;
    for (int step = 1; step <= n; ++step) {
        int i = ((start + (forward ? step : -step)) % n + n) % n;
        TWinControl* c = list[size_t(i)];
        if ((!checkTabStop || c->TabStop()) && c->CanFocus()) return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop)) next->SetFocus();
}

bool TWinControl::Focused() const {
    HWND f = GetFocus();
    return handle_ && f && (f == handle_ || IsChild(handle_, f));
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    if (CanFocus()) ::SetFocus(Handle());
}

void TWinControl::Broadcast(TMessage& m) {
    for (TControl* c : std::vector<TControl*>(controls_)) {
        if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) continue;
        m.Result = c->Perform(m.Msg, m.WParam, m.LParam);
        if (m.Result != 0) return;
    }
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    auto it = first ? std::find(controls_.begin(), controls_.end(), first) : controls_.begin();
    RECT clip;
    int clipKind = GetClipBox(dc, &clip);
    for (; it != controls_.end(); ++it) {
        TControl* c = *it;
        if (dynamic_cast<TWinControl*>(c) || !c->Visible() || c->Width() <= 0 || c->Height() <= 0) continue;
        RECT r = c->BoundsRect(), both;
        if (clipKind != NULLREGION && clipKind != ERROR && !IntersectRect(&both, &r, &clip)) continue;
        int saved = SaveDC(dc);
        POINT org;
        GetViewportOrgEx(dc, &org);
        SetViewportOrgEx(dc, org.x + c->Left(), org.y + c->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
        try {
            c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        } catch (...) {
            RestoreDC(dc, saved);
            throw;
        }
        RestoreDC(dc, saved);
    }
}

void TWinControl::paintHandler(TMessage& m) {
    PAINTSTRUCT ps;
    HDC dc = m.WParam ? reinterpret_cast<HDC>(m.WParam) : BeginPaint(handle_, &ps);
    if (!dc) return;
    // A painter that throws still leaves the DC as it found it, and a DC from BeginPaint is given back.
    int saved = SaveDC(dc);
    try {
        PaintWindow(dc);
        RestoreDC(dc, saved);
        saved = 0;
        PaintControls(dc);
    } catch (...) {
        if (saved) RestoreDC(dc, saved);
        if (!m.WParam) EndPaint(handle_, &ps);
        throw;
    }
    if (!m.WParam) EndPaint(handle_, &ps);
    m.Result = 0;
}

void TWinControl::PaintWindow(HDC dc) {
    TMessage pm{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(pm);
}

HBRUSH TWinControl::ColorBrush() {
    brush_->SetColor(color_);
    return brush_->Handle();
}

void TWinControl::SetBounds(int l, int t, int w, int h) {
    if (l == left_ && t == top_ && w == width_ && h == height_) return;
    if (handle_) {
        SetWindowPos(handle_, nullptr, l, t, std::max(0, w), std::max(0, h), SWP_NOZORDER | SWP_NOACTIVATE);
        updateBoundsFromWindow();
    } else {
        left_ = l;
        top_ = t;
        width_ = std::max(0, w);
        height_ = std::max(0, h);
    }
}

void TWinControl::updateBoundsFromWindow() {
    if (!handle_) return;
    RECT r;
    GetWindowRect(handle_, &r);
    HWND parentWindow = GetParent(handle_);
    if ((GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD) && parentWindow)
        MapWindowPoints(HWND_DESKTOP, parentWindow, reinterpret_cast<POINT*>(&r), 2);
    left_ = r.left;
    top_ = r.top;
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    RECT c;
    GetClientRect(handle_, &c);
    int cw = c.right - c.left, ch = c.bottom - c.top;
    if (cw != lastClientW_ || ch != lastClientH_) {
        if (lastClientW_ >= 0 && !(ComponentState() & csLoading)) AdjustAnchoredChildren(cw - lastClientW_, ch - lastClientH_);
        lastClientW_ = cw;
        lastClientH_ = ch;
        AlignControls();
    }
}

void TWinControl::AdjustAnchoredChildren(int dw, int dh) {
    if (!dw && !dh) return;
    for (TControl* c : std::vector<TControl*>(controls_)) {
        if (c->Align() != alNone) continue;
        TAnchors a = c->Anchors();
        int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
        if (a & (1u << akRight)) {
            if (a & (1u << akLeft)) w += dw;
            else l += dw;
        }
        if (a & (1u << akBottom)) {
            if (a & (1u << akTop)) h += dh;
            else t += dh;
        }
        c->SetBounds(l, t, w, h);
    }
}

void TWinControl::AlignControls() {
    RECT r = ClientRect();
    for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient})
        for (TControl* c : std::vector<TControl*>(controls_)) {
            if (c->Align() != a || !c->Visible()) continue;
            int w = c->Width(), h = c->Height();
            switch (a) {
            case alTop: c->SetBounds(r.left, r.top, r.right - r.left, h); r.top += h; break;
            case alBottom: c->SetBounds(r.left, r.bottom - h, r.right - r.left, h); r.bottom -= h; break;
            case alLeft: c->SetBounds(r.left, r.top, w, r.bottom - r.top); r.left += w; break;
            case alRight: c->SetBounds(r.right - w, r.top, w, r.bottom - r.top); r.right -= w; break;
            default: c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top); break;
            }
        }
}

RECT TWinControl::ClientRect() const {
    if (handle_) {
        RECT r;
        GetClientRect(handle_, &r);
        return r;
    }
    return TControl::ClientRect();
}

void TWinControl::SetWideText(const std::wstring& text) {
    if (handle_) {
        if (WideText() == text) return;
        text_ = text;
        SetWindowTextW(handle_, text.c_str());
        Perform(CM_TEXTCHANGED);
        return;
    }
    TControl::SetWideText(text);
}

std::wstring TWinControl::WideText() const {
    if (!handle_) return text_;
    int n = GetWindowTextLengthW(handle_);
    std::wstring s(size_t(std::max(n, 0)) + 1, L'\0');
    int got = GetWindowTextW(handle_, s.data(), n + 1);
    s.resize(size_t(std::max(got, 0)));
    return s;
}

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
    if (handle_) UpdateWindow(handle_);
}

void TWinControl::SetParentBackground(bool v) {
    if (v == parentBackground_) return;
    parentBackground_ = v;
    Invalidate();
}

void TWinControl::FontChanged() {
    if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), TRUE);
    for (TControl* c : controls_)
        if (c->ParentFont()) {
            c->fontFromParent_ = true;
            c->Font()->Assign(*font_);
            c->fontFromParent_ = false;
        }
    TControl::FontChanged();
}

void TWinControl::ColorChanged() {
    for (TControl* c : controls_)
        if (c->ParentColor()) {
            c->color_ = color_;
            c->ColorChanged();
        }
    TControl::ColorChanged();
}

bool TWinControl::WantsKey(WORD key) {
    if (!handle_) return false;
    HWND focus = GetFocus();
    LRESULT code = SendMessageW(focus && IsChild(handle_, focus) ? focus : handle_, WM_GETDLGCODE, key, 0);
    if (code & DLGC_WANTALLKEYS) return true;
    switch (key) {
    case VK_TAB: return (code & DLGC_WANTTAB) != 0;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return (code & DLGC_WANTARROWS) != 0;
    default: return false;
    }
}

bool TWinControl::forwardMouseToChild(TMessage& m) {
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    TControl* target = captureChild_ ? captureChild_ : ControlAtPos(p);
    if (!target || !target->Enabled()) return false;
    if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) {
        captureChild_ = target;
        SetCapture(handle_);
    }
    LPARAM l = MAKELPARAM(WORD(SHORT(p.x - target->Left())), WORD(SHORT(p.y - target->Top())));
    target->Perform(m.Msg, m.WParam, l);
    if (m.Msg == WM_LBUTTONUP && captureChild_) {
        captureChild_ = nullptr;
        if (GetCapture() == handle_) ReleaseCapture();
    }
    return true;
}

void TWinControl::trackMouse(TMessage& m) {
    if (!mouseInside_) {
        mouseInside_ = true;
        TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, handle_, 0};
        TrackMouseEvent(&t);
        Perform(CM_MOUSEENTER);
    }
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    TControl* over = ControlAtPos(p);
    if (over != hoverChild_) {
        if (hoverChild_) hoverChild_->Perform(CM_MOUSELEAVE);
        hoverChild_ = over;
        if (over) over->Perform(CM_MOUSEENTER);
    }
}

void TWinControl::CallDefaultWndProc(TMessage& m) {
    if (handle_) m.Result = CallWindowProcW(defWndProc_ ? defWndProc_ : DefWindowProcW, handle_, m.Msg, m.WParam, m.LParam);
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (m.Msg >= CM_BASE && m.Msg < CM_BASE + 0x1000) return; // framework messages end here
    CallDefaultWndProc(m);
}

void TWinControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT: {
        bool graphicChildren = std::any_of(controls_.begin(), controls_.end(), [](TControl* c) { return !dynamic_cast<TWinControl*>(c); });
        if (OwnPaint() || graphicChildren) paintHandler(m);
        else DefaultHandler(m);
        return;
    }
    case WM_ERASEBKGND:
        if (OwnPaint()) {
            RECT r = ClientRect();
            FillRect(reinterpret_cast<HDC>(m.WParam), &r, ColorBrush());
            m.Result = 1;
            return;
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        if (TWinControl* child = FindControl(reinterpret_cast<HWND>(m.LParam)); child && child != this) {
            m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
            return;
        }
        break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORLISTBOX:
    case CN_BASE + WM_CTLCOLORSCROLLBAR: {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        SetTextColor(dc, ColorToRGB(font_->Color()));
        SetBkColor(dc, ColorToRGB(color_));
        m.Result = reinterpret_cast<LRESULT>(ColorBrush());
        return;
    }
    case WM_COMMAND:
        if (m.LParam)
            if (TWinControl* child = FindControl(reinterpret_cast<HWND>(m.LParam)); child && child != this) {
                m.Result = child->Perform(CN_COMMAND, m.WParam, m.LParam);
                return;
            }
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (m.LParam)
            if (TWinControl* child = FindControl(reinterpret_cast<HWND>(m.LParam)); child && child != this) {
                m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
                return;
            }
        break;
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
        if (hdr)
            if (TWinControl* child = FindControl(hdr->hwndFrom); child && child != this) {
                m.Result = child->Perform(CN_NOTIFY, m.WParam, m.LParam);
                return;
            }
        break;
    }
    case WM_DRAWITEM: {
        auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
        if (di && di->CtlType != ODT_MENU)
            if (TWinControl* child = FindControl(di->hwndItem); child && child != this) {
                m.Result = child->Perform(CN_DRAWITEM, m.WParam, m.LParam);
                return;
            }
        break;
    }
    case WM_SIZE:
    case WM_MOVE:
        DefaultHandler(m);
        updateBoundsFromWindow();
        return;
    case WM_SETFOCUS:
        DefaultHandler(m);
        if (TWinControl* root = rootOf(this); root && root != this) root->Perform(CM_FOCUSCHANGED, 1, reinterpret_cast<LPARAM>(this));
        return;
    case WM_MOUSEMOVE:
        trackMouse(m);
        break;
    case WM_MOUSELEAVE:
        mouseInside_ = false;
        if (hoverChild_) {
            TControl* h = hoverChild_;
            hoverChild_ = nullptr;
            h->Perform(CM_MOUSELEAVE);
        }
        Perform(CM_MOUSELEAVE);
        DefaultHandler(m);
        return;
    case CM_ENABLEDCHANGED:
        if (handle_) EnableWindow(handle_, enabled_);
        Invalidate();
        return;
    case CM_VISIBLECHANGED:
        if (handle_) ShowWindow(handle_, visible_ ? SW_SHOWNOACTIVATE : SW_HIDE);
        else if (visible_ && parent_ && parent_->HandleAllocated()) HandleNeeded();
        if (parent_) parent_->AlignControls();
        return;
    case CM_RECREATEWND: {
        bool hadFocus = Focused();
        DestroyHandle();
        HandleNeeded();
        if (hadFocus) SetFocus();
        return;
    }
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        Broadcast(m);
        return;
    case CM_FOCUSCHANGED:
        // Every control of a form hears which control has the focus now.
        for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(m.Msg, m.WParam, m.LParam);
        return;
    case CN_KEYDOWN: {
        WORD key = WORD(m.WParam);
        if (OnKeyDown) {
            OnKeyDown(this, key, ShiftStateFromKeys((GetKeyState(VK_SHIFT) < 0 ? MK_SHIFT : 0) | (GetKeyState(VK_CONTROL) < 0 ? MK_CONTROL : 0)));
            if (key == 0) { m.Result = 1; return; }
        }
        m.Result = 0;
        bool special = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_LEFT || key == VK_RIGHT ||
                       key == VK_UP || key == VK_DOWN;
        if (special && !WantsKey(key))
            if (TWinControl* root = rootOf(this)) m.Result = root->Perform(CM_DIALOGKEY, key, m.LParam);
        return;
    }
    case CN_SYSCHAR:
        if (TWinControl* root = rootOf(this)) m.Result = root->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
        return;
    default:
        if (m.Msg >= CN_BASE && m.Msg < CN_BASE + CN_RANGE) {
            // A reflected notification nobody handled: the system's answer for the original message.
            TMessage original{m.Msg - CN_BASE, m.WParam, m.LParam, 0};
            if (parent_ && parent_->handle_) original.Result = DefWindowProcW(parent_->handle_, original.Msg, original.WParam, original.LParam);
            m.Result = original.Result;
            return;
        }
        break;
    }
    if (isMouseMessage(m.Msg) && forwardMouseToChild(m)) return;
    TControl::Dispatch(m);
}

// --- TGraphicControl, TCustomControl ------------------------------------------------------------------------

namespace {
// Lends the canvas a DC for one paint; the canvas lets go of it however the paint ends.
template <class F> void paintOn(TCanvas& canvas, HDC dc, F paint) {
    struct Release {
        TCanvas& canvas;
        ~Release() { canvas.SetHandle(nullptr); }
    } release{canvas};
    canvas.SetHandle(dc);
    paint();
}
} // namespace

const TClassInfo& TGraphicControl::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TGraphicControl, TControl>("TGraphicControl").Register();
    return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TCanvas>()) {}
TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Dispatch(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        if (m.WParam) {
            canvas_->Font()->Assign(*Font());
            paintOn(*canvas_, reinterpret_cast<HDC>(m.WParam), [this] { Paint(); });
        }
        return;
    }
    if (m.Msg == WM_LBUTTONUP) {
        bool wasPressed = mousePressed_;
        mousePressed_ = false;
        TControl::Dispatch(m);
        POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        RECT r = ClientRect();
        if (wasPressed && PtInRect(&r, p)) Click();
        return;
    }
    TControl::Dispatch(m);
}

const TClassInfo& TCustomControl::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomControl, TWinControl>("TCustomControl").Register();
    return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TCanvas>()) {}
TCustomControl::~TCustomControl() { DestroyHandle(); }

void TCustomControl::PaintWindow(HDC dc) {
    canvas_->Font()->Assign(*Font());
    canvas_->Brush()->SetColor(Color());
    paintOn(*canvas_, dc, [this] { Paint(); });
}
