// The edit, combo, progress, track-bar and up-down painters read back from the screen: what the skin draws
// where, that the controls still take keyboard and mouse input as without the skin, and that the combo's
// edit subclassing survives an edit destroyed first.
#include <gtest/gtest.h>

#include "PainterTestSupport.h"
#include "runtime/ComCtrls.h"
#include "runtime/Spin.h"
#include "runtime/StdCtrls.h"
#include "skin/controls/SkinEdits.h"
#include "skin/controls/SkinProgress.h"
#include "../GdiObjects.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

namespace {

class EditRangePaint : public ::testing::Test, public SkinnedFormFixture {
protected:
    void SetUp() override {
        form = NewForm(200, 200, 560, 300);
        focusSink = Add<TEdit>(440, 250, 100, 21);
    }
    void TearDown() override { DropForm(); }
    template <class T> T* Add(int left, int top, int width, int height) {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetBounds(left, top, width, height);
        return c;
    }
    void Skin() { ShowSkinned(focusSink); }
    TSkinControl* PainterOf(TControl* control) {
        for (TSkinControl* p : skinner->Painters)
            if (p->FControl == control) return p;
        return nullptr;
    }
    int PaintersOf(HWND window) {
        return int(std::count_if(skinner->Painters.begin(), skinner->Painters.end(),
                                 [&](TSkinControl* p) { return p->FHandle == window; }));
    }
    static POINT ScreenOf(HWND window, int x, int y) {
        POINT p{x, y};
        ClientToScreen(window, &p);
        return p;
    }
    static bool Near(COLORREF a, COLORREF b, int tolerance = 6) {
        return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
               std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
    }

    TEdit* focusSink = nullptr;
};

// The stored skin's colours at the probes below (resources/skin: progress.bmp, combobutton.bmp, thumbs).
constexpr COLORREF TroughCentre = RGB(233, 239, 248);
constexpr COLORREF ThumbFrame2 = RGB(185, 208, 239);

TEST_F(EditRangePaint, ProgressFillsThePartOfItsRangeAndVerticalBarsFillFromTheBottom) {
    auto* bar = Add<TProgressBar>(8, 8, 200, 20);
    auto* vertical = Add<TProgressBar>(230, 8, 20, 200);
    vertical->SetOrientation(pbVertical);
    Skin();
    ASSERT_TRUE(dynamic_cast<TSkinProgress*>(PainterOf(bar)));
    // The last column that is not trough: the bar's right edge.
    auto barEnd = [&] {
        int last = -1;
        for (int x = 4; x < 196; ++x) {
            const POINT p = ScreenOf(bar->Handle(), x, 10);
            if (ScreenPixel(p.x, p.y) != TroughCentre) last = x;
        }
        return last + 1;
    };
    struct Case {
        int min, max, position, filled;
    } cases[] = {{0, 100, 50, 100}, {20, 100, 60, 100}, {0, 100, 25, 50}, {0, 100, 0, 0}, {0, 0, 0, 0}};
    for (const Case& c : cases) {
        bar->SetMin(c.min);
        bar->SetMax(c.max);
        bar->SetPosition(c.position);
        Pump(120);
        const int end = barEnd();
        EXPECT_NEAR(end, c.filled, 1) << c.min << ".." << c.max << " at " << c.position;
    }
    vertical->SetPosition(25);
    Pump(120);
    const POINT top = ScreenOf(vertical->Handle(), 10, 100), bottom = ScreenOf(vertical->Handle(), 10, 190);
    EXPECT_EQ(ScreenPixel(top.x, top.y), TroughCentre);
    EXPECT_NE(ScreenPixel(bottom.x, bottom.y), TroughCentre);
}

TEST_F(EditRangePaint, ComboButtonShowsTheSkinFramesForNormalHotAndPressed) {
    auto* combo = Add<TComboBox>(8, 8, 145, 21);
    combo->SetStyle(csDropDownList);
    combo->Items()->Add("*.jpg");
    combo->Items()->Add("*.png");
    combo->SetItemIndex(0);
    Skin();
    ASSERT_TRUE(dynamic_cast<TSkinComBox*>(PainterOf(combo)));
    COMBOBOXINFO info{sizeof info};
    ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
    const RECT& b = info.rcButton;
    const POINT local{(b.left + b.right) / 2, b.top + 2};
    const POINT probe = ScreenOf(combo->Handle(), local.x, local.y);
    // The skin's normal, hot and pressed frames: the button is not the system's, and pressing shows it.
    const COLORREF normal = ScreenPixel(probe.x, probe.y);
    EXPECT_FALSE(Near(normal, GetSysColor(COLOR_BTNFACE), 8)) << std::hex << normal;
    MouseTo(probe.x, probe.y + 6);
    Pump(150);
    const COLORREF hot = ScreenPixel(probe.x, probe.y);
    EXPECT_FALSE(Near(hot, GetSysColor(COLOR_BTNFACE), 8)) << std::hex << hot;
    MouseButton(true);
    Pump(150);
    EXPECT_FALSE(Near(ScreenPixel(probe.x, probe.y), normal, 16)) << "pressed";
    EXPECT_TRUE(combo->DroppedDown()); // the list drops as without the skin
    MouseButton(false);
    Pump(100);
    Key(VK_DOWN, true);
    Key(VK_DOWN, false);
    Key(VK_RETURN, true);
    Key(VK_RETURN, false);
    Pump(150);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(EditRangePaint, BorderedEditsGetTheFlatFrameBorderlessOnesNone) {
    auto* edit = Add<TEdit>(8, 8, 121, 21);
    HWND bare = CreateWindowExW(0, L"EDIT", L"bare", WS_CHILD | WS_VISIBLE, 8, 40, 121, 21, form->Handle(), nullptr,
                                nullptr, nullptr);
    Skin();
    skinner->ClassifyWindow(bare);
    Pump(150);
    ASSERT_TRUE(dynamic_cast<TSkinEdit*>(PainterOf(edit)));
    ASSERT_EQ(PaintersOf(bare), 1);
    InvalidateRect(bare, nullptr, TRUE);
    Pump(120);
    const COLORREF shadow = ColorToRGB(Data()->SkinColors.ButtonShadow);
    const POINT corner = ScreenOf(edit->Handle(), -2, -2), inner = ScreenOf(edit->Handle(), -1, -1);
    EXPECT_EQ(ScreenPixel(corner.x, corner.y), shadow);
    EXPECT_EQ(ScreenPixel(inner.x, inner.y), RGB(255, 255, 255));
    // The borderless edit keeps its own look: its corner is the edit's background, not the frame.
    const POINT bareCorner = ScreenOf(bare, 0, 0);
    EXPECT_NE(ScreenPixel(bareCorner.x, bareCorner.y), shadow);
    // Typing still reaches the edit.
    edit->SetFocus();
    edit->SetText("");
    for (WORD k : {WORD('A'), WORD('B')}) {
        Key(k, true);
        Key(k, false);
    }
    Pump(100);
    EXPECT_EQ(edit->Text(), "ab");
}

TEST_F(EditRangePaint, SpinEditUpDownIsSkinnedOnceAndOnlyWithSpinOption) {
    for (bool spin : {true, false}) {
        SCOPED_TRACE(spin ? "xcSpin on" : "xcSpin off");
        auto* edit = Add<TSpinEdit>(8, 8 + (spin ? 0 : 40), 121, 21);
        edit->SetMaxValue(100);
        edit->SetValue(5);
        if (spin) Data()->SkinControls |= SetBit(xcSpin);
        else Data()->SkinControls &= ~SetBit(xcSpin);
        Skin();
        auto* painter = dynamic_cast<TSkinEdit*>(PainterOf(edit));
        ASSERT_TRUE(painter);
        HWND upDown = edit->UpDownHandle();
        ASSERT_TRUE(upDown);
        for (int i = 0; i < 3; ++i) {
            InvalidateRect(edit->Handle(), nullptr, TRUE);
            Pump(60);
        }
        EXPECT_EQ(SendMessageW(upDown, WM_SKIN_QUERY, 0, 0), spin ? 1 : 0);
        EXPECT_EQ(PaintersOf(upDown), spin ? 1 : 0);
        EXPECT_EQ(painter->FUpDown != nullptr, spin);
        // A click on the upper arrow still steps the value.
        RECT r;
        GetClientRect(upDown, &r);
        const POINT up = ScreenOf(upDown, r.right / 2, r.bottom / 4);
        MouseTo(up.x, up.y);
        MouseButton(true);
        Pump(60);
        MouseButton(false);
        Pump(100);
        EXPECT_EQ(edit->Value(), 6);
        skinner.reset();
        delete edit;
    }
}

TEST_F(EditRangePaint, TrackBarsOfBothOrientationsShowTheSkinThumbAndTakeKeysAndDrags) {
    auto* horizontal = Add<TTrackBar>(8, 8, 200, 32);
    auto* vertical = Add<TTrackBar>(230, 8, 32, 200);
    vertical->SetOrientation(trVertical);
    for (TTrackBar* t : {horizontal, vertical}) {
        t->SetMax(10);
        t->SetPosition(5);
    }
    form->SetColor(TColor(RGB(90, 160, 60)));
    Skin();
    for (TTrackBar* t : {horizontal, vertical}) {
        SCOPED_TRACE(t == horizontal ? "horizontal" : "vertical");
        ASSERT_TRUE(dynamic_cast<TSkinTrackBar*>(PainterOf(t)));
        RECT thumb{};
        SendMessageW(t->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        const POINT centre = ScreenOf(t->Handle(), (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
        EXPECT_TRUE(Near(ScreenPixel(centre.x, centre.y), ThumbFrame2)) << std::hex << ScreenPixel(centre.x, centre.y);
        // Around channel and ticks the form shows through, not the system's face colour.
        const POINT corner = ScreenOf(t->Handle(), 1, 1), outside = ScreenOf(t->Handle(), -2, 1);
        EXPECT_EQ(ScreenPixel(corner.x, corner.y), ScreenPixel(outside.x, outside.y));
        t->SetFocus();
        Pump(50);
        Key(VK_END, true);
        Key(VK_END, false);
        Pump(100);
        EXPECT_EQ(t->Position(), 10);
        // Dragging the thumb back to the start.
        SendMessageW(t->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        const POINT from = ScreenOf(t->Handle(), (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
        const bool down = t == vertical;
        MouseTo(from.x, from.y);
        MouseButton(true);
        Pump(50);
        MouseTo(down ? from.x : from.x - 300, down ? from.y - 300 : from.y);
        Pump(50);
        MouseButton(false);
        Pump(100);
        EXPECT_EQ(t->Position(), 0);
    }
}

TEST_F(EditRangePaint, ComboWhoseEditWentFirstDetachesCleanly) {
    auto* combo = Add<TComboBox>(8, 8, 145, 21);
    combo->SetStyle(csDropDown);
    Skin();
    auto* painter = dynamic_cast<TSkinComBox*>(PainterOf(combo));
    ASSERT_TRUE(painter);
    HWND edit = painter->FEditWindow;
    ASSERT_TRUE(edit);
    // Typing reaches the subclassed edit.
    SetFocus(edit);
    Key('Q', true);
    Key('Q', false);
    Pump(100);
    EXPECT_EQ(combo->Text(), "q");
    DestroyWindow(edit);
    EXPECT_EQ(painter->FEditWindow, nullptr);
    painter->Unskin();
    delete painter; // no crash, nothing put back on a window that is gone
    EXPECT_EQ(PainterOf(combo), nullptr);
}

WNDPROC editBelow = nullptr;
LRESULT CALLBACK EditOnTop(HWND h, UINT m, WPARAM w, LPARAM l) { return CallWindowProcW(editBelow, h, m, w, l); }

TEST_F(EditRangePaint, ComboEditSubclassedOnTopIsNotTakenBack) {
    auto* combo = Add<TComboBox>(8, 8, 145, 21);
    combo->SetStyle(csDropDown);
    Skin();
    auto* painter = dynamic_cast<TSkinComBox*>(PainterOf(combo));
    ASSERT_TRUE(painter);
    HWND edit = painter->FEditWindow;
    editBelow = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit, GWLP_WNDPROC));
    const auto top = reinterpret_cast<LONG_PTR>(&EditOnTop);
    SetWindowLongPtrW(edit, GWLP_WNDPROC, top);
    delete painter;
    EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), top); // left in place; ours forwards underneath
    SetFocus(edit);
    Key('Z', true);
    Key('Z', false);
    Pump(100);
    EXPECT_EQ(combo->Text(), "z");
}

TEST_F(EditRangePaint, ProgressRepaintsLeaveNoGdiObjectsBehind) {
    auto* bar = Add<TProgressBar>(8, 8, 395, 20);
    bar->SetOrientation(pbHorizontal);
    Skin();
    bar->SetMax(500);
    const int before = GdiObjectsInUse();
    for (int i = 1; i <= 500; ++i) {
        bar->SetPosition(i);
        UpdateWindow(bar->Handle());
    }
    Pump(50);
    EXPECT_EQ(GdiObjectsInUse(), before);
}

} // namespace
