// The skinned media player: the overlay over the player painted from the skin (frames and glyphs read back
// from the screen), real mouse presses passed on to the player (a press and release over one button
// clicks it, a release over another does not), the two-button player, the overlay following the player
// and going with the skin, and GDI objects over many repaints.
#include <gtest/gtest.h>

#include "PainterTestSupport.h"
#include "ToneWave.h"
#include "runtime/MediaPlayer.h"

#include <mmsystem.h>
#include "skin/controls/ButtonLayout.h"
#include "skin/controls/SkinMediaPlayer.h"
#include "skin/window/ElementBitmaps.h"
#include "../GdiObjects.h"

#include <string>
#include <vector>

namespace {

constexpr COLORREF DisabledGlyphGrey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF PlayGreen = RGB(0x10, 0x90, 0x20);

class MediaPlayerSkin : public ::testing::Test, public SkinnedFormFixture {
protected:
    void SetUp() override {
        form = NewForm(200, 200, 420, 160);
        player = AddPlayer(8, 8, 270); // nine buttons of 30
        player->SetEnabledButtons(AllMPButtons & ~(1u << btRecord));
        twoButtons = AddPlayer(8, 60, 120);
        twoButtons->SetVisibleButtons((1u << btPlay) | (1u << btStop));
        twoButtons->SetColoredButtons(0);
        OpenTone();
        ShowSkinned();
    }
    void TearDown() override {
        DropForm();
        if (!tone.empty()) DeleteFileW(tone.c_str());
    }
    TMediaPlayer* AddPlayer(int left, int top, int width) {
        auto* p = new TMediaPlayer(form);
        p->SetParent(form);
        p->SetBounds(left, top, width, 30);
        p->OnClick = [this, p](TObject*, TMPBtnType b, bool&) { clicks.push_back({p, b}); };
        return p;
    }
    void OpenTone() {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        tone = std::wstring(folder) + L"GrivelleTestTone" + std::to_wstring(GetCurrentProcessId()) + L".wav";
        const std::vector<std::uint8_t> bytes = ToneWave(1000, 660);
        {
            TFileStream out(AnsiFromWide(tone), fmCreate);
            out.Write(bytes.data(), std::int64_t(bytes.size()));
        }
        player->SetFileName(AnsiFromWide(tone));
        try {
            player->Open();
        } catch (const EMCIDeviceError& e) {
            openError = e.what();
        }
    }
    TWMediaPlayer* Overlay(TMediaPlayer* p) {
        for (TSkinControl* painter : skinner->Painters)
            if (auto* mp = dynamic_cast<TSkinMP*>(painter); mp && mp->FControl == p) return mp->FOverlay;
        return nullptr;
    }
    // Button i of n visible in the player, as a rectangle of its client area.
    static GeoRect ButtonRect(TMediaPlayer* p, int index, int visible) {
        const int w = p->Width() / visible;
        return {index * w, 0, index * w + w, p->Height()};
    }
    POINT ScreenAt(TMediaPlayer* p, int x, int y) { return p->ClientToScreen(POINT{x, y}); }
    POINT ButtonCentre(TMediaPlayer* p, int index, int visible) {
        const GeoRect r = ButtonRect(p, index, visible);
        return ScreenAt(p, (r.left + r.right) / 2, r.bottom / 2);
    }

    // The push-button element's frame at a button's size.
    std::unique_ptr<TBitmap> Frame(int width, int height, int frame) {
        const TDataSkinButton& e = *Data()->Buttons;
        return BuildElementBitmap(RECT{0, 0, width, height}, e.Bitmap.get(),
                                  GeoMargins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}, false,
                                  e.Tile == 1, e.FrameCount > 0 ? e.FrameCount : ButtonFrameCount, frame);
    }
    // Border pieces of a button, clear of its glyph.
    static std::vector<POINT> Probes(const GeoRect& r) {
        const int w = r.Width(), h = r.Height();
        return {{2, 2}, {w / 2, 1}, {w - 3, h / 2}, {w / 2, h - 2}, {1, h / 2}};
    }
    ::testing::AssertionResult ShowsFrame(TMediaPlayer* p, const GeoRect& button, int frame) {
        std::unique_ptr<TBitmap> expected = Frame(button.Width(), button.Height(), frame);
        int compared = 0;
        for (POINT q : Probes(button)) {
            const COLORREF want = ColorToRGB(expected->Canvas()->Pixel(q.x, q.y));
            if (want == RGB(255, 0, 255)) continue;
            const POINT s = ScreenAt(p, button.left + q.x, button.top + q.y);
            const COLORREF got = ScreenPixel(s.x, s.y);
            if (got != want)
                return ::testing::AssertionFailure() << "frame " << frame << " at (" << button.left + q.x << ","
                                                     << button.top + q.y << "): screen " << std::hex << got
                                                     << ", element " << want;
            ++compared;
        }
        if (!compared) return ::testing::AssertionFailure() << "no probe to compare";
        return ::testing::AssertionSuccess();
    }
    // The screen colour of glyph pixel (gx, gy) of a 17 x 13 glyph centred in the button on that frame.
    COLORREF GlyphPixel(TMediaPlayer* p, const GeoRect& button, int frame, int gx, int gy) {
        const GeoPoint at = MediaGlyphOrigin(button, 17, 13, frame);
        const POINT s = ScreenAt(p, at.x + gx, at.y + gy);
        return ScreenPixel(s.x, s.y);
    }
    void Click(POINT down, POINT up) {
        MouseTo(down.x, down.y);
        Pump(60);
        MouseButton(true);
        Pump(100);
        MouseTo(up.x, up.y);
        Pump(60);
        MouseButton(false);
        Pump(100);
    }

    TMediaPlayer* player = nullptr;
    TMediaPlayer* twoButtons = nullptr;
    std::wstring tone;
    std::string openError;
    std::vector<std::pair<TMediaPlayer*, TMPBtnType>> clicks;
};

TEST_F(MediaPlayerSkin, TheOverlayCoversThePlayerAndDrawsTheSkin) {
    TWMediaPlayer* overlay = Overlay(player);
    ASSERT_NE(overlay, nullptr);
    EXPECT_EQ(overlay->Parent(), form);
    EXPECT_EQ(overlay->Tag(), Data()->DisableTag);
    const POINT middle = ScreenAt(player, 135, 15);
    EXPECT_EQ(WindowFromPoint(middle), overlay->Handle());

    const GeoRect play = ButtonRect(player, btPlay, 9), record = ButtonRect(player, btRecord, 9);
    EXPECT_TRUE(Eventually([&] { return bool(ShowsFrame(player, play, 1)); })) << ShowsFrame(player, play, 1);
    EXPECT_EQ(GlyphPixel(player, play, 1, 6, 6), PlayGreen);
    // Record is disabled: frame 3 and the disabled glyph.
    EXPECT_TRUE(ShowsFrame(player, record, 3)) << ShowsFrame(player, record, 3);
    EXPECT_EQ(GlyphPixel(player, record, 3, 8, 6), DisabledGlyphGrey);

    // Two visible buttons, each half the width.
    const GeoRect first = ButtonRect(twoButtons, 0, 2), second = ButtonRect(twoButtons, 1, 2);
    EXPECT_EQ(first.Width(), 60);
    EXPECT_TRUE(ShowsFrame(twoButtons, first, 1)) << ShowsFrame(twoButtons, first, 1);
    EXPECT_TRUE(ShowsFrame(twoButtons, second, 1)) << ShowsFrame(twoButtons, second, 1);

    // The overlay follows the player's moves and visibility.
    player->SetBounds(20, 100, 180, 30);
    EXPECT_EQ(overlay->BoundsRect().left, 20);
    EXPECT_EQ(overlay->BoundsRect().top, 100);
    EXPECT_EQ(overlay->Width(), 180);
    player->Hide();
    EXPECT_FALSE(IsWindowVisible(overlay->Handle()));
    player->Show();
    EXPECT_TRUE(IsWindowVisible(overlay->Handle()));
    EXPECT_EQ(WindowFromPoint(ScreenAt(player, 90, 15)), overlay->Handle());
}

TEST_F(MediaPlayerSkin, APressAndReleaseOverPlayReachesThePlayer) {
    const GeoRect play = ButtonRect(player, btPlay, 9);
    ASSERT_FALSE(Frame(30, 30, 1)->Canvas()->Pixel(2, 2) == Frame(30, 30, 2)->Canvas()->Pixel(2, 2) &&
                 Frame(30, 30, 1)->Canvas()->Pixel(15, 1) == Frame(30, 30, 2)->Canvas()->Pixel(15, 1))
        << "the pressed frame must differ from the normal one where the test looks";
    const POINT c = ButtonCentre(player, btPlay, 9);
    MouseTo(c.x, c.y);
    Pump(60);
    MouseButton(true);
    EXPECT_TRUE(Eventually([&] { return bool(ShowsFrame(player, play, 2)); })) << ShowsFrame(player, play, 2);
    EXPECT_EQ(GlyphPixel(player, play, 2, 6, 6), PlayGreen); // one pixel down and right
    EXPECT_TRUE(clicks.empty());
    MouseButton(false);
    ASSERT_TRUE(Eventually([&] { return !clicks.empty(); }));
    EXPECT_EQ(clicks, (decltype(clicks){{player, btPlay}}));
    EXPECT_TRUE(Eventually([&] { return bool(ShowsFrame(player, play, 1)); })) << ShowsFrame(player, play, 1);
    ASSERT_TRUE(openError.empty()) << "MCI could not open the tone: " << openError;
    // The tone plays (through ALSA's null device where the machine has no sound card: see wine-env.sh).
    EXPECT_TRUE(Eventually([&] { return player->Mode() == mpPlaying || player->NotifyValue() == MCI_NOTIFY_SUCCESSFUL; }))
        << "mode " << MPModesInfo.Names[player->Mode()] << ", notify " << player->NotifyValue() << ", MCI error "
        << player->Error();

    // Next and previous move the open device without a sound card: the clicks reach MCI.
    ASSERT_GT(player->Length(), 900);
    const POINT next = ButtonCentre(player, btNext, 9), previous = ButtonCentre(player, btPrev, 9);
    Click(next, next);
    EXPECT_TRUE(Eventually([&] { return player->Position() == player->Length(); })) << player->Position();
    Click(previous, previous);
    EXPECT_TRUE(Eventually([&] { return player->Position() == 0; })) << player->Position();
    EXPECT_EQ(clicks, (decltype(clicks){{player, btPlay}, {player, btNext}, {player, btPrev}}));
}

TEST_F(MediaPlayerSkin, AReleaseOverAnotherButtonDoesNotAct) {
    Click(ButtonCentre(player, btPlay, 9), ButtonCentre(player, btStop, 9));
    Click(ButtonCentre(twoButtons, 0, 2), ScreenAt(twoButtons, 200, 15)); // released off the player
    EXPECT_TRUE(clicks.empty());
    // The pressed look goes with the release.
    EXPECT_TRUE(Eventually([&] { return bool(ShowsFrame(player, ButtonRect(player, btPlay, 9), 1)); }));

    // On the two-button player the right half is stop; a disabled button never clicks.
    Click(ButtonCentre(twoButtons, 1, 2), ButtonCentre(twoButtons, 1, 2));
    Click(ButtonCentre(player, btRecord, 9), ButtonCentre(player, btRecord, 9));
    EXPECT_TRUE(Eventually([&] { return !clicks.empty(); }));
    Pump(100);
    EXPECT_EQ(clicks, (decltype(clicks){{twoButtons, btStop}}));
}

TEST_F(MediaPlayerSkin, TheOverlayGoesWithTheSkinAndRepaintsLeaveNoObjects) {
    TWMediaPlayer* overlay = Overlay(player);
    ASSERT_NE(overlay, nullptr);
    auto repaint = [&] {
        overlay->Repaint();
        player->SetEnabledButtons(player->EnabledButtons() ^ (1u << btEject)); // the overlay repaints with it
        Overlay(twoButtons)->Repaint();
        Pump(5);
    };
    repaint(); // first paints may make lasting objects
    const int before = GdiObjectsInUse();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 50; ++i) repaint();
    EXPECT_EQ(GdiObjectsInUse(), before);

    const HWND overlayWindow = overlay->Handle();
    skinner->FreePainters();
    EXPECT_FALSE(IsWindow(overlayWindow));
    EXPECT_EQ(form->ControlCount(), 2); // the two players
    EXPECT_EQ(WindowFromPoint(ScreenAt(player, 135, 15)), player->Handle());
    // Unskinned, the player takes the mouse itself.
    const POINT c = ButtonCentre(player, btPlay, 9);
    Click(c, c);
    EXPECT_TRUE(Eventually([&] { return !clicks.empty(); }));
}

} // namespace
