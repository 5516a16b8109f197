#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

TEST(GdiGeometry, IntersectAndUnionFollowExclusiveEdges) {
    TRect r;
    EXPECT_TRUE(IntersectRect(r, Rect(0, 0, 10, 10), Rect(5, 5, 20, 20)));
    EXPECT_EQ(r, Rect(5, 5, 10, 10));
    EXPECT_FALSE(IntersectRect(r, Rect(0, 0, 10, 10), Rect(10, 0, 20, 10))); // touching edges share no pixel
    EXPECT_TRUE(IsRectEmpty(r));
    EXPECT_TRUE(UnionRect(r, Rect(0, 0, 0, 0), Rect(2, 3, 4, 5))); // an empty rectangle adds nothing
    EXPECT_EQ(r, Rect(2, 3, 4, 5));
    EXPECT_TRUE(PtInRect(Rect(0, 0, 2, 2), Point(1, 1)));
    EXPECT_FALSE(PtInRect(Rect(0, 0, 2, 2), Point(2, 1)));
    EXPECT_EQ(Bounds(1, 2, 3, 4), Rect(1, 2, 4, 6));
}

TEST(GdiColors, SystemColoursResolveThroughTheCurrentScheme) {
    ResetSysColors();
    EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
    SetSysColor(COLOR_BTNFACE, RGB(1, 2, 3));
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(1, 2, 3));
    ResetSysColors();
    EXPECT_EQ(GetSysColor(99), 0u);
    EXPECT_EQ(IdentToColor("CLBTNFACE"), clBtnFace);
    EXPECT_EQ(ColorToIdent(clNone), "clNone");
    EXPECT_FALSE(IdentToColor("clNoSuchColour").has_value());
}

} // namespace
} // namespace zorvy
