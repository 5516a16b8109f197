#include "controls/foundation/popup/PopupWindow.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include "platform/win/Input.h"

#include <vector>

namespace zorvy::test {
namespace {

class PopupWindow : public FoundationTest {
  protected:
    PopupWindow() {
        display.SetMonitors({{Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1040), true},
                             {Rect(1920, 0, 3200, 1024), Rect(1920, 0, 3200, 1000), false}});
    }
};

struct TPositionCase {
    const char* what;
    TRect owner;
    int w, h;
    TcxPopupHorzAlign horz;
    TcxPopupVertAlign vert;
    TcxPopupOpenDirection direction;
    TPoint expected;
};

TEST_F(PopupWindow, OpensOnTheSideWithRoomAndStaysInsideTheWorkArea) {
    const TPositionCase cases[] = {
        {"below the edit", Rect(100, 100, 300, 120), 200, 150, phaLeft, pvaBottom, pdirVertical, {100, 120}},
        {"near the bottom with more room above: above",
         Rect(100, 950, 300, 970), 200, 150, phaLeft, pvaBottom, pdirVertical, {100, 800}},
        {"near the bottom with less room above: below, not moved up",
         Rect(100, 10, 300, 960), 200, 150, phaLeft, pvaBottom, pdirVertical, {100, 960}},
        {"above with no room above and less above than below: below",
         Rect(100, 50, 300, 70), 200, 150, phaLeft, pvaTop, pdirVertical, {100, 70}},
        {"right-aligned and wider than the work area: at its left edge",
         Rect(1000, 100, 1200, 120), 2000, 150, phaRight, pvaBottom, pdirVertical, {0, 120}},
        {"passing the right edge: moved back across the opening side",
         Rect(1800, 100, 1900, 120), 200, 150, phaLeft, pvaBottom, pdirVertical, {1720, 120}},
        {"on the second monitor: its own work area",
         Rect(3100, 100, 3190, 120), 200, 150, phaLeft, pvaBottom, pdirVertical, {3000, 120}},
        {"beside, to the right", Rect(100, 100, 300, 120), 150, 100, phaRight, pvaTop, pdirHorizontal, {300, 100}},
        {"beside near the right edge with more room left: to the left",
         Rect(1800, 100, 1900, 120), 150, 100, phaRight, pvaTop, pdirHorizontal, {1650, 100}},
        {"beside near the bottom: moved up across the opening side",
         Rect(100, 1000, 300, 1020), 150, 100, phaRight, pvaTop, pdirHorizontal, {300, 940}},
        {"centred on both axes and larger than the room: clamped to the near edges",
         Rect(0, 0, 100, 100), 300, 300, phaCenter, pvaCenter, pdirVertical, {0, 0}},
    };
    for (const auto& c : cases) {
        const TPoint p = ComputePopupPosition(c.owner, c.w, c.h, c.horz, c.vert, c.direction);
        EXPECT_EQ(p.X, c.expected.X) << c.what;
        EXPECT_EQ(p.Y, c.expected.Y) << c.what;
    }
}

class TRecordedPopup : public TcxPopupWindow {
  public:
    int Closes = 0;
    void ClosePopup() override {
        ++Closes;
        TcxPopupWindow::ClosePopup();
    }
};

TEST_F(PopupWindow, FitsItsChildrenInsideTheFrameAndOpensBelowTheAnchor) {
    TForm* form = NewForm();
    form->Show();
    Pump();
    TRecordedPopup popup;
    popup.SetFrameStyle(pfsSingle);
    popup.ExtraBorderSpace = 2;
    auto* child = new TCustomControl(&popup);
    child->SetParent(&popup);
    child->SetBounds(0, 0, 50, 20);
    popup.SetAnchorParent(form);
    popup.AnchorBounds = Rect(10, 30, 110, 50);
    popup.ShowPopup();
    Pump();
    EXPECT_EQ(child->GetBoundsRect(), Rect(3, 3, 53, 23));
    EXPECT_EQ(popup.GetBoundsRect(), Bounds(60, 100, 56, 26)) << "form at (50, 50), anchor bottom 50";
    EXPECT_EQ(popup.GetContentRect(), Rect(3, 3, 53, 23));
    EXPECT_EQ(PixelAt(&popup, 0, 0), ColorToRGB(clWindowText)) << "the single frame";

    popup.ClosePopup();
    popup.SetFrameStyle(pfsNone); // the child goes back to the content origin first
    EXPECT_EQ(child->GetBoundsRect(), Rect(0, 0, 50, 20));
}

TEST_F(PopupWindow, ClosesWhenDeactivatedAndKeepsTheOwnerCaptionActiveMeanwhile) {
    TForm* form = NewForm();
    std::vector<WPARAM> ncActivate;
    form->WindowProc = [&, form](TMessage& m) {
        if (m.Msg == WM_NCACTIVATE) ncActivate.push_back(m.WParam);
        form->WndProc(m);
    };
    form->Show();
    Pump();
    TRecordedPopup popup;
    popup.SetBounds(0, 0, 80, 60);
    popup.SetAnchorParent(form);
    popup.AnchorBounds = Rect(0, 0, 100, 20);
    popup.ShowPopup();
    Pump();
    ASSERT_TRUE(popup.GetVisible());
    ASSERT_FALSE(ncActivate.empty());
    EXPECT_EQ(ncActivate.back(), 1u) << "the owner's caption looks active while the popup is open";

    display.Click(form->GetHandle(), 200, 150); // a click outside activates the owner
    Pump();
    EXPECT_FALSE(popup.GetVisible());
    EXPECT_EQ(popup.Closes, 1);

    popup.ShowPopup();
    Pump();
    ncActivate.clear();
    InjectApplicationActive(false);
    Pump();
    EXPECT_FALSE(popup.GetVisible());
    ASSERT_FALSE(ncActivate.empty());
    EXPECT_EQ(ncActivate.back(), 0u) << "the owner's caption turns inactive with the application";
}

} // namespace
} // namespace zorvy::test
