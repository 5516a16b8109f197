#include "controls/editors/popup/ComboListSizing.h"
#include "tests/controls/editors/EditorsFixture.h"

namespace zorvy::test {
namespace {

// Rows 16 pixels high; scroll bars 17 (the system default).
TcxListRows Rows(int count) {
    return {count, [](int) { return 16; }};
}

using ComboListSizing = EditorsTest;

TEST_F(ComboListSizing, MeasuringShowsDropDownRowsWithTheScrollBarsTheyNeedAndNeverCutsARow) {
    struct Case {
        int count, dropDownRows, widest, maxHeight, widthLimit;
        TSize expected;
    } cases[] = {
        {16, 17, 60, 0, 0, {64, 256}},      // all rows, no scroll bar
        {16, 8, 60, 0, 0, {81, 128}},       // eight rows and a vertical bar 17 wide
        {16, 8, 60, 0, 70, {81, 145}},      // wider than the limit: a horizontal bar 17 high
        {16, 8, 60, 100, 0, {81, 96}},      // only six whole rows fit in 100
        {16, 17, 60, 100, 0, {81, 96}},     // rows cut by the room need the vertical bar too
        {16, 8, 60, 100, 70, {81, 97}},     // five rows and the horizontal bar
        {0, 8, 0, 0, 0, {4, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MeasureComboList(Rows(c.count), c.dropDownRows, c.widest, c.maxHeight, c.widthLimit), c.expected)
            << c.count << " " << c.dropDownRows << " " << c.maxHeight << " " << c.widthLimit;
}

TEST_F(ComboListSizing, DraggingChangesTheListInWholeRowsOnly) {
    const TSize current{100, 128}; // eight of twenty rows
    struct Case {
        TSize proposed;
        int maxHeight, horzExtent;
        TSize expected;
    } cases[] = {
        {{100, 140}, 0, 50, {100, 128}},   // growing: a ninth row only once all of it fits
        {{100, 144}, 0, 50, {100, 144}},
        {{100, 120}, 0, 50, {100, 128}},   // shrinking: the eighth row goes only past its top
        {{100, 111}, 0, 50, {100, 112}},
        {{100, 140}, 100, 50, {100, 96}},  // the room above or below limits it
        {{10, 140}, 0, 50, {34, 129}},     // too narrow: a horizontal bar, and room for both bars
        {{100, 900}, 0, 50, {100, 320}},   // all twenty rows
        {{5, 900}, 0, 0, {5, 320}},        // no row hidden: no minimum width
        {{100, 5}, 0, 50, {100, 16}},      // never fewer than one row
    };
    for (const Case& c : cases) {
        TSize size = c.proposed;
        AdjustComboListSize(Rows(20), size, c.maxHeight, current, c.horzExtent);
        EXPECT_EQ(size, c.expected) << c.proposed.cx << "x" << c.proposed.cy << " max " << c.maxHeight;
    }
    TSize same = current;
    AdjustComboListSize(Rows(20), same, 0, current, 500);
    EXPECT_EQ(same, current) << "the current size is taken as it is";
}

TEST_F(ComboListSizing, TheRoomIsTheLargerSideWithinTheWorkAreaLessTheFrame) {
    // The work area is 1920 x 1040; the frame takes 2 + 2 across and down.
    const TcxFrameExtent e{1, 1, 1, 1};
    TcxComboListLimits l = ComboListLimits(Rect(100, 900, 200, 921), e, false, false, false, 0);
    EXPECT_EQ(l.MaxHeight, 898) << "above: 900 - 0 - 2";
    EXPECT_EQ(l.WidthLimit, 98) << "the editor's width less the frame";
    l = ComboListLimits(Rect(100, 900, 200, 921), e, true, false, false, 150);
    EXPECT_EQ(l.MaxHeight, 901) << "the shadow gives 3 more above";
    EXPECT_EQ(l.WidthLimit, 148);
    l = ComboListLimits(Rect(100, 100, 200, 121), e, false, true, false, 150);
    EXPECT_EQ(l.MaxHeight, 917) << "below: 1040 - 121 - 2";
    EXPECT_EQ(l.WidthLimit, 1918) << "sizeable: the work area's width";
}

} // namespace
} // namespace zorvy::test
