// The text of grid cells and of editors whose inner edit is hidden: where it lies and that it is drawn.
#include "controls/editors/text/TextEditViewInfo.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/foundation/text/TextRows.h"
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

namespace zorvy::test {
namespace {

TEST_F(TextViewInfoTest, ALongTextWrapsWhereTheViewLetsIt) {
    style.SetColor(clWhite);
    style.SetTextColor(clBlack);
    properties.GetAlignment()->SetVert(taVCenter);
    const std::string text = "alpha beta gamma delta";
    TcxCustomTextEditViewInfo* vi = Fill(true, Rect(0, 0, 70, 40), Variant(text));
    EXPECT_TRUE(vi->DrawTextFlags & trfWordBreak);
    EXPECT_FALSE(vi->DrawTextFlags & trfSingleLine);
    // Four rows do not fit 38 pixels: they start at the top.
    EXPECT_FALSE(vi->DrawTextFlags & trfCenterVert);
    surface.Canvas()->AssignFont(style.EffectiveFont());
    const int line = surface.Canvas()->MeasureTextHeight("Zg");
    vi->MaxLineCount = 2;
    vi->PaintTo(surface.Canvas());
    const TRect ink = surface.InkBounds();
    EXPECT_GT(ink.Height(), line);       // more than one row ...
    EXPECT_LE(ink.Bottom, 1 + 2 * line); // ... but no more than two

    // A view that does not let the text wrap keeps one row.
    viewData.reset(properties.MakeViewData(&style, true));
    viewData->ContentParams.Options = 0;
    viewInfo.reset(static_cast<TcxCustomTextEditViewInfo*>(properties.CreateViewInfo()));
    viewData->FillViewInfo(surface.Canvas(), Rect(0, 0, 70, 40), {-1, -1}, 0, 0, viewInfo.get(), false);
    viewData->FillEditorViewInfo(Variant(text), viewInfo.get());
    EXPECT_TRUE(viewInfo->DrawTextFlags & trfSingleLine);
}

// A cell's text breaks into rows exactly when it is wider than its text area or holds a line break.
TEST_F(TextViewInfoTest, ATextWrapsOnlyWhenWiderThanItsAreaOrBrokenIntoLines) {
    surface.Canvas()->AssignFont(style.EffectiveFont());
    const std::string words = "开奖 2024001";
    const int width = surface.Canvas()->MeasureTextWidth(words);
    struct Case {
        std::string Text;
        int BoundsWidth; // the text area is the bounds less one pixel on each side
        bool Wraps;
    };
    const Case cases[] = {
        {words, width + 2, false},       // exactly as wide as its area
        {words, width + 1, true},        // one pixel too wide: the words take two rows
        {"12\n34", width + 2, true},     // a line break in a short text
        {"12\r\n34", width + 2, true},
        {"12\t34", width + 2, false},    // a tab alone breaks no row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text + " in " + std::to_string(c.BoundsWidth));
        TcxCustomTextEditViewInfo* vi = Fill(true, Rect(0, 0, c.BoundsWidth, 40), Variant(c.Text));
        EXPECT_EQ((vi->DrawTextFlags & trfWordBreak) != 0, c.Wraps);
    }
}

TEST_F(TextViewInfoTest, AHintShowsATextThatDoesNotFit) {
    const std::string text = "开奖 2024001";
    surface.Canvas()->AssignFont(style.EffectiveFont());
    const int width = surface.Canvas()->MeasureTextWidth(text);
    std::string hint;
    // The text area of a cell is its bounds less one pixel on each side.
    TcxCustomTextEditViewInfo* vi = Fill(true, Rect(0, 0, width + 2, 24), Variant(text));
    EXPECT_FALSE(vi->NeedsHintInRect(surface.Canvas(), {5, 5}, TRect{}, hint));
    EXPECT_EQ(hint, "");
    vi = Fill(true, Rect(0, 0, width + 1, 24), Variant(text));
    vi->DrawTextFlags |= trfSingleLine; // one row, one pixel too narrow
    vi->DrawTextFlags &= ~trfWordBreak;
    EXPECT_TRUE(vi->NeedsHintInRect(surface.Canvas(), {5, 5}, TRect{}, hint));
    EXPECT_EQ(hint, text);
    EXPECT_EQ(vi->HintRect, vi->TextRect);
    EXPECT_FALSE(vi->NeedsHintInRect(surface.Canvas(), {-5, 5}, TRect{}, hint)); // outside the text

    // The place and the wrapping come out with the answer; a view info moved within its owner moves them.
    vi->ShiftBy(30, 20);
    TRect place{1, 1, 2, 2};
    bool multiLine = true;
    EXPECT_TRUE(vi->NeedsHint(surface.Canvas(), {35, 25}, place, multiLine, hint));
    EXPECT_EQ(hint, text);
    EXPECT_EQ(place, Rect(1 + 30, 1 + 20, width + 30, 23 + 20))
        << "the text area, one pixel in from the cell's sides";
    EXPECT_FALSE(multiLine);
    EXPECT_FALSE(vi->NeedsHintInRect(surface.Canvas(), {5, 5}, TRect{}, place, multiLine, hint));
    EXPECT_EQ(place, TRect{}) << "no stale place from the last hint";
    EXPECT_EQ(hint, "");
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(TextViewInfoTest, MeasuringWrapsTheTextAtTheGivenWidth) {
    surface.Canvas()->AssignFont(style.EffectiveFont());
    const int line = surface.Canvas()->MeasureTextHeight("Zg");
    const int alpha = surface.Canvas()->MeasureTextWidth("alpha");
    viewData.reset(properties.MakeViewData(&style, true));
    const int padY = viewData->GetContentPadding().cy;
    const int padX = viewData->GetContentPadding().cx;
    auto measure = [&](const std::string& text, int width, int lines) {
        TcxEditSizeProperties limits;
        limits.Width = width;
        limits.MaxLineCount = lines;
        TSize size{};
        viewData->GetExtraContentSize(surface.Canvas(), Variant(text), limits, size);
        return size;
    };
    // Unbounded: one row as wide as the text.
    TSize size = measure("alpha", -1, 0);
    EXPECT_EQ(size.cx, alpha + padX);
    EXPECT_EQ(size.cy, line + padY);
    // Room for one word a row (a cell uses the width less 2): three rows.
    size = measure("alpha alpha alpha", alpha + 2, 0);
    EXPECT_EQ(size.cx, alpha + 2);
    EXPECT_EQ(size.cy, 3 * line + padY);
    // A line count fixes the height; an empty text is one line.
    EXPECT_EQ(measure("alpha alpha alpha", alpha + 2, 2).cy, 2 * line + padY);
    EXPECT_EQ(measure("", 50, 0).cy, line + padY);
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(TextViewInfoTest, APasswordCellShowsGlyphsAndACasedCellItsCase) {
    properties.SetEchoMode(eemPassword);
    EXPECT_EQ(Fill(true, Rect(0, 0, 120, 20), Variant("秘密 pw"))->Text, "*****");
    properties.SetEchoMode(eemNormal);
    properties.SetCharCase(ecUpperCase);
    EXPECT_EQ(Fill(true, Rect(0, 0, 120, 20), Variant("pw"))->Text, "PW");
}

} // namespace
} // namespace zorvy::test
