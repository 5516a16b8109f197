// The check box's layout: where the mark and the caption go, the mark's state and caption flags.
#include "controls/editors/checks/CheckBoxProperties.h"
#include "controls/editors/checks/CheckBoxViewInfo.h"
#include "tests/controls/editors/EditorsFixture.h"
#include "tests/controls/foundation/graphics/PaintSurface.h"

#include <gtest/gtest.h>

#include <memory>

namespace zorvy::test {
namespace {

class CheckBoxViewTest : public EditorsTest {
  protected:
    CheckBoxViewTest() {
        style.GetLookAndFeel()->SetNativeStyle(false);
        LoadCheckMarkMask(); // the check box unit builds it at start-up
    }
    TcxCustomCheckBoxViewInfo* Fill(bool inplace, const TRect& bounds, TPoint p = {-1, -1}, int button = 0,
                                    bool mouseEvent = false, bool enabled = true) {
        viewData.reset(static_cast<TcxCustomCheckBoxViewData*>(properties.MakeViewData(&style, inplace)));
        viewData->Enabled = enabled;
        if (!viewInfo) viewInfo.reset(static_cast<TcxCustomCheckBoxViewInfo*>(properties.CreateViewInfo()));
        viewData->FillViewInfo(surface.Canvas(), bounds, p, button, button == 1 ? TShiftState(ssLeft) : TShiftState(0), viewInfo.get(),
                               mouseEvent);
        viewData->FillEditorViewInfo(Variant(true), viewInfo.get());
        return viewInfo.get();
    }
    TSize CheckSize() { return MeasureEditCheck(surface.Canvas(), false, nullptr, nullptr, 6); }

    TcxCheckBoxProperties properties{nullptr};
    TcxCheckBoxStyle style{nullptr};
    std::unique_ptr<TcxCustomCheckBoxViewData> viewData;
    std::unique_ptr<TcxCustomCheckBoxViewInfo> viewInfo;
    TPaintSurface surface{200, 40};
};

TEST_F(CheckBoxViewTest, TheMarkAndCaptionSitByTheAlignment) {
    const TSize cs = CheckSize();
    ASSERT_LT(cs.cy, 17);
    const int top = 2 + (17 - cs.cy) / 2; // client 121 x 21, both shrink by 2: 17 high
    TcxCustomCheckBoxViewInfo* vi = Fill(false, Rect(0, 0, 121, 21));
    EXPECT_EQ(vi->ClientRect, Rect(0, 0, 121, 21)); // a check box has no border
    EXPECT_EQ(vi->CheckState, cbsChecked);
    EXPECT_EQ(vi->CheckRect, Rect(2, top, 2 + cs.cx, top + cs.cy));
    EXPECT_EQ(vi->TextRect, Rect(2 + cs.cx + 3, 2, 119, 19));

    properties.SetAlignmentHorz(taRightJustify);
    vi = Fill(false, Rect(0, 0, 121, 21));
    EXPECT_EQ(vi->CheckRect, Rect(119 - cs.cx, top, 119, top + cs.cy));
    EXPECT_EQ(vi->TextRect, Rect(2, 2, 119 - cs.cx - 3, 19));

    // Narrower than the mark: no caption.
    vi = Fill(false, Rect(0, 0, cs.cx + 3, 21));
    EXPECT_EQ(vi->TextRect.Width(), 0);

    // In a grid cell without caption the mark is centred whatever the alignment says...
    properties.SetAlignmentHorz(taLeftJustify);
    vi = Fill(true, Rect(0, 0, 41, 21));
    EXPECT_EQ(vi->Alignment, taCenter);
    EXPECT_EQ(vi->CheckRect.Left, (41 - cs.cx) / 2);
    // ...unless UseAlignmentWhenInplace is set.
    properties.SetUseAlignmentWhenInplace(true);
    vi = Fill(true, Rect(0, 0, 41, 21));
    EXPECT_EQ(vi->CheckRect.Left, 0);
}

TEST_F(CheckBoxViewTest, CaptionFlags) {
    struct Case {
        TAlignment alignment;
        bool multiLine, inplace;
        int flags;
    } cases[] = {
        {taLeftJustify, false, false, 0x261}, {taRightJustify, false, true, 0x261},
        {taCenter, false, false, 0x264},      {taLeftJustify, true, false, 0x689},
        {taLeftJustify, true, true, 0x6A1},
    };
    for (const Case& c : cases) {
        properties.SetAlignmentHorz(c.alignment);
        properties.SetMultiLine(c.multiLine);
        viewData.reset(static_cast<TcxCustomCheckBoxViewData*>(properties.MakeViewData(&style, c.inplace)));
        EXPECT_EQ(viewData->GetCaptionTextFlags(), c.flags) << c.alignment << c.multiLine << c.inplace;
    }
}

TEST_F(CheckBoxViewTest, TheMarkFollowsMouseAndEnabling) {
    const TRect bounds = Rect(0, 0, 121, 21);
    EXPECT_EQ(Fill(false, bounds)->CheckButtonState, ecsNormal);
    EXPECT_EQ(Fill(false, bounds, {5, 5})->CheckButtonState, ecsHot);
    // The left button shows it pressed on the press itself, and while it stays down.
    EXPECT_EQ(Fill(false, bounds, {5, 5}, 1, true)->CheckButtonState, ecsPressed);
    EXPECT_EQ(Fill(false, bounds, {6, 5}, 1, false)->CheckButtonState, ecsPressed);
    viewInfo.reset();
    EXPECT_EQ(Fill(false, bounds, {6, 5}, 1, false)->CheckButtonState, ecsNormal);
    EXPECT_EQ(Fill(false, bounds, {5, 5}, 0, false, false)->CheckButtonState, ecsDisabled);

    // The hot mark of a frameless box shows a flat frame.
    EXPECT_EQ(HotCheckFrameStyle(TcxEditBorderStyle::ebsNone), TcxEditBorderStyle::ebsFlat);
    EXPECT_EQ(HotCheckFrameStyle(TcxEditBorderStyle::ebsSingle), TcxEditBorderStyle::ebsThick);
    EXPECT_EQ(HotCheckFrameStyle(TcxEditBorderStyle::ebsFlat), TcxEditBorderStyle::ebs3D);
    EXPECT_EQ(HotCheckFrameStyle(TcxEditBorderStyle::ebsUltraFlat), TcxEditBorderStyle::ebsUltraFlat);
}

TEST_F(CheckBoxViewTest, APreviewShowsCheckedAndPaintsOnlyTheMarkDifferently) {
    TcxCustomCheckBoxViewInfo* vi = Fill(false, Rect(0, 0, 121, 21));
    viewData->FillEditorViewInfo(Variant(false), vi);
    EXPECT_EQ(vi->CheckState, cbsUnchecked);
    std::unique_ptr<TcxCustomEditViewData> preview(properties.MakeViewData(&style, false, true));
    preview->FillEditorViewInfo(Variant(false), vi);
    EXPECT_EQ(vi->CheckState, cbsChecked);

    TPaintSurface unchecked{121, 21}, checked{121, 21};
    vi->CheckState = cbsUnchecked;
    vi->PaintTo(unchecked.Canvas());
    vi->CheckState = cbsChecked;
    vi->PaintTo(checked.Canvas());
    int inside = 0, outside = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 121; ++x)
            if (unchecked.At(x, y) != checked.At(x, y)) ++(PtInRect(vi->CheckRect, {x, y}) ? inside : outside);
    EXPECT_GT(inside, 5);
    EXPECT_EQ(outside, 0);
}

} // namespace
} // namespace zorvy
