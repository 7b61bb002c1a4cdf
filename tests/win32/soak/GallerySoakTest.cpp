// The whole engine again and again on the skin gallery, with every page and the raw dialog open: skinning
// switched off and on, and the skin swapped between the stored and the second one. Each run ends with the
// process's GDI objects where its first cycle left them, the same painters in the manager's lists, every
// window's client size and the controls' values as they were, and no painter at all while skinning is off.
#include <gtest/gtest.h>

#include "GalleryForm.h"
#include "runtime/ComCtrls.h"
#include "skin/data/SkinNotifier.h"
#include "skin/window/SkinManage.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "../GdiObjects.h"
#include "SoakPump.h"
#include "../SoakBudget.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <map>
#include <string>

namespace {

// What must come back after every cycle.
struct Snapshot {
    size_t framePainters = 0, controlPainters = 0;
    std::map<HWND, RECT> clients;
    bool operator==(const Snapshot& o) const {
        if (framePainters != o.framePainters || controlPainters != o.controlPainters || clients.size() != o.clients.size())
            return false;
        for (const auto& [window, r] : clients) {
            const auto other = o.clients.find(window);
            if (other == o.clients.end() || !EqualRect(&r, &other->second)) return false;
        }
        return true;
    }
};

std::ostream& operator<<(std::ostream& out, const Snapshot& s) {
    out << s.framePainters << " frame painters, " << s.controlPainters << " control painters, clients";
    for (const auto& [window, r] : s.clients) out << ' ' << r.right << 'x' << r.bottom;
    return out;
}

class GallerySoak : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Application->Initialize();
        Application->CreateForm(&form);
        form->SkinData1->Skin3rd()->Add("TMenuButton=menubtn");
        windows.push_back(form);
        for (const std::wstring& name : GalleryPageNames()) windows.push_back(new TGalleryPage(Application, name));
        for (TCustomForm* w : windows) w->Show();
        form->rawDialogButtonClick(form);
        Pump(1500); // the first activation applies the skin
    }

    static void TearDownTestSuite() {
        if (form->RawDialog && IsWindow(form->RawDialog)) DestroyWindow(form->RawDialog);
        for (auto it = windows.rbegin(); it != windows.rend(); ++it) delete *it;
        windows.clear();
        Pump(100);
    }

    static void RunPending() {
        SkinManager->RunScheduled();
        Drain();
    }
    static Snapshot Take() {
        Snapshot s;
        s.framePainters = SkinManager->formPainters.size();
        for (TSkinFormPainter* p : SkinManager->formPainters)
            if (auto* skinned = dynamic_cast<TWinSkinForm*>(p)) s.controlPainters += skinned->Painters.size();
        std::vector<HWND> tops;
        for (TCustomForm* w : windows) tops.push_back(w->Handle());
        tops.push_back(form->RawDialog);
        for (HWND top : tops) {
            RECT r{};
            GetClientRect(top, &r);
            s.clients[top] = r;
        }
        return s;
    }
    // The values a user set must survive every cycle.
    static std::string Values() {
        std::string values;
        for (TCustomForm* w : windows)
            for (int i = 0; i < w->ControlCount(); ++i) {
                if (auto* bar = dynamic_cast<TTrackBar*>(w->Controls(i))) values += std::to_string(bar->Position()) + ' ';
                if (auto* edit = dynamic_cast<TWinControl*>(w->Controls(i))) values += edit->Caption() + '|';
            }
        return values;
    }

    static inline TGalleryForm* form = nullptr;
    static inline std::vector<TCustomForm*> windows;
};

TEST_F(GallerySoak, ThousandSkinTogglesLeaveNothingBehind) {
    constexpr int kToggles = 1000;
    TSkinData* data = form->SkinData1;
    ASSERT_TRUE(data->Active());
    const std::string values = Values();
    Snapshot first;
    int gdiFirst = 0;
    SoakBudget budget(kToggles, 30000);
    int i = 0;
    for (; budget.More(i); ++i) {
        data->SetActive(false);
        RunPending();
        if (i == 0) {
            EXPECT_TRUE(SkinManager->formPainters.empty()) << "a frame painter outlived skinning";
            EXPECT_EQ(SendMessageW(form->Handle(), WM_SKIN_QUERY, 0, 0), 0);
        }
        data->SetActive(true);
        RunPending();
        if (i == 0) {
            first = Take();
            gdiFirst = GdiObjectsInUse();
            // Every framework form again (dialogs of the system get their painter when they are created).
            ASSERT_EQ(first.framePainters, windows.size());
        }
    }
    budget.Report(i);
    Pump(200);
    EXPECT_EQ(Take(), first);
    EXPECT_EQ(GdiObjectsInUse(), gdiFirst);
    EXPECT_EQ(Values(), values);
}

TEST_F(GallerySoak, TwoHundredSkinSwitchesLeaveNothingBehind) {
    constexpr int kSwitches = 100; // two switches each
    const std::string values = Values();
    Snapshot first;
    int gdiFirst = 0;
    SoakBudget budget(kSwitches, 30000);
    int i = 0;
    for (; budget.More(i); ++i) {
        form->secondSkinButtonClick(form);
        RunPending();
        EXPECT_EQ(form->SkinData1->SkinName, "Grivelle Ember");
        form->storedSkinButtonClick(form);
        RunPending();
        if (i == 0) {
            first = Take();
            gdiFirst = GdiObjectsInUse();
        }
    }
    budget.Report(i);
    Pump(200);
    EXPECT_EQ(Take(), first);
    EXPECT_EQ(GdiObjectsInUse(), gdiFirst);
    EXPECT_EQ(Values(), values);
}

#ifdef GRV_HOSTILE_SKINS
// The damaged skin files loaded into the open gallery one after another, every window repainted with each:
// nothing crashes, the message about an unknown format comes once for each such file and never otherwise, and
// the stored skin comes back on every window after them all.
TEST_F(GallerySoak, DamagedSkinFilesLeaveTheGalleryRunning) {
    int notices = 0;
    const SkinNotifier previous = SetSkinNotifier([&notices](const std::string&) { ++notices; });
    std::ifstream manifest(std::string(GRV_HOSTILE_SKINS) + "\\manifest.txt");
    int files = 0;
    for (std::string line; std::getline(manifest, line);) {
        std::istringstream fields(line);
        std::string file, expect;
        fields >> file >> expect;
        if (file.empty()) continue;
        SCOPED_TRACE(line);
        ++files;
        notices = 0;
        ASSERT_TRUE(form->LoadSkinFile(std::wstring(GRV_HOSTILE_SKINS_W) + L"\\" + std::wstring(file.begin(), file.end())));
        RunPending();
        for (TCustomForm* w : windows)
            RedrawWindow(w->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Drain();
        EXPECT_EQ(notices, expect == "unknown" ? 1 : 0);
    }
    SetSkinNotifier(previous);
    EXPECT_GE(files, 40) << "manifest missing: " << GRV_HOSTILE_SKINS;
    form->storedSkinButtonClick(form);
    RunPending();
    EXPECT_FALSE(form->SkinData1->IsEmpty);
    EXPECT_GE(SkinManager->formPainters.size(), windows.size()); // the raw dialog too once it was activated
    for (TCustomForm* w : windows) EXPECT_EQ(SendMessageW(w->Handle(), WM_SKIN_QUERY, 0, 0), 1) << w->Name();
}
#endif

} // namespace
