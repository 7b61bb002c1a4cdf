#include "skin/window/SkinWindowRules.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t WsChild = 0x40000000, WsPopup = 0x80000000, WsExMdiChild = 0x40, DsSetForeground = 0x200;

TSkinWindowFacts MainWindow() {
    TSkinWindowFacts f;
    f.style = WsPopup;
    f.hasFrameworkObject = true;
    f.sameModule = true;
    f.className = "TMainForm";
    f.width = 412;
    f.height = 263;
    return f;
}

TEST(SkinWindowRules, WindowTestsInOrder) {
    struct Case {
        const char* what;
        void (*change)(TSkinWindowFacts&);
        int refusal;
    };
    const Case cases[] = {
        {"the main window", [](TSkinWindowFacts&) {}, 0},
        {"a plain child", [](TSkinWindowFacts& f) { f.style = WsChild; f.parentClassName = "TMainForm"; }, 5},
        {"a plain child while applying to all",
         [](TSkinWindowFacts& f) { f.style = WsChild; f.parentClassName = "TForm"; f.applyingAll = true; }, 0},
        {"a child of an MDI client", [](TSkinWindowFacts& f) { f.style = WsChild; f.parentClassName = "MDIClient"; }, 0},
        {"an MDI child", [](TSkinWindowFacts& f) { f.style = WsChild; f.exStyle = WsExMdiChild; f.parentClassName = "X"; }, 0},
        {"a raw window of another module",
         [](TSkinWindowFacts& f) { f.hasFrameworkObject = false; f.sameModule = false; f.className = "Foreign"; }, 6},
        {"a dialog of another module",
         [](TSkinWindowFacts& f) { f.hasFrameworkObject = false; f.sameModule = false; f.className = "#32770"; }, 0},
        {"a raw window of this module", [](TSkinWindowFacts& f) { f.hasFrameworkObject = false; f.className = "Raw"; }, 0},
        {"zero width", [](TSkinWindowFacts& f) { f.width = 0; }, 7},
        {"zero height", [](TSkinWindowFacts& f) { f.height = 0; }, 7},
        {"an MDI child of zero size", [](TSkinWindowFacts& f) { f.width = 0; f.exStyle = WsExMdiChild; }, 0},
        {"tag 99", [](TSkinWindowFacts& f) { f.frameworkTag = 99; }, 8},
        {"tag 99 on a raw window does not count",
         [](TSkinWindowFacts& f) { f.hasFrameworkObject = false; f.frameworkTag = 99; }, 0},
        {"the application window", [](TSkinWindowFacts& f) { f.className = "TApplication"; }, 9},
        {"a popup edit window", [](TSkinWindowFacts& f) { f.className = "xTcxPopupEditPopupWindow2"; }, 9},
        {"tests stop at the first failure", [](TSkinWindowFacts& f) { f.width = 0; f.frameworkTag = 99; }, 7},
        {"a huge window does not overflow", [](TSkinWindowFacts& f) { f.width = 70000; f.height = 70000; }, 0},
    };
    for (const Case& c : cases) {
        TSkinWindowFacts f = MainWindow();
        c.change(f);
        EXPECT_EQ(SkinWindowRefusal(f), c.refusal) << c.what;
    }
}

TEST(SkinWindowRules, CanSkinWindowBeforeTheComponentsQuestion) {
    EXPECT_TRUE(CanSkinWindowBeforeQuery(false, false, "PrintPreview", 0)) << "no main component: always";
    EXPECT_FALSE(CanSkinWindowBeforeQuery(true, false, "TPrintPREVIEWForm", 0));
    EXPECT_TRUE(CanSkinWindowBeforeQuery(true, true, "TPrintPreviewForm", 0)) << "xoPreview";
    EXPECT_FALSE(CanSkinWindowBeforeQuery(true, true, "#32770", 0x84C801C4 | DsSetForeground));
    EXPECT_TRUE(CanSkinWindowBeforeQuery(true, true, "#32770", 0x84C801C4));
    EXPECT_TRUE(CanSkinWindowBeforeQuery(true, true, "TForm", DsSetForeground)) << "only dialogs";
}

TEST(SkinWindowRules, SelectSkinData) {
    constexpr int main = 0, only = 1, dialog = 2, dll = 3;
    using L = std::vector<TSkinDataFacts>;
    EXPECT_EQ(SelectSkinDataIndex({}, "TForm"), -1);
    EXPECT_EQ(SelectSkinDataIndex(L{{dll, false}}, "TForm"), 0) << "the first as last resort";
    EXPECT_EQ(SelectSkinDataIndex(L{{main, false}, {main, false}, {dialog, false}}, "TForm"), 1) << "last main";
    EXPECT_EQ(SelectSkinDataIndex(L{{main, false}, {dialog, false}, {dialog, false}}, "#32770"), 2);
    EXPECT_EQ(SelectSkinDataIndex(L{{main, false}, {dialog, false}}, "TMESSAGEFORM"), 1);
    EXPECT_EQ(SelectSkinDataIndex(L{{main, false}}, "#32770"), 0) << "no dialog component: the main one";
    EXPECT_EQ(SelectSkinDataIndex(L{{only, true}, {main, false}, {only, false}}, "#32770"), 0) << "own form first";
    EXPECT_EQ(SelectSkinDataIndex(L{{dll, false}, {only, false}}, "TForm"), 0) << "another form's: not chosen";
}

TEST(SkinWindowRules, PopupKindsNeedTheirControlSwitch) {
    constexpr std::uint32_t popup = 1u << 1, mainMenu = 1u << 0, menuItem = 1u << 2, system = 1u << 20;
    EXPECT_TRUE(PopupKindAllowed(0, popup));
    EXPECT_FALSE(PopupKindAllowed(0, mainMenu | menuItem | system));
    EXPECT_TRUE(PopupKindAllowed(1, mainMenu));
    EXPECT_TRUE(PopupKindAllowed(1, menuItem));
    EXPECT_FALSE(PopupKindAllowed(1, popup | system));
    EXPECT_TRUE(PopupKindAllowed(2, system));
    EXPECT_FALSE(PopupKindAllowed(2, popup | mainMenu | menuItem));
    EXPECT_FALSE(PopupKindAllowed(3, ~0u));
}

} // namespace
