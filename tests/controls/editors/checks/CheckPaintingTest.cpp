// One check mark: which glyph cell each state takes, frame insets, and the pixels of the classic and
// flat looks for each state and null style.
#include "controls/editors/checks/CheckPainting.h"

#include "controls/foundation/graphics/Canvas.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Canvas.h"
#include "platform/classlib/GraphicsObjects.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

TEST(CheckPaintingTest, GlyphCellsPerState) {
    struct Case {
        int glyphCount;
        bool grayedGlyphs;
        int cells[6]; // unchecked, checked, grayed, then pressed
    };
    const Case cases[] = {
        {4, false, {0, 1, 2, 2, 3, 0}}, // two cells a row: pressed grayed is 4 mod 2
        {4, true, {0, 1, 2, 3, 1, 2}},  // three a row: 4 mod 3, 5 mod 3
        {6, true, {0, 1, 2, 3, 4, 5}},
        {1, false, {0, 1, 2, 0, 1, 2}},
    };
    const TcxCheckBoxState states[3] = {cbsUnchecked, cbsChecked, cbsGrayed};
    for (const Case& c : cases)
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(CheckGlyphCellIndex(states[i % 3], i < 3 ? ecsNormal : ecsPressed, c.glyphCount, c.grayedGlyphs),
                      c.cells[i])
                << c.glyphCount << " cells, case " << i;
    EXPECT_EQ(CheckThemeStateId(cbsUnchecked, ecsNormal), 1);
    EXPECT_EQ(CheckThemeStateId(cbsChecked, ecsHot), 6);
    EXPECT_EQ(CheckThemeStateId(cbsGrayed, ecsDisabled), 12);
}

TEST(CheckPaintingTest, FrameInsetsByStyle) {
    const std::pair<TcxEditBorderStyle, int> cases[] = {{TcxEditBorderStyle::ebsNone, 2}, {TcxEditBorderStyle::ebsSingle, 1},     {TcxEditBorderStyle::ebsThick, 0},   {TcxEditBorderStyle::ebsFlat, 0},
                                                        {TcxEditBorderStyle::ebs3D, 0},   {TcxEditBorderStyle::ebsUltraFlat, 1}, {TcxEditBorderStyle::ebsOffice11, 1}};
    for (auto [style, inset] : cases) EXPECT_EQ(CheckFrameInset(style, false, false, nullptr), inset) << int(style);
    EXPECT_EQ(CheckFrameInset(TcxEditBorderStyle::ebsNone, true, false, nullptr), 0);
    EXPECT_EQ(CheckFrameInset(TcxEditBorderStyle::ebsNone, false, true, nullptr), 0);
}

class CheckPaintingPixels : public ::testing::Test {
  protected:
    CheckPaintingPixels() {
        LoadCheckMarkMask();
        surface.SetSize(20, 20);
    }
    ~CheckPaintingPixels() override { FreeCheckMarkMask(); }

    // The 17 x 17 mark painted at (1, 1) on white, as a grid of pixels.
    std::vector<TColor> Paint(TcxCheckBoxState state, TcxEditCheckState button, TcxEditBorderStyle frame,
                              TcxCheckBoxNullValueShowingStyle nullStyle, TBitmap* glyph = nullptr, int glyphCount = 6) {
        surface.GetCanvas()->GetBrush()->SetColor(clWhite);
        surface.GetCanvas()->FillRect(TRect{0, 0, 20, 20});
        TcxCanvas canvas(surface.GetCanvas());
        PaintEditCheck(&canvas, TRect{1, 1, 18, 18}, state, button, glyph, glyphCount, frame, false, clBlack, clWhite,
                       true, false, false, true, nullptr, nullStyle);
        std::vector<TColor> pixels;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) pixels.push_back(surface.GetCanvas()->GetPixel(x, y));
        return pixels;
    }
    static int Count(const std::vector<TColor>& pixels, TColor color) {
        return static_cast<int>(std::count(pixels.begin(), pixels.end(), ColorToRGB(color)));
    }

    TBitmap surface;
};

TEST_F(CheckPaintingPixels, TheTickMaskIsWhereACheckedBoxDiffers) {
    TBitmap* mask = CheckMarkMask();
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->GetCanvas()->GetPixel(0, 0), ColorToRGB(clWhite)); // the frame is the same in both
    int black = 0;
    for (int y = 0; y < mask->GetHeight(); ++y)
        for (int x = 0; x < mask->GetWidth(); ++x) black += static_cast<COLORREF>(mask->GetCanvas()->GetPixel(x, y)) == ColorToRGB(clBlack);
    EXPECT_GT(black, 5);
}

TEST_F(CheckPaintingPixels, GrayedFollowsTheNullStyle) {
    for (TcxEditBorderStyle frame : {TcxEditBorderStyle::ebsSingle, TcxEditBorderStyle::ebsUltraFlat, TcxEditBorderStyle::ebs3D}) {
        const auto unchecked = Paint(cbsUnchecked, ecsNormal, frame, nssGrayedChecked);
        const auto checked = Paint(cbsChecked, ecsNormal, frame, nssGrayedChecked);
        EXPECT_EQ(Paint(cbsGrayed, ecsNormal, frame, nssUnchecked), unchecked) << int(frame);
        EXPECT_NE(checked, unchecked) << int(frame);
        EXPECT_NE(Paint(cbsGrayed, ecsNormal, frame, nssGrayedChecked), unchecked) << int(frame);
    }
    // The flat looks: a dark tick when checked, a grey one when grayed, a face-coloured box when inactive.
    const auto checked = Paint(cbsChecked, ecsNormal, TcxEditBorderStyle::ebsUltraFlat, nssGrayedChecked);
    EXPECT_GT(Count(checked, clBtnText), 5);
    const auto grayed = Paint(cbsGrayed, ecsNormal, TcxEditBorderStyle::ebsUltraFlat, nssGrayedChecked);
    EXPECT_EQ(Count(grayed, clBtnText), Count(Paint(cbsUnchecked, ecsNormal, TcxEditBorderStyle::ebsUltraFlat, nssGrayedChecked), clBtnText));
    EXPECT_GT(Count(grayed, clBtnShadow), 5);
    const auto inactive = Paint(cbsGrayed, ecsNormal, TcxEditBorderStyle::ebsUltraFlat, nssInactive);
    // 17 pixels less the inset (1) on each side, then the content 2 inside that: 11 x 11.
    EXPECT_EQ(Count(inactive, clBtnFace), 11 * 11);
}

TEST_F(CheckPaintingPixels, AGlyphStripPaintsTheStatesCell) {
    TBitmap glyph;
    glyph.SetSize(6 * 17, 17);
    const TColor cells[6] = {clRed, clLime, clBlue, clYellow, clAqua, clFuchsia};
    for (int i = 0; i < 6; ++i) {
        glyph.GetCanvas()->GetBrush()->SetColor(cells[i]);
        glyph.GetCanvas()->FillRect(TRect{i * 17, 0, i * 17 + 17, 17});
    }
    glyph.TransparentMode = tmFixed;
    glyph.SetTransparentColor(clBlack);
    auto pixels = Paint(cbsChecked, ecsPressed, TcxEditBorderStyle::ebsSingle, nssGrayedChecked, &glyph);
    EXPECT_EQ(pixels[9 * 20 + 9], ColorToRGB(clAqua)); // pressed checked: cell 4
    pixels = Paint(cbsGrayed, ecsNormal, TcxEditBorderStyle::ebsSingle, nssGrayedChecked, &glyph);
    EXPECT_EQ(pixels[9 * 20 + 9], ColorToRGB(clBlue));
    TcxCanvas canvas(surface.GetCanvas());
    EXPECT_EQ(MeasureEditCheck(&canvas, false, &glyph, nullptr, 6), (TSize{17, 17}));
}

} // namespace
} // namespace zorvy
