// The hot, pressed and captured checks of lists with checks: which checks each move repaints, and how a
// captured check and held keys or buttons decide what is hot and pressed.
#include "controls/editors/lists/ListCheckTracker.h"

#include <gtest/gtest.h>

#include <vector>

namespace zorvy::test {
namespace {

struct ListCheckTrackerTest : ::testing::Test {
    std::vector<int> repainted;
    TcxListCheckTracker checks{[this](int index) { repainted.push_back(index); }};
};

TEST_F(ListCheckTrackerTest, AChangeRepaintsTheOldAndTheNewCheckOnly) {
    checks.SetHotAndPressed(2, -1);
    EXPECT_EQ(repainted, (std::vector<int>{2}));
    repainted.clear();
    checks.SetHotAndPressed(3, 5);
    EXPECT_EQ(repainted, (std::vector<int>{2, 3, 5}));
    repainted.clear();
    checks.SetHotAndPressed(3, 5);
    EXPECT_TRUE(repainted.empty()) << "nothing changed";
    checks.Clear();
    EXPECT_EQ(repainted, (std::vector<int>{3, 5}));
    EXPECT_EQ(checks.Hot(), -1);
    EXPECT_EQ(checks.Pressed(), -1);
}

TEST_F(ListCheckTrackerTest, ACapturedCheckIsPressedOnlyWhileThePointerIsOverIt) {
    checks.SetCaptured(1);
    checks.SetHotAndPressed(4, 1);
    checks.Recompute(2, false);
    EXPECT_EQ(checks.Hot(), -1);
    EXPECT_EQ(checks.Pressed(), -1);
    checks.Recompute(1, false);
    EXPECT_EQ(checks.Pressed(), 1);
    checks.Release(2);
    EXPECT_EQ(checks.Captured(), -1);
    EXPECT_EQ(checks.Pressed(), -1);
    EXPECT_EQ(checks.Hot(), 2);
}

TEST_F(ListCheckTrackerTest, WithoutACaptureTheHotCheckFollowsOnlyWhenAllowed) {
    checks.SetHotAndPressed(1, 3);
    checks.Recompute(2, false);
    EXPECT_EQ(checks.Hot(), 1) << "a held key or button keeps the hot check";
    EXPECT_EQ(checks.Pressed(), 3);
    checks.Recompute(2, true);
    EXPECT_EQ(checks.Hot(), 2);
    EXPECT_EQ(checks.Pressed(), 3);
}

TEST(ListCheckTrackerKeys, AnyShiftKeyOrButtonCountsAsHeld) {
    EXPECT_FALSE(IsShiftOrButtonHeld(0));
    for (TShiftState held : {ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble})
        EXPECT_TRUE(IsShiftOrButtonHeld(held)) << held;
}

} // namespace
} // namespace zorvy::test
