#include "controls/foundation/dragdrop/DragImage.h"
#include "controls/foundation/graphics/Canvas.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include "platform/gdi/Region.h"

namespace zorvy::test {
namespace {

class DragImage : public FoundationTest {};

TEST_F(DragImage, FollowsThePointerByItsHotSpotBlendedAndTransparentToTheMouse) {
    TcxDragImage image;
    image.InitializeFrom(Rect(100, 100, 150, 120), {110, 105});
    image.GetImageCanvas()->FillRectSolid(Rect(0, 0, 50, 20), clRed);
    image.MoveTo({300, 200});
    image.SetShowing(true);
    Pump();
    EXPECT_TRUE(image.IsShowing());
    EXPECT_EQ(image.GetBoundsRect(), Bounds(290, 195, 50, 20));
    image.MoveTo({310, 220});
    EXPECT_EQ(image.GetBoundsRect(), Bounds(300, 215, 50, 20));
    ASSERT_NE(display.NativeWindow(image.GetHandle()), nullptr);
    EXPECT_EQ(display.NativeWindow(image.GetHandle())->alpha, 180);
    EXPECT_EQ(PixelAt(&image, 10, 10), ColorToRGB(clRed));
    EXPECT_EQ(image.Perform(WM_NCHITTEST), HTTRANSPARENT);
    EXPECT_EQ(GetActiveWindow(), HWND(0)) << "shown without activation";
    image.SetShowing(false);
    EXPECT_FALSE(image.IsShowing());
}

TEST_F(DragImage, TheArrowIsKeyedOutByMagentaOrShapedByItsRegion) {
    const TRect target = Rect(100, 100, 200, 130);
    TcxDragAndDropArrow keyed(true);
    keyed.PlaceArrow(nullptr, target, 1, {});
    keyed.SetShowing(true);
    Pump();
    EXPECT_EQ(keyed.GetBoundsRect(), Rect(95, 91, 106, 100));
    const auto* native = display.NativeWindow(keyed.GetHandle());
    ASSERT_NE(native, nullptr);
    ASSERT_TRUE(native->colorKey.has_value());
    EXPECT_EQ(*native->colorKey & 0xFFFFFF, 0xFF00FFu & 0xFFFFFF);
    EXPECT_EQ(PixelAt(&keyed, 5, 5), ColorToRGB(clLime)) << "inside the arrow";
    EXPECT_EQ(PixelAt(&keyed, 0, 0), RGB(255, 0, 255)) << "the keyed-out background";

    TcxDragAndDropArrow shaped(false);
    shaped.PlaceArrow(nullptr, target, 1, {});
    shaped.SetShowing(true);
    Pump();
    const auto* shapedNative = display.NativeWindow(shaped.GetHandle());
    ASSERT_NE(shapedNative, nullptr);
    ASSERT_TRUE(shapedNative->shape.has_value());
    EXPECT_TRUE(shapedNative->shape->Contains({5, 5}));
    EXPECT_TRUE(shapedNative->shape->Contains({5, 6})) << "the head";
    EXPECT_FALSE(shapedNative->shape->Contains({0, 0}));
    EXPECT_FALSE(shapedNative->shape->Contains({1, 8}));
}

} // namespace
} // namespace zorvy::test
