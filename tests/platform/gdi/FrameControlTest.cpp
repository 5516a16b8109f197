#include "GdiTestSupport.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

using testing::TSurface;

// A colour as the bitmap stores it (red in the third byte).
uint32_t ColorToPixelValue(COLORREF c) {
    return (c & 0xFF) << 16 | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

std::vector<uint32_t> Draw(unsigned kind, unsigned state, int size = 13) {
    TSurface s(size, size, GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(DrawFrameControl(s.dc, Rect(0, 0, size, size), kind, state));
    return s.bitmap->bits;
}

int Differences(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    int n = 0;
    for (size_t i = 0; i < a.size(); ++i)
        n += a[i] != b[i];
    return n;
}

TEST(GdiFrameControl, CheckBoxStatesDifferWhereTheyShould) {
    auto unchecked = Draw(DFC_BUTTON, DFCS_BUTTONCHECK);
    auto checked = Draw(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    auto pushed = Draw(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_PUSHED);
    auto inactive = Draw(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE);
    auto grey = Draw(DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED);
    auto flat = Draw(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT);
    // The tick is the only difference between unchecked and checked: a 7 x 7 mark of 3-pixel columns.
    EXPECT_EQ(Differences(unchecked, checked), 21);
    uint32_t text = ColorToPixelValue(GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(std::count(checked.begin(), checked.end(), text), 21);
    uint32_t window = ColorToPixelValue(GetSysColor(COLOR_WINDOW)),
             face = ColorToPixelValue(GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(unchecked[6 * 13 + 6], window);
    EXPECT_EQ(pushed[6 * 13 + 6], face);
    EXPECT_EQ(std::count(inactive.begin(), inactive.end(), text), 0) << "an inactive tick is grey";
    EXPECT_EQ(std::count(grey.begin(), grey.end(), text), 0);
    EXPECT_NE(Differences(unchecked, flat), 0);
    EXPECT_EQ(flat[0], ColorToPixelValue(GetSysColor(COLOR_BTNSHADOW)));
}

TEST(GdiFrameControl, RadioMaskAndDotAreCentredCircles) {
    auto mask = Draw(DFC_BUTTON, DFCS_BUTTONRADIOMASK);
    TRect box{13, 13, 0, 0};
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            if (mask[size_t(y * 13 + x)] == 0) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    EXPECT_EQ(box, Rect(0, 0, 12, 12));
    EXPECT_EQ(mask[0], 0xFFFFFFu) << "corners stay white";
    auto off = Draw(DFC_BUTTON, DFCS_BUTTONRADIO), on = Draw(DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
    uint32_t text = ColorToPixelValue(GetSysColor(COLOR_WINDOWTEXT));
    // The dot sits around the centre, where the painters' measurement starts scanning.
    EXPECT_EQ(on[4 * 13 + 5], text);
    EXPECT_EQ(off[4 * 13 + 5], ColorToPixelValue(GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ(Differences(off, on), int(std::count(on.begin(), on.end(), text)));
}

TEST(GdiFrameControl, ScrollArrowsPointTheirWayAndBadKindsDrawNothing) {
    auto up = Draw(DFC_SCROLL, DFCS_SCROLLUP, 17), down = Draw(DFC_SCROLL, DFCS_SCROLLDOWN, 17);
    uint32_t text = ColorToPixelValue(GetSysColor(COLOR_BTNTEXT));
    auto rowCount = [&](const std::vector<uint32_t>& p, int y) {
        return int(std::count(p.begin() + y * 17, p.begin() + (y + 1) * 17, text));
    };
    int firstUp = 0, firstDown = 0;
    while (firstUp < 17 && rowCount(up, firstUp) == 0)
        ++firstUp;
    while (firstDown < 17 && rowCount(down, firstDown) == 0)
        ++firstDown;
    EXPECT_EQ(rowCount(up, firstUp), 1) << "an up arrow starts at its tip";
    EXPECT_GT(rowCount(down, firstDown), 1) << "a down arrow starts at its base";
    auto grip = Draw(DFC_SCROLL, DFCS_SCROLLSIZEGRIP, 16);
    EXPECT_NE(grip[15 * 16 + 13], grip[0]);
    EXPECT_EQ(grip[0], ColorToPixelValue(GetSysColor(COLOR_BTNFACE)));

    TSurface s(10, 10);
    EXPECT_FALSE(DrawFrameControl(s.dc, Rect(0, 0, 10, 10), DFC_CAPTION, 0));
    EXPECT_FALSE(DrawFrameControl(s.dc, Rect(0, 0, 0, 10), DFC_BUTTON, DFCS_BUTTONCHECK));
    EXPECT_EQ(s.Count(RGB(255, 255, 255)), 100);
}

TEST(GdiFrameControl, CheckBoxesBitmapHoldsTheTwelveCells) {
    HBITMAP boxes = LoadCheckBoxesBitmap();
    ASSERT_NE(boxes, nullptr);
    EXPECT_EQ(boxes->width, 4 * CheckBoxCellSize);
    EXPECT_EQ(boxes->height, 3 * CheckBoxCellSize);
    // The empty and checked cells of the first row differ only by the tick.
    int differences = 0;
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            differences += boxes->Row(y)[x] != boxes->Row(y)[x + 13];
    EXPECT_EQ(differences, 21);
    DeleteObject(boxes);
}

} // namespace
} // namespace zorvy
