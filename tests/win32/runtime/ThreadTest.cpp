#include "runtime/Forms.h"
#include "runtime/Threads.h"

#include <gtest/gtest.h>

namespace {
class Worker : public TThread {
public:
    Worker(std::vector<DWORD>& ranOn, bool fail) : TThread(true), ranOn_(ranOn), fail_(fail) {}
    DWORD bodyThread = 0;
    bool caught = false;

protected:
    void Execute() override {
        bodyThread = GetCurrentThreadId();
        try {
            Synchronize([this] {
                ranOn_.push_back(GetCurrentThreadId());
                if (fail_) throw Exception("routine failed");
            });
        } catch (const Exception&) {
            caught = true;
        }
    }

private:
    std::vector<DWORD>& ranOn_;
    bool fail_;
};

void pumpUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 5000 && !done(); ++i) {
        Application->ProcessMessages();
        Sleep(1);
    }
}
} // namespace

TEST(Thread, SynchronizeRunsOnTheMainThreadFromTheMessageLoop) {
    std::vector<DWORD> ranOn;
    Worker w(ranOn, false);
    EXPECT_TRUE(w.Suspended());
    w.SetPriority(tpLower);
    EXPECT_EQ(w.Priority(), tpLower);
    w.Resume();
    pumpUntil([&] { return w.Finished(); });
    ASSERT_TRUE(w.Finished());
    ASSERT_EQ(ranOn.size(), 1u);
    EXPECT_EQ(ranOn[0], GetCurrentThreadId());
    EXPECT_EQ(ranOn[0], MainThreadID());
    EXPECT_NE(w.bodyThread, GetCurrentThreadId());
    EXPECT_FALSE(w.caught);
    w.WaitFor();
}

TEST(Thread, ExceptionInTheRoutineReachesTheThreadAndWaitForServesSynchronize) {
    std::vector<DWORD> ranOn;
    Worker w(ranOn, true);
    w.Resume();
    w.WaitFor(); // on the main thread: handles the Synchronize request while waiting
    EXPECT_TRUE(w.Finished());
    EXPECT_TRUE(w.caught);
    EXPECT_EQ(ranOn.size(), 1u);
}

TEST(Thread, FreeOnTerminateThreadFreesItselfAfterOnTerminate) {
    static std::atomic<int> destroyed{0};
    struct SelfFreeing : TThread {
        SelfFreeing() : TThread(true) {}
        ~SelfFreeing() override { ++destroyed; }
        void Execute() override {}
    };
    destroyed = 0;
    auto* t = new SelfFreeing();
    t->SetFreeOnTerminate(true);
    DWORD terminatedOn = 0;
    t->OnTerminate = [&](TThread*) { terminatedOn = GetCurrentThreadId(); };
    t->Resume();
    pumpUntil([&] { return destroyed.load() == 1; });
    EXPECT_EQ(destroyed.load(), 1);
    EXPECT_EQ(terminatedOn, GetCurrentThreadId());
}
