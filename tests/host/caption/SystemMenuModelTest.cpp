#include "skin/window/SystemMenuModel.h"

#include <gtest/gtest.h>

namespace {

const SystemVersionFacts Nt4{true, 4, 0, false};
const SystemVersionFacts Nt5{true, 5, 0, false};
const SystemVersionFacts Nt61{true, 6, 1, false};
const SystemVersionFacts Win98{false, 4, 10, true};

// The system menu of an ordinary sizeable window, as the system reports it.
std::vector<SystemMenuSourceItem> StandardSource() {
    return {
        {L"&Restore", ScRestore, 0},        {L"&Move", ScMove, 0},           {L"&Size", ScSize, 0},
        {L"Mi&nimize", ScMinimize, 0},      {L"Ma&ximize", ScMaximize, 0},   {L"", 0, 0, true},
        {L"&Close\tAlt+F4", ScClose, MenuStateDefault}, {L"Stay on top", 0x0110, MenuStateChecked},
        {L"Grayed extra", 0x0120, MenuStateGrayed},
    };
}

struct ItemExpect {
    const wchar_t* caption;
    int tag, image;
    bool enabled;
};

void ExpectItems(const SkinMenuModel& m, const std::vector<ItemExpect>& expected, const char* what) {
    ASSERT_EQ(m.items.size(), expected.size()) << what;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(m.items[i].caption, expected[i].caption) << what << " item " << i;
        EXPECT_EQ(m.items[i].tag, expected[i].tag) << what << " item " << i;
        EXPECT_EQ(m.items[i].imageIndex, expected[i].image) << what << " item " << i;
        EXPECT_EQ(m.items[i].enabled, expected[i].enabled) << what << " item " << i;
    }
}

TEST(SystemMenuModel, MirrorsTheWindowsOwnMenuByShowState) {
    const int all = 8 | 2 | 1;
    struct {
        const char* what;
        SystemVersionFacts version;
        int show, box;
        bool restore, move, minimize, maximize;
    } cases[] = {
        {"normal", Nt61, 0, all, false, true, true, true},
        {"maximized", Nt61, 1, all, true, false, true, false},
        {"minimized", Nt61, 2, all, true, true, false, true},
        {"no boxes", Nt61, 0, 8, false, true, false, false},
        {"NT 5.0 mirrors too", Nt5, 0, all, false, true, true, true},
        {"Windows 9x mirrors too", Win98, 0, all, false, true, true, true},
    };
    for (const auto& c : cases) {
        const SkinMenuModel m = BuildSystemMenu(c.version, {c.show, c.box, true}, StandardSource());
        EXPECT_FALSE(m.fixed);
        EXPECT_EQ(m.tag, SystemMenuTag);
        ExpectItems(m,
                    {{L"&Restore", int(ScRestore), 0, c.restore},
                     {L"&Move", int(ScMove), -1, c.move},
                     {L"&Size", int(ScSize), -1, c.move},
                     {L"Mi&nimize", int(ScMinimize), 2, c.minimize},
                     {L"Ma&ximize", int(ScMaximize), 1, c.maximize},
                     {L"-", 0, -1, false},
                     {L"&Close\tAlt+F4", int(ScClose), 3, true},
                     {L"Stay on top", 0x0110, -1, true},
                     {L"Grayed extra", 0x0120, -1, false}},
                    c.what);
        EXPECT_TRUE(m.items[6].defaultItem);
        EXPECT_TRUE(m.items[7].checked);
        EXPECT_FALSE(m.items[0].checked);
    }
    EXPECT_TRUE(BuildSystemMenu(Nt61, {0, 3, false}, StandardSource()).items.empty());
}

TEST(SystemMenuModel, OldNtGetsTheFixedMenu) {
    SkinMenuModel m = BuildSystemMenu(Nt4, {0, 8 | 2 | 1, true}, StandardSource());
    EXPECT_TRUE(m.fixed);
    ExpectItems(m,
                {{L" Restore ", 0, 0, true},
                 {L" Maximize ", 1, 1, true},
                 {L" Minimize ", 2, 2, true},
                 {L"-", 100, 100, true},
                 {L" Close ", 3, 3, true}},
                "all boxes");
    EXPECT_EQ(m.items[4].shortcut, L"ALT+F4");
    m = BuildSystemMenu(Nt4, {0, 8 | 2, true}, {});
    ExpectItems(m, {{L" Restore ", 0, 0, true}, {L" Minimize ", 2, 2, true}, {L"-", 100, 100, true},
                    {L" Close ", 3, 3, true}},
                "minimize box only");
}

TEST(SystemMenuModel, ChoosingAnItem) {
    const SkinMenuModel fixed = BuildSystemMenu(Nt4, {0, 8 | 2 | 1, true}, {});
    const TSystemMenuEffect expected[] = {TSystemMenuEffect::Restore, TSystemMenuEffect::ToggleMaximize,
                                          TSystemMenuEffect::ToggleMinimize, TSystemMenuEffect::None,
                                          TSystemMenuEffect::Close};
    for (std::size_t i = 0; i < fixed.items.size(); ++i)
        EXPECT_EQ(ChooseSystemMenuItem(fixed, fixed.items[i]).effect, expected[i]) << i;

    const SkinMenuModel mirror = BuildSystemMenu(Nt61, {0, 8 | 2 | 1, true}, StandardSource());
    const SystemMenuChoice close = ChooseSystemMenuItem(mirror, mirror.items[6]);
    EXPECT_EQ(close.effect, TSystemMenuEffect::SysCommand);
    EXPECT_EQ(close.command, ScClose);
    EXPECT_EQ(ChooseSystemMenuItem(mirror, mirror.items[0]).effect, TSystemMenuEffect::None); // disabled
    EXPECT_EQ(ChooseSystemMenuItem(mirror, mirror.items[5]).effect, TSystemMenuEffect::None); // separator
}

TEST(SystemMenuModel, VersionFacts) {
    EXPECT_TRUE(IsOldNT(Nt4));
    EXPECT_FALSE(IsOldNT(Nt5));
    EXPECT_FALSE(IsOldNT(Win98));
    EXPECT_TRUE(CloseItemAssumed(Nt4));
    EXPECT_TRUE(CloseItemAssumed(Win98));
    EXPECT_FALSE(CloseItemAssumed(Nt61));
    EXPECT_EQ(SysCommandId(ScMove | 2), ScMove);
}

} // namespace
