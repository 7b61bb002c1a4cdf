#include "skin/controls/ChoiceFrames.h"

#include <gtest/gtest.h>

namespace {
using M = TCheckMark;

struct Case {
    TChoiceFacts facts;
    int frames;
    int check;
    int radio;
};

TEST(ChoiceFrames, StateToFrameForEveryStripLayout) {
    const Case cases[] = {
        // four frames: unchecked, checked, unchecked disabled, checked disabled; indeterminate shares the last
        {{M::Unchecked, false}, 4, 1, 1},
        {{M::Checked, false}, 4, 2, 2},
        {{M::Unchecked, true}, 4, 3, 3},
        {{M::Checked, true}, 4, 4, 4},
        {{M::Indeterminate, false}, 4, 4, 1},
        {{M::Indeterminate, true}, 4, 4, 3},
        {{M::Checked, false, true, true}, 4, 2, 2}, // hot and pressed have no frames of their own here
        // the long strips: groups of normal, hot, pressed, disabled
        {{M::Unchecked, false}, 12, 1, 1},
        {{M::Unchecked, false, true}, 12, 2, 1},
        {{M::Unchecked, false, true, true}, 12, 3, 1},
        {{M::Unchecked, true, true, true}, 12, 4, 3},
        {{M::Checked, false}, 12, 5, 2},
        {{M::Checked, true}, 12, 8, 4},
        {{M::Indeterminate, false}, 12, 9, 1},
        {{M::Indeterminate, false, false, true}, 12, 11, 1},
        {{M::Indeterminate, true}, 12, 12, 3},
        {{M::Unchecked, true}, 8, 3, 4},
        {{M::Checked, false}, 8, 2, 5},
        {{M::Checked, false, true}, 8, 2, 6},
        {{M::Checked, false, false, true}, 8, 2, 7},
        {{M::Checked, true}, 8, 4, 8},
        // damaged counts from a skin file never select a frame outside the strip
        {{M::Checked, true}, 0, 1, 1},
        {{M::Checked, true}, -3, 1, 1},
        {{M::Checked, true}, 2, 2, 2},
        {{M::Indeterminate, false}, 3, 3, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mark " << int(c.facts.mark) << " disabled " << c.facts.disabled << " hot "
                                        << c.facts.hot << " pressed " << c.facts.pressed << " frames " << c.frames);
        EXPECT_EQ(CheckBoxFrame(c.facts, c.frames), c.check);
        EXPECT_EQ(RadioButtonFrame(c.facts, c.frames), c.radio);
    }
}

TEST(ChoiceFrames, StateNameOfAFrameworkCheckBox) {
    TCheckMark m = M::Checked;
    EXPECT_TRUE(CheckMarkFromStateName("cbUnchecked", m));
    EXPECT_EQ(m, M::Unchecked);
    EXPECT_TRUE(CheckMarkFromStateName("CBCHECKED", m));
    EXPECT_EQ(m, M::Checked);
    EXPECT_TRUE(CheckMarkFromStateName("cbGrayed", m));
    EXPECT_EQ(m, M::Indeterminate);
    EXPECT_FALSE(CheckMarkFromStateName("", m));
    EXPECT_FALSE(CheckMarkFromStateName(nullptr, m));
}
} // namespace
