// Edit view data: border extents, button placement (sides, overflow, stretching), button visibility
// by transparency, button states under the mouse, measuring.
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "tests/controls/editors/EditorsFixture.h"
#include "tests/controls/foundation/graphics/PaintSurface.h"

#include <gtest/gtest.h>

#include <memory>

namespace zorvy::test {
namespace {

class EditViewDataTest : public EditorsTest {
  protected:
    EditViewDataTest() {
        style.SetTransparentBorder(false);
        style.SetBorderStyle(cbsSingle);
        style.GetLookAndFeel()->SetNativeStyle(false);
        style.GetLookAndFeel()->SetKind(lfStandard);
    }
    TcxEditButton* AddButton(int width, bool left = false, bool stretchable = true) {
        TcxEditButton* b = properties.GetButtons()->AddButton();
        b->SetWidth(width);
        b->SetLeftAlignment(left);
        b->SetStretchable(stretchable);
        return b;
    }
    // Fills the view info for bounds with the mouse at p.
    TcxCustomEditViewInfo* Fill(const TRect& bounds, TPoint p = {-1, -1}, int button = 0, TShiftState shift = 0,
                                bool mouseEvent = false, bool inplace = false) {
        if (!viewData || viewData->IsInplace() != inplace) viewData.reset(properties.MakeViewData(&style, inplace));
        viewData->TakeOverProperties();
        viewData->CaptureButtonIndex = captureButton;
        viewData->Focused = focused;
        viewData->Enabled = enabled;
        viewData->FillViewInfo(surface.Canvas(), bounds, p, button, shift, &viewInfo, mouseEvent);
        return &viewInfo;
    }
    std::vector<TRect> ButtonBounds() const {
        std::vector<TRect> r;
        for (const auto& b : viewInfo.Buttons) r.push_back(b->Bounds);
        return r;
    }

    TcxCustomEditProperties properties{nullptr};
    TcxEditStyle style{nullptr};
    std::unique_ptr<TcxCustomEditViewData> viewData;
    TcxCustomEditViewInfo viewInfo;
    TPaintSurface surface{120, 40};
    int captureButton = -1;
    bool focused = false;
    bool enabled = true;
};

TEST_F(EditViewDataTest, BorderExtents) {
    Fill(Rect(0, 0, 100, 20));
    EXPECT_EQ(viewInfo.BorderExtent, Rect(1, 1, 1, 1));
    EXPECT_EQ(viewInfo.BorderRect, Rect(1, 1, 99, 19));
    style.SetShadow(true);
    Fill(Rect(0, 0, 100, 20));
    EXPECT_EQ(viewInfo.BorderExtent, Rect(1, 1, 4, 4));
    style.SetShadow(false);
    style.SetEdges(cxBorder(bBottom));
    Fill(Rect(0, 0, 100, 20));
    EXPECT_EQ(viewInfo.BorderExtent, Rect(0, 0, 0, 1));
    style.SetEdges(cxBordersAll);
    style.SetTransparentBorder(true);
    Fill(Rect(0, 0, 100, 20));
    EXPECT_EQ(viewInfo.BorderExtent, Rect(2, 2, 2, 2));
    // In place only the extent the grid gives counts.
    Fill(Rect(0, 0, 100, 20), {-1, -1}, 0, 0, false, true);
    EXPECT_EQ(viewInfo.BorderExtent, Rect(0, 0, 0, 0));
    EXPECT_EQ(viewInfo.EditBorderStyle, TcxEditBorderStyle::ebsNone);
}

TEST_F(EditViewDataTest, ButtonsLieByTheirSideInCollectionOrder) {
    AddButton(15);
    AddButton(20);
    Fill(Rect(0, 0, 100, 20));
    EXPECT_EQ(ButtonBounds(), (std::vector<TRect>{Rect(64, 1, 79, 19), Rect(79, 1, 99, 19)}));
    EXPECT_EQ(viewInfo.ClientRect, Rect(1, 1, 64, 19));
    EXPECT_TRUE(viewInfo.Button(0)->Leftmost);
    EXPECT_TRUE(viewInfo.Button(1)->Rightmost);

    properties.GetButtons()->ButtonAt(0)->SetLeftAlignment(true);
    properties.GetButtons()->ButtonAt(1)->SetLeftAlignment(true);
    Fill(Rect(0, 0, 100, 20));
    // Array order follows the collection: A lies right of B.
    EXPECT_EQ(ButtonBounds(), (std::vector<TRect>{Rect(21, 1, 36, 19), Rect(1, 1, 21, 19)}));
    EXPECT_EQ(viewInfo.ClientRect, Rect(36, 1, 99, 19));
}

TEST_F(EditViewDataTest, AnOverflowingRowShowsWhatFits) {
    AddButton(15);
    AddButton(15);
    AddButton(20);
    AddButton(10);
    Fill(Rect(0, 0, 40, 20));
    EXPECT_EQ(ButtonBounds(), (std::vector<TRect>{TRect{}, Rect(-6, 1, 9, 19), Rect(9, 1, 29, 19), Rect(29, 1, 39, 19)}));
    EXPECT_EQ(viewInfo.Button(1)->VisibleBounds, Rect(1, 1, 9, 19));
    EXPECT_TRUE(IsRectEmpty(viewInfo.Button(0)->VisibleBounds));
}

TEST_F(EditViewDataTest, ButtonsOnlyStretching) {
    properties.SetButtonsViewStyle(bvsButtonsOnly);
    AddButton(10, false, false);
    AddButton(20, false, false);
    Fill(Rect(0, 0, 102, 20));
    // 70 spare pixels shared 10:20; the truncation remainder goes to the first entry.
    EXPECT_EQ(ButtonBounds(), (std::vector<TRect>{Rect(1, 1, 35, 19), Rect(35, 1, 101, 19)}));
    EXPECT_EQ(viewInfo.Button(1)->VisibleBounds, viewInfo.Button(1)->Bounds);

    properties.GetButtons()->ButtonAt(1)->SetStretchable(true);
    Fill(Rect(0, 0, 102, 20));
    EXPECT_EQ(ButtonBounds(), (std::vector<TRect>{Rect(1, 1, 11, 19), Rect(11, 1, 101, 19)}));
}

TEST_F(EditViewDataTest, TransparencyHidesButtonsOfInactiveEditors) {
    AddButton(15);
    style.SetButtonTransparency(ebtHideUnselected);
    EXPECT_EQ(Fill(Rect(0, 0, 100, 20))->ButtonCount(), 0);
    EXPECT_EQ(Fill(Rect(0, 0, 100, 20), {50, 10})->ButtonCount(), 1); // hot
    style.SetButtonTransparency(ebtHideInactive);
    EXPECT_EQ(Fill(Rect(0, 0, 100, 20), {50, 10})->ButtonCount(), 0);
    focused = true;
    EXPECT_EQ(Fill(Rect(0, 0, 100, 20))->ButtonCount(), 1);
}

TEST_F(EditViewDataTest, ButtonStatesFollowTheMouse) {
    AddButton(15);
    AddButton(20)->SetEnabled(false);
    const TRect bounds = Rect(0, 0, 100, 20);
    const TPoint over = {70, 10}, off = {20, 10}, overDisabled = {90, 10};
    Fill(bounds, over);
    EXPECT_EQ(viewInfo.Button(0)->State, ebsHot);
    EXPECT_EQ(viewInfo.HotButton, 0);
    EXPECT_EQ(viewInfo.Button(1)->State, ebsDisabled);
    Fill(bounds, overDisabled);
    EXPECT_EQ(viewInfo.Button(1)->State, ebsDisabled);
    EXPECT_EQ(viewInfo.Button(0)->State, ebsNormal);

    // Pressed, dragged off and back while the editor holds the press on this button.
    captureButton = 0;
    Fill(bounds, over, 1, ssLeft, true);
    EXPECT_EQ(viewInfo.Button(0)->State, ebsPressed);
    EXPECT_EQ(viewInfo.PressedButton, 0);
    Fill(bounds, off, 0, ssLeft, true);
    EXPECT_EQ(viewInfo.Button(0)->State, ebsNormal);
    EXPECT_EQ(viewInfo.PressedButton, -1);
    Fill(bounds, over, 0, ssLeft, true);
    EXPECT_EQ(viewInfo.Button(0)->State, ebsPressed);
    EXPECT_TRUE(viewInfo.IsButtonReallyPressed);

    enabled = false;
    Fill(bounds, over);
    EXPECT_EQ(viewInfo.ContainerState, cxcsDisabled);
    EXPECT_EQ(viewInfo.Button(0)->State, ebsDisabled);
}

TEST_F(EditViewDataTest, MeasuringAgainstAWidthLimitBelowTheFrame) {
    AddButton(15);
    std::unique_ptr<TcxCustomEditViewData> vd(properties.MakeViewData(&style, false));
    TSize size;
    TcxEditSizeProperties limits;
    limits.Width = 10;
    vd->MeasureEditorSize(surface.Canvas(), Variant(), limits, nullptr, size);
    EXPECT_EQ(size.cx, 10);
    limits.Width = -1;
    vd->MeasureEditorSize(surface.Canvas(), Variant(), limits, nullptr, size);
    EXPECT_EQ(size.cx, 1 + 15 + 1);
}

TEST_F(EditViewDataTest, ButtonStyleFallsBackByBorderStyleOrLookAndFeel) {
    AddButton(15);
    struct Case {
        TcxContainerBorderStyle border;
        bool hotTrack;
        bool inplace;
        TcxEditButtonStyle expected;
    };
    const Case cases[] = {
        {cbsSingle, true, false, btsHotFlat}, {cbsFlat, true, false, btsFlat},
        {cbs3D, true, false, bts3D},          {cbsNone, true, false, btsSimple},
        {cbsNone, false, false, bts3D}, // by the look-and-feel kind (standard)
        {cbsSingle, true, true, bts3D},       {cbsUltraFlat, true, false, btsHotFlat},
    };
    for (const Case& c : cases) {
        style.SetBorderStyle(c.border);
        style.SetHotTrack(c.hotTrack);
        Fill(Rect(0, 0, 100, 20), {-1, -1}, 0, 0, false, c.inplace);
        EXPECT_EQ(viewInfo.Button(0)->ButtonStyle, c.expected) << int(c.border) << c.hotTrack << c.inplace;
    }
}

} // namespace
} // namespace zorvy::test
