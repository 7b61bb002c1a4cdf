// The skin manager's registration side: who registers, what scheduling does before and after the first
// activation, and the bookkeeping of a timer tick.
#include "SkinTestSupport.h"

#include "skin/window/SkinManage.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TSkinData> Component(TSkinFormType type) {
    auto d = std::make_unique<TSkinData>(nullptr);
    d->SetSkinFormtype(type);
    return d;
}

TEST(SkinManage, StartsQuiet) {
    TSkinManage m;
    EXPECT_FALSE(m.skinning);
    EXPECT_FALSE(m.applyingAll);
    EXPECT_EQ(m.runState, 0);
    EXPECT_EQ(m.popupKind, 0);
    EXPECT_FALSE(m.TimerEnabled());
    EXPECT_EQ(m.TimerInterval(), 100);
    EXPECT_EQ(m.hook, nullptr);
    EXPECT_TRUE(m.formPainters.empty());
}

TEST(SkinManage, FirstMainFormComponentBecomesMain) {
    TSkinManage m;
    auto dialog = Component(sfDialog);
    auto main1 = Component(sfMainform);
    auto main2 = Component(sfMainform);
    m.RegisterSkinData(dialog.get());
    EXPECT_EQ(m.mainSkinData, nullptr);
    m.RegisterSkinData(main1.get());
    m.RegisterSkinData(main2.get());
    EXPECT_EQ(m.mainSkinData, main1.get());
    ASSERT_EQ(m.SkinDatas().size(), 3u);
    m.UnregisterSkinData(main2.get());
    m.UnregisterSkinData(main2.get()); // not there any more: nothing
    EXPECT_EQ(m.SkinDatas().size(), 2u);
    EXPECT_EQ(m.mainSkinData, main1.get());
    // A component that goes away is no longer referred to.
    m.pendingSkinData = main1.get();
    m.UnregisterSkinData(main1.get());
    EXPECT_EQ(m.mainSkinData, nullptr);
    EXPECT_EQ(m.pendingSkinData, nullptr);
}

TEST(SkinManage, ScheduleBeforeTheFirstActivationOnlySwitchesSkinning) {
    TSkinManage m;
    m.Schedule(saApply, 250);
    EXPECT_TRUE(m.skinning);
    EXPECT_FALSE(m.TimerEnabled());
    EXPECT_EQ(m.pendingAction, saApply);
    EXPECT_EQ(m.TimerInterval(), 250);
    m.Schedule(saReapply, 250);
    EXPECT_TRUE(m.skinning);
    m.Schedule(saRemove, 250);
    EXPECT_FALSE(m.skinning);
    EXPECT_FALSE(m.TimerEnabled());
}

TEST(SkinManage, ScheduleAfterActivationStartsTheTimer) {
    TSkinManage m;
    m.runState = 1;
    m.Schedule(saRemove, 250);
    EXPECT_TRUE(m.TimerEnabled());
    EXPECT_EQ(m.TimerInterval(), 250);
    EXPECT_FALSE(m.skinning); // unchanged until the tick
}

TEST(SkinManage, RunScheduledBookkeeping) {
    TSkinManage m;
    auto d = Component(sfMainform);
    int changed = 0;
    d->OnSkinChanged = [&](TObject* sender) {
        EXPECT_EQ(sender, d.get());
        ++changed;
    };
    m.RegisterSkinData(d.get());
    m.runState = 1;

    // Without a pending component the tick only stops the timer.
    m.Schedule(saApply, 250);
    m.RunScheduled();
    EXPECT_FALSE(m.TimerEnabled());
    EXPECT_FALSE(m.skinning);
    EXPECT_EQ(changed, 0);

    m.pendingSkinData = d.get();
    m.Schedule(saApply, 250);
    m.RunScheduled();
    EXPECT_TRUE(m.skinning);
    EXPECT_FALSE(m.applyingAll);
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(m.pendingSkinData, nullptr);

    m.pendingSkinData = d.get();
    m.Schedule(saRemove, 250);
    m.RunScheduled();
    EXPECT_FALSE(m.skinning);
    EXPECT_EQ(changed, 2);

    m.pendingSkinData = d.get();
    m.Schedule(saReapply, 250);
    m.RunScheduled();
    EXPECT_EQ(changed, 3);
}

TEST(SkinManage, TheTimerRunsTheActionFromTheMessageLoop) {
    TSkinManage m;
    auto d = Component(sfMainform);
    int changed = 0;
    d->OnSkinChanged = [&](TObject*) { ++changed; };
    m.runState = 1;
    m.pendingSkinData = d.get();
    m.Schedule(saApply, 50);
    const DWORD start = GetTickCount();
    MSG msg;
    while (changed == 0 && GetTickCount() - start < 3000) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
    EXPECT_EQ(changed, 1);
    EXPECT_TRUE(m.skinning);
    EXPECT_FALSE(m.TimerEnabled());
}

TEST(SkinManage, ActivationRaisesRunStateButAttachesNothingYet) {
    TSkinManage* previous = SkinManager;
    TSkinManage m;
    SkinManager = &m;
    m.InstallHook();
    ASSERT_NE(m.hook, nullptr);
    m.skinning = true;
    HWND wnd = CreateWindowExW(0, L"STATIC", L"probe", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(wnd);
    MSG msg;
    for (int i = 0; i < 10; ++i) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(5);
    }
    EXPECT_EQ(m.runState, 1);
    EXPECT_TRUE(m.formPainters.empty());
    DestroyWindow(wnd);
    SkinManager = previous;
}

TEST(SkinManage, ApplyingSkinThroughActiveSchedulesAndSetsRunState) {
    StreamedSkinData s("", MakePackage({{"skin.ini", TextBytes("[Colours]\nMenu=1 1 1\n")}}));
    TSkinManage* m = SkinManager;
    ASSERT_NE(m, nullptr);
    const int savedRunState = m->runState;
    m->runState = 0;
    s.data->SetActive(true);
    EXPECT_EQ(m->pendingSkinData, s.data);
    EXPECT_EQ(m->pendingAction, saApply);
    EXPECT_EQ(m->runState, 1);
    EXPECT_FALSE(m->TimerEnabled()); // scheduled while runState was still 0
    s.data->SetActive(false);
    EXPECT_EQ(m->pendingAction, saRemove);
    EXPECT_TRUE(m->TimerEnabled());
    m->RunScheduled();
    EXPECT_FALSE(m->skinning);
    m->runState = savedRunState;
}

} // namespace

namespace {

// A stand-in frame painter that records what the manager asks of it.
struct FakePainter : TSkinFormPainter {
    HWND window;
    TSkinData* data;
    std::vector<std::string>* log;
    FakePainter(HWND w, TSkinData* d, std::vector<std::string>* l) : window(w), data(d), log(l) {}
    ~FakePainter() override { log->push_back("free " + std::to_string(reinterpret_cast<UINT_PTR>(window))); }
    HWND PaintedWindow() const override { return window; }
    TSkinData* PainterSkinData() const override { return data; }
    void FreeCaptionButtons() override {
        log->push_back("buttons " + std::to_string(reinterpret_cast<UINT_PTR>(window)));
    }
    void Detach(bool onDestroy) override {
        log->push_back((onDestroy ? "detach-final " : "detach ") + std::to_string(reinterpret_cast<UINT_PTR>(window)));
    }
};

HWND FakeWindow(UINT_PTR n) { return reinterpret_cast<HWND>(n); }

TEST(SkinManage, PainterBookkeeping) {
    std::vector<std::string> log;
    auto mine = Component(sfMainform);
    auto other = Component(sfDialog);
    {
        TSkinManage m;
        m.runState = 1;
        m.formPainters = {new FakePainter(FakeWindow(1), mine.get(), &log),
                          new FakePainter(FakeWindow(2), other.get(), &log),
                          new FakePainter(FakeWindow(3), mine.get(), &log)};
        EXPECT_EQ(m.FindFormPainter(FakeWindow(2)), m.formPainters[1]);
        EXPECT_EQ(m.FindFormPainter(FakeWindow(9)), nullptr);

        m.pendingSkinData = mine.get();
        m.ReinitPainters();
        EXPECT_EQ(log, (std::vector<std::string>{"buttons 1", "buttons 3"}));
        log.clear();

        m.Schedule(saReapply, 250);
        m.RunScheduled();
        EXPECT_EQ(log, (std::vector<std::string>{"buttons 1", "buttons 3"}));
        log.clear();

        TSkinFormPainter* forgotten = m.formPainters[1];
        m.ForgetWindow(FakeWindow(2)); // the painter goes by itself: removed, not freed
        EXPECT_EQ(m.formPainters.size(), 2u);
        EXPECT_TRUE(log.empty());
        delete forgotten;
        log.clear();

        m.pendingSkinData = mine.get();
        m.Schedule(saRemove, 250);
        m.RunScheduled();
        EXPECT_EQ(log, (std::vector<std::string>{"detach 1", "free 1", "detach 3", "free 3"}));
        EXPECT_TRUE(m.formPainters.empty());
        log.clear();

        m.formPainters = {new FakePainter(FakeWindow(4), mine.get(), &log)};
    }
    // The manager's end: the reduced detach, then freed.
    EXPECT_EQ(log, (std::vector<std::string>{"detach-final 4", "free 4"}));
}

// Each non-main form component that loads raises runState by one; four of them reach the value the
// destructor sets, and a painter that goes must still be forgotten, or the list keeps a freed painter.
TEST(SkinManage, ForgetsWindowsWhenFormComponentsRaisedRunStateToFour) {
    std::vector<std::string> log;
    auto dialog = Component(sfDialog);
    TSkinManage m;
    m.runState = RunStateDestroying;
    auto* painter = new FakePainter(FakeWindow(5), dialog.get(), &log);
    m.formPainters = {painter};
    m.ForgetWindow(FakeWindow(5));
    EXPECT_TRUE(m.formPainters.empty());
    delete painter;
}

TEST(SkinManage, RemovingAFormsOwnComponentDetachesItsLastPainterOnly) {
    std::vector<std::string> log;
    auto own = Component(sfOnlyThisForm);
    TSkinManage m;
    m.runState = 1;
    m.formPainters = {new FakePainter(FakeWindow(1), own.get(), &log),
                      new FakePainter(FakeWindow(2), own.get(), &log)};
    m.pendingSkinData = own.get();
    m.Schedule(saRemove, 250);
    m.RunScheduled();
    EXPECT_EQ(log, (std::vector<std::string>{"detach 2", "free 2"}));
    ASSERT_EQ(m.formPainters.size(), 1u);
    log.clear();
    m.pendingSkinData = own.get();
    m.Schedule(saReapply, 250);
    m.formPainters.push_back(new FakePainter(FakeWindow(3), own.get(), &log));
    m.RunScheduled();
    EXPECT_EQ(log, (std::vector<std::string>{"buttons 1"})); // its first painter
}

} // namespace
