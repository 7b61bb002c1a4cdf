// The skinned scroll bars under Wine: the overlay windows lie exactly over the system's bars and follow them,
// presses on them scroll exactly as presses on the system's bars do (real mouse input, the system's tracking
// loop driven from a timer), keyboard scrolling repaints them, and nothing breaks when a control goes away
// inside a tracking loop.
#include "ScrollBarsTestSupport.h"

#include <commctrl.h>

namespace {

class ScrollBars : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        SetCursorPos(1000, 900); // away from every bar: no part is hot
        form->SetBounds(40, 40, 640, 480);
        form->Show();
        Pump(50);
    }
    void TearDown() override {
        form.reset();
        Pump(20);
    }

    TListBox* NewListBox(int left, int items = 60) {
        auto* list = new TListBox(form.get());
        list->SetParent(form.get());
        list->SetBounds(left, 20, 180, 200);
        list->SetScrollWidth(400);
        for (int i = 0; i < items; ++i) list->Items()->Add("item " + std::to_string(i) + " of a long enough line");
        return list;
    }

    std::unique_ptr<TForm> form;
};

// Screen rectangle of a window.
RECT WindowRectOf(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

void ExpectBarOver(HWND covered, LONG object, TWScrollbar* bar, const char* what) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetScrollBarInfo(covered, object, &info)) << what;
    const bool visible = !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE) && IsWindowVisible(covered);
    ASSERT_NE(bar, nullptr) << what;
    EXPECT_EQ(bar->Shown(), visible) << what;
    EXPECT_EQ(bar->HandleAllocated() && IsWindowVisible(bar->Handle()), visible) << what;
    if (visible) {
        RECT r = WindowRectOf(bar->Handle());
        EXPECT_EQ(r.left, info.rcScrollBar.left) << what;
        EXPECT_EQ(r.top, info.rcScrollBar.top) << what;
        EXPECT_EQ(r.right, info.rcScrollBar.right) << what;
        EXPECT_EQ(r.bottom, info.rcScrollBar.bottom) << what;
    }
}

} // namespace

TEST_F(ScrollBars, OverlaysLieExactlyOverTheSystemBarsAndFollowThem) {
    auto* list = NewListBox(10);
    auto* memo = new TMemo(form.get());
    memo->SetParent(form.get());
    memo->SetBounds(200, 20, 180, 120);
    memo->SetScrollBars(ssBoth);
    memo->SetWordWrap(false);
    for (int i = 0; i < 40; ++i) memo->Lines()->Add("memo line " + std::to_string(i) + " that runs on past the right edge of the box");
    auto* view = new TListView(form.get());
    view->SetParent(form.get());
    view->SetBounds(400, 20, 200, 150);
    for (int i = 0; i < 6; ++i) view->Columns()->Add("Column " + std::to_string(i) + "=90");
    for (int i = 0; i < 40; ++i) view->Items()->Add("row " + std::to_string(i) + ";b;c;d;e;f");
    auto* box = new TScrollBox(form.get());
    box->SetParent(form.get());
    box->SetBounds(10, 240, 200, 150);
    auto* inner = new TPanel(form.get());
    inner->SetParent(box);
    inner->SetBounds(10, 10, 400, 400);
    box->UpdateScrollRange();

    std::vector<std::pair<TWinControl*, TSkinScrollbar*>> skinned;
    for (TWinControl* c : std::initializer_list<TWinControl*>{list, memo, view, box})
        skinned.emplace_back(c, AttachScrollPainter(c, dynamic_cast<TListView*>(c) != nullptr));
    Pump(150);
    for (auto& [control, painter] : skinned) {
        const std::string name = control->ClassName();
        ExpectBarOver(control->Handle(), OBJID_HSCROLL, painter->FHorzBar.get(), (name + " horizontal").c_str());
        ExpectBarOver(control->Handle(), OBJID_VSCROLL, painter->FVertBar.get(), (name + " vertical").c_str());
        EXPECT_TRUE(painter->FVertBar->Shown()) << name;
    }

    // Resizing moves and stretches the bars with the control.
    list->SetBounds(10, 30, 220, 180);
    box->SetBounds(10, 250, 260, 120);
    Pump(100);
    ExpectBarOver(list->Handle(), OBJID_VSCROLL, skinned[0].second->FVertBar.get(), "list box resized");
    ExpectBarOver(list->Handle(), OBJID_HSCROLL, skinned[0].second->FHorzBar.get(), "list box resized");
    ExpectBarOver(box->Handle(), OBJID_HSCROLL, skinned[3].second->FHorzBar.get(), "scroll box resized");

    // The system hides a bar: the overlay goes with it, and comes back with it.
    list->SetScrollWidth(0);
    Pump(100);
    ExpectBarOver(list->Handle(), OBJID_HSCROLL, skinned[0].second->FHorzBar.get(), "horizontal bar gone");
    EXPECT_FALSE(skinned[0].second->FHorzBar->Shown());
    list->Items()->Clear();
    Pump(100);
    EXPECT_FALSE(skinned[0].second->FVertBar->Shown());
    for (int i = 0; i < 60; ++i) list->Items()->Add("again " + std::to_string(i));
    list->SetScrollWidth(500);
    Pump(150);
    ExpectBarOver(list->Handle(), OBJID_VSCROLL, skinned[0].second->FVertBar.get(), "vertical bar back");
    ExpectBarOver(list->Handle(), OBJID_HSCROLL, skinned[0].second->FHorzBar.get(), "horizontal bar back");

    // Hiding the control hides its bars; showing it shows them again.
    memo->SetVisible(false);
    Pump(50);
    EXPECT_FALSE(skinned[1].second->FVertBar->Shown());
    EXPECT_FALSE(IsWindowVisible(skinned[1].second->FVertBar->Handle()));
    memo->SetVisible(true);
    Pump(100);
    ExpectBarOver(memo->Handle(), OBJID_VSCROLL, skinned[1].second->FVertBar.get(), "memo shown again");
}

TEST_F(ScrollBars, PressesScrollExactlyAsOnTheSystemBar) {
    auto* raw = NewListBox(10);
    auto* skinned = NewListBox(250);
    TSkinScrollbar* painter = AttachScrollPainter(skinned);
    Pump(150);
    HWND rawHandle = raw->Handle(), skinHandle = skinned->Handle();
    ASSERT_TRUE(painter->FVertBar->Shown());

    // Each action: the point pressed (relative to the vertical bar's top-left), and a move while pressed.
    struct Action {
        const char* what;
        POINT press;
        int dragY;
    };
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(rawHandle, OBJID_VSCROLL, &info);
    const int length = info.rcScrollBar.bottom - info.rcScrollBar.top;
    const Action actions[] = {
        {"down arrow", {8, length - 5}, 0},
        {"up arrow", {8, 5}, 0},
        {"page below the thumb", {8, length - 25}, 0},
        {"thumb dragged", {8, 0}, 40}, // y filled in from the thumb's place
        {"thumb dragged back", {8, 0}, -25},
        {"right arrow", {-1, -1}, 0},
    };
    for (const Action& a : actions) {
        for (HWND target : {rawHandle, skinHandle}) {
            SCROLLBARINFO bar{};
            bar.cbSize = sizeof bar;
            const bool horizontal = a.press.x < 0;
            GetScrollBarInfo(target, horizontal ? OBJID_HSCROLL : OBJID_VSCROLL, &bar);
            POINT at{bar.rcScrollBar.left + a.press.x, bar.rcScrollBar.top + a.press.y};
            if (horizontal) at = {bar.rcScrollBar.right - 5, bar.rcScrollBar.top + 8};
            if (a.dragY) at.y = bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2;
            ClickWithLoop(at, a.dragY);
        }
        EXPECT_EQ(GetScrollPos(skinHandle, SB_VERT), GetScrollPos(rawHandle, SB_VERT)) << a.what;
        EXPECT_EQ(GetScrollPos(skinHandle, SB_HORZ), GetScrollPos(rawHandle, SB_HORZ)) << a.what;
    }
    EXPECT_GT(GetScrollPos(skinHandle, SB_VERT), 0);
    EXPECT_GT(GetScrollPos(skinHandle, SB_HORZ), 0);
    // The press is over: no part stays pressed.
    EXPECT_FALSE(painter->FVertBar->Tracking());
}

TEST_F(ScrollBars, KeysAndTheWheelScrollTheListAndTheOverlayFollows) {
    auto* list = NewListBox(10);
    TSkinScrollbar* painter = AttachScrollPainter(list);
    list->SetFocus();
    Pump(150);
    TWScrollbar* bar = painter->FVertBar.get();
    ASSERT_TRUE(bar->Shown());
    const std::vector<COLORREF> before = ScreenPixels(WindowRectOf(bar->Handle()));
    EXPECT_EQ(before, ExpectedBarPixels(list->Handle(), *bar)) << "drawn from the skin at the start";

    // The End key moves the caret to the last item and the list scrolls by itself. (A list without a
    // selection only selects its caret item on the first key under Wine, so the first item is selected.)
    SendMessageW(list->Handle(), LB_SETCURSEL, 0, 0);
    SetForegroundWindow(form->Handle());
    list->SetFocus();
    Pump(150);
    SendKey(VK_END);
    Pump(150);
    ASSERT_EQ(SendMessageW(list->Handle(), LB_GETCURSEL, 0, 0), list->Items()->Count() - 1);
    ASSERT_GT(GetScrollPos(list->Handle(), SB_VERT), 0);
    const std::vector<COLORREF> after = ScreenPixels(WindowRectOf(bar->Handle()));
    EXPECT_NE(after, before);
    EXPECT_EQ(after, ExpectedBarPixels(list->Handle(), *bar)) << "the thumb is drawn where the system put it";

    // The wheel scrolls too, and the bar follows.
    SendMessageW(list->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA * 2), 0);
    Pump(150);
    EXPECT_EQ(ScreenPixels(WindowRectOf(bar->Handle())), ExpectedBarPixels(list->Handle(), *bar));
}

TEST_F(ScrollBars, AControlFreedInsideItsTrackingLoopEndsItSafely) {
    auto* list = NewListBox(10);
    TSkinScrollbar* painter = AttachScrollPainter(list);
    Pump(150);
    RECT r = WindowRectOf(painter->FVertBar->Handle());
    // Pressed on the page area: the system repeats until the button goes up; the list box is freed first.
    bool freed = false;
    RunInsideLoop({r.left + 8, r.bottom - 25}, [&] {
        if (!freed) {
            delete list;
            freed = true;
            return false; // keep the button down one more tick: the loop must end by itself or by the release
        }
        return true;
    });
    EXPECT_TRUE(freed);
    Pump(50);
    // The form lives on and another skinned list box works.
    auto* next = NewListBox(10);
    TSkinScrollbar* again = AttachScrollPainter(next);
    Pump(100);
    EXPECT_TRUE(again->FVertBar->Shown());
}

TEST_F(ScrollBars, ManyScrollCyclesLeaveTheGdiObjectCountFlat) {
    auto* list = NewListBox(10);
    TSkinScrollbar* painter = AttachScrollPainter(list);
    Pump(150);
    HWND h = list->Handle();
    auto cycle = [&] {
        for (int code : {SB_PAGEDOWN, SB_LINEDOWN, SB_BOTTOM, SB_PAGEUP, SB_TOP}) {
            SendMessageW(h, WM_VSCROLL, code, 0);
            SendMessageW(h, WM_HSCROLL, code, 0);
            UpdateWindow(painter->FVertBar->Handle());
            UpdateWindow(painter->FHorzBar->Handle());
            UpdateWindow(h);
        }
    };
    for (int i = 0; i < 5; ++i) cycle();
    Pump(50);
    const int start = GdiObjectsInUse();
    for (int i = 0; i < 300; ++i) cycle();
    Pump(50);
    EXPECT_EQ(GdiObjectsInUse(), start);
}
