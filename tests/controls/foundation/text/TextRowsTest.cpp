#include "controls/foundation/text/TextRows.h"
#include "platform/gdi/Text.h"
#include "tests/controls/foundation/graphics/PaintSurface.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class TextRows : public ::testing::Test {
  protected:
    TextRows() : surface(200, 120) {
        SetFarEastSystemLocale(false);
        TFont* font = surface.Canvas()->CurrentFont();
        font->SetName("DejaVu Sans");
        font->SetHeight(-13);
        surface.Canvas()->CurrentBrush()->SetStyle(bsClear);
        dc = surface.Canvas()->DeviceContext();
        TEXTMETRIC tm;
        GetTextMetrics(dc, tm);
        fontHeight = tm.tmHeight;
    }
    ~TextRows() override { SetFarEastSystemLocale(false); }

    std::vector<std::string> Split(const std::string& text, int width, int flags, int maxRows = 0,
                                   bool* allFit = nullptr) {
        TcxTextRowParams params;
        InitTextRowParamsForDC(dc, flags, params);
        int count = 0;
        const bool fit =
            SplitTextIntoRowsOnDC(dc, text, Rect(0, 0, width, 1000), params, rows, count, maxRows);
        if (allFit) *allFit = fit;
        std::vector<std::string> texts;
        for (int i = 0; i < count; ++i)
            texts.emplace_back(rows[size_t(i)].Text, size_t(rows[size_t(i)].TextLength));
        return texts;
    }
    int Width(const std::string& text) { return surface.Canvas()->MeasureTextWidth(text); }

    TPaintSurface surface;
    HDC dc = nullptr;
    int fontHeight = 0;
    TcxTextRows rows;
};

using Rows = std::vector<std::string>;

TEST_F(TextRows, LineBreaksEndRowsWithoutBeingPartOfThem) {
    EXPECT_EQ(Split("ab\r\ncd\nef", 200, 0), (Rows{"ab", "cd", "ef"}));
    EXPECT_EQ(Split("ab\r\n\r\ncd", 200, 0), (Rows{"ab", "", "cd"})) << "a blank line is a row of length 0";
    EXPECT_EQ(rows[2].TextOffset, 6);
    EXPECT_EQ(Split("ab\r\ncd", 200, trfSingleLine).size(), 1u) << "single line: breaks are characters";
}

TEST_F(TextRows, WordBreakAtTheLastBlankThatFits) {
    const int width = Width("alpha beta") + 2;
    EXPECT_EQ(Split("alpha beta gamma", width, trfWordBreak), (Rows{"alpha beta ", "gamma"}));
    EXPECT_EQ(rows[0].BreakCount, 2);
}

TEST_F(TextRows, ALongWordOverflowsUnlessCharactersMayBreak) {
    const int width = Width("abcd");
    EXPECT_EQ(Split("abcdefgh ij", width, trfWordBreak), (Rows{"abcdefgh ", "ij"}));
    const Rows broken = Split("abcdefgh ij", width, trfWordBreak | trfCharBreak);
    ASSERT_GE(broken.size(), 3u);
    EXPECT_EQ(broken[0], "abcd");
    EXPECT_LE(rows[0].Width, width);
    EXPECT_EQ(Split("abcdefgh", 1, trfWordBreak | trfCharBreak)[0], "a") << "a row is never empty";
}

TEST_F(TextRows, ALongChineseLineBreaksBetweenCharacters) {
    SetFarEastSystemLocale(true); // character breaking is always on there
    const std::string text = "红球蓝球红球蓝球红球蓝球";
    const int width = Width("红球蓝") + 1;
    const Rows split = Split(text, width, trfWordBreak);
    ASSERT_GE(split.size(), 4u);
    std::string joined;
    for (const std::string& row : split) {
        EXPECT_EQ(row.size() % 3, 0u) << "a UTF-8 character is never split";
        EXPECT_FALSE(row.empty());
        joined += row;
    }
    EXPECT_EQ(joined, text);
    EXPECT_EQ(split[0], "红球蓝");
}

TEST_F(TextRows, JustifyLeavesTheLastRowOfEachParagraphUnstretched) {
    const int width = Width("aa bb cc") + 1;
    const Rows split = Split("aa bb cc dd\r\nee ff", width, trfJustify);
    ASSERT_EQ(split, (Rows{"aa bb cc", "dd", "ee ff"})) << "trailing blanks leave justified rows";
    EXPECT_EQ(rows[0].BreakCount, 2);
    EXPECT_EQ(rows[1].BreakCount, 0) << "before CR LF";
    EXPECT_EQ(rows[2].BreakCount, 0) << "at the text's end";
    Split("aa bb cc dd\r\nee ff", width, trfDistributeHorz);
    EXPECT_EQ(rows[2].BreakCount, 1) << "distribute stretches every row";
}

TEST_F(TextRows, VerticalDistributionSpreadsTheRowsOverTheHeight) {
    // Three rows of font height 10 in 61: free = 51, line height 51 div 2 = 25 with 1 left over for
    // the first row, so the tops are 0, 26 and 51.
    TcxTextRowParams params;
    params.FontHeight = params.LineHeight = 10;
    params.VertAlign = 3;
    TcxTextRows placed(3);
    EXPECT_EQ(PlaceTextRows(nullptr, Rect(0, 100, 50, 161), params, placed, 3), 3);
    EXPECT_EQ(placed[0].Top, 100);
    EXPECT_EQ(placed[1].Top, 126);
    EXPECT_EQ(placed[2].Top, 151);
    EXPECT_EQ(params.LineHeight, 25);
}

TEST_F(TextRows, PlacementAlignsRowsAndKeepsThemInsideWhenAsked) {
    TcxTextRowParams params;
    params.FontHeight = params.LineHeight = 10;
    TcxTextRows placed(2);
    placed[0].Width = 30;
    placed[1].Width = 70;
    params.HorzAlign = 1;
    params.VertAlign = 1;
    PlaceTextRows(nullptr, Rect(0, 0, 50, 40), params, placed, 2);
    EXPECT_EQ(placed[0].Left, 10);
    EXPECT_EQ(placed[1].Left, -10);
    EXPECT_EQ(placed[0].Top, 10);
    params.NoLeftOverflow = true;
    params.HorzAlign = 2;
    params.VertAlign = 2;
    PlaceTextRows(nullptr, Rect(0, 0, 50, 40), params, placed, 2);
    EXPECT_EQ(placed[0].Left, 20);
    EXPECT_EQ(placed[1].Left, 0);
    EXPECT_EQ(placed[0].Top, 20);
}

TEST_F(TextRows, PartialAndWholeRowsAtTheBottomOfATopAlignedRectangle) {
    TcxTextRowParams params;
    const std::string text = "a\nb\nc\nd";
    int count = 0;
    const TRect r = Rect(0, 0, 100, fontHeight * 2 + fontHeight / 2);
    InitTextRowParamsForDC(dc, 0, params);
    SplitTextIntoRowsOnDC(dc, text, r, params, rows, count);
    EXPECT_EQ(count, 3) << "the row reaching below the rectangle is still laid out";
    InitTextRowParamsForDC(dc, trfWholeRowsOnly, params);
    SplitTextIntoRowsOnDC(dc, text, r, params, rows, count);
    EXPECT_EQ(count, 2);
    SplitTextIntoRowsOnDC(dc, text, Rect(0, 0, 100, 1), params, rows, count);
    EXPECT_EQ(count, 1) << "the first row is always laid out";
}

TEST_F(TextRows, TheEllipsisRowSwallowsTheRestOfTheText) {
    TcxTextRowParams params;
    InitTextRowParamsForDC(dc, trfWordBreak | trfEndEllipsis, params);
    int count = 0;
    const std::string text = "aa bb\ncc dd\nee"; // the rows point into it
    SplitTextIntoRowsOnDC(dc, text, Rect(0, 0, 200, fontHeight + 1), params, rows, count);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(std::string(rows[1].Text, size_t(rows[1].TextLength)), "cc dd\nee");
}

TEST_F(TextRows, CalculateOnlyWithTwoRowsMeasuresThemAndNarrowsTheRectangle) {
    TRect r = Rect(10, 20, 10 + Width("one two three"), 500);
    const int height = DrawTextByRowsOnDC(dc, "one two three four five", r, trfWordBreak | trfCalcRect, 0, 0,
                                          clNone, clNone, 2);
    EXPECT_EQ(height, 2 * fontHeight);
    EXPECT_EQ(r.Top, 20);
    EXPECT_EQ(r.Bottom, 20 + 2 * fontHeight);
    EXPECT_EQ(r.Left, 10);
    EXPECT_EQ(r.Width(), Width("one two three ")) << "the widest of the two rows, trailing blank included";
    EXPECT_EQ(surface.InkBounds(), TRect{}) << "nothing drawn";
}

TEST_F(TextRows, RowCountAndEmptyRectangles) {
    TRect r = Rect(0, 0, 200, 100);
    EXPECT_EQ(DrawTextByRows(surface.bitmap.GetCanvas(), "a\nb\nc", r, trfReturnRowCount), 3);
    EXPECT_EQ(DrawTextByRows(surface.bitmap.GetCanvas(), "a\nb\nc", r, 0), 3 * fontHeight);
    TRect empty = Rect(5, 5, 5, 50);
    EXPECT_EQ(DrawTextByRows(surface.bitmap.GetCanvas(), "abc", empty, trfReturnRowCount), 0);
    EXPECT_EQ(DrawTextByRows(surface.bitmap.GetCanvas(), "", r, 0), 0);
}

TEST_F(TextRows, TruncatedRowsEndInAnEllipsisInsideTheRectangle) {
    TRect r = Rect(10, 10, 10 + Width("abcdef"), 10 + fontHeight);
    surface.Canvas()->CurrentFont()->SetColor(clBlack);
    DrawTextByRowsOnDC(surface.Canvas()->DeviceContext(), "abcdefghijklmnop", r,
                       trfEndEllipsis | trfSingleLine, 0, 0, clNone, clNone);
    const TRect ink = surface.InkBounds();
    EXPECT_GE(ink.Left, 10);
    EXPECT_LE(ink.Right, r.Right) << "clipped to the rectangle";
    // The ellipsis' three dots sit on the baseline at the right end: dark pixels in its last quarter.
    TPaintSurface reference(200, 120);
    reference.Canvas()->CurrentFont()->Assign(surface.Canvas()->CurrentFont());
    reference.Canvas()->CurrentBrush()->SetStyle(bsClear);
    TcxTextRowParams params;
    InitTextRowParamsForDC(reference.Canvas()->DeviceContext(), trfEndEllipsis, params);
    int fit = 0;
    TSize size;
    GetTextExtentExPoint(reference.Canvas()->DeviceContext(), "abcdefghijklmnop",
                         r.Width() - params.EllipsisWidth, &fit, nullptr, size);
    const std::string kept = std::string("abcdefghijklmnop").substr(0, size_t(fit));
    reference.bitmap.GetCanvas()->TextOut(10, 10, kept);
    reference.bitmap.GetCanvas()->TextOut(10 + Width(kept), 10, "...");
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_EQ(surface.At(x, y), reference.At(x, y)) << x << "," << y;
}

TEST_F(TextRows, TheSelectionTakesItsColoursAndTheCallersClipIsKept) {
    TRect r = Rect(0, 0, 200, 40);
    surface.Canvas()->CurrentFont()->SetColor(clBlack);
    HDC canvasDC = surface.Canvas()->DeviceContext();
    DrawTextByRowsOnDC(canvasDC, "WWWW", r, 0, 1, 2, clBlue, clWhite);
    const int x1 = Width("W"), x2 = Width("WWW");
    EXPECT_EQ(surface.At(x1, 1), RGB(0, 0, 255)) << "the selected range's background";
    EXPECT_EQ(surface.At(x2 - 1, 1), RGB(0, 0, 255));
    EXPECT_EQ(surface.At(x2 + 1, 1), RGB(255, 255, 255));
    EXPECT_EQ(surface.At(x1 - 1, 1), RGB(255, 255, 255));
    // The selection was cut out of the clip while drawing; afterwards everything is drawable again.
    surface.Canvas()->FillRectSolid(Rect(0, 0, 200, 40), clRed);
    EXPECT_EQ(surface.At(x1 + 1, 1), RGB(255, 0, 0));
}

} // namespace
} // namespace zorvy::test
