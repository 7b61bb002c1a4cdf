// The painter base: both attach modes and what detaching puts back, the private messages, the life states,
// and a painter whose control goes away while the painter is still inside one of its messages.
#include <gtest/gtest.h>

#include "PainterTestSupport.h"
#include "runtime/Buttons.h"
#include "runtime/ExtCtrls.h"
#include "runtime/StdCtrls.h"
#include "skin/controls/SkinButtons.h"

#include <cstring>
#include <new>

namespace {

class PainterBase : public ::testing::Test, public SkinnedFormFixture {
protected:
    void SetUp() override {
        form = NewForm(600, 500, 300, 200);
        panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetBounds(10, 10, 100, 60);
        panel->SetParentBackground(true);
        panel->SetColor(clAqua);
        form->Show();
        skinner = MakeSkinner(form);
    }
    void TearDown() override { DropForm(); }
    TPanel* panel = nullptr;
};

LRESULT CALLBACK CountingProc(HWND h, UINT msg, WPARAM w, LPARAM l);
WNDPROC countingPrevious = nullptr;
int countingCalls = 0;
LRESULT CALLBACK CountingProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    ++countingCalls;
    return CallWindowProcW(countingPrevious, h, msg, w, l);
}

TEST_F(PainterBase, ControlModeTakesOverAndGivesBackEverything) {
    const std::type_info& original = panel->WindowProc.target_type();
    auto* painter = new TSkinControl(panel);
    painter->AttachControl(skinner.get(), Data(), true, nullptr);
    EXPECT_EQ(painter->FLifeState, lsAttached);
    EXPECT_EQ(panel->Color(), Data()->SkinColors.ButtonFace);
    EXPECT_FALSE(panel->ParentBackground());
    EXPECT_EQ(painter->FNoMouseDown, 1); // the parent background was switched
    EXPECT_EQ(panel->Perform(WM_SKIN_QUERY), 1);
    EXPECT_EQ(SendMessageW(panel->Handle(), WM_SKIN_QUERY, 0, 0), 1);
    ASSERT_EQ(skinner->Painters.size(), 1u);

    painter->AttachControl(skinner.get(), Data(), false, nullptr); // a second attach does nothing
    EXPECT_EQ(skinner->Painters.size(), 1u);

    painter->Unskin();
    EXPECT_EQ(panel->Color(), clAqua);
    EXPECT_TRUE(panel->ParentBackground());
    delete painter;
    EXPECT_TRUE(skinner->Painters.empty());
    EXPECT_EQ(panel->WindowProc.target_type(), original);
    EXPECT_EQ(panel->Perform(WM_SKIN_QUERY), 0);
}

TEST_F(PainterBase, ParentBackgroundOptionLeavesThePropertyAlone) {
    Data()->Options |= SetBit(xoParentBackGround);
    auto* painter = new TSkinControl(panel);
    painter->AttachControl(skinner.get(), Data(), true, nullptr);
    EXPECT_TRUE(panel->ParentBackground());
    EXPECT_EQ(painter->FNoMouseDown, 0);
    delete painter;
}

TEST_F(PainterBase, WindowModeTakesOverAndGivesBackTheWindowProcedure) {
    HWND button = CreateWindowW(L"BUTTON", L"Raw", WS_CHILD | WS_VISIBLE, 120, 10, 80, 24, form->Handle(), nullptr,
                                nullptr, nullptr);
    const LONG_PTR original = GetWindowLongPtrW(button, GWLP_WNDPROC);
    auto* painter = new TSkinControl(skinner.get());
    painter->AttachWindow(button, Data(), skinner.get(), nullptr);
    EXPECT_NE(GetWindowLongPtrW(button, GWLP_WNDPROC), original);
    EXPECT_EQ(SendMessageW(button, WM_SKIN_QUERY, 0, 0), 1);
    EXPECT_EQ(painter->FCaption, L"Raw");
    delete painter;
    EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), original);
    EXPECT_EQ(SendMessageW(button, WM_SKIN_QUERY, 0, 0), 0);
    DestroyWindow(button);
}

TEST_F(PainterBase, DetachPutsBackOnlyWhatIsStillItsOwn) {
    // Control mode: a WindowProc set on top of the painter's stays; messages still reach the control.
    auto* painter = new TSkinControl(panel);
    painter->AttachControl(skinner.get(), Data(), false, nullptr);
    int seen = 0;
    TWndMethod below = panel->WindowProc;
    panel->WindowProc = [&seen, below](TMessage& m) {
        ++seen;
        below(m);
    };
    delete painter;
    EXPECT_EQ(panel->Perform(WM_SKIN_QUERY), 0); // the painter's link only forwards now
    EXPECT_EQ(seen, 1);
    panel->Perform(CM_COLORCHANGED);
    EXPECT_EQ(seen, 2);

    // Window mode: a procedure set on top stays; the painter's instance forwards to the original.
    HWND button = CreateWindowW(L"BUTTON", L"Raw", WS_CHILD | WS_VISIBLE, 120, 10, 80, 24, form->Handle(), nullptr,
                                nullptr, nullptr);
    auto* raw = new TSkinControl(skinner.get());
    raw->AttachWindow(button, Data(), skinner.get(), nullptr);
    countingCalls = 0;
    countingPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
    delete raw;
    EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&CountingProc));
    wchar_t text[16] = {};
    GetWindowTextW(button, text, 16);
    EXPECT_STREQ(text, L"Raw");
    EXPECT_EQ(SendMessageW(button, WM_SKIN_QUERY, 0, 0), 0);
    EXPECT_GT(countingCalls, 0);
    // The one on top goes away too, putting the forwarder back: still no painter behind it.
    SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countingPrevious));
    GetWindowTextW(button, text, 16);
    EXPECT_STREQ(text, L"Raw");
    DestroyWindow(button);
}

TEST_F(PainterBase, SkinSwitchTurnsThePainterOffAndOn) {
    auto* painter = new TSkinControl(panel);
    painter->AttachControl(skinner.get(), Data(), false, nullptr);
    SendMessageW(panel->Handle(), WM_SKIN_SWITCH, 0, 0);
    EXPECT_FALSE(painter->FActive);
    EXPECT_EQ(SendMessageW(panel->Handle(), WM_SKIN_QUERY, 0, 0), 0); // straight to the control
    SendMessageW(panel->Handle(), WM_SKIN_SWITCH, 1, 0);
    EXPECT_TRUE(painter->FActive);
    EXPECT_EQ(SendMessageW(panel->Handle(), WM_SKIN_QUERY, 0, 0), 1);
    delete painter;
}

TEST_F(PainterBase, DestroyedWindowGoesToStateSixAndUndoesTheColour) {
    auto* painter = new TSkinControl(panel);
    painter->AttachControl(skinner.get(), Data(), true, nullptr);
    panel->DestroyHandle();
    EXPECT_EQ(painter->FLifeState, lsDestroyed);
    EXPECT_FALSE(painter->FActive);
    EXPECT_EQ(panel->Color(), clAqua);
    EXPECT_TRUE(panel->ParentBackground());
    // Freeing the control frees its painter, which leaves the list.
    delete panel;
    EXPECT_TRUE(skinner->Painters.empty());
}

TEST_F(PainterBase, HugeControlsGetTheCursorPosition) {
    struct Probe : TSkinControl {
        using TSkinControl::TSkinControl;
    };
    // A window is never wider than 32767 pixels; a graphic control can be.
    auto* wide = new TSpeedButton(form);
    wide->SetParent(form);
    wide->SetBounds(0, 100, 40000, 20);
    int gotX = -1, gotY = -1;
    wide->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        gotX = x;
        gotY = y;
    };
    auto* painter = new Probe(wide);
    painter->AttachControl(skinner.get(), Data(), false, nullptr);
    const POINT origin = wide->ClientToScreen(POINT{0, 0});
    SetCursorPos(origin.x + 30, origin.y + 5);
    TMessage m{WM_LBUTTONDOWN, 0, MAKELPARAM(-7, 3), 0}; // clipped 16-bit coordinates
    painter->EmulateMouseDown(m);
    EXPECT_EQ(gotX, 30);
    EXPECT_EQ(gotY, 5);
    wide->SetWidth(200);
    painter->EmulateMouseDown(m);
    EXPECT_EQ(gotX, -7);
    EXPECT_EQ(gotY, 3);
}

// A button painter whose memory is poisoned and never reused once freed: any touch after its
// destruction reads garbage pointers and crashes the test.
struct PoisonedButtonPainter : TSkinButton {
    using TSkinButton::TSkinButton;
    static void* operator new(std::size_t size) { return ::operator new(size); }
    static void operator delete(void* p, std::size_t size) { std::memset(p, 0xCD, size); }
};

TEST_F(PainterBase, ControlFreedInsideItsOwnClickIsNotTouchedAgain) {
    for (bool nested : {false, true}) {
        SCOPED_TRACE(nested ? "freed from a nested message loop" : "freed by its click handler");
        auto* button = new TButton(form);
        button->SetParent(form);
        button->SetBounds(10, 80, 75, 25);
        button->SetCaption("Free me");
        auto* painter = new PoisonedButtonPainter(button);
        painter->AttachControl(skinner.get(), Data(), false, nullptr);
        HWND h = button->Handle();
        bool clicked = false;
        const UINT freeIt = WM_APP + 7;
        button->OnClick = [&](TObject*) {
            clicked = true;
            if (!nested) {
                delete button;
                return;
            }
            PostMessageW(h, freeIt, 0, 0);
            TWndMethod previous = button->WindowProc;
            button->WindowProc = [&, previous](TMessage& m) {
                if (m.Msg == freeIt) delete button;
                else previous(m);
            };
            Pump(50); // a nested loop, as a dialog opened by the click would run
        };
        SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_TRUE(clicked);
        EXPECT_FALSE(IsWindow(h));
        EXPECT_TRUE(skinner->Painters.empty());
    }
}

} // namespace
