// Button glyphs: sub-image counts from strip sizes, the sub-image each state draws, the shared image
// lists, and where glyph and caption go on the face.
#include "controls/editors/buttons/ButtonGlyph.h"

#include "platform/gdi/Text.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Canvas.h"
#include "platform/classlib/GraphicsObjects.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

// Grey levels, the same in any byte order.
constexpr TColor kGreys[4] = {0x101010, 0x404040, 0x808080, 0xC0C0C0};

// A strip of `count` cells of size x size, cell i in grey i, masked by a colour no cell uses.
std::unique_ptr<TBitmap> Strip(int width, int height, int count) {
    auto strip = std::make_unique<TBitmap>();
    strip->SetSize(width, height);
    for (int i = 0; i < count; ++i) {
        strip->GetCanvas()->GetBrush()->SetColor(kGreys[i % 4]);
        strip->GetCanvas()->FillRect(TRect{i * width / count, 0, (i + 1) * width / count, height});
    }
    strip->TransparentMode = tmFixed;
    strip->SetTransparentColor(TColor(0xFF00FF));
    return strip;
}

uint32_t FirstPixel(TcxButtonGlyph& glyph, TcxButtonState state) {
    const int index = glyph.GetImageIndex(state);
    return glyph.GetGlyphList()->GetImagePixels(index)->front() & 0xFFFFFF;
}

TEST(ButtonGlyphTest, StripSizesSetTheSubImageCount) {
    struct Case {
        int width, height, before, numGlyphs, imageWidth;
    };
    const Case cases[] = {
        {64, 16, 1, 4, 16},
        {80, 16, 2, 1, 80}, // five squares count as one picture
        {30, 16, 2, 2, 15}, // not a multiple of the height: the count stays
        {16, 16, 3, 1, 16},
    };
    for (const Case& c : cases) {
        TcxButtonGlyph glyph;
        glyph.SetNumGlyphs(c.before);
        glyph.SetGlyph(Strip(c.width, c.height, 1).get());
        EXPECT_EQ(glyph.GetNumGlyphs(), c.numGlyphs) << c.width;
        EXPECT_GE(glyph.GetImageIndex(cxbsNormal), 0);
        EXPECT_EQ(glyph.GetGlyphList()->GetWidth(), c.imageWidth) << c.width;
        EXPECT_EQ(glyph.GetGlyphList()->GetHeight(), c.height) << c.width;
    }
    TcxButtonGlyph empty;
    EXPECT_EQ(empty.GetImageIndex(cxbsNormal), -1);
}

TEST(ButtonGlyphTest, EachStateDrawsItsSubImage) {
    TcxButtonGlyph four;
    four.SetGlyph(Strip(64, 16, 4).get());
    EXPECT_EQ(FirstPixel(four, cxbsNormal), 0x101010u);
    EXPECT_EQ(FirstPixel(four, cxbsHot), 0x101010u);
    EXPECT_EQ(FirstPixel(four, cxbsDefault), 0x101010u);
    EXPECT_EQ(FirstPixel(four, cxbsDisabled), 0x404040u);
    EXPECT_EQ(FirstPixel(four, cxbsPressed), 0x808080u);

    TcxButtonGlyph two;
    two.SetGlyph(Strip(32, 16, 2).get());
    EXPECT_EQ(FirstPixel(two, cxbsPressed), 0x101010u); // no pressed picture below three
    EXPECT_EQ(FirstPixel(two, cxbsDisabled), 0x404040u);

    // One picture: the disabled image is drawn from it, so it is not the picture itself.
    TcxButtonGlyph one;
    one.SetGlyph(Strip(16, 16, 1).get());
    EXPECT_NE(FirstPixel(one, cxbsDisabled), 0x101010u);
}

TEST(ButtonGlyphTest, ButtonsOfOneGlyphSizeShareOneListUntilTheLastGoes) {
    {
        auto a = std::make_unique<TcxButtonGlyph>();
        auto b = std::make_unique<TcxButtonGlyph>();
        a->SetGlyph(Strip(16, 16, 1).get());
        b->SetGlyph(Strip(16, 16, 1).get());
        a->GetImageIndex(cxbsNormal);
        b->GetImageIndex(cxbsNormal);
        ASSERT_NE(a->GetGlyphList(), nullptr);
        EXPECT_EQ(a->GetGlyphList(), b->GetGlyphList());
        TcxGlyphList* list = a->GetGlyphList();
        EXPECT_EQ(list->GetUsedCount(), 2);
        // A changed picture gives its slot back, and the next image reuses it.
        a->SetGlyph(Strip(16, 16, 1).get());
        EXPECT_EQ(list->GetUsedCount(), 1);
        a->GetImageIndex(cxbsNormal);
        EXPECT_EQ(list->GetCount(), 2);
        EXPECT_FALSE(GlyphCache()->IsEmpty());
    }
    EXPECT_EQ(GlyphCache(), nullptr);
}

class ButtonGlyphLayoutTest : public ::testing::Test {
  protected:
    ButtonGlyphLayoutTest() { surface.SetSize(120, 40); }
    int TextWidth(const std::string& text) {
        TRect r{0, 0, 100, 0};
        DrawText(surface.GetCanvas()->GetHandle(), text, r, DT_CALCRECT);
        return r.Right - r.Left;
    }
    TBitmap surface;
    TcxButtonGlyph glyph;
    TPoint glyphPos;
    TRect textBounds;
    const TRect client{0, 0, 100, 30};
};

TEST_F(ButtonGlyphLayoutTest, ACaptionAloneIsCentredWithItsMargins) {
    glyph.CalcLayout(surface.GetCanvas(), client, 0, "OK", blGlyphLeft, -1, 4, glyphPos, textBounds, 0, false);
    const int width = TextWidth("OK");
    // The measured width carries 1 pixel on the left and 2 on the right; the spacing drops out.
    EXPECT_EQ(textBounds.Left, (100 - (width + 3)) / 2 + 1);
    EXPECT_EQ(textBounds.Right - textBounds.Left, width);
}

TEST_F(ButtonGlyphLayoutTest, GlyphAndCaptionShareTheFace) {
    glyph.SetGlyph(Strip(16, 16, 1).get());
    const int width = TextWidth("Go");
    glyph.CalcLayout(surface.GetCanvas(), client, 0, "Go", blGlyphLeft, -1, -1, glyphPos, textBounds, 0, false);
    const int margin = (100 - (16 + width)) / 3; // equal space before, between and after
    EXPECT_EQ(glyphPos.X, margin);
    EXPECT_EQ(glyphPos.Y, (30 - 16) / 2);
    EXPECT_EQ(textBounds.Left, margin + 16 + margin);

    glyph.CalcLayout(surface.GetCanvas(), client, 1, "Go", blGlyphLeft, 5, 4, glyphPos, textBounds, 0, false);
    EXPECT_EQ(glyphPos.X, 6); // the pressed shift moves both
    EXPECT_EQ(textBounds.Left, 6 + 16 + 4);

    // Right-to-left swaps left and right, not top and bottom.
    glyph.CalcLayout(surface.GetCanvas(), client, 0, "Go", blGlyphLeft, 5, 4, glyphPos, textBounds, DT_RIGHT, false);
    EXPECT_EQ(glyphPos.X, 100 - 5 - 16);
    glyph.CalcLayout(surface.GetCanvas(), client, 0, "Go", blGlyphTop, 2, 4, glyphPos, textBounds, DT_RIGHT, false);
    EXPECT_EQ(glyphPos.Y, 2);
    EXPECT_EQ(glyphPos.X, (100 - 16) / 2);

    EXPECT_FALSE(glyph.UsesWordWrap(true)); // a button with a picture never wraps
    glyph.SetGlyph(nullptr);
    EXPECT_TRUE(glyph.UsesWordWrap(true));
}

} // namespace
} // namespace zorvy
