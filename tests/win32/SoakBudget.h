// How many cycles a soak test runs: a cycle of the engine's heavier work takes up to a second under Wine,
// so the test run does as many of the cycles asked for as fit in a budget (at least kMinimumCycles), and
// GRV_SOAK_FULL=1 runs them all.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

class SoakBudget {
public:
    static constexpr int kMinimumCycles = 20;

    SoakBudget(int wanted, DWORD budgetMs) : wanted_(wanted), budgetMs_(budgetMs), start_(GetTickCount()) {
        char full[8] = {};
        full_ = GetEnvironmentVariableA("GRV_SOAK_FULL", full, sizeof full) > 0 && full[0] == '1';
    }
    bool More(int done) const {
        if (done >= wanted_) return false;
        return full_ || done < kMinimumCycles || GetTickCount() - start_ < budgetMs_;
    }
    void Report(int done) const {
        std::printf("%d of %d cycles\n", done, wanted_);
        ::testing::Test::RecordProperty("cycles", done);
    }

private:
    int wanted_;
    DWORD budgetMs_;
    DWORD start_;
    bool full_ = false;
};
