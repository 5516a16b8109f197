#include "controls/editors/popup/EditPopupViewInfo.h"
#include "tests/controls/editors/EditorsFixture.h"

#include "platform/win/SystemInfo.h"

#include <vector>

namespace zorvy::test {
namespace {

// Scroll bars 17 high and caption buttons 18 (the system defaults): the natural panel height is 18.
class EditPopupFrame : public EditorsTest {
  protected:
    EditPopupFrame() {
        vi.Bounds = Rect(0, 0, 200, 100);
        vi.Sizeable = true;
        vi.SysPanelStyle = true;
        vi.CloseButton = true;
    }
    TcxCustomEditPopupWindowViewInfo vi;
};

TEST_F(EditPopupFrame, BorderWidthsFollowTheStyleTheClientEdgeAndTheNativeLook) {
    struct Case {
        TcxEditPopupBorderStyle style;
        bool native;
        int border, withEdge;
    } cases[] = {{epbsDefault, false, 0, 0}, {epbsSingle, false, 1, 3}, {epbsFrame3D, false, 4, 6},
                 {epbsFlat, false, 2, 3},    {epbsFlat, true, 1, 3}};
    for (const Case& c : cases) {
        vi.PopupBorderStyle = c.style;
        vi.Native = c.native;
        vi.ClientEdge = true;
        EXPECT_EQ(vi.GetPopupBorderWidth(false), c.border) << c.style << c.native;
        EXPECT_EQ(vi.GetPopupBorderWidth(true), c.withEdge) << c.style << c.native;
        vi.ClientEdge = false;
        EXPECT_EQ(vi.GetPopupBorderWidth(true), c.border);
    }
    vi.OnCustomDrawBorder = [](auto*, auto*, const TRect&, bool& handled, int& width) {
        handled = true;
        width = 7;
    };
    EXPECT_EQ(vi.GetPopupBorderWidth(false), 7);
}

TEST_F(EditPopupFrame, ThePanelGripAndCloseButtonSitInTheCornerAndOnTheSideTheGripNames) {
    vi.PopupBorderStyle = epbsSingle;
    vi.ClientEdge = true;
    vi.Shadow = true;
    struct Case {
        std::uint8_t corner;
        TcxFrameExtent extent;
        TRect client, grip, gripPaint, close;
    } cases[] = {
        // Border 1 + edge 2; shadow 3; panel 18 + separator 1 on the grip's side.
        {3, {3, 3, 6, 25}, Rect(3, 3, 194, 75), Rect(180, 80, 196, 96), Rect(180, 80, 194, 94), Rect(4, 80, 18, 94)},
        {1, {3, 22, 6, 6}, Rect(3, 22, 194, 94), Rect(180, 1, 196, 17), Rect(180, 3, 194, 17), Rect(4, 3, 18, 17)},
        {2, {3, 3, 6, 25}, Rect(3, 3, 194, 75), Rect(1, 80, 17, 96), Rect(3, 80, 17, 94), Rect(179, 80, 193, 94)},
        {0, {3, 22, 6, 6}, Rect(3, 22, 194, 94), Rect(1, 1, 17, 17), Rect(3, 3, 17, 17), Rect(179, 3, 193, 17)},
    };
    for (const Case& c : cases) {
        vi.SizeGripCorner = c.corner;
        vi.Calculate();
        const TcxFrameExtent e = vi.GetBorderExtent();
        EXPECT_EQ(e.Left, c.extent.Left) << int(c.corner);
        EXPECT_EQ(e.Top, c.extent.Top) << int(c.corner);
        EXPECT_EQ(e.Right, c.extent.Right) << int(c.corner);
        EXPECT_EQ(e.Bottom, c.extent.Bottom) << int(c.corner);
        EXPECT_EQ(vi.ClientRect, c.client) << int(c.corner);
        EXPECT_EQ(vi.InnerRect, Rect(1, 1, 196, 96)) << "inside the border only, with a panel; less the shadow";
        EXPECT_EQ(vi.SizeGripSizingRect, c.grip) << int(c.corner);
        EXPECT_EQ(vi.SizeGripRect, c.gripPaint) << int(c.corner);
        EXPECT_EQ(vi.CloseButtonRect, c.close) << int(c.corner);
    }
    vi.MinSysPanelHeight = 30;
    vi.SizeGripCorner = 3;
    EXPECT_EQ(vi.GetBorderExtent().Bottom, 3 + 3 + 30 + 1);
    vi.SysPanelStyle = false;
    vi.Calculate();
    EXPECT_EQ(vi.GetBorderExtent().Bottom, 6);
    EXPECT_EQ(vi.InnerRect, Rect(3, 3, 194, 94)) << "inside the client edge too without a panel";
    EXPECT_TRUE(IsRectEmpty(vi.CloseButtonRect));
    EXPECT_TRUE(IsRectEmpty(vi.SizeGripSizingRect));
}

TEST_F(EditPopupFrame, SizingHitTestGivesTheGripsDirectionsOrTheFramesSidesTowardsTheGrip) {
    vi.PopupBorderStyle = epbsSingle;
    struct Case {
        std::uint8_t corner;
        int x, y;
        bool sizes;
        int horz, vert;
    } cases[] = {
        {3, 190, 90, true, 1, 1},   // the grip
        {3, 50, 50, false, 0, 0},   // inside
        {3, 199, 50, true, 1, 0},   // right frame, within the sizing zone of 18
        {3, 100, 99, true, 0, 1},   // bottom frame
        {3, 0, 50, true, 0, 0},     // left frame: away from the grip, sizes nothing
        {3, 250, 50, false, 0, 0},  // outside
        {0, 5, 5, true, -1, -1},    // the grip at the top left
        {0, 0, 50, true, -1, 0},    // left frame
        {1, 199, 0, true, 1, -1},   // top-right corner of the frame
    };
    for (const Case& c : cases) {
        vi.SizeGripCorner = c.corner;
        vi.Calculate();
        int horz = 9, vert = 9;
        EXPECT_EQ(vi.HitTestSizing(c.x, c.y, horz, vert), c.sizes) << c.x << "," << c.y;
        if (!c.sizes) continue;
        EXPECT_EQ(horz, c.horz) << c.x << "," << c.y;
        EXPECT_EQ(vert, c.vert) << c.x << "," << c.y;
    }
    vi.Sizeable = false;
    int horz = 0, vert = 0;
    EXPECT_FALSE(vi.HitTestSizing(199, 50, horz, vert));
}

TEST_F(EditPopupFrame, SizingCursorsByDirection) {
    EXPECT_EQ(SizingCursor(-1, -1), crSizeNWSE);
    EXPECT_EQ(SizingCursor(1, 1), crSizeNWSE);
    EXPECT_EQ(SizingCursor(1, -1), crSizeNESW);
    EXPECT_EQ(SizingCursor(-1, 1), crSizeNESW);
    EXPECT_EQ(SizingCursor(-1, 0), crSizeWE);
    EXPECT_EQ(SizingCursor(0, 1), crSizeNS);
    EXPECT_EQ(SizingCursor(0, 0), crDefault);
}

// The frame's pixels of a view info painted alone on a white bitmap.
std::vector<std::uint32_t> PaintedFrame(TcxCustomEditPopupWindowViewInfo& vi) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(60, 40);
    TcxCanvas canvas(bitmap.GetCanvas());
    canvas.FillRectSolid(Rect(0, 0, 60, 40), clWhite);
    vi.Bounds = Rect(0, 0, 60, 40);
    vi.Calculate();
    vi.PaintFrameAndBackground(&canvas);
    std::vector<std::uint32_t> ring;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            if (x < 4 || y < 4 || x >= 56 || y >= 36) ring.push_back(bitmap.GetHandle()->Row(y)[x] & 0xFFFFFF);
    return ring;
}

TEST_F(EditPopupFrame, Frame3DWithClientEdgeDrawsThePopupEditsFrame3DRingsWithoutIt) {
    TcxCustomEditPopupWindowViewInfo withEdge;
    withEdge.PopupBorderStyle = epbsFrame3D;
    withEdge.ClientEdge = true;
    TcxPopupEditPopupWindowViewInfo popupEdit;
    popupEdit.PopupBorderStyle = epbsFrame3D;
    EXPECT_EQ(popupEdit.GetPopupBorderWidth(true), 4);
    const auto expected = PaintedFrame(withEdge);
    EXPECT_EQ(PaintedFrame(popupEdit), expected);
    TcxCustomEditPopupWindowViewInfo plain;
    plain.PopupBorderStyle = epbsFrame3D;
    EXPECT_NE(PaintedFrame(plain), expected) << "without the client edge its inner rings differ";
}

} // namespace
} // namespace zorvy::test
