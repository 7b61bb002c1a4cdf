// The skin data component: streaming, loading, its settings and its calls into the skin manager.
#include "SkinTestSupport.h"

#include "runtime/ImgList.h"
#include "skin/data/SkinBitmapOps.h"
#include "skin/data/SkinNotifier.h"
#include "skin/window/SkinManage.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> SmallPackage() {
    return MakePackage({{"skin.ini", TextBytes("[Colours]\nButtonFace=1 2 3\n")}});
}

// A package whose format number is 10000.
std::vector<std::uint8_t> UnknownFormatPackage() {
    std::vector<std::uint8_t> package = BuildSkinPackage({{"skin.ini", TextBytes("[x]\n")}});
    package[0] = 0x10; // 10000 = 0x2710
    package[1] = 0x27;
    return LzhCompress(package);
}

class CountingNotifier {
public:
    CountingNotifier() {
        previous_ = SetSkinNotifier([this](const std::string& text) {
            ++count;
            last = text;
        });
    }
    ~CountingNotifier() { SetSkinNotifier(previous_); }
    int count = 0;
    std::string last;

private:
    SkinNotifier previous_;
};

TEST(SkinData, DefaultsAtCreation) {
    TSkinData d(nullptr);
    EXPECT_FALSE(d.Active());
    EXPECT_EQ(d.DisableTag, 99);
    EXPECT_EQ(d.SkinControls, 0x1FFFFBu);
    EXPECT_EQ(d.Options, 72u);
    EXPECT_EQ(d.SkinFormtype(), sfMainform);
    EXPECT_TRUE(d.MenuUpdate);
    EXPECT_FALSE(d.MenuMerge);
    EXPECT_TRUE(d.IsEmpty);
    EXPECT_TRUE(d.PaintEnabled);
    ASSERT_EQ(d.Skin3rd()->Count(), 124);
    EXPECT_EQ(d.Skin3rd()->Strings(0), "TCategoryButtons=scrollbar");
    EXPECT_EQ(d.Skin3rd()->Strings(123), "trmtoolbaraddintools=panel");
    EXPECT_EQ(d.Skin3rd()->Strings(47), d.Skin3rd()->Strings(48)); // "TDBCheckboxEh=Checkbox" twice
    EXPECT_EQ(d.BorderTop->Name, "Top");
    EXPECT_EQ(d.Buttons->Name, "Buttons");
    EXPECT_EQ(d.Title->Name, "Title");
    EXPECT_FALSE(d.ScrollBar);
    EXPECT_EQ(d.MaxTrackWidth, GetSystemMetrics(SM_CXMAXIMIZED));
    EXPECT_FALSE(d.Version().empty());
    ASSERT_TRUE(d.MenuGlyphs);
    EXPECT_EQ(d.MenuGlyphs->Width(), 16);
    EXPECT_EQ(d.MenuGlyphs->Count(), 4); // restore, maximize, minimize, close
    EXPECT_EQ(d.AppIcon->PixelFormat(), pf24bit);
}

TEST(SkinData, LoadedBuildsTheCaptionFontFromTheSystemMetrics) {
    StreamedSkinData s("", {});
    ASSERT_TRUE(s.data->CaptionFont);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = 340;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0));
    EXPECT_EQ(s.data->CaptionFont->LogFont().lfHeight, metrics.lfCaptionFont.lfHeight);
    EXPECT_TRUE(s.data->IsEmpty); // no stored skin
}

TEST(SkinData, AppIconFromTheApplicationWindowAtLoaded) {
    HWND app = ApplicationIconWindow();
    ASSERT_NE(app, nullptr);
    // A 32 x 32 icon: blue square with a transparent border.
    BYTE andMask[32 * 4], xorMask[32 * 4];
    for (int y = 0; y < 32; ++y)
        for (int b = 0; b < 4; ++b) {
            const bool inside = y >= 8 && y < 24;
            andMask[y * 4 + b] = inside && (b == 1 || b == 2) ? 0x00 : 0xFF;
            xorMask[y * 4 + b] = 0x00;
        }
    HICON icon = CreateIcon(GetModuleHandleW(nullptr), 32, 32, 1, 1, andMask, xorMask);
    ASSERT_NE(icon, nullptr);
    const LRESULT previous = SendMessageW(app, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    StreamedSkinData s("", {});
    SendMessageW(app, WM_SETICON, ICON_BIG, previous);
    DestroyIcon(icon);
    const TBitmap& appIcon = *s.data->AppIcon;
    EXPECT_EQ(appIcon.Width(), GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(appIcon.Height(), GetSystemMetrics(SM_CYSMICON));
    EXPECT_TRUE(appIcon.Transparent());
    EXPECT_EQ(appIcon.TransparentColor(), clMagenta);
    EXPECT_EQ(BitmapPixel(appIcon, 0, 0), clMagenta);                             // outside the square
    EXPECT_EQ(BitmapPixel(appIcon, appIcon.Width() / 2, appIcon.Height() / 2), clBlack); // the square
}

TEST(SkinData, EntryPointsLookedUpAtRunTime) {
    EXPECT_TRUE(HasGetScrollBarInfo());
    EXPECT_NE(SkinGetComboBoxInfoProc(), nullptr);
    HWND wnd = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VSCROLL, 0, 0, 100, 100, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SCROLLBARINFO info{};
    EXPECT_TRUE(SkinGetScrollBarInfo(wnd, OBJID_VSCROLL, info));
    EXPECT_EQ(info.cbSize, sizeof(SCROLLBARINFO));
    SkinTrackMouseLeave(wnd);
    DestroyWindow(wnd);
    EXPECT_FALSE(SkinGetScrollBarInfo(nullptr, OBJID_VSCROLL, info));
}

TEST(SkinData, ACountBeyondTheStoredBytesReadsWhatIsThere) {
    CountingNotifier notifier;
    auto root = std::make_unique<TComponent>(nullptr);
    EXPECT_NO_THROW(ReadComponentFromText(root.get(), "object Root: TComponent\n  object SkinData1: TSkinData\n"
                                                      "    SkinStream = {FFFFFF7F12345678}\n  end\nend\n"));
    auto* d = dynamic_cast<TSkinData*>(root->FindComponent("SkinData1"));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->PackageStream().Size(), 4);
    EXPECT_TRUE(d->IsEmpty);
    EXPECT_EQ(notifier.count, 1); // not a package of a known format
}

TEST(SkinData, OtherFormTypesSwitchSkinningOnAtLoaded) {
    FreeSkinManager();
    StreamedSkinData s("    SkinFormtype = sfDialog\n    Active = True\n", SmallPackage());
    ASSERT_NE(SkinManager, nullptr);
    EXPECT_TRUE(SkinManager->skinning);
    EXPECT_EQ(SkinManager->runState, 1);
    EXPECT_EQ(SkinManager->hook, nullptr); // only the main form's component installs the hook
    EXPECT_EQ(SkinManager->mainSkinData, nullptr);
    EXPECT_TRUE(s.data->Active());
}

TEST(SkinData, PublishedPropertiesByName) {
    TSkinData d(nullptr);
    EXPECT_TRUE(SetPropValue(&d, "DisableTag", "7"));
    EXPECT_EQ(d.DisableTag, 7);
    EXPECT_TRUE(SetPropValue(&d, "SkinFormtype", "sfDialog"));
    EXPECT_EQ(d.SkinFormtype(), sfDialog);
    EXPECT_TRUE(SetPropValue(&d, "Options", "[xoMenuBG,xoPreview]"));
    EXPECT_EQ(d.Options, SetBit(xoMenuBG) | SetBit(xoPreview));
    const std::string version = d.Version();
    SetPropValue(&d, "Version", "9");
    EXPECT_EQ(GetPropValue(&d, "Version"), version);
    SetPropValue(&d, "SkinStore", "x");
    EXPECT_EQ(GetPropValue(&d, "SkinStore"), "(none)");
}

TEST(SkinData, SkinStreamIsReadBeforeLoadedAndWrittenBack) {
    const auto package = SmallPackage();
    StreamedSkinData s("    SkinFormtype = sfDialog\n", package);
    ASSERT_NE(s.data, nullptr);
    EXPECT_FALSE(s.data->IsEmpty);
    EXPECT_EQ(s.data->SkinColors.ButtonFace, MakeRGB(1, 2, 3));
    EXPECT_EQ(s.data->PackageStream().Bytes(), package);

    TMemoryStream out;
    struct WriteFiler : TFiler {
        TMemoryStream* out;
        void DefineBinaryProperty(const std::string& name, std::function<void(TStream&)>,
                                  std::function<void(TStream&)> write, bool hasData) override {
            EXPECT_EQ(name, "SkinStream");
            EXPECT_TRUE(hasData);
            write(*out);
        }
        void DefineListProperty(const std::string&, std::function<void(const std::vector<std::string>&)>,
                                std::function<std::vector<std::string>()>, bool) override {}
    } filer;
    filer.out = &out;
    s.data->DefineProperties(filer);
    ASSERT_EQ(out.Size(), static_cast<std::int64_t>(package.size()) + 4);
    out.SetPosition(0);
    EXPECT_EQ(out.ReadUInt32LE(), package.size());
    EXPECT_TRUE(std::equal(package.begin(), package.end(), out.Memory() + 4));
}

TEST(SkinData, EmptyStreamWritesOnlyTheCount) {
    TSkinData d(nullptr);
    TMemoryStream out;
    struct WriteFiler : TFiler {
        TMemoryStream* out;
        void DefineBinaryProperty(const std::string&, std::function<void(TStream&)>,
                                  std::function<void(TStream&)> write, bool) override {
            write(*out);
        }
        void DefineListProperty(const std::string&, std::function<void(const std::vector<std::string>&)>,
                                std::function<std::vector<std::string>()>, bool) override {}
    } filer;
    filer.out = &out;
    d.DefineProperties(filer);
    EXPECT_EQ(out.Size(), 4);
}

TEST(SkinData, UnknownFormatShowsTheMessageOnceAndSwitchesActiveOff) {
    CountingNotifier notifier;
    StreamedSkinData s("    Active = True\n", UnknownFormatPackage());
    EXPECT_EQ(notifier.count, 1);
    EXPECT_NE(notifier.last.find("此文件版本不同"), std::string::npos);
    EXPECT_TRUE(s.data->IsEmpty);
    EXPECT_FALSE(s.data->Active());
    EXPECT_FALSE(s.data->ScrollBar);
}

TEST(SkinData, SkinControlsAdjustedAtLoaded) {
    {
        StreamedSkinData s("    SkinControls = [xcMainMenu, xcMenuItem, xcSystemMenu, xcEdit]\n", SmallPackage());
        EXPECT_EQ(s.data->SkinControls, SetBit(xcMainMenu) | SetBit(xcSystemMenu) | SetBit(xcEdit));
    }
    {
        StreamedSkinData s("    SkinControls = [xcMenuItem, xcSystemMenu, xcEdit]\n", SmallPackage());
        EXPECT_EQ(s.data->SkinControls, SetBit(xcMenuItem) | SetBit(xcEdit));
    }
    {
        // Only the main form's component adjusts them.
        StreamedSkinData s("    SkinFormtype = sfDialog\n    SkinControls = [xcMenuItem, xcSystemMenu]\n",
                           SmallPackage());
        EXPECT_EQ(s.data->SkinControls, SetBit(xcMenuItem) | SetBit(xcSystemMenu));
    }
}

TEST(SkinData, SkinStoreReadsNoneAtRunTimeGoodAtDesignTime) {
    StreamedSkinData s("", SmallPackage());
    EXPECT_EQ(s.data->SkinStore(), "(none)");
    s.data->SetDesigning(true);
    EXPECT_EQ(s.data->SkinStore(), "(Good)");
    TSkinData empty(nullptr);
    empty.SetDesigning(true);
    EXPECT_EQ(empty.SkinStore(), "(none)");
}

TEST(SkinData, QueryFormSkin) {
    TSkinData d(nullptr);
    HWND window = reinterpret_cast<HWND>(0x1234);
    struct Case {
        const char* cls;
        bool fastReport;
        bool expected;
    } cases[] = {
        {"SysMonthCal32", false, false}, {"sysmonthcal32", false, true}, {"TfrPreviewForm", false, true},
        {"TfrPreviewForm", true, false}, {"TFRPreview", true, true},      {"#32770", true, true},
    };
    for (const auto& c : cases) {
        d.SkinControls = c.fastReport ? (DefaultSkinControls | SetBit(xcFastReport)) : DefaultSkinControls;
        bool doSkin = true;
        d.QueryFormSkin(window, c.cls, doSkin);
        EXPECT_EQ(doSkin, c.expected) << c.cls << " fastReport " << c.fastReport;
        EXPECT_EQ(d.QueryWindow, window);
    }
    bool doSkin = false; // left as the caller set it
    d.QueryFormSkin(window, "TMainForm", doSkin);
    EXPECT_FALSE(doSkin);

    std::string asked;
    d.OnFormSkin = [&](TObject* sender, const std::string& name, bool& skin) {
        EXPECT_EQ(sender, &d);
        asked = name;
        skin = true;
    };
    doSkin = false;
    d.QueryFormSkin(window, "SysMonthCal32", doSkin);
    EXPECT_TRUE(doSkin); // the handler overrides both rules
    EXPECT_EQ(asked, "SysMonthCal32");
}

TEST(SkinData, MissingSkinFileLeavesItEmptySoActiveDoesNothing) {
    StreamedSkinData s("", SmallPackage());
    ASSERT_FALSE(s.data->IsEmpty);
    s.data->SetSkinFile("Z:\\no\\such\\skin.skn");
    EXPECT_TRUE(s.data->IsEmpty);
    EXPECT_EQ(s.data->SkinFile(), "Z:\\no\\such\\skin.skn");
    EXPECT_EQ(s.data->SkinColors.ButtonFace, MakeRGB(1, 2, 3)); // old elements stay
    TSkinManage* manager = SkinManager;
    ASSERT_NE(manager, nullptr);
    manager->pendingSkinData = nullptr;
    s.data->SetActive(true);
    EXPECT_TRUE(s.data->Active());
    EXPECT_EQ(manager->pendingSkinData, nullptr); // nothing scheduled
}

TEST(SkinData, SkinFileAndAPackageInMemoryLoadAndScheduleReapply) {
    StreamedSkinData s("", SmallPackage());
    const auto other = MakePackage({{"skin.ini", TextBytes("[Colours]\nButtonFace=9 9 9\n")}});
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    std::string file = std::string(path) + "grv_skin_test.skn";
    FILE* f = std::fopen(file.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(other.data(), 1, other.size(), f);
    std::fclose(f);
    TSkinManage* manager = SkinManager;
    const int savedRunState = manager->runState;
    manager->runState = 1;
    s.data->SetSkinFile(file);
    EXPECT_FALSE(s.data->IsEmpty);
    EXPECT_EQ(s.data->SkinColors.ButtonFace, MakeRGB(9, 9, 9));
    EXPECT_EQ(manager->pendingSkinData, s.data);
    EXPECT_EQ(manager->pendingAction, saReapply);
    EXPECT_TRUE(manager->TimerEnabled());
    EXPECT_EQ(manager->TimerInterval(), 250);
    manager->RunScheduled();
    EXPECT_FALSE(manager->TimerEnabled());
    EXPECT_EQ(manager->pendingSkinData, nullptr);
    // Back to the first package from memory: the file name goes, the colours come back.
    s.data->LoadPackage(SmallPackage());
    EXPECT_TRUE(s.data->SkinFile().empty());
    EXPECT_FALSE(s.data->IsEmpty);
    EXPECT_NE(s.data->SkinColors.ButtonFace, MakeRGB(9, 9, 9));
    EXPECT_EQ(manager->pendingAction, saReapply);
    manager->RunScheduled();
    manager->runState = savedRunState;
    std::remove(file.c_str());
}

} // namespace
