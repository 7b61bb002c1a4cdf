// The drop-down list of a combo box: its bar is drawn from the skin inside the list's frame, its border is
// kept, and its own thumb-drag loop moves the list and always ends: on release, on lost capture, when the
// list goes away, and on WM_QUIT (which it hands on).
#include "ScrollBarsTestSupport.h"

namespace {

class ComboList : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(40, 40, 400, 400);
        form->Show();
        combo = new TComboBox(form.get());
        combo->SetParent(form.get());
        combo->SetBounds(20, 20, 200, 21);
        combo->SetStyle(csDropDownList);
        for (int i = 0; i < 60; ++i) combo->Items()->Add("choice " + std::to_string(i));
        combo->SetDropDownCount(10);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
        list = info.hwndList;
        painter = new TComboxScrollBar(form.get());
        painter->AttachWindow(list, &StoredSkin(), nullptr, nullptr);
        SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
        Pump(150);
        ASSERT_TRUE(IsWindowVisible(list));
    }
    void TearDown() override {
        if (combo) SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
        form.reset();
        Pump(20);
    }

    SCROLLBARINFO Bar() const {
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        GetScrollBarInfo(list, OBJID_VSCROLL, &info);
        return info;
    }
    POINT ThumbCentre() const {
        SCROLLBARINFO b = Bar();
        return {(b.rcScrollBar.left + b.rcScrollBar.right) / 2, b.rcScrollBar.top + (b.xyThumbTop + b.xyThumbBottom) / 2};
    }

    std::unique_ptr<TForm> form;
    TComboBox* combo = nullptr;
    HWND list = nullptr;
    TComboxScrollBar* painter = nullptr;
};

} // namespace

TEST_F(ComboList, TheDroppedListShowsTheSkinnedBarInsideItsBorder) {
    RedrawWindow(list, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(150);
    SCROLLBARINFO b = Bar();
    ASSERT_FALSE(b.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    ScrollBarLook look;
    look.length = b.rcScrollBar.bottom - b.rcScrollBar.top;
    look.breadth = b.rcScrollBar.right - b.rcScrollBar.left;
    look.arrowSize = GetSystemMetrics(SM_CXHSCROLL);
    look.thumbStart = b.xyThumbTop;
    look.thumbEnd = b.xyThumbBottom;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, look.breadth, look.length);
    HGDIOBJ old = SelectObject(mem, bmp);
    ASSERT_TRUE(PaintSkinScrollBar(mem, 0, 0, StoredSkin(), look));
    const std::vector<COLORREF> shown = ScreenPixels(b.rcScrollBar);
    int differing = 0;
    for (int y = 0; y < look.length; ++y)
        for (int x = 0; x < look.breadth; ++x) {
            const COLORREF c = GetPixel(mem, x, y);
            const COLORREF want = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            differing += shown[size_t(y) * size_t(look.breadth) + size_t(x)] != want;
        }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(differing, 0);
    // The swallowed frame painting still leaves the list its border.
    RECT w;
    GetWindowRect(list, &w);
    const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    const COLORREF want = (GetRValue(frame) << 16) | (GetGValue(frame) << 8) | GetBValue(frame);
    EXPECT_EQ(ScreenPixels({w.left, (w.top + w.bottom) / 2, w.left + 1, (w.top + w.bottom) / 2 + 1})[0], want);
    EXPECT_EQ(ScreenPixels({w.left + 5, w.bottom - 1, w.left + 6, w.bottom})[0], want);
}

TEST_F(ComboList, DraggingTheThumbMovesTheListAndStopsAtTheLastPosition) {
    SCROLLBARINFO b = Bar();
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(list, SB_VERT, &si);
    ListThumbDrag drag{b.rcScrollBar.bottom - b.rcScrollBar.top, b.dxyLineButton, b.xyThumbTop, b.xyThumbBottom,
                       {si.nMin, si.nMax, int(si.nPage), si.nPos}};
    ClickWithLoop(ThumbCentre(), 30);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), ListDragPosition(drag, 30));
    EXPECT_GT(GetScrollPos(list, SB_VERT), 0);
    EXPECT_FALSE(painter->FTracking);

    ClickWithLoop(ThumbCentre(), 400); // far past the end
    GetScrollInfo(list, SB_VERT, &si);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), si.nMax - int(si.nPage) + 1);
}

TEST_F(ComboList, TheDragLoopEndsOnQuitLostCaptureAndTheListsEnd) {
    // WM_QUIT ends the loop and is handed on to the loop outside.
    TakeQuitCode();
    int ticks = 0;
    RunInsideLoop(ThumbCentre(), [&] {
        if (++ticks % 2) {
            PostQuitMessage(7);
            return false;
        }
        return true;
    });
    EXPECT_EQ(TakeQuitCode(), 7);
    EXPECT_FALSE(painter->FTracking);

    // Another window takes the capture.
    if (!IsWindowVisible(list)) SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    Pump(100);
    bool taken = false;
    RunInsideLoop(ThumbCentre(), [&] {
        if (!taken) {
            SetCapture(form->Handle());
            taken = true;
            return false;
        }
        ReleaseCapture();
        return true;
    });
    EXPECT_TRUE(taken);
    EXPECT_FALSE(painter->FTracking);

    // The combo box, and its list with it, is freed while the thumb is held.
    if (!IsWindowVisible(list)) SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    Pump(100);
    bool freed = false;
    RunInsideLoop(ThumbCentre(), [&] {
        if (!freed) {
            delete combo;
            combo = nullptr;
            freed = true;
            return false;
        }
        return true;
    });
    EXPECT_TRUE(freed);
    EXPECT_FALSE(IsWindow(list));
    Pump(50);
}
