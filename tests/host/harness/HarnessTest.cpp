// The host tree must build everything with the sanitizers on: the pure-logic tests rely on them.
#include <gtest/gtest.h>

#include <vector>

TEST(HostHarness, BuiltWithAddressSanitizer) {
#if defined(__SANITIZE_ADDRESS__)
    SUCCEED();
#else
    FAIL() << "host tree built without -fsanitize=address";
#endif
}

TEST(HostHarness, SanitizerCatchesHeapOverflow) {
    EXPECT_DEATH(
        {
            std::vector<int> v(4);
            volatile int* p = v.data();
            p[4] = 1;
        },
        "heap-buffer-overflow");
}
