// A skinned MDI frame (the gallery's raw MDI window): its menu bar in the frame, the maximized child's
// buttons in that bar acting on the active child with real clicks, and the children's regions.
#include "MenuTestSupport.h"

#include "MdiWindow.h"
#include "skin/window/CaptionButtonRules.h"
#include "skin/window/WinSkinForm.h"
#include "skin/window/WinSkinMenu.h"
#include "skin/window/WinSysButton.h"

#include <gtest/gtest.h>

namespace {

class MdiFrame {
public:
    MdiFrame() {
        StoredSkin();
        frame = ShowMdiWindow(nullptr);
        client = MdiClientOf(frame);
        SetForegroundWindow(frame);
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 3000) {
            Pump(20);
            TWinSkinForm* p = FramePainterOf(frame);
            if (p && p->SkinState == fsSkinned && p->Active) break;
        }
        Pump(300);
    }
    ~MdiFrame() {
        if (IsWindow(frame)) DestroyWindow(frame);
        Pump(50);
    }
    MdiFrame(const MdiFrame&) = delete;
    MdiFrame& operator=(const MdiFrame&) = delete;

    TWinSkinForm* Painter() const { return FramePainterOf(frame); }
    HWND Active(bool* maximized = nullptr) const {
        BOOL zoomed = FALSE;
        const HWND child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&zoomed)));
        if (maximized) *maximized = zoomed != FALSE;
        return child;
    }
    int Children() const {
        int n = 0;
        for (HWND c = GetWindow(client, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (GetWindowLongW(c, GWL_EXSTYLE) & WS_EX_MDICHILD) ++n;
        return n;
    }
    // The frame's caption button in the menu bar with this action (7 minimize, 8 restore, 9 close), or none.
    TWinSysButton* BarButton(int action) const {
        TWinSkinForm* p = Painter();
        if (!p) return nullptr;
        for (TWinSysButton* b : p->CaptionButtons)
            if (b->Element->Visibility == VisibilityMenuBar && b->Action() == action && b->Visible) return b;
        return nullptr;
    }
    void Click(const TWinSysButton* b) const {
        RECT w;
        GetWindowRect(frame, &w);
        MouseTo({w.left + (b->Rect.left + b->Rect.right) / 2, w.top + (b->Rect.top + b->Rect.bottom) / 2});
        Pump(300);
        MouseButton(true);
        Pump(100);
        MouseButton(false);
        Pump(500);
    }
    void MaximizeActive() const {
        SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Active()), 0);
        Pump(400);
    }

    HWND frame = nullptr;
    HWND client = nullptr;
};

TEST(MdiFrame, TheFramesMenuIsASkinnedBarAndTheChildrenAreSkinned) {
    MdiFrame f;
    TWinSkinForm* p = f.Painter();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->WindowKind, wkMdiFrame);
    ASSERT_NE(p->MenuBar, nullptr);
    EXPECT_EQ(p->MenuBar->ItemCount(), 2);
    EXPECT_EQ(GetMenu(f.frame), nullptr);
    EXPECT_EQ(SkinManager->mdiClient, f.client);
    EXPECT_EQ(f.Children(), 3);
    for (HWND c = GetWindow(f.client, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const TWinSkinForm* child = FramePainterOf(c);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->WindowKind, wkMdiChild);
    }
    EXPECT_EQ(f.BarButton(8), nullptr) << "no child is maximized: no buttons in the bar";
}

TEST(MdiFrame, WithMdiChildBorderTheChildrenKeepTheSystemsFrame) {
    TSkinData* skin = StoredSkin();
    const TSkinOptions saved = skin->Options;
    skin->Options |= SetBit(xoMDIChildBorder);
    {
        MdiFrame f;
        ASSERT_NE(f.Painter(), nullptr);
        EXPECT_TRUE(f.Painter()->SkinFrame) << "the frame itself is skinned";
        for (HWND c = GetWindow(f.client, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            const TWinSkinForm* child = FramePainterOf(c);
            ASSERT_NE(child, nullptr);
            EXPECT_FALSE(child->SkinFrame);
        }
    }
    skin->Options = saved;
}

TEST(MdiFrame, AMaximizedChildsButtonsInTheBarActOnTheActiveChild) {
    MdiFrame f;
    f.MaximizeActive();
    bool maximized = false;
    const HWND first = f.Active(&maximized);
    ASSERT_TRUE(maximized);
    EXPECT_TRUE(f.Painter()->MdiChildMaximized());
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(first, region), ERROR) << "a maximized child holds no region cut for its old size";
    DeleteObject(region);

    TWinSysButton* restore = f.BarButton(8);
    ASSERT_NE(restore, nullptr);
    const RECT bar = f.Painter()->MenuBar->BarRect();
    EXPECT_GE(restore->Rect.top, bar.top);
    EXPECT_LE(restore->Rect.bottom, bar.bottom);
    f.Click(restore);
    f.Active(&maximized);
    EXPECT_FALSE(maximized);
    EXPECT_EQ(f.BarButton(8), nullptr);

    f.MaximizeActive();
    ASSERT_NE(f.BarButton(7), nullptr);
    f.Click(f.BarButton(7));
    EXPECT_TRUE(IsIconic(first)) << "minimize acts on the active child";
    SendMessageW(f.client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(first), 0);
    Pump(300);

    SendMessageW(f.client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first), 0);
    f.MaximizeActive();
    ASSERT_NE(f.BarButton(9), nullptr);
    f.Click(f.BarButton(9));
    EXPECT_FALSE(IsWindow(first)) << "close acts on the active child";
    EXPECT_EQ(f.Children(), 2);
}

} // namespace
