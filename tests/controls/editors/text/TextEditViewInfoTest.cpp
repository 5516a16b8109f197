// The text of grid cells and of editors whose inner edit is hidden: where it lies and that it is drawn.
#include "controls/editors/text/TextEdit.h"
#include "controls/editors/text/TextEditViewInfo.h"
#include "tests/controls/editors/EditorsFixture.h"
#include "tests/controls/foundation/graphics/PaintSurface.h"

#include <gtest/gtest.h>

#include <memory>

namespace zorvy::test {
namespace {

class TextViewInfoTest : public EditorsTest {
  protected:
    TextViewInfoTest() {
        style.SetTransparentBorder(false);
        style.SetBorderStyle(cbsSingle);
        style.GetLookAndFeel()->SetNativeStyle(false);
        style.GetFont()->SetHeight(-15);
    }
    TcxCustomTextEditViewInfo* Fill(bool inplace, const TRect& bounds, const Variant& value) {
        viewData.reset(properties.MakeViewData(&style, inplace));
        viewInfo.reset(static_cast<TcxCustomTextEditViewInfo*>(properties.CreateViewInfo()));
        viewData->FillViewInfo(surface.Canvas(), bounds, {-1, -1}, 0, 0, viewInfo.get(), false);
        viewData->FillEditorViewInfo(value, viewInfo.get());
        return viewInfo.get();
    }
    TcxTextEditProperties properties{nullptr};
    TcxEditStyle style{nullptr};
    std::unique_ptr<TcxCustomEditViewData> viewData;
    std::unique_ptr<TcxCustomTextEditViewInfo> viewInfo;
    TPaintSurface surface{200, 40};
};

TEST_F(TextViewInfoTest, AStandAloneEditorShowsAWholeLineWithinItsClientArea) {
    surface.Canvas()->AssignFont(style.EffectiveFont());
    const int line = surface.Canvas()->MeasureTextHeight("Zg");
    ASSERT_GT(line, 12);
    // Bounds 16 high: client 14 (single border), text area 12 after the 1-pixel margins.
    TcxCustomTextEditViewInfo* vi = Fill(false, Rect(0, 0, 120, 16), Variant("abc"));
    EXPECT_EQ(vi->TextRect.Top, vi->ClientRect.Top + 1);
    EXPECT_EQ(vi->TextRect.Bottom, std::min(vi->TextRect.Top + line, vi->ClientRect.Bottom));
    vi = Fill(true, Rect(0, 0, 120, 14), Variant("abc"));
    EXPECT_EQ(vi->TextRect, Rect(1, 1, 119, 13)); // a cell keeps its own height
}

TEST_F(TextViewInfoTest, ACellPaintsItsValueInsideTheTextArea) {
    style.SetColor(clWhite);
    style.SetTextColor(clBlack);
    TcxCustomTextEditViewInfo* vi = Fill(true, Rect(0, 0, 200, 24), Variant("开奖 07"));
    EXPECT_EQ(vi->Text, "开奖 07");
    vi->PaintTo(surface.Canvas());
    const TRect ink = surface.InkBounds();
    ASSERT_FALSE(IsRectEmpty(ink));
    EXPECT_GE(ink.Left, vi->TextRect.Left);
    EXPECT_LE(ink.Bottom, vi->TextRect.Bottom);
    EXPECT_LT(ink.Right, 100); // left aligned

    properties.GetAlignment()->SetHorz(taRightJustify);
    TPaintSurface right(200, 40);
    vi = Fill(true, Rect(0, 0, 200, 24), Variant("开奖 07"));
    vi->PaintTo(right.Canvas());
    EXPECT_GT(right.InkBounds().Left, 100);
    EXPECT_LE(right.InkBounds().Right, vi->TextRect.Right);
}

} // namespace
} // namespace zorvy::test
