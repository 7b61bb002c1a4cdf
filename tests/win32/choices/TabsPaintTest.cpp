// Tab rows drawn by the skin: switching by mouse and keyboard with the selected tab's frame read back,
// closing a page by its close box, tabs on the four sides, and GDI objects over many switches.
#include "ChoiceTestSupport.h"

#include "runtime/TabCtrls.h"
#include "skin/controls/SkinTabs.h"
#include "skin/window/ElementBitmaps.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {
struct PagesFixture {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TCanvas canvas;
    TPageControl* pages = nullptr;
    TSkinTab* painter = nullptr;
    std::vector<TTabSheet*> sheets;

    explicit PagesFixture(TTabPosition side = tpTop, int tag = 0, int count = 3) {
        form->SetBounds(40, 40, 460, 360);
        pages = new TPageControl(form.get());
        pages->SetTabPosition(side);
        pages->SetTag(tag);
        pages->SetBounds(10, 10, 400, 280);
        pages->SetParent(form.get());
        for (int i = 0; i < count; ++i) {
            auto* s = new TTabSheet(form.get());
            s->SetCaption("Page " + std::to_string(i + 1));
            s->SetPageControl(pages);
            sheets.push_back(s);
        }
        painter = new TSkinTab(pages);
        painter->AttachControl(nullptr, &StoredSkin(), false, &canvas);
        form->Show();
        Pump();
    }
    RECT TabRect(int i) const {
        RECT r{};
        SendMessageW(pages->Handle(), TCM_GETITEMRECT, WPARAM(i), LPARAM(&r));
        return r;
    }
};

// The tab frame the skin gives a tab of this size, as the painter draws it (frame 2 selected, 1 normal).
ScreenPixels ExpectedTab(int w, int h, int frame, TColor background) {
    const TDataSkinBorder& tabs = *StoredSkin().Tabs;
    return Render(w, h, [&](HDC dc) {
        RECT all{0, 0, w, h};
        HBRUSH b = CreateSolidBrush(ColorToRGB(background));
        FillRect(dc, &all, b);
        DeleteObject(b);
        PaintElement(dc, all, tabs.Bitmap.get(), false, tabs.Tile != 0, tabs.Trans != 0, tabs.FrameCount, frame,
                     GeoMargins{tabs.LeftWidth, tabs.TopHeight, tabs.RightWidth, tabs.BottomHeight});
    });
}

// The column 3 pixels in from the tab's left edge (inside its unstretched border, away from its text) shows
// the frame, for a top row, down to where the page frame begins: that frame (the display area grown by 4,
// one pixel less on the tab side) is drawn after the row and covers the tabs' lowest rows.
::testing::AssertionResult TabShowsFrame(const PagesFixture& f, int tab, int frame) {
    RECT r = f.TabRect(tab);
    OffsetRect(&r, 0, 1); // drawn one pixel toward the page
    RECT display;
    GetClientRect(f.pages->Handle(), &display);
    SendMessageW(f.pages->Handle(), TCM_ADJUSTRECT, FALSE, LPARAM(&display));
    const int pageTop = display.top - 3;
    ScreenPixels shot = ReadWindowPixels(f.pages->Handle());
    ScreenPixels want = ExpectedTab(r.right - r.left, r.bottom - r.top, frame, f.form->Color());
    if (pageTop - r.top < want.height / 2)
        return ::testing::AssertionFailure() << "the page frame covers most of tab " << tab;
    for (int y = 0; y < want.height && r.top + y < pageTop; ++y) {
        std::uint32_t w = want.At(3, y);
        if (shot.At(r.left + 3, r.top + y) != w)
            return ::testing::AssertionFailure() << "tab " << tab << " row " << y << ": " << std::hex
                                                 << shot.At(r.left + 3, r.top + y) << " want " << w;
    }
    return ::testing::AssertionSuccess();
}
} // namespace

TEST(SkinTabs, SwitchingByMouseAndKeyboardShowsTheSelectedFrame) {
    PagesFixture f;
    EXPECT_TRUE(TabShowsFrame(f, 0, 2));
    EXPECT_TRUE(TabShowsFrame(f, 1, 1));
    RECT second = f.TabRect(1);
    Click(f.pages->Handle(), (second.left + second.right) / 2, (second.top + second.bottom) / 2);
    EXPECT_EQ(f.pages->ActivePageIndex(), 1);
    EXPECT_TRUE(TabShowsFrame(f, 1, 2));
    EXPECT_TRUE(TabShowsFrame(f, 0, 1));
    f.pages->SetFocus();
    PressKeys({VK_CONTROL, VK_TAB});
    EXPECT_EQ(f.pages->ActivePageIndex(), 2);
    EXPECT_TRUE(TabShowsFrame(f, 2, 2));
    PressKeys({VK_CONTROL, VK_SHIFT, VK_TAB});
    PressKeys({VK_CONTROL, VK_SHIFT, VK_TAB});
    EXPECT_EQ(f.pages->ActivePageIndex(), 0);
    EXPECT_TRUE(TabShowsFrame(f, 0, 2));
    EXPECT_TRUE(IsWindowVisible(f.sheets[0]->Handle()));
}

TEST(SkinTabs, CloseBoxFreesOnePageUnlessTheFormKeepsIt) {
    PagesFixture f(tpTop, 7777, 3);
    ASSERT_TRUE(f.painter->FCloseBoxes);
    ASSERT_EQ(f.painter->FCloseRects.size(), 3u);
    // a form that answers the close request with 1 keeps the page
    int asked = 0;
    LPARAM askedIndex = -1;
    TWndMethod previous = f.form->WindowProc;
    bool keep = true;
    f.form->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_SKIN_CLOSETAB) {
            ++asked;
            askedIndex = m.LParam;
            m.Result = keep ? 1 : 0;
            return;
        }
        previous(m);
    };
    GeoRect box = f.painter->FCloseRects[1];
    Click(f.pages->Handle(), (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(askedIndex, 1);
    EXPECT_EQ(f.pages->PageCount(), 3);
    keep = false;
    TTabSheet* second = f.sheets[1];
    bool freed = false;
    struct Watch : TComponent {
        bool* flag;
        Watch(bool* f) : TComponent(nullptr), flag(f) {}
        void Notification(TComponent* c, TOperation op) override {
            if (op == opRemove) *flag = true;
            TComponent::Notification(c, op);
        }
    } watch(&freed);
    second->FreeNotification(&watch);
    // at once on the same box: the tab window makes this second click a double click, which closes too
    Click(f.pages->Handle(), (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    EXPECT_TRUE(freed);
    EXPECT_EQ(f.pages->PageCount(), 2);
    EXPECT_EQ(f.pages->Pages(1), f.sheets[2]);
    // the boxes were drawn again for the pages that are left
    Pump();
    EXPECT_EQ(f.painter->FCloseRects.size(), 2u);
    f.form->WindowProc = previous;
}

TEST(SkinTabs, RowsOnEverySideAreDrawnTurned) {
    for (TTabPosition side : {tpTop, tpBottom, tpLeft, tpRight}) {
        SCOPED_TRACE(int(side));
        PagesFixture f(side, 7777);
        TTabSide expected[] = {TTabSide::Top, TTabSide::Bottom, TTabSide::Left, TTabSide::Right};
        EXPECT_EQ(f.painter->FTabSide, expected[side]);
        // every close box lies inside its tab, wherever the row is
        for (int i = 0; i < 3; ++i) {
            RECT tab = f.TabRect(i);
            GeoRect box = f.painter->FCloseRects[std::size_t(i)];
            EXPECT_GE(box.left, tab.left - 1);
            EXPECT_LE(box.right, tab.right + 1);
            EXPECT_GE(box.top, tab.top - 1);
            EXPECT_LE(box.bottom, tab.bottom + 1);
        }
        // the selected tab is drawn with the skin's white selected frame somewhere inside its rectangle
        RECT tab = f.TabRect(0);
        ScreenPixels shot = ReadWindowPixels(f.pages->Handle());
        int white = 0;
        for (int y = tab.top; y < tab.bottom; ++y)
            for (int x = tab.left; x < tab.right; ++x) white += shot.At(x, y) == 0xFFFFFF;
        EXPECT_GT(white, (tab.right - tab.left) * (tab.bottom - tab.top) / 4);
    }
}

TEST(SkinTabs, GdiObjectsStayFlatOverManyPageSwitches) {
    PagesFixture f(tpTop, 7777);
    for (int i = 0; i < 10; ++i) f.pages->SelectNextPage(true), f.pages->Repaint();
    const int before = GdiObjectsInUse();
    for (int i = 0; i < 300; ++i) {
        f.pages->SelectNextPage(true);
        f.pages->Repaint();
    }
    EXPECT_LE(GdiObjectsInUse(), before + 2);
}
